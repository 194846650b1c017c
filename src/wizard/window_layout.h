// Positions and sizes of the wizard window's controls, in twips (15 twips are
// one pixel at 96 dots per inch).
#pragma once

namespace wizard {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kClientWidth = 4260;
inline constexpr int kClientHeight = 6360;
// The French captions are longer: frames, buttons and the window grow by this.
inline constexpr int kFrenchWidening = 480;

// Frame n (1 to 4) on the window.
constexpr Rect frameRect(int n) { return {300, 240 + (n - 1) * 1320, 3645, 1095}; }
// Inside its frame.
inline constexpr Rect kStepButtonRect{510, 450, 2895, 375};
inline constexpr Rect kStepPictureRect{150, 510, 255, 255};
// On the window.
inline constexpr Rect kCloseButtonRect{1222, 5640, 1800, 375};

}  // namespace wizard
