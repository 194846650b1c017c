#include "importfile/column_values.h"

#include <gtest/gtest.h>

#include "importfile/import_fixture.h"

namespace importfile {
namespace {

struct RegionCase {
  const char* locale;
  const char* from;  // UTF-8, like the rest
  const char* to;
  const char* number;
  const char* stamps;  // from-date and to-date
  const char* formatted;
  std::size_t questions;
};

void PrintTo(const RegionCase& c, std::ostream* out) {
  *out << c.locale << " " << c.from << " " << c.to << " " << c.number;
}

class RegionalValuesTest : public ImportFixture,
                           public ::testing::WithParamInterface<RegionCase> {};

TEST_P(RegionalValuesTest, DatesAndNumbersAsTheRegionWritesThem) {
  const RegionCase& c = GetParam();
  state.Region = platform::regionalSettingsFor(c.locale);
  writeImportLines({std::string("A;a;") + c.from + ";" + c.to + ";" + c.number});
  dialogs.answers.assign(c.questions, true);
  EXPECT_EQ(check(), c.questions == 0);
  EXPECT_EQ(dialogs.shown.size(), c.questions + 1);
  const ImportRow& row = state.ImportRows[0];
  EXPECT_EQ(row.VonDatum + " " + row.BisDatum, c.stamps);
  EXPECT_EQ(row.Resturlaub, c.formatted);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, RegionalValuesTest,
    ::testing::Values(
        RegionCase{"de_DE", "1.3.2024", "31. Dezember 2024", "2,5", "240301 241231", "002,5", 0},
        RegionCase{"de_DE", "", "", "1.234,5", "000000 999999", "999,5", 0},
        RegionCase{"de_DE", "31.02.2024", "", "2.5", "000000 999999", "000,0", 2},
        RegionCase{"de_DE", "1995-01-01", "2005-01-01", "-5", "950101 050101", "-05,0", 1},
        RegionCase{"en_US", "3/1/2024", "Dec 31, 2024", "2.5", "240301 241231", "002,5", 0},
        RegionCase{"en_US", "13/1/2024", "", "2,5", "000000 999999", "000,0", 2},
        RegionCase{"fr_FR", "2024-03-01", "1er mars 2024", "12", "240301 999999", "012,0", 1}));

}  // namespace
}  // namespace importfile
