#include "window_look_win.h"

#include <cwchar>

#include "resource_ids.h"
#include "window_controls.h"

namespace win32ui {

namespace {

constexpr wchar_t kFontFace[] = L"Microsoft Sans Serif";

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool fontInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, noteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

Icon loadIcon(HINSTANCE instance, int id, int size) {
  return Icon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

Font createWindowFont(UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = fontHeight(static_cast<int>(dpi));
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  if (fontInstalled(kFontFace)) {
    std::wcsncpy(font.lfFaceName, kFontFace, LF_FACESIZE - 1);
  } else {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
    std::wcsncpy(font.lfFaceName, metrics.lfMessageFont.lfFaceName, LF_FACESIZE - 1);
  }
  return Font(CreateFontIndirectW(&font));
}

HICON StepPictures::of(wizard::StepPicture picture) const {
  switch (picture) {
    case wizard::StepPicture::kInactive:
      return inactive.get();
    case wizard::StepPicture::kArrow:
      return current.get();
    case wizard::StepPicture::kOK:
      return done.get();
  }
  return nullptr;
}

StepPictures loadStepPictures(HINSTANCE instance, int size) {
  return {loadIcon(instance, IDI_STEP_INACTIVE, size), loadIcon(instance, IDI_STEP_CURRENT, size),
          loadIcon(instance, IDI_STEP_DONE, size)};
}

}  // namespace win32ui
