#include "hostfiles/configuration_data.h"

#include <gtest/gtest.h>

#include "hostfiles/planner_file_fixture.h"

namespace hostfiles {
namespace {

using startup::cp;

const std::string kSettings = "0000000000000000000000000000000";  // position 16 is "0"

Lines configuration(const std::string& settings, const Lines& admins) {
  Lines lines = {"[Zentavo]", "2", "3",        "[Firma]", cp("Bäckerei Müller"), "6", "[Settings]",
                 settings,    "9", "[Urlaub]", "x",       "[Administratoren]"};
  lines.insert(lines.end(), admins.begin(), admins.end());
  return lines;
}

class ConfigurationDataTest : public hostfiles::PlannerFileFixture {
 protected:
  void store(const Lines& lines) { folder.write("Konfigdaten.dat", scrambledFile(lines)); }
};

struct AdminCase {
  const char* label;
  Lines admins;
  const char* user;  // UTF-8
  std::string settings;
  std::int16_t status;
};

class AdminStatusTest : public ConfigurationDataTest,
                        public ::testing::WithParamInterface<AdminCase> {};

TEST_P(AdminStatusTest, FollowsTheListAndTheSettingsLine) {
  const AdminCase& c = GetParam();
  Lines admins;
  for (const std::string& admin : c.admins) admins.push_back(cp(admin));
  store(configuration(c.settings, admins));
  state.Benutzername = cp(c.user);
  state.Adminstatus = 7;
  Konfigdaten_lesen(state);
  EXPECT_EQ(state.Adminstatus, c.status);
  EXPECT_EQ(state.Settings_Zeile, c.settings);
  EXPECT_FALSE(state.Datei1.isOpen());
  EXPECT_TRUE(dialogs.shown.empty());
}

const Lines kMeierHuber = {"AX:Meier", "NX:Huber"};

INSTANTIATE_TEST_SUITE_P(
    Cases, AdminStatusTest,
    ::testing::Values(
        AdminCase{"OnlyNoAdmins", {"NoAdmins"}, "huber", kSettings, 2},
        AdminCase{"Named", kMeierHuber, "Meier", kSettings, 2},
        AdminCase{"NotAnAdministrator", kMeierHuber, "Huber", kSettings, 0},
        AdminCase{"NoEntryStartsWithUpperA", {"NX:Huber", "aX:Meier"}, "Huber", kSettings, 2},
        AdminCase{"EveryoneBySettings", kMeierHuber, "Huber", "0000000000000001", 2},
        AdminCase{"SettingsWithoutPosition16", kMeierHuber, "Huber", "000000000000000", 0},
        AdminCase{"PartOfTheName", {"AB:Mueller"}, "ller", kSettings, 0},
        AdminCase{"TrailingBlank", {"AB:Mueller "}, "mueller", kSettings, 0},
        AdminCase{"EntryShorterThanTheName", {"A"}, "A", kSettings, 0},
        AdminCase{
            "OtherCaseAndUmlauts", {"AX:Jörg Müller", "NoAdmins"}, "JÖRG MÜLLER", kSettings, 2}),
    byLabel<AdminCase>);

class ConfigurationRewriteTest : public ConfigurationDataTest {
 protected:
  void SetUp() override {
    store({"[Zentavo]", "[Settings]", "alt", cp("Grüße"), "", "[Settings]", "alt2", "[Settings]"});
    before = folder.read("Konfigdaten.dat");
    state.Settings_Zeile = cp("neu ä");
  }

  void expectOldFileAlone() {
    EXPECT_EQ(folder.read("Konfigdaten.dat"), before);
    EXPECT_EQ(folder.entries(), Lines{"Konfigdaten.dat"});
    EXPECT_FALSE(state.Datei1.isOpen());
  }

  std::string before;
};

TEST_F(ConfigurationRewriteTest, ReplacesTheLineAfterEachSettingsHeader) {
  Konfigdaten_schreiben(state);
  const std::string neu = cp("neu ä");
  EXPECT_EQ(written("Konfigdaten.dat"), (Lines{"[Zentavo]", "[Settings]", neu, cp("Grüße"), "",
                                               "[Settings]", neu, "[Settings]", neu}));
  EXPECT_EQ(folder.entries(), Lines{"Konfigdaten.dat"});
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationRewriteTest, AFailedRewriteKeepsTheOldFile) {
  // Reading takes three operations, the new file's opening one, then its write fails.
  system.fault = {system.operations + 5};
  Konfigdaten_schreiben(state);  // no message of its own
  expectOldFileAlone();
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationRewriteTest, AFileOfMoreThan32767LinesStaysUnchanged) {
  Lines lines(32767, "x");
  lines[0] = "[Settings]";
  store(lines);
  Konfigdaten_schreiben(state);
  const Lines rewritten = written("Konfigdaten.dat");
  ASSERT_EQ(rewritten.size(), 32767u);
  EXPECT_EQ(rewritten[1], cp("neu ä"));

  lines.push_back("x");
  store(lines);
  before = folder.read("Konfigdaten.dat");
  Konfigdaten_schreiben(state);
  expectOldFileAlone();
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace hostfiles
