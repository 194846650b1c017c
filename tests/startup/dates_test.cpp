#include "startup/dates.h"

#include <gtest/gtest.h>

#include "startup/language.h"

namespace startup {
namespace {

struct DateCase {
  const char* locale;
  const char* text;      // UTF-8
  int year, month, day;  // 0 when the text is no date
};

void PrintTo(const DateCase& c, std::ostream* out) { *out << c.locale << " \"" << c.text << "\""; }

class ReadDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(ReadDateTest, ReadsTheRegionsFormsAndRejectsTheRest) {
  const DateCase& c = GetParam();
  const auto date = readDate(cp(c.text), platform::regionalSettingsFor(c.locale));
  if (c.year == 0) {
    EXPECT_FALSE(date) << c.text;
    return;
  }
  ASSERT_TRUE(date) << c.text;
  EXPECT_EQ(date->year, c.year);
  EXPECT_EQ(date->month, c.month);
  EXPECT_EQ(date->day, c.day);
}

INSTANTIATE_TEST_SUITE_P(Numeric, ReadDateTest,
                         ::testing::Values(DateCase{"de_DE", "01.03.2024", 2024, 3, 1},
                                           DateCase{"de_DE", " 1.3.2024 ", 2024, 3, 1},
                                           DateCase{"de_DE", "1/3/24", 2024, 3, 1},
                                           DateCase{"de_DE", "1-3-30", 1930, 3, 1},
                                           DateCase{"de_DE", "31.12.29", 2029, 12, 31},
                                           DateCase{"en_US", "03/01/2024", 2024, 3, 1},
                                           DateCase{"en_US", "12.31.99", 1999, 12, 31},
                                           DateCase{"en_GB", "01/03/2024", 2024, 3, 1},
                                           DateCase{"en_US", "2024-03-01", 2024, 3, 1},
                                           DateCase{"de_DE", "2024-3-1", 2024, 3, 1},
                                           DateCase{"de_DE", "29.02.2024", 2024, 2, 29},
                                           DateCase{"de_DE", "29.02.2000", 2000, 2, 29}));

INSTANTIATE_TEST_SUITE_P(MonthNames, ReadDateTest,
                         ::testing::Values(DateCase{"de_DE", "1. März 2024", 2024, 3, 1},
                                           DateCase{"de_DE", "1 Mar 2024", 2024, 3, 1},
                                           DateCase{"de_DE", "01-mär-24", 2024, 3, 1},
                                           DateCase{"de_DE", "March 1, 2024", 2024, 3, 1},
                                           DateCase{"en_US", "Dec 24 2024", 2024, 12, 24},
                                           DateCase{"en_GB", "24 DECEMBER 2024", 2024, 12, 24},
                                           DateCase{"fr_FR", "1 févr. 2024", 2024, 2, 1},
                                           DateCase{"fr_FR", "1 août 2024", 2024, 8, 1}));

INSTANTIATE_TEST_SUITE_P(
    NotDates, ReadDateTest,
    ::testing::Values(
        DateCase{"de_DE", "31.02.2024", 0, 0, 0}, DateCase{"de_DE", "29.02.2023", 0, 0, 0},
        DateCase{"de_DE", "29.02.1900", 0, 0, 0}, DateCase{"de_DE", "01.13.2024", 0, 0, 0},
        DateCase{"de_DE", "00.01.2024", 0, 0, 0}, DateCase{"en_US", "13/01/2024", 0, 0, 0},
        DateCase{"de_DE", "1.3-2024", 0, 0, 0}, DateCase{"de_DE", "1.3.2024.", 0, 0, 0},
        DateCase{"de_DE", "1.3.024", 0, 0, 0}, DateCase{"de_DE", "1.3.0024", 0, 0, 0},
        DateCase{"de_DE", "001.3.2024", 0, 0, 0}, DateCase{"de_DE", "1.3.", 0, 0, 0},
        DateCase{"de_DE", "1 3 2024", 0, 0, 0}, DateCase{"de_DE", "1. Mars 2024", 0, 0, 0},
        DateCase{"de_DE", "1.3.2024 12", 0, 0, 0}, DateCase{"de_DE", "heute", 0, 0, 0},
        DateCase{"de_DE", "", 0, 0, 0}, DateCase{"de_DE", "1.3.99999999999999999999", 0, 0, 0}));

}  // namespace
}  // namespace startup
