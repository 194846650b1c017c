// The date stamp, the planner's five-character numbers, and text replacement.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "startup/context.h"

namespace startup {

// yymmdd: 4 December 2026 gives 261204.
std::string FormatDatumDS(int year, int month, int day);
// The same six characters, made without a string.
inline std::array<char, 6> dateStamp(int year, int month, int day) {
  const auto digit = [](int value) { return static_cast<char>('0' + value); };
  const auto yy = static_cast<unsigned>(year) % 100;
  const auto mm = static_cast<unsigned>(month) % 100;
  const auto dd = static_cast<unsigned>(day) % 100;
  return {digit(yy / 10), digit(yy % 10), digit(mm / 10),
          digit(mm % 10), digit(dd / 10), digit(dd % 10)};
}
// The last two digits of `value` (0 or more), with a leading zero.
std::string twoDigits(int value);

// A number typed by the user (regional settings of `context`) in the planner's
// five-character form: 005,0, 012,3, -05,0; the integer part held between -99
// and 999. Anything that is not a number gives zero (000,0 under German settings).
std::string Zahl_formatieren(const Context& context, std::string_view t);
// Zahl_formatieren's five characters for the forms that users type most, read
// straight from the text: nothing at all, or an optional sign, up to three
// digits, the regional decimal separator and up to three decimals ("5",
// "-12,25", ",5"). Nothing for any other text, which only the general rules read.
std::optional<std::array<char, 5>> shortNumberForm(std::string_view t,
                                                   const platform::RegionalSettings& region);
// Zahl_formatieren by the general rules alone: through a single-precision number.
std::string formatNumberGenerally(const Context& context, std::string_view t);

// `s` with every occurrence of `f` (not empty) replaced by `r`, searching from
// the left with letter case significant. The search goes on one character after
// the start of a replacement, or, when `r` is longer than `f`, that much further.
std::string Text_ersetzen(std::string s, std::string_view f, std::string_view r);

}  // namespace startup
