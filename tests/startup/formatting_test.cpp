#include "startup/formatting.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace startup {
namespace {

class ZahlFormatierenTest : public testing_support::StateTest {};

TEST_F(ZahlFormatierenTest, FiveCharacters) {
  const std::pair<const char*, const char*> german[] = {
      {"5", "005,0"},      {" 12,34 ", "012,3"}, {"-150,5", "-99,5"}, {"1234,5", "999,5"},
      {"abc", "000,0"},    {"999,95", "999,0"},  {"999", "999,0"},    {"-99", "-99,0"},
      {"-99,96", "-99,0"}, {"1.500", "999,0"},   {"-0,05", "-00,1"},  {"1e39", "000,0"},
      {"1e30", "999,0"}};
  for (const auto& [input, expected] : german) {
    EXPECT_EQ(Zahl_formatieren(state, input), expected) << input;
  }
  state.Region = platform::regionalSettingsFor("en_US");
  EXPECT_EQ(Zahl_formatieren(state, "2.5"), "002.5");
}

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
