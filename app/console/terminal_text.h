// Text between the program's code page and the terminal's UTF-8.
#pragma once

#include <string>

#include "startup/language.h"

namespace console {

// A text of the terminal program's own, written in UTF-8 in each language.
struct Texts {
  const char* de;
  const char* en;
  const char* fr;
};
// The text of `language` for the terminal, chosen as the core chooses its
// texts: empty for a code other than the three.
std::string say(startup::Language language, const Texts& texts);

// Code page text for the terminal: UTF-8, each carriage return a line break.
std::string forTerminal(const std::string& text);
// A line typed at the terminal (UTF-8, or the code page as it stands) in the code page.
std::string fromTerminal(const std::string& line);

}  // namespace console
