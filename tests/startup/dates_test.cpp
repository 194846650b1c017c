#include "startup/dates.h"

#include <gtest/gtest.h>

#include "startup/language.h"

namespace startup {
namespace {

std::optional<CalendarDate> read(const char* locale, const char* utf8) {
  return readDate(cp(utf8), platform::regionalSettingsFor(locale));
}

TEST(ReadDateTest, ReadsTheRegionsNumericAndNamedFormsAndNoOthers) {
  const struct {
    const char* locale;
    const char* text;  // UTF-8
    int year, month, day;
  } cases[] = {{"de_DE", "01.03.2024", 2024, 3, 1},    {"de_DE", " 1.3.2024 ", 2024, 3, 1},
               {"de_DE", "1/3/24", 2024, 3, 1},        {"de_DE", "1-3-30", 1930, 3, 1},
               {"de_DE", "31.12.29", 2029, 12, 31},    {"en_US", "03/01/2024", 2024, 3, 1},
               {"en_US", "12.31.99", 1999, 12, 31},    {"en_GB", "01/03/2024", 2024, 3, 1},
               {"en_US", "2024-03-01", 2024, 3, 1},    {"de_DE", "2024-3-1", 2024, 3, 1},
               {"de_DE", "29.02.2024", 2024, 2, 29},   {"de_DE", "29.02.2000", 2000, 2, 29},
               {"de_DE", "1. März 2024", 2024, 3, 1},  {"de_DE", "1 Mar 2024", 2024, 3, 1},
               {"de_DE", "01-mär-24", 2024, 3, 1},     {"de_DE", "March 1, 2024", 2024, 3, 1},
               {"en_US", "Dec 24 2024", 2024, 12, 24}, {"en_GB", "24 DECEMBER 2024", 2024, 12, 24},
               {"fr_FR", "1 févr. 2024", 2024, 2, 1},  {"fr_FR", "1 août 2024", 2024, 8, 1}};
  for (const auto& c : cases) {
    const auto date = read(c.locale, c.text);
    ASSERT_TRUE(date) << c.locale << " " << c.text;
    EXPECT_EQ(std::tuple(date->year, date->month, date->day), std::tuple(c.year, c.month, c.day))
        << c.locale << " " << c.text;
  }

  // Everything else is refused.
  EXPECT_FALSE(read("en_US", "13/01/2024"));
  for (const char* text :
       {"31.02.2024", "29.02.2023", "29.02.1900", "01.13.2024", "00.01.2024", "1.3-2024",
        "1.3.2024.", "1.3.024", "1.3.0024", "001.3.2024", "1.3.", "1 3 2024", "1. Mars 2024",
        "1.3.2024 12", "1..3.2024", "heute", "", "1.3.99999999999999999999"}) {
    EXPECT_FALSE(read("de_DE", text)) << text;
  }
}

}  // namespace
}  // namespace startup
