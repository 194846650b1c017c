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
using win32ui::toPixels;

// The control's place on the window's client area, in pixels.
PixelRect placeOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

struct LookCase {
  Language language;
  UINT dpi;
  int fontHeight;    // 9.75 point
  int pictureWidth;  // the step pictures' icons
  const char* screenshot;
};

class LookTest : public WindowTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(LookTest, ShowsTheFormsCaptionsAndLayoutScaledForTheMonitorsDpi) {
  const LookCase& look = GetParam();
  open(look.language);
  if (look.dpi != GetDpiForWindow(handle())) {
    RECT suggested;
    GetWindowRect(handle(), &suggested);
    SendMessageW(handle(), WM_DPICHANGED, MAKEWPARAM(look.dpi, look.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
  }
  EXPECT_EQ(shownStep(), 1);
  EXPECT_EQ(textOf(handle()), platform::codePageToUtf16(form->Caption));
  EXPECT_EQ(textOf(button(5)), platform::codePageToUtf16(form->cmdAuswahl(5).Caption));
  RECT client;
  GetClientRect(handle(), &client);
  EXPECT_EQ(client.right, toPixels(form->width, look.dpi));
  EXPECT_EQ(client.bottom, toPixels(form->height, look.dpi));
  for (const ControlChange& control : win32ui::kControls) {
    EXPECT_EQ(placeOf(window->control(control)),
              toPixels(win32ui::placeOnWindow(*form, control), look.dpi))
        << "control " << win32ui::controlId(control);
  }
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button(1), WM_GETFONT, 0, 0)), sizeof(font),
             &font);
  EXPECT_EQ(font.lfHeight, look.fontHeight);
  ICONINFO icon{};
  ASSERT_TRUE(GetIconInfo(window->picture(wizard::StepPicture::kArrow), &icon));
  BITMAP picture{};
  GetObjectW(icon.hbmColor, sizeof(picture), &picture);
  DeleteObject(icon.hbmColor);
  DeleteObject(icon.hbmMask);
  EXPECT_EQ(picture.bmWidth, look.pictureWidth);
  screenshot(look.screenshot);
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndDpi, LookTest,
                         ::testing::Values(LookCase{Language::DE, 96, -13, 17, "de_s1"},
                                           LookCase{Language::EN, 96, -13, 17, "en_s1"},
                                           LookCase{Language::FR, 96, -13, 17, "fr_s1"},
                                           LookCase{Language::DE, 144, -20, 26,
                                                    "de_s1_150_percent"}),
                         [](const auto& test) { return std::string(test.param.screenshot); });

}  // namespace
}  // namespace win32_testing
