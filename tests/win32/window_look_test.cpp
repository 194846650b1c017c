// What the window looks like: captions and layout in the three languages, the
// scaling for the monitor's DPI, and the message of a missing planner.
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "startup/main.h"
#include "startup/messages.h"
#include "window_fixture.h"

namespace win32_testing {
namespace {

using startup::Language;
using win32ui::ControlChange;
using win32ui::PixelRect;
using wizard::ControlKind;

std::wstring textOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The control's place on the window's client area, in pixels.
PixelRect placeOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

struct LanguageCase {
  Language language;
  const char* code;
  const char* title;
  const char* frame3;
  const char* closeButton;
  int clientWidth;  // twips
};

class LanguageTest : public WindowTest, public ::testing::WithParamInterface<LanguageCase> {};

std::string languageName(const ::testing::TestParamInfo<LanguageCase>& test) {
  return test.param.code;
}

TEST_P(LanguageTest, ShowsItsCaptionsAndItsWidth) {
  const LanguageCase& c = GetParam();
  open(c.language);
  EXPECT_EQ(shown(), S1);
  EXPECT_EQ(textOf(handle()), wide(c.title));
  EXPECT_EQ(textOf(window->control({ControlKind::Frame, 3})), wide(c.frame3));
  EXPECT_EQ(textOf(window->control({ControlKind::Button, 5})), wide(c.closeButton));
  RECT client;
  GetClientRect(handle(), &client);
  const UINT dpi = GetDpiForWindow(handle());
  EXPECT_EQ(client.right, win32ui::toPixels(c.clientWidth, static_cast<int>(dpi)));
  EXPECT_EQ(client.bottom, win32ui::toPixels(6360, static_cast<int>(dpi)));
  const int widening = c.clientWidth - 4260;
  EXPECT_EQ(placeOf(window->control({ControlKind::Frame, 1})),
            win32ui::toPixels({300, 240, 3645 + widening, 1095}, static_cast<int>(dpi)));
  EXPECT_EQ(placeOf(window->control({ControlKind::Button, 4})),
            win32ui::toPixels({810, 4650, 2895 + widening, 375}, static_cast<int>(dpi)));
  EXPECT_EQ(placeOf(window->control({ControlKind::Button, 5})),
            win32ui::toPixels({1222, 5640, 1800 + widening, 375}, static_cast<int>(dpi)));
  screenshot(std::string(c.code) + "_s1");
}

INSTANTIATE_TEST_SUITE_P(
    AllLanguages, LanguageTest,
    ::testing::Values(LanguageCase{Language::DE, "de", "Mitarbeiterdaten importieren",
                                   "Schritt 3: Importdaten prüfen", "Beenden", 4260},
                      LanguageCase{Language::EN, "en", "Import Employee Data",
                                   "Step 3: Check Import Data", "Close", 4260},
                      LanguageCase{Language::FR, "fr", "Import des Employés",
                                   "Etape 3 : Vérification des Données d'Import", "Fermer", 4740}),
    languageName);

TEST_F(WindowTest, ScalesItsLayoutFontAndPicturesForTheMonitorsDpi) {
  open();
  RECT suggested;
  GetWindowRect(handle(), &suggested);
  SendMessageW(handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT client;
  GetClientRect(handle(), &client);
  EXPECT_EQ(client.right, 426);
  EXPECT_EQ(client.bottom, 636);
  for (const ControlChange& control : win32ui::kControls) {
    EXPECT_EQ(placeOf(window->control(control)),
              win32ui::toPixels(win32ui::placeOnWindow(*form, control), 144))
        << "control " << win32ui::controlId(control);
  }
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(handle(), WM_GETFONT, 0, 0)), sizeof(font),
             &font);
  const auto buttonFont = reinterpret_cast<HFONT>(
      SendMessageW(window->control({ControlKind::Button, 1}), WM_GETFONT, 0, 0));
  GetObjectW(buttonFont, sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -20);  // 9.75 point at 144 dpi
  ICONINFO icon{};
  ASSERT_TRUE(GetIconInfo(window->picture(wizard::Bild::Pfeil), &icon));
  BITMAP picture{};
  GetObjectW(icon.hbmColor, sizeof(picture), &picture);
  DeleteObject(icon.hbmColor);
  DeleteObject(icon.hbmMask);
  EXPECT_EQ(picture.bmWidth, 26);
  EXPECT_EQ(shown(), S1);
  screenshot("de_s1_150_percent");
}

struct MissingPlannerCase {
  Language language;
  const char* text;
};

class MissingPlannerTest : public WindowTest,
                           public ::testing::WithParamInterface<MissingPlannerCase> {};

TEST_P(MissingPlannerTest, SaysThatThePlannerMustBeInstalledAndEnds) {
  state.Sprache = GetParam().language;
  state.Programmtitel = "Titel";
  hook.answers = {press(IDOK)};
  try {
    startup::reportMissingPlanner(state);
    ADD_FAILURE() << "the program did not end";
  } catch (const startup::ProgramEnd& end) {
    EXPECT_EQ(end.status, startup::kFatalExitStatus);
  }
  ASSERT_EQ(hook.seen.size(), 1u);
  EXPECT_EQ(hook.seen[0], messageBox(L"Titel", wide(GetParam().text), BoxIcon::kExclamation, {IDOK},
                                     IDOK, nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    AllLanguages, MissingPlannerTest,
    ::testing::Values(
        MissingPlannerCase{Language::DE,
                           "Sie müssen zuerst den Zentavo-Kalender installieren.\r\r"
                           "Das Programm wird beendet."},
        MissingPlannerCase{Language::EN,
                           "You have to install the Zentavo Desk first.\r\rProgram will be "
                           "closed."},
        MissingPlannerCase{Language::FR,
                           "Le logiciel Zentavo Bureau n'est pas installé.\r\rLe programme va "
                           "être fermé."}));

}  // namespace
}  // namespace win32_testing
