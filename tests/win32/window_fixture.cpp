#include "window_fixture.h"

#include "platform/codepage.h"
#include "program_win.h"
#include "startup/main.h"
#include "support/planner_files.h"

namespace win32_testing {

namespace {

const std::string kCsvHeader =
    "Name;Benutzername;Von-Datum;Bis-Datum;Resturlaub;Urlaubsanspruch 1;Urlaubsanspruch 2;"
    "Urlaubsanspruch 3;Urlaubsanspruch 4;Sonderurlaub\r\n";

}  // namespace

void PrintTo(const StepState& step, std::ostream* out) {
  static const char* const kPictures[] = {"inactive", "current", "done"};
  *out << "{frame " << (step.frame ? "on" : "off") << ", button " << (step.button ? "on" : "off")
       << ", " << kPictures[static_cast<int>(step.picture)] << "}";
}

WindowTest::WindowTest() { system.variables["USERNAME"] = "mueller"; }

void WindowTest::open(startup::Language language) {
  state.Sprache = language;
  startup::Main(state);
  form = std::make_unique<wizard::frmPersonallader>(state);
  window = win32ui::openWizard(state, *form, dialogs, GetModuleHandleW(nullptr));
  window->onEnd = [this](int status) { endStatus = status; };
  ShowWindow(window->handle(), SW_SHOW);
  settle();
}

void WindowTest::click(int index) {
  SendMessageW(button(index), BM_CLICK, 0, 0);
  settle(100);
}

void WindowTest::pressKey(UINT key) {
  MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(handle(), &message));
  settle(100);
}

WindowState WindowTest::shown() {
  using wizard::Bild;
  using wizard::ControlKind;
  WindowState steps;
  for (int n = 1; n <= 4; ++n) {
    const auto icon = reinterpret_cast<HICON>(
        SendMessageW(window->control({ControlKind::Picture, n}), STM_GETICON, 0, 0));
    Bild picture = Bild::Inaktiv;
    for (Bild candidate : {Bild::Pfeil, Bild::OK}) {
      if (icon == window->picture(candidate)) picture = candidate;
    }
    EXPECT_TRUE(icon == window->picture(picture)) << "step " << n << " shows an unknown picture";
    steps[n - 1] = {IsWindowEnabled(window->control({ControlKind::Frame, n})) != FALSE,
                    IsWindowEnabled(window->control({ControlKind::Button, n})) != FALSE, picture};
  }
  EXPECT_TRUE(IsWindowEnabled(window->control({ControlKind::Button, 5})));
  return steps;
}

std::string WindowTest::plannerFolder() {
  folder.makeFolder("Daten");
  const std::string data = folder.file("Daten") + platform::kSeparator;
  testing_support::PlannerData planner;
  planner.employees = {
      "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:"
      "Alt, Anton:aalt"};
  testing_support::makePlannerData(data, planner);
  return data;
}

void WindowTest::writeSettings(const std::string& dataFolder) {
  folder.makeFolder("Zentavo Desk");
  testing_support::writeScrambledFile(
      folder.file("Zentavo Desk") + platform::kSeparator + "Zentavo.dat",
      {"[Zentavo]", "data_pfad=" + dataFolder, "log_pfad=" + dataFolder + "Logs\\"});
  system.variables["ProgramFiles"] = folder.path();
}

std::string WindowTest::csvFile(const std::string& name, const std::string& rows) {
  folder.write(name, platform::utf8ToCodePage(kCsvHeader + rows));
  return folder.file(name);
}

SeenDialog WindowTest::notice(const std::string& utf8) const {
  return messageBox(wide(platform::codePageToUtf8(state.Programmtitel)), wide(utf8),
                    BoxIcon::kExclamation, {IDOK}, IDOK, window->handle());
}

SeenDialog WindowTest::question(const std::string& utf8) const {
  return messageBox(wide(platform::codePageToUtf8(state.Programmtitel)), wide(utf8),
                    BoxIcon::kQuestion, {IDYES, IDNO}, IDNO, window->handle());
}

}  // namespace win32_testing
