// The date stamp, the planner's five-character numbers, and text replacement.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "startup/characters.h"
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
// The forms 000,0 to 999,9 in a row, the form of n tenths at 5 n.
extern const std::array<char, 50000> kPlainNumberForms;
// Zahl_formatieren's five characters, with "," for the decimal separator, for
// the forms typed most, up to three digits and no more than one decimal after
// the regional decimal separator ("30", "2,5"), where that separator is "," or
// ".": a view of `forms`, kPlainNumberForms or a copy of it. Empty for any
// other text and under any other separator. (Inline: a call would cost as much
// as the reading.)
inline std::string_view plainNumberForm(std::string_view t,
                                        const platform::RegionalSettings& region,
                                        std::string_view forms = {kPlainNumberForms.data(),
                                                                  kPlainNumberForms.size()}) {
  const char sep = region.decimalSeparator;
  if (sep != ',' && sep != '.') return {};
  const bool tenth = t.size() >= 3 && t[t.size() - 2] == sep && isDigit(t.back()) &&
                     !isThousandsSeparator(sep, region.thousandsSeparator);
  const std::size_t digits = tenth ? t.size() - 2 : t.size();
  if (digits == 0 || digits > 3) return {};
  int tenths = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    if (!isDigit(t[i])) return {};
    tenths = tenths * 10 + (t[i] - '0');
  }
  tenths = tenths * 10 + (tenth ? t.back() - '0' : 0);
  return forms.substr(5 * static_cast<std::size_t>(tenths), 5);
}
// Zahl_formatieren by the general rules alone: through a single-precision number.
std::string formatNumberGenerally(const Context& context, std::string_view t);

// `s` with every occurrence of `f` (not empty) replaced by `r`, searching from
// the left with letter case significant. The search goes on one character after
// the start of a replacement, or, when `r` is longer than `f`, that much further.
std::string Text_ersetzen(std::string s, std::string_view f, std::string_view r);

}  // namespace startup
