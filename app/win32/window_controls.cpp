#include "window_controls.h"

namespace win32ui {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kFontSizeHundredthsOfPoint = 975;
constexpr int kHundredthsOfPointPerInch = 7200;

// a * b / c rounded half away from zero, for the non-negative values used here.
int scaleRounded(int a, int b, int c) {
  return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

}  // namespace

int controlId(const ControlChange& control) {
  switch (control.kind) {
    case ControlKind::Button:
      return 100 + control.index;
    case ControlKind::Frame:
      return 200 + control.index;
    case ControlKind::Picture:
      return 300 + control.index;
  }
  return 0;
}

int buttonIndex(int id) {
  const int index = id - controlId({ControlKind::Button, 0});
  return index >= 1 && index <= 5 ? index : 0;
}

int toPixels(int twips, int dpi) { return scaleRounded(twips, dpi, kTwipsPerInch); }

PixelRect toPixels(const wizard::Rect& twips, int dpi) {
  return {toPixels(twips.left, dpi), toPixels(twips.top, dpi), toPixels(twips.width, dpi),
          toPixels(twips.height, dpi)};
}

wizard::Rect placeOnWindow(wizard::frmPersonallader& form, const ControlChange& control) {
  const auto inFrame = [&](wizard::Rect rect) {
    const wizard::Rect& frame = form.fraRahmen(control.index).rect;
    rect.left += frame.left;
    rect.top += frame.top;
    return rect;
  };
  switch (control.kind) {
    case ControlKind::Frame:
      return form.fraRahmen(control.index).rect;
    case ControlKind::Picture:
      return inFrame(form.imgIcon(control.index).rect);
    case ControlKind::Button:
      if (control.index == 5) return form.cmdAuswahl(5).rect;
      return inFrame(form.cmdAuswahl(control.index).rect);
  }
  return {};
}

int fontHeight(int dpi) {
  return -scaleRounded(kFontSizeHundredthsOfPoint, dpi, kHundredthsOfPointPerInch);
}

}  // namespace win32ui
