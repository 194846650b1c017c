#include "startup/main.h"

#include <gtest/gtest.h>

#include "support/planner_files.h"
#include "support/state_fixture.h"

namespace startup {
namespace {

using testing_support::endingNotice;
using testing_support::TempFolder;

const std::string S(1, platform::kSeparator);

class MainTest : public testing_support::StateTest {};

TEST_F(MainTest, FillsTitleSeparatorDateAndUser) {
  Main(state);
  EXPECT_EQ(state.Benutzername, "NoName");  // without the variable
  system.variables["USERNAME"] = "";
  Main(state);
  EXPECT_EQ(state.Benutzername, "NoName");
  system.variables["USERNAME"] = "mueller";
  system.clock = {2005, 2, 1, 23, 59, 59};
  useLanguage(Language::DE);
  Main(state);
  EXPECT_EQ(state.Programmtitel, "Mitarbeiterdaten importieren");
  EXPECT_EQ(state.Dezimaltrenner, ",");
  EXPECT_EQ(state.Datum_heute, "050201");  // two digits each, without the century
  EXPECT_EQ(state.Benutzername, "mueller");

  system.region = platform::regionalSettingsFor("en_US");
  Main(state);
  EXPECT_EQ(state.Dezimaltrenner, ".");
  useLanguage(Language::Other);
  Main(state);
  EXPECT_EQ(state.Programmtitel, "");
}

// Where the system names no region, the edition's; a named region comes first.
TEST_F(MainTest, RegionNamedElseTheSystemsElseTheEditions) {
  system.region.reset();
  useLanguage(Language::EN);
  Main(state);
  EXPECT_EQ(state.Region.name, "en-GB");
  system.region = platform::regionalSettingsNamed("en-US");
  state.NamedRegion = platform::regionalSettingsNamed("de-DE");
  Main(state);
  EXPECT_EQ(state.Dezimaltrenner, ",");
}

TEST_F(MainTest, InstallationFolderBelowPublicVirtualStoreOrProgramFiles) {
  system.variables["PUBLIC"] = folder.withoutSeparator();
  system.variables["ProgramFiles"] = "ignored";
  const std::string base =
      folder.path() + "AppData" + S + "Local" + S + "VirtualStore" + S + "Program Files" + S;
  EXPECT_EQ(Main(state), base + "ZentavoKalender" + S);

  // Without PUBLIC, below ProgramFiles, preferring the English edition.
  system.variables["PUBLIC"] = "";
  system.variables["ProgramFiles"] = folder.withoutSeparator();
  folder.makeFolder("Zentavo Bureau");
  EXPECT_EQ(Main(state), folder.path() + "Zentavo Bureau" + S);
  folder.makeFolder("Zentavo Desk");
  EXPECT_EQ(Main(state), folder.path() + "Zentavo Desk" + S);
}

// Scrambled here; the plain form and the rules of the values are Pfade_lesen's tests.
TEST_F(MainTest, ReadsTheSettingsOfTheInstallation) {
  system.variables["ProgramFiles"] = folder.path();  // already ends with the separator
  folder.makeFolder("Zentavo Desk");
  testing_support::writeScrambledFile(
      folder.path() + "Zentavo Desk" + S + "Zentavo.dat",
      {"[Zentavo]", "data_pfad=D:" + S + "Daten" + S, "log_pfad=D:" + S + "Logs" + S, "x"});
  Pfade_lesen(state, Main(state));
  EXPECT_EQ(state.Datenpfad, "D:" + S + "Daten" + S);
  EXPECT_EQ(state.Logpfad, "D:" + S + "Logs" + S);
}

TEST_F(MainTest, MissingPlannerInstallation) {
  useLanguage(Language::DE);
  EXPECT_EQ(endingNotice(dialogs, [&] { reportMissingPlanner(state); }),
            "Sie müssen zuerst den Zentavo-Kalender installieren.\n\nDas Programm wird beendet.");
}

class PfadeLesenTest : public testing_support::StateTest {
 protected:
  PfadeLesenTest() { system.ownFolder = ownFolder.withoutSeparator(); }

  void expectPaths(const std::string& data, const std::string& log) {
    Pfade_lesen(state, folder.path());
    EXPECT_EQ(state.Datenpfad, data);
    EXPECT_EQ(state.Logpfad, log);
    EXPECT_FALSE(state.Datei1.isOpen());
  }

  TempFolder ownFolder;
};

// Values are taken as written, but a folder always ends with the separator:
// files are opened by appending their names.
TEST_F(PfadeLesenTest, ValuesAreTakenAsWrittenWithTheSeparatorAndKeysExactly) {
  folder.write("Zentavo.dat", cp("[Zentavo]\ndata_pfad= D:\\Bäcker \nlog_pfad=\n"));
  expectPaths(cp(" D:\\Bäcker ") + S, "");
  state.Datenpfad = "kept";
  state.Logpfad = "kept";
  folder.write("Zentavo.dat", "[Zentavo]\nData_pfad=D:\\\nlog_pfad=L:\\\n");
  expectPaths("kept", "kept");
  folder.write("Zentavo.dat", "[Zentavo]\ndata_pfad=D:" + S + "\n log_pfad=L:\n");
  expectPaths("D:" + S, "kept");
}

TEST_F(PfadeLesenTest, FallsBackToTheProgramsOwnFolderThenTheUsersVirtualStore) {
  TempFolder user;
  system.variables["LOCALAPPDATA"] = user.withoutSeparator();
  const std::string store = "VirtualStore" + S + "Program Files" + S;
  for (const std::string& name : {"VirtualStore" + S, store, store + "Zentavo Bureau"}) {
    user.makeFolder(name);
  }
  user.write(store + "Zentavo Bureau" + S + "Zentavo.dat",
             "[Zentavo]\r\ndata_pfad=user\r\nlog_pfad=user\r\n");
  expectPaths("user" + S, "user" + S);
  ownFolder.write("Zentavo.dat", "[Zentavo]\r\ndata_pfad=own\r\nlog_pfad=own\r\n");
  expectPaths("own" + S, "own" + S);
  folder.write("Zentavo.dat", "[Zentavo]\r\ndata_pfad=inst\r\nlog_pfad=inst\r\n");
  expectPaths("inst" + S, "inst" + S);
}

TEST_F(PfadeLesenTest, MissingOrMalformedPlainSettingsChangeNothing) {
  state.Datenpfad = "kept";
  expectPaths("kept", "");
  for (const char* bytes : {"[zentavo]\r\ndata_pfad=x\r\nlog_pfad=y\r\n",
                            "[Zentavo]\r\ndata_pfad=x\r\n", " [Zentavo]\r\n"}) {
    folder.write("Zentavo.dat", bytes);
    expectPaths("kept", "");
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PfadeLesenTest, ShortScrambledSettingsEndTheProgramWithTheReadError) {
  useLanguage(Language::DE);
  const std::string report =
      testing_support::errorReport("modPersonallader - LineIn", 62, "Einlesen hinter Dateiende");
  testing_support::writeScrambledFile(folder.file("Zentavo.dat"), {"[Zentavo]", "data_pfad=x"});
  EXPECT_EQ(endingNotice(dialogs, [&] { Pfade_lesen(state, folder.path()); }), report);
  folder.write("Zentavo.dat", "");
  EXPECT_EQ(endingNotice(dialogs, [&] { Pfade_lesen(state, folder.path()); }), report);
  folder.write("Zentavo.dat", "\r\n[Zentavo]\r\n");
  EXPECT_NE(endingNotice(dialogs, [&] { Pfade_lesen(state, folder.path()); }), "");
  EXPECT_FALSE(state.Datei1.isOpen());
}

}  // namespace
}  // namespace startup
