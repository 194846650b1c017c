#include "startup/numbers.h"

#include <gtest/gtest.h>

#include "startup/formatting.h"
#include "support/state_fixture.h"

namespace startup {
namespace {

const platform::RegionalSettings kGerman = platform::regionalSettingsFor("de_DE");
const platform::RegionalSettings kEnglish = platform::regionalSettingsFor("en_US");
const platform::RegionalSettings kFrench = platform::regionalSettingsFor("fr_FR");

TEST(ReadNumberTest, GermanSettings) {
  EXPECT_EQ(readNumber("5", kGerman), 5);
  EXPECT_EQ(readNumber("  12,34 ", kGerman), 12.34);
  EXPECT_EQ(readNumber("-5", kGerman), -5);
  EXPECT_EQ(readNumber("\x96"
                       "1,5",
                       kGerman),
            -1.5);  // an en dash
  EXPECT_EQ(readNumber("+1.234,5", kGerman), 1234.5);
  EXPECT_EQ(readNumber("1.234.567", kGerman), 1234567);
  EXPECT_EQ(readNumber(",5", kGerman), 0.5);
  EXPECT_EQ(readNumber("5,", kGerman), 5);
  EXPECT_EQ(readNumber("1,5e2", kGerman), 150);
  EXPECT_EQ(readNumber("2E-1", kGerman), 0.2);
}

TEST(ReadNumberTest, ThousandsSeparatorsOnlyBetweenGroupsOfThree) {
  for (const char* text :
       {"2.5", "12.34", "1.2345", "1234.567", ".234", "1.", "1..234", "1.234.56"}) {
    EXPECT_FALSE(readNumber(text, kGerman)) << text;
  }
  EXPECT_FALSE(readNumber("2,5", kEnglish));
  EXPECT_EQ(readNumber("2.5", kEnglish), 2.5);
  EXPECT_EQ(readNumber("1,234.5", kEnglish), 1234.5);
  EXPECT_EQ(readNumber("1 234,5", kFrench), 1234.5);
  EXPECT_EQ(readNumber(std::string("1\xA0") + "234", kFrench), 1234);
  EXPECT_FALSE(readNumber("1 23", kFrench));
}

TEST(ReadNumberTest, NotNumbers) {
  for (const char* text : {"", "   ", "abc", "-", "+", ",", "1e", "1e+", "--1", "1-", "1,2,3",
                           "12a", "0x10", "inf", "nan", "1 2", "1e999"}) {
    EXPECT_FALSE(readNumber(text, kGerman)) << text;
  }
}

// Half away from zero on the shortest decimal form; zero carries no sign.
TEST(FormatTenthsTest, RoundsAndPads) {
  const std::tuple<float, int, const char*> cases[] = {
      {1.15f, 3, "001,2"},    {2.25f, 3, "002,3"},  {-2.25f, 2, "-02,3"},
      {999.95f, 3, "1000,0"}, {1e-30f, 3, "000,0"}, {123456.0f, 3, "123456,0"},
      {-0.04f, 3, "000,0"},   {-0.0f, 3, "000,0"}};
  for (const auto& [value, digits, text] : cases) {
    EXPECT_EQ(formatTenths(value, digits, kGerman), text) << value;
  }
  EXPECT_EQ(formatTenths(1e30f, 3, kGerman), "1000000000000000000000000000000,0");
  EXPECT_EQ(formatTenths(0.05f, 3, kEnglish), "000.1");
  EXPECT_EQ(formatTenths(1.1f, 1, kEnglish), "1.1");
}

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
  state.region = platform::regionalSettingsFor("en_US");
  EXPECT_EQ(Zahl_formatieren(state, "2.5"), "002.5");
}

// The short forms at their edges give what the general rules give; the
// others are left to the general rules. So do the plain forms' views, with ",".
TEST_F(ZahlFormatierenTest, ShortFormsAsTheGeneralRulesGiveThem) {
  int viewed = 0;
  const auto agree = [this, &viewed](const platform::RegionalSettings& region, bool quick,
                                     std::initializer_list<const char*> texts) {
    state.region = region;
    for (const char* text : texts) {
      const auto form = shortNumberForm(text, region);
      EXPECT_EQ(form ? std::string(form->begin(), form->end()) : "",
                quick ? formatNumberGenerally(state, text) : "")
          << text;
      const std::string_view plain = plainNumberForm(text, region);
      if (!plain.empty()) {
        std::string general = formatNumberGenerally(state, text);
        general[3] = ',';
        EXPECT_EQ(plain, general) << text;
        ++viewed;
      }
    }
  };
  agree(kGerman, true, {"",      "0",      "5",      "999",    "999,9",  "12,3",   ",5", "5,",
                        "0,05",  "0,04",   "1,249",  "2,45",   "999,95", "999,04", "-5", "-0,04",
                        "-0,05", "-99,04", "-99,96", "-150,5", "+1,5",   "\2261,5"});
  agree(kGerman, false, {"1,2345", "1000", "1.000", "1.5", " 5", "5 ", "-", "1e2", "1,a"});
  agree(kEnglish, true, {"2.5", "-0.05"});
  agree(kEnglish, false, {"2,5"});
  agree(kFrench, false, {"1 234,5"});
  platform::RegionalSettings blankDecimals = kFrench;
  blankDecimals.decimalSeparator = ' ';
  agree(blankDecimals, false, {"5 5", " 5"});
  agree(blankDecimals, true, {"5"});
  EXPECT_EQ(viewed, 6);  // 0, 5, 999, 999,9, 12,3 and 2.5
}

TEST(TextErsetzenTest, ReplacesEveryOccurrence) {
  EXPECT_EQ(Text_ersetzen("a,b,,c", ",", ",,"), "a,,b,,,,c");
  EXPECT_EQ(Text_ersetzen("Abc", "a", "x"), "Abc");
  // The search goes on right behind the start of the replacement, so a quote
  // pair after the separator loses one quote per pass.
  EXPECT_EQ(Text_ersetzen(";\"\"x", ";\"", ";"), ";\"x");
  EXPECT_EQ(Text_ersetzen("aaaa", "aa", "a"), "aa");
}

}  // namespace
}  // namespace startup
