#include "hostfiles/configuration_data.h"

#include <gtest/gtest.h>

#include "hostfiles/planner_file_fixture.h"

namespace hostfiles {
namespace {

using startup::cp;

const std::string kSettings = "0000000000000000000000000000000";  // position 16 is "0"

class ConfigurationDataTest : public hostfiles::PlannerFileFixture {
 protected:
  void store(const Lines& lines) { folder.write("Konfigdaten.dat", scrambledFile(lines)); }
};

// Named by the list and the user's name in any case, or everyone by position 16
// of the settings line.
TEST_F(ConfigurationDataTest, AdminStatusFollowsTheListAndTheSettingsLine) {
  const Lines meierHuber = {"AX:Meier", "NX:Huber"};
  const struct {
    Lines admins;  // UTF-8, like the user
    const char* user;
    std::string settings;
    std::int16_t status;
  } cases[] = {{{"NoAdmins"}, "huber", kSettings, 2},
               {meierHuber, "Meier", kSettings, 2},
               {meierHuber, "Huber", kSettings, 0},
               {{"NX:Huber", "aX:Meier"}, "Huber", kSettings, 2},  // no entry starts with "A"
               {meierHuber, "Huber", "0000000000000001", 2},
               {meierHuber, "Huber", "000000000000000", 0},  // no position 16
               {{"AB:Mueller"}, "ller", kSettings, 0},
               {{"AB:Mueller "}, "mueller", kSettings, 0},
               {{"A"}, "A", kSettings, 0},
               {{"AX:Jörg Müller", "NoAdmins"}, "JÖRG MÜLLER", kSettings, 2}};
  for (const auto& c : cases) {
    Lines admins;
    for (const std::string& admin : c.admins) admins.push_back(cp(admin));
    store(testing_support::configurationLines(c.settings, admins));
    state.Benutzername = cp(c.user);
    const Configuration read = Konfigdaten_lesen(state, folder.path());
    EXPECT_EQ(read.adminStatus, c.status) << c.user << " " << c.admins[0];
    EXPECT_EQ(read.settingsLine, c.settings);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

class ConfigurationRewriteTest : public ConfigurationDataTest {
 protected:
  void SetUp() override {
    store({"[Zentavo]", "[Settings]", "alt", cp("Grüße"), "", "[Settings]", "alt2", "[Settings]"});
    before = folder.read("Konfigdaten.dat");
  }

  void rewrite() { Konfigdaten_schreiben(state, folder.path(), cp("neu ä")); }

  void expectOldFileAlone() {
    EXPECT_EQ(folder.read("Konfigdaten.dat"), before);
    EXPECT_EQ(folder.entries(), Lines{"Konfigdaten.dat"});
  }

  std::string before;
};

TEST_F(ConfigurationRewriteTest, ReplacesTheLineAfterEachSettingsHeader) {
  rewrite();
  const std::string neu = cp("neu ä");
  EXPECT_EQ(written("Konfigdaten.dat"), (Lines{"[Zentavo]", "[Settings]", neu, cp("Grüße"), "",
                                               "[Settings]", neu, "[Settings]", neu}));
  EXPECT_EQ(folder.entries(), Lines{"Konfigdaten.dat"});
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationRewriteTest, AFileOfMoreThan32767LinesStaysUnchanged) {
  Lines lines(32767, "x");
  lines[0] = "[Settings]";
  store(lines);
  rewrite();
  const Lines rewritten = written("Konfigdaten.dat");
  ASSERT_EQ(rewritten.size(), 32767u);
  EXPECT_EQ(rewritten[1], cp("neu ä"));

  lines.push_back("x");
  store(lines);
  before = folder.read("Konfigdaten.dat");
  EXPECT_THROW(rewrite(), startup::RunTimeError);
  expectOldFileAlone();
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace hostfiles
