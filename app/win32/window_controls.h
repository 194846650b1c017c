// The table of the wizard window's controls and their places in pixels: what
// the Win32 window builds from the model, without calling Windows.
#pragma once

#include <array>

#include "wizard/wizard_window.h"

namespace win32ui {

using wizard::ControlChange;
using wizard::ControlKind;

// Every control of the window in creation order. Windows takes that order as
// the tab order and stacks the first on top, so the frames come last: they
// lie under the buttons and pictures that they surround.
inline constexpr std::array<ControlChange, 13> kControls{{
    {ControlKind::Picture, 1},
    {ControlKind::Picture, 2},
    {ControlKind::Picture, 3},
    {ControlKind::Picture, 4},
    {ControlKind::Button, 1},
    {ControlKind::Button, 2},
    {ControlKind::Button, 3},
    {ControlKind::Button, 4},
    {ControlKind::Button, 5},
    {ControlKind::Frame, 1},
    {ControlKind::Frame, 2},
    {ControlKind::Frame, 3},
    {ControlKind::Frame, 4},
}};

// The control's child window id. Button ids stay clear of IDOK and IDCANCEL,
// which the dialog keys Enter and Escape send.
int controlId(const ControlChange& control);
// The index of the button with child window id `id`; 0 for any other id.
int buttonIndex(int id);

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// Twips to pixels at `dpi` dots per inch, rounded (15 twips are one pixel at 96).
int toPixels(int twips, int dpi);
PixelRect toPixels(const wizard::Rect& twips, int dpi);

// The control's place on the window in twips: a step button or picture lies
// inside its frame.
wizard::Rect placeOnWindow(wizard::frmPersonallader& form, const ControlChange& control);

// The height of the window's font, 9.75 point, as a negative pixel height
// (a character height, as the font mapper takes it) at `dpi`.
int fontHeight(int dpi);

}  // namespace win32ui
