// Reading dates and numbers: the characters they are made of, and the blanks
// around them.
#pragma once

#include <string_view>

namespace startup {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// `text` without the blanks at either end.
inline std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace startup
