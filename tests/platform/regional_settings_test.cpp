#include "platform/regional_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/codepage.h"
#include "platform/system.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using platform::DateOrder;
using platform::RegionalSettings;
using platform::regionalSettingsFor;
using platform::utf8ToCodePage;

// Sets or, with nullptr, removes a variable of the process environment.
void setVariable(const char* name, const char* utf8Value) {
#ifdef _WIN32
  const std::wstring value = utf8Value ? platform::codePageToUtf16(utf8ToCodePage(utf8Value)) : L"";
  SetEnvironmentVariableW(platform::codePageToUtf16(name).c_str(),
                          utf8Value ? value.c_str() : nullptr);
#else
  utf8Value ? setenv(name, utf8Value, 1) : unsetenv(name);
#endif
}

// A locale takes the region of its language, en_GB before the other English;
// any other locale takes C's, which is American English.
TEST(RegionalSettingsTest, TheLocaleNameChoosesTheRegion) {
  const std::tuple<const char*, DateOrder, const char*> cases[] = {
      {"de_DE.UTF-8", DateOrder::kDayMonthYear, "März"},
      {"fr_CH", DateOrder::kDayMonthYear, "mars"},
      {"en_GB.UTF-8", DateOrder::kDayMonthYear, "March"},
      {"en_US.UTF-8", DateOrder::kMonthDayYear, "March"},
      {"C", DateOrder::kMonthDayYear, "March"},
      {"sv_SE.UTF-8", DateOrder::kMonthDayYear, "March"},
  };
  for (const auto& [locale, order, march] : cases) {
    const RegionalSettings settings = regionalSettingsFor(locale);
    EXPECT_EQ(settings.dateOrder, order) << locale;
    EXPECT_EQ(settings.monthNames[2], utf8ToCodePage(march)) << locale;
  }
}

#ifdef _WIN32
// Wine takes the user's locale from LC_ALL or LANG; tools/wine-run sets German
// unless told otherwise.
TEST(RegionalSettingsTest, HostFollowsTheUsersLocale) {
  const char* lcAll = std::getenv("LC_ALL");
  const char* lang = std::getenv("LANG");
  const std::string locale = lcAll && *lcAll ? lcAll : lang ? lang : "";
  const RegionalSettings host = platform::hostSystem().regionalSettings().value();
  if (locale.starts_with("de")) {
    EXPECT_EQ(host.name, "de-DE");
    EXPECT_EQ(host.decimalSeparator, ',');
    EXPECT_EQ(host.thousandsSeparator, '.');
    EXPECT_EQ(host.dateOrder, DateOrder::kDayMonthYear);
    EXPECT_EQ(host.dateSeparator, '.');
    EXPECT_EQ(host.monthNames, regionalSettingsFor("de").monthNames);
  } else if (locale.starts_with("en")) {
    EXPECT_EQ(host.decimalSeparator, '.');
    EXPECT_EQ(host.monthNames, regionalSettingsFor("en").monthNames);
  } else {
    GTEST_SKIP() << "neither German nor English: " << locale;
  }
}
#else
// Numbers follow LC_NUMERIC, dates LC_TIME, LC_ALL and LANG both; a locale that
// names no region leaves the choice to the other category or to the caller.
TEST(RegionalSettingsTest, HostFollowsTheEnvironment) {
  const char* names[] = {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"};
  std::array<std::string, 4> saved;  // empty: unset, which the locale takes alike
  for (std::size_t i = 0; i < 4; ++i) {
    if (const char* value = std::getenv(names[i])) saved[i] = value;
  }
  const std::pair<std::array<const char*, 4>, std::string> cases[] = {
      {{"de_DE.UTF-8", "en_US.UTF-8", nullptr, nullptr}, "de-DE,Januar"},
      {{nullptr, "de_DE.UTF-8", "en_US.UTF-8", "C"}, "de-DE/en-US,January"},
      {{nullptr, "C", "fr_FR.UTF-8", nullptr}, "fr-FR,janvier"},
      {{"C.UTF-8", nullptr, nullptr, "de_DE.UTF-8"}, ""},
      {{nullptr, nullptr, nullptr, "POSIX"}, ""},
      {{nullptr, nullptr, nullptr, nullptr}, ""},
  };
  for (const auto& [values, expected] : cases) {
    for (std::size_t i = 0; i < 4; ++i) setVariable(names[i], values[i]);
    const auto host = platform::hostSystem().regionalSettings();
    EXPECT_EQ(host ? host->name + host->decimalSeparator + host->monthNames[0] : "", expected);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    setVariable(names[i], saved[i].empty() ? nullptr : saved[i].c_str());
  }
}
#endif

TEST(RegionalSettingsTest, ARegionCodeNamesOneOfTheRecordsInAnyCase) {
  EXPECT_EQ(platform::regionalSettingsNamed("EN_gb")->name, "en-GB");
  EXPECT_FALSE(platform::regionalSettingsNamed("de"));
  EXPECT_FALSE(platform::regionalSettingsNamed("de-AT"));
}

TEST(PlatformEnvironmentTest, TellsUnsetFromEmptyAndConvertsToTheCodePage) {
  const std::string longValue(300, 'x');
  setVariable("PERSONALLADER_TEST_EMPTY", "");
  setVariable("PERSONALLADER_TEST_UNSET", nullptr);
  setVariable("PERSONALLADER_TEST_NAME", "Müller");
  setVariable("PERSONALLADER_TEST_LONG", longValue.c_str());
  platform::System& system = platform::hostSystem();
  EXPECT_EQ(system.environment("PERSONALLADER_TEST_EMPTY"), "");
  EXPECT_EQ(system.environment("PERSONALLADER_TEST_UNSET"), std::nullopt);
  EXPECT_EQ(system.environment("PERSONALLADER_TEST_NAME"), utf8ToCodePage("Müller"));
  EXPECT_EQ(system.environment("PERSONALLADER_TEST_LONG"), longValue);
}

}  // namespace
