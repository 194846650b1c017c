// What the window looks like: the form's captions and layout in pixels in each
// language, and the scaling for the monitor's DPI.
// The captions and the French widening themselves are the model's tests.
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "window_fixture.h"

namespace win32_testing {
namespace {

using startup::Language;
using win32ui::ControlChange;
using win32ui::PixelRect;
using wizard::ControlKind;

// The control's place on the window's client area, in pixels.
PixelRect placeOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

class LookTest : public WindowTest {
 protected:
  // The client area and every control where the form's layout puts them at `dpi`.
  void expectLayout(int dpi) {
    RECT client;
    GetClientRect(handle(), &client);
    EXPECT_EQ(client.right, win32ui::toPixels(form->width, dpi));
    EXPECT_EQ(client.bottom, win32ui::toPixels(form->height, dpi));
    for (const ControlChange& control : win32ui::kControls) {
      EXPECT_EQ(placeOf(window->control(control)),
                win32ui::toPixels(win32ui::placeOnWindow(*form, control), dpi))
          << "control " << win32ui::controlId(control);
    }
  }
};

struct LanguageCase {
  Language language;
  const char* code;
};

class LanguageTest : public LookTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageTest, ShowsTheFormsCaptionsAndLayout) {
  open(GetParam().language);
  EXPECT_EQ(shownStep(), 1);
  EXPECT_EQ(textOf(handle()), platform::codePageToUtf16(form->Caption));
  EXPECT_EQ(textOf(window->control({ControlKind::Frame, 3})),
            platform::codePageToUtf16(form->fraRahmen(3).Caption));
  EXPECT_EQ(textOf(button(5)), platform::codePageToUtf16(form->cmdAuswahl(5).Caption));
  expectLayout(static_cast<int>(GetDpiForWindow(handle())));
  screenshot(std::string(GetParam().code) + "_s1");
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageTest,
                         ::testing::Values(LanguageCase{Language::DE, "de"},
                                           LanguageCase{Language::EN, "en"},
                                           LanguageCase{Language::FR, "fr"}),
                         [](const auto& test) { return std::string(test.param.code); });

TEST_F(LookTest, ScalesItsLayoutFontAndPicturesForTheMonitorsDpi) {
  open();
  RECT suggested;
  GetWindowRect(handle(), &suggested);
  SendMessageW(handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT client;
  GetClientRect(handle(), &client);
  EXPECT_EQ(client.right, 426);
  EXPECT_EQ(client.bottom, 636);
  expectLayout(144);
  LOGFONTW font{};
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
  EXPECT_EQ(shownStep(), 1);
  screenshot("de_s1_150_percent");
}

}  // namespace
}  // namespace win32_testing
