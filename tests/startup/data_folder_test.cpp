#include "startup/data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/state_fixture.h"

namespace startup {
namespace {

const std::string S(1, platform::kSeparator);

class DatenordnerTest : public testing_support::StateTest {
 protected:
  DatenordnerTest() { useLanguage(Language::DE); }

  // Makes the folders of `path` (relative, "/" between levels) below the test folder.
  std::string make(std::string path) {
    std::replace(path.begin(), path.end(), '/', platform::kSeparator);
    std::filesystem::create_directories(testing_support::nativePath(folder.path() + path));
    return folder.path() + path + S;
  }

  // The folder the rules give for picking `picked` in the dialog.
  std::string choose(const std::string& picked) {
    dialogs.folders.push_back(picked);
    EXPECT_TRUE(Datenordner_auswählen(state, 0));
    return state.Datenpfad;
  }
};

TEST_F(DatenordnerTest, PlannerSubfoldersClimbToTheDataFolder) {
  const std::string data = make("A/data");
  make("A/data/LOGS");
  make("A/data/backups");
  make("A/mydata/inifiles");
  EXPECT_EQ(choose(data + "LOGS"), data);
  EXPECT_EQ(choose(data + "backups" + S), data);
  EXPECT_EQ(choose(folder.path() + "A" + S + "mydata" + S + "inifiles"),
            folder.path() + "A" + S + "mydata" + S);
}

TEST_F(DatenordnerTest, DataFoldersAndFoldersWithDataFilesAreKept) {
  const std::string data = make("B/Data");
  make("B/Data/Data");
  EXPECT_EQ(choose(data), data);  // "data" by name, even without data files
  const std::string other = make("C/Kalender");
  make("C/Kalender/Data");
  testing_support::writeFile(other + "xyzDATA.DAT", "");
  EXPECT_EQ(choose(other), other);
}

TEST_F(DatenordnerTest, DescendsIntoDataOrTheDefaultFolder) {
  const std::string firma = make("Firma");
  make("Firma/Data");
  EXPECT_EQ(choose(firma), firma + "Data" + S);

  const std::string zweite = make("Zweite");
  make("Zweite/ZentavoDaten/Data");
  EXPECT_EQ(choose(zweite), zweite + "ZentavoDaten" + S + "Data" + S);

  testing_support::writeFile(zweite + "ZentavoDaten" + S + "KalenderData.dat", "");
  EXPECT_EQ(choose(zweite), zweite + "ZentavoDaten" + S);

  useLanguage(Language::FR);
  EXPECT_EQ(choose(zweite), zweite);  // the French default folder is ZentavoBureau
  make("Zweite/ZentavoBureau");
  EXPECT_EQ(choose(zweite), zweite + "ZentavoBureau" + S);
}

TEST_F(DatenordnerTest, CancellingEmptiesTheDataFolder) {
  state.Datenpfad = folder.path();
  dialogs.folders.push_back("");
  EXPECT_FALSE(Datenordner_auswählen(state, 0));
  EXPECT_EQ(state.Datenpfad, "");
  EXPECT_TRUE(dialogs.notices().empty());
}

TEST_F(DatenordnerTest, AFolderThatCannotBeReadIsReportedAndEmptied) {
  const std::string locked = make("Gesperrt");
  system.unreadableFolder = locked;
  const std::string quoted = testing_support::readable(locked.substr(0, locked.size() - 1));
  dialogs.folders = {locked};
  EXPECT_FALSE(Datenordner_auswählen(state, 0));
  EXPECT_EQ(state.Datenpfad, "");
  EXPECT_EQ(dialogs.notices(), std::vector<std::string>{"Auf '" + quoted +
                                                        "' kann nicht zugegriffen werden. Bitte "
                                                        "wählen Sie einen anderen Ordner."});
}

}  // namespace
}  // namespace startup
