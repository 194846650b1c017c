#include "importfile/column_values.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "importfile/import_fixture.h"
#include "importfile/value_readings.h"

namespace importfile {
namespace {

class RegionalValuesTest : public ImportFixture {};

TEST_F(RegionalValuesTest, DatesAndNumbersAsTheRegionWritesThem) {
  const struct {
    const char* locale;
    const char* columns;  // from-date, to-date and residual vacation; UTF-8
    const char* stamps;   // from-date and to-date
    const char* formatted;
    std::size_t questions;
  } cases[] = {{"de_DE", "1.3.2024;31. Dezember 2024;2,5", "240301 241231", "002,5", 0},
               {"de_DE", ";;1.234,5", "000000 999999", "999,5", 0},
               {"de_DE", ";;999,9", "000000 999999", "999,9", 0},
               {"de_DE", "31.02.2024;;2.5", "000000 999999", "000,0", 2},
               {"de_DE", "1995-01-01;2005-01-01;-5", "950101 050101", "-05,0", 1},
               {"en_US", "3/1/2024;Dec 31, 2024;2.5", "240301 241231", "002,5", 0},
               {"en_US", "13/1/2024;;2,5", "000000 999999", "000,0", 2},
               {"fr_FR", "2024-03-01;1er mars 2024;12", "240301 999999", "012,0", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.columns);
    state.region = platform::regionalSettingsFor(c.locale);
    writeImportLines({std::string("A;a;") + c.columns});
    dialogs.shown.clear();
    dialogs.answers.assign(c.questions, true);
    EXPECT_EQ(check(), c.questions == 0);
    EXPECT_EQ(dialogs.shown.size(), c.questions + 1);
    const ImportRow row = rows[0];
    EXPECT_EQ(std::string(row.VonDatum()) + " " + std::string(row.BisDatum()), c.stamps);
    EXPECT_EQ(row.Resturlaub(), c.formatted);
  }
}

// More values and forms than the tables that keep them have slots, values
// that repeat the row before, and values too long for a slot: every row views
// its own forms.
TEST_F(RegionalValuesTest, EveryRowViewsItsOwnForms) {
  Lines lines;
  char text[128];
  for (int i = 0; i < 1100; ++i) {
    std::snprintf(text, sizeof text, "N%d;u%d;%d.%d.%d;;%d,%d;%d;%0*d7", i, i, 1 + i % 28,
                  1 + i / 28 % 12, 2000 + i / 336, i / 10, i % 10, i / 2, i % 17, 0);
    lines.push_back(text);
  }
  writeImportLines(lines);
  ASSERT_TRUE(check());
  for (int i = 0; i < 1100; ++i) {
    std::snprintf(text, sizeof text,
                  "N%d|u%d|%02d%02d%02d|999999|%03d,%d|%03d,0|007,0|000,0|000,0|000,0", i, i,
                  i / 336, 1 + i / 28 % 12, 1 + i % 28, i / 10, i % 10, i / 2);
    EXPECT_EQ(columns(rows[static_cast<std::size_t>(i)]), text);
  }
}

// Keys load a text in overlapping pieces. For every length a key holds: texts
// of NUL characters, which load as nothing, differ by their length alone; and
// a character changed at any position to one with fewer bits ("c" to "a"),
// which two pieces laid over each other would hide, gives another key.
TEST(TextKeyTest, TellsApartEveryLengthAndEveryPosition) {
  for (std::size_t length = 1; length <= TextKey::kMaxLength; ++length) {
    EXPECT_FALSE(TextKey(std::string(length, '\0')) == TextKey(std::string(length - 1, '\0')));
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed(length, 'c');
      changed[at] = 'a';
      EXPECT_FALSE(TextKey(changed) == TextKey(std::string(length, 'c'))) << length << " " << at;
    }
  }
}

}  // namespace
}  // namespace importfile
