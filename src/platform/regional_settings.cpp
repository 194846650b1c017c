#include "platform/regional_settings.h"

#include <algorithm>
#include <cctype>

#include "platform/codepage.h"

namespace platform {

namespace {

struct Region {
  std::string_view prefix;  // language, or language and territory
  std::string_view code;
  char decimal;
  char thousands;
  DateOrder order;
  char dateSeparator;
  std::array<const char*, 12> months;  // UTF-8
  std::array<const char*, 12> abbreviations;
};

constexpr std::array<const char*, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 12> kEnglishAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Narrow regions first: "en_GB" must win over the fallback.
constexpr Region kRegions[] = {
    {"de",
     "de-DE",
     ',',
     '.',
     DateOrder::kDayMonthYear,
     '.',
     {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
      "November", "Dezember"},
     {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}},
    // French groups thousands with a no-break space.
    {"fr",
     "fr-FR",
     ',',
     '\xA0',
     DateOrder::kDayMonthYear,
     '/',
     {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
      "octobre", "novembre", "décembre"},
     {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.",
      "déc."}},
    {"en_GB", "en-GB", '.', ',', DateOrder::kDayMonthYear, '/', kEnglishMonths,
     kEnglishAbbreviations},
    {"en", "en-US", '.', ',', DateOrder::kMonthDayYear, '/', kEnglishMonths, kEnglishAbbreviations},
};

RegionalSettings fill(const Region& region) {
  RegionalSettings settings;
  settings.name = region.code;
  settings.decimalSeparator = region.decimal;
  settings.thousandsSeparator = region.thousands;
  settings.dateOrder = region.order;
  settings.dateSeparator = region.dateSeparator;
  for (std::size_t i = 0; i < 12; ++i) {
    settings.monthNames[i] = utf8ToCodePage(region.months[i]);
    settings.monthAbbreviations[i] = utf8ToCodePage(region.abbreviations[i]);
  }
  return settings;
}

}  // namespace

RegionalSettings regionalSettingsFor(std::string_view localeName) {
  for (const Region& region : kRegions) {
    if (localeName.substr(0, region.prefix.size()) == region.prefix) return fill(region);
  }
  return fill(kRegions[std::size(kRegions) - 1]);
}

bool localeNamesRegion(std::string_view localeName) {
  return !(localeName.empty() || localeName == "C" || localeName == "POSIX" ||
           localeName.starts_with("C."));
}

std::optional<RegionalSettings> regionalSettingsNamed(std::string_view code) {
  const auto sameLetter = [](char a, char b) {
    const auto folded = [](char c) {
      return c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    return folded(a) == folded(b);
  };
  for (const Region& region : kRegions) {
    if (std::equal(code.begin(), code.end(), region.code.begin(), region.code.end(), sameLetter)) {
      return fill(region);
    }
  }
  return std::nullopt;
}

}  // namespace platform
