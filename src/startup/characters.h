// Reading dates and numbers: the characters they are made of, and the blanks
// around them.
#pragma once

#include <string_view>

namespace startup {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Spreadsheets write a typographic minus: U+2212 arrives as "-" from a Unicode
// file (it has no code-page form), an en dash as the byte that Windows-1252 and
// its kin give it.
inline constexpr char kEnDash = '\x96';

inline bool isMinus(char c) { return c == '-' || c == kEnDash; }

// A no-break space as the region's thousands separator is typed as a plain
// blank as often as not.
inline bool isThousandsSeparator(char c, char regionSeparator) {
  return c == regionSeparator || (regionSeparator == '\xA0' && c == ' ');
}

// `text` without the blanks at either end.
inline std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace startup
