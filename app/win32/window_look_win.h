// The font and the step pictures of the wizard window, made for one DPI.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "wizard/wizard_window.h"

namespace win32ui {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// "Microsoft Sans Serif" 9.75 point at `dpi`; where Windows lacks that face,
// the face of the system's message font at the same size.
Font createWindowFont(UINT dpi);

// The three step pictures from the program's resources, `size` pixels square.
struct StepPictures {
  Icon inactive;
  Icon current;
  Icon done;

  HICON of(wizard::StepPicture picture) const;
};
StepPictures loadStepPictures(HINSTANCE instance, int size);

}  // namespace win32ui
