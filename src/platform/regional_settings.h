// The user's regional settings for reading and writing numbers and dates.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class DateOrder { kDayMonthYear, kMonthDayYear, kYearMonthDay };

// All texts are in the program's code page.
struct RegionalSettings {
  std::string name;  // the region's code, such as "de-DE"
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

// Whether a POSIX locale name names a region: "C", "C.UTF-8", "POSIX" and an
// empty name do not, since a process gets them where nobody chose one.
bool localeNamesRegion(std::string_view localeName);

// The built-in record of a region code: "de-DE", "en-GB", "en-US" or "fr-FR",
// in any case and with "_" for "-"; nothing for any other code.
std::optional<RegionalSettings> regionalSettingsNamed(std::string_view code);

}  // namespace platform
