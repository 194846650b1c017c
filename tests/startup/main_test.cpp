#include "startup/main.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace startup {
namespace {

using testing_support::endingNotice;

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
  EXPECT_EQ(state.region.name, "en-GB");
  system.region = platform::regionalSettingsNamed("en-US");
  state.namedRegion = platform::regionalSettingsNamed("de-DE");
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

TEST_F(MainTest, MissingPlannerInstallation) {
  useLanguage(Language::DE);
  EXPECT_EQ(endingNotice(dialogs, [&] { reportMissingPlanner(state); }),
            "Sie müssen zuerst den Zentavo-Kalender installieren.\n\nDas Programm wird beendet.");
}

}  // namespace
}  // namespace startup
