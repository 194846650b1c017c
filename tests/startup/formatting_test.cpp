#include "startup/formatting.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace startup {
namespace {

struct Formatted {
  const char* locale;
  const char* input;  // UTF-8
  const char* expected;
};

void PrintTo(const Formatted& f, std::ostream* out) {
  *out << f.locale << " \"" << f.input << "\"";
}

class ZahlFormatierenTest : public testing_support::StateTest,
                            public ::testing::WithParamInterface<Formatted> {};

TEST_P(ZahlFormatierenTest, FiveCharacters) {
  state.Region = platform::regionalSettingsFor(GetParam().locale);
  EXPECT_EQ(Zahl_formatieren(state, cp(GetParam().input)), GetParam().expected)
      << GetParam().locale << " " << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Regions, ZahlFormatierenTest,
    ::testing::Values(Formatted{"de_DE", "5", "005,0"}, Formatted{"de_DE", " 12,34 ", "012,3"},
                      Formatted{"de_DE", "-150,5", "-99,5"}, Formatted{"de_DE", "1234,5", "999,5"},
                      Formatted{"de_DE", "abc", "000,0"}, Formatted{"de_DE", "999,95", "999,0"},
                      Formatted{"de_DE", "999", "999,0"}, Formatted{"de_DE", "-99", "-99,0"},
                      Formatted{"de_DE", "-99,96", "-99,0"}, Formatted{"de_DE", "1.500", "999,0"},
                      Formatted{"de_DE", "-0,05", "-00,1"}, Formatted{"de_DE", "1e39", "000,0"},
                      Formatted{"de_DE", "1e30", "999,0"}, Formatted{"en_US", "2.5", "002.5"}));

TEST(TextErsetzenTest, ReplacesEveryOccurrence) {
  EXPECT_EQ(Text_ersetzen("1,5", ",", "."), "1.5");
  EXPECT_EQ(Text_ersetzen("abc", ",", "."), "abc");
  EXPECT_EQ(Text_ersetzen("a,b,,c", ",", ",,"), "a,,b,,,,c");
  EXPECT_EQ(Text_ersetzen(";\"a\";\"b\";", ";\"", ";"), ";a\";b\";");
  EXPECT_EQ(Text_ersetzen("a\";b\";", "\";", ";"), "a;b;");
  EXPECT_EQ(Text_ersetzen("Abc", "a", "x"), "Abc");
}

TEST(TextErsetzenTest, SearchResumesOneCharacterAfterAShorterReplacement) {
  // The search goes on right behind the start of the replacement, so a quote
  // pair after the separator loses one quote per pass.
  EXPECT_EQ(Text_ersetzen(";\"\"x", ";\"", ";"), ";\"x");
  EXPECT_EQ(Text_ersetzen("aaaa", "aa", "a"), "aa");
}

}  // namespace
}  // namespace startup
