#include "startup/dates.h"

#include <gtest/gtest.h>

#include "startup/language.h"

namespace startup {
namespace {

// A date as yyyymmdd, 0 for none.
int number(const std::optional<CalendarDate>& date) {
  return date ? date->year * 10000 + date->month * 100 + date->day : 0;
}

TEST(ReadDateTest, ReadsTheRegionsNumericAndNamedFormsAndNoOthers) {
  const struct {
    const char* locale;
    const char* text;  // UTF-8
    int date;          // yyyymmdd, 0 for none
  } cases[] = {{"de_DE", " 1.3.2024 ", 20240301},
               {"de_DE", "1. März 2024", 20240301},
               {"de_DE", "1 Mar 2024", 20240301},
               {"de_DE", "01-mär-24", 20240301},
               {"de_DE", "March 1, 2024", 20240301},
               {"en_US", "Dec 24 2024", 20241224},
               {"en_GB", "24 DECEMBER 2024", 20241224},
               {"fr_FR", "1 févr. 2024", 20240201},
               {"fr_FR", "1 août 2024", 20240801},
               {"de_DE", "1 3 2024", 0},
               {"de_DE", "1. Mars 2024", 0},
               {"de_DE", "1.3.2024 12", 0},
               {"de_DE", "heute", 0},
               {"de_DE", "", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(number(readDate(cp(c.text), platform::regionalSettingsFor(c.locale))), c.date)
        << c.locale << " " << c.text;
  }
}

// The quick path reads the plain forms at their edges as the general rules do.
TEST(ReadDateTest, QuickPathGivesWhatTheGeneralRulesGive) {
  const struct {
    const char* locale;
    const char* text;
    int date;  // yyyymmdd, 0 for none
    bool quick;
  } cases[] = {
      {"de_DE", "29.02.2024", 20240229, true}, {"de_DE", "29.2.2000", 20000229, true},
      {"de_DE", "29.02.2023", 0, false},       {"de_DE", "29.02.1900", 0, false},
      {"de_DE", "31.1.2024", 20240131, true},  {"de_DE", "32.1.2024", 0, false},
      {"de_DE", "0.1.2024", 0, false},         {"de_DE", "1.13.2024", 0, false},
      {"de_DE", "31.12.29", 20291231, true},   {"de_DE", "1-3-30", 19300301, true},
      {"de_DE", "1/3/24", 20240301, true},     {"de_DE", "1.3.024", 0, false},
      {"de_DE", "1.3.0999", 0, false},         {"de_DE", "1.3.20245", 0, false},
      {"de_DE", "001.3.2024", 0, false},       {"de_DE", "1.3-2024", 0, false},
      {"de_DE", "1..3.2024", 0, false},        {"de_DE", "1.3.", 0, false},
      {"de_DE", "1.3.2024.", 0, false},        {"de_DE", " 1.3.2024", 20240301, false},
      {"de_DE", "2024-3-1", 20240301, true},   {"en_US", "2024-02-29", 20240229, true},
      {"en_US", "12.31.99", 19991231, true},   {"en_US", "13/01/2024", 0, false},
      {"en_GB", "01/03/2024", 20240301, true}, {"de_DE", "1.3.99999999999999999999", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.text);
    const platform::RegionalSettings region = platform::regionalSettingsFor(c.locale);
    const auto quick = readPlainDate(c.text, region);
    EXPECT_EQ(quick.has_value(), c.quick);
    EXPECT_EQ(number(readDateGenerally(c.text, region)), c.date);
    EXPECT_EQ(number(readDate(c.text, region)), c.date);
    if (quick) {
      EXPECT_EQ(number(quick), c.date);
    }
  }
}

}  // namespace
}  // namespace startup
