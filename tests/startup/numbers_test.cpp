#include "startup/numbers.h"

#include <gtest/gtest.h>

namespace startup {
namespace {

const platform::RegionalSettings kGerman = platform::regionalSettingsFor("de_DE");
const platform::RegionalSettings kEnglish = platform::regionalSettingsFor("en_US");
const platform::RegionalSettings kFrench = platform::regionalSettingsFor("fr_FR");

TEST(ReadNumberTest, GermanSettings) {
  EXPECT_EQ(readNumber("5", kGerman), 5);
  EXPECT_EQ(readNumber("  12,34 ", kGerman), 12.34);
  EXPECT_EQ(readNumber("-5", kGerman), -5);
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
}

TEST(ReadNumberTest, FrenchGroupsWithBlanks) {
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
  EXPECT_EQ(formatTenths(1.15f, 3, kGerman), "001,2");
  EXPECT_EQ(formatTenths(2.25f, 3, kGerman), "002,3");
  EXPECT_EQ(formatTenths(-2.25f, 2, kGerman), "-02,3");
  EXPECT_EQ(formatTenths(999.95f, 3, kGerman), "1000,0");
  EXPECT_EQ(formatTenths(0.05f, 3, kEnglish), "000.1");
  EXPECT_EQ(formatTenths(1.1f, 1, kEnglish), "1.1");
  EXPECT_EQ(formatTenths(123456.0f, 3, kGerman), "123456,0");
  EXPECT_EQ(formatTenths(1e30f, 3, kGerman), "1000000000000000000000000000000,0");
  EXPECT_EQ(formatTenths(1e-30f, 3, kGerman), "000,0");
  EXPECT_EQ(formatTenths(-0.04f, 3, kGerman), "000,0");
  EXPECT_EQ(formatTenths(-0.0f, 3, kGerman), "000,0");
}

}  // namespace
}  // namespace startup
