#include "startup/dates.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <span>

#include "startup/formatting.h"
#include "startup/language.h"

namespace startup {
namespace {

// A date as yyyymmdd, 0 for none.
int number(const std::optional<CalendarDate>& date) {
  return date ? date->year * 10000 + date->month * 100 + date->day : 0;
}

// The regions' numeric and named forms and no others; the quick path reads
// the plain ones, at the edges of each number, as the general rules do.
TEST(ReadDateTest, ReadsTheRegionsNumericAndNamedFormsAndNoOthers) {
  // Each case is the text (UTF-8), then "=" and its date as yyyymmdd if it has one.
  const auto read = [](const char* locale, bool quick, std::span<const char* const> cases) {
    const platform::RegionalSettings region = platform::regionalSettingsFor(locale);
    for (const std::string c : cases) {
      SCOPED_TRACE(locale + (" " + c));
      const std::string text = cp(c.substr(0, c.find('=')));
      const int date = c.find('=') == std::string::npos ? 0 : std::stoi(c.substr(c.find('=') + 1));
      EXPECT_EQ(number(readDate(text, region)), date);
      EXPECT_EQ(number(readDateGenerally(text, region)), date);
      EXPECT_EQ(number(readPlainDate(text, region)), quick ? date : 0);
    }
  };
  const char* const plainGerman[] = {
      "29.02.2024=20240229", "29.2.2000=20000229", "31.1.2024=20240131", "31.12.29=20291231",
      "1-3-30=19300301",     "1/3/24=20240301",    "2024-3-1=20240301"};
  const char* const noGermanDate[] = {"29.02.2023",     "29.02.1900", "32.1.2024", "0.1.2024",
                                      "1.13.2024",      "1.3.024",    "1.3.0999",  "1.3.20245",
                                      "1.3.9999999999", "001.3.2024", "1.3-2024",  "1..3.2024",
                                      "1.3.",           "1.3.2024.",  "1 3 2024",  "1.3.2024 12",
                                      "1. Mars 2024",   "heute",      ""};
  const char* const otherGerman[] = {" 1.3.2024 =20240301", "1. März 2024=20240301",
                                     "1 Mar 2024=20240301", "01-mär-24=20240301",
                                     "March 1, 2024=20240301"};
  read("de", true, plainGerman);
  read("de", false, noGermanDate);
  read("de", false, otherGerman);
  read("en", true, std::array{"2024-02-29=20240229", "12.31.99=19991231"});
  read("en", false, std::array{"13/01/2024", "Dec 24 2024=20241224"});
  read("en_GB", true, std::array{"01/03/2024=20240301"});
  read("en_GB", false, std::array{"24 DECEMBER 2024=20241224"});
  read("fr", false, std::array{"1 févr. 2024=20240201", "1 août 2024=20240801"});
}

// Ten characters read by position give the general rules' stamp: for every
// pair of numbers up to 32 around leap and century years in both layouts, and
// (where they read one) with one character changed at each position.
TEST(ReadDateTest, TenCharactersByPositionAsTheGeneralRules) {
  platform::RegionalSettings yearFirst = platform::regionalSettingsFor("de");
  yearFirst.dateOrder = platform::DateOrder::kYearMonthDay;
  for (const auto& region :
       {platform::regionalSettingsFor("de"), platform::regionalSettingsFor("en"), yearFirst}) {
    const auto same = [&region](const std::string& text, bool always) {
      std::array<char, 6> stamp{};
      const bool read = readTenCharacterDate(text, region, stamp);
      const auto date = readDate(text, region);
      if (read || always) {
        EXPECT_EQ(read ? std::string(stamp.data(), 6) : "",
                  date ? FormatDatumDS(date->year, date->month, date->day) : "")
            << text;
      }
    };
    char text[16];
    for (int i = 0; i < 6 * 33 * 33; ++i) {  // six years, two numbers up to 32
      const int year = std::array{999, 1900, 2000, 2023, 2024, 2100}[i / (33 * 33)];
      std::snprintf(text, sizeof text, "%02d.%02d.%04d", i / 33 % 33, i % 33, year);
      same(text, true);
      std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, i / 33 % 33, i % 33);
      same(text, true);
    }
    for (const std::string date : {"29.02.2024", "2024/02/29", "02-29-2024"}) {
      same(date, true);
      for (std::size_t at = 0; at < date.size() * 11; ++at) {
        std::string changed = date;
        changed[at / 11] = " ,-./09:a\x80"[at % 11];
        same(changed, false);
      }
    }
  }
}

}  // namespace
}  // namespace startup
