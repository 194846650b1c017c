#include "hostfiles/installation_settings.h"

#include <gtest/gtest.h>

#include "support/planner_files.h"
#include "support/state_fixture.h"

namespace hostfiles {
namespace {

using startup::cp;
using testing_support::TempFolder;

const std::string S(1, platform::kSeparator);

class PfadeLesenTest : public testing_support::StateTest {
 protected:
  PfadeLesenTest() { system.ownFolder = ownFolder.withoutSeparator(); }

  void expectPaths(const std::string& data, const std::string& log) {
    const PlannerFolders folders = Pfade_lesen(state, folder.path());
    EXPECT_EQ(folders.data, data);
    EXPECT_EQ(folders.log, log);
  }

  TempFolder ownFolder;
};

// Values are taken as written, but a folder always ends with the separator:
// files are opened by appending their names.
TEST_F(PfadeLesenTest, ScrambledOrPlainValuesAreTakenAsWrittenWithTheSeparatorAndKeysExactly) {
  testing_support::writeScrambledFile(
      folder.file("Zentavo.dat"),
      {"[Zentavo]", "data_pfad=D:" + S + "Daten" + S, "log_pfad=D:" + S + "Logs", "x"});
  expectPaths("D:" + S + "Daten" + S, "D:" + S + "Logs" + S);
  folder.write("Zentavo.dat", cp("[Zentavo]\ndata_pfad= D:\\Bäcker \nlog_pfad=\n"));
  expectPaths(cp(" D:\\Bäcker ") + S, "");
  folder.write("Zentavo.dat", "[Zentavo]\nData_pfad=D:\\\nlog_pfad=L:\\\n");
  expectPaths("", "");
  folder.write("Zentavo.dat", "[Zentavo]\ndata_pfad=D:" + S + "\n log_pfad=L:\n");
  expectPaths("D:" + S, "");
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

TEST_F(PfadeLesenTest, MissingOrMalformedPlainSettingsNameNoFolder) {
  expectPaths("", "");
  for (const char* bytes : {"[zentavo]\r\ndata_pfad=x\r\nlog_pfad=y\r\n",
                            "[Zentavo]\r\ndata_pfad=x\r\n", " [Zentavo]\r\n"}) {
    folder.write("Zentavo.dat", bytes);
    expectPaths("", "");
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PfadeLesenTest, ShortScrambledSettingsEndTheProgramWithTheReadError) {
  const std::string report =
      testing_support::errorReport("modPersonallader - LineIn", 62, "Einlesen hinter Dateiende");
  const auto read = [&] { Pfade_lesen(state, folder.path()); };
  testing_support::writeScrambledFile(folder.file("Zentavo.dat"), {"[Zentavo]", "data_pfad=x"});
  EXPECT_EQ(testing_support::endingNotice(dialogs, read), report);
  folder.write("Zentavo.dat", "");
  EXPECT_EQ(testing_support::endingNotice(dialogs, read), report);
  folder.write("Zentavo.dat", "\r\n[Zentavo]\r\n");
  EXPECT_NE(testing_support::endingNotice(dialogs, read), "");
}

}  // namespace
}  // namespace hostfiles
