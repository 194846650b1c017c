// The user's regional settings for reading and writing numbers and dates.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace platform {

enum class DateOrder { kDayMonthYear, kMonthDayYear, kYearMonthDay };

// All texts are in the program's code page.
struct RegionalSettings {
  char decimalSeparator = '.';
  char thousandsSeparator = ',';
  DateOrder dateOrder = DateOrder::kMonthDayYear;
  char dateSeparator = '/';
  std::array<std::string, 12> monthNames;
  std::array<std::string, 12> monthAbbreviations;
};

// The built-in record for a POSIX locale name such as "de_DE.UTF-8", "en_GB",
// "fr_CH" or "C": German, French, British and US English; anything else is
// taken as the C locale, which reads like US English.
RegionalSettings regionalSettingsFor(std::string_view localeName);

}  // namespace platform
