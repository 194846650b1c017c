// The date stamp, the planner's five-character numbers, and text replacement.
#pragma once

#include <string>
#include <string_view>

#include "startup/context.h"

namespace startup {

// yymmdd: 4 December 2026 gives 261204.
std::string FormatDatumDS(int year, int month, int day);
// The last two digits of `value` (0 or more), with a leading zero.
std::string twoDigits(int value);

// A number typed by the user (regional settings of `context`) in the planner's
// five-character form: 005,0, 012,3, -05,0; the integer part held between -99
// and 999. Anything that is not a number gives zero (000,0 under German settings).
std::string Zahl_formatieren(const Context& context, std::string_view t);

// `s` with every occurrence of `f` (not empty) replaced by `r`, searching from
// the left with letter case significant. The search goes on one character after
// the start of a replacement, or, when `r` is longer than `f`, that much further.
std::string Text_ersetzen(std::string s, std::string_view f, std::string_view r);

}  // namespace startup
