// The captions of the wizard window's frames and buttons.
#pragma once

#include <array>
#include <string>

#include "startup/language.h"

namespace wizard {

struct Captions {
  std::array<std::string, 4> frames;
  std::array<std::string, 5> buttons;
};

// The window's built-in captions are German; other languages get theirs at
// start-up, and any other code keeps the built-in ones.
Captions captionsFor(startup::Language language);

}  // namespace wizard
