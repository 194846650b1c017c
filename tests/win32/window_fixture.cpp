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

int WindowTest::shownStep() {
  using wizard::ControlKind;
  int current = 5;
  for (int n = 4; n >= 1; --n) {
    const HWND button = window->control({ControlKind::Button, n});
    EXPECT_EQ(IsWindowEnabled(button) != FALSE, form->cmdAuswahl(n).Enabled) << "button " << n;
    EXPECT_EQ(IsWindowEnabled(window->control({ControlKind::Frame, n})) != FALSE,
              form->fraRahmen(n).Enabled)
        << "frame " << n;
    EXPECT_EQ(SendMessageW(window->control({ControlKind::Picture, n}), STM_GETICON, 0, 0),
              reinterpret_cast<LRESULT>(window->picture(form->imgIcon(n).picture)))
        << "picture " << n;
    if (IsWindowEnabled(button)) current = n;
  }
  EXPECT_TRUE(IsWindowEnabled(window->control({ControlKind::Button, 5})));
  return current;
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

std::string WindowTest::csvFile(const std::string& name, const std::string& rows) {
  folder.write(name, platform::utf8ToCodePage(kCsvHeader + rows));
  return folder.file(name);
}

SeenDialog WindowTest::notice(const std::string& utf8) const {
  const std::wstring title = platform::codePageToUtf16(state.Programmtitel);
  return {title, wide(utf8), BoxIcon::kExclamation, {IDOK}, IDOK, handle(), {}, {}};
}

SeenDialog WindowTest::question(const std::string& utf8) const {
  const std::wstring title = platform::codePageToUtf16(state.Programmtitel);
  return {title, wide(utf8), BoxIcon::kQuestion, {IDYES, IDNO}, IDNO, handle(), {}, {}};
}

}  // namespace win32_testing
