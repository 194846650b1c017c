#include "startup/folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "startup/data_folder.h"
#include "support/state_fixture.h"

namespace startup {
namespace {

using testing_support::endingNotice;

const std::string S(1, platform::kSeparator);

// The ordinary cases are the data folder's climbing below.
TEST(ParentDirTest, CutsTheLastComponent) {
  EXPECT_EQ(ParentDir("C:" + S), "");
  EXPECT_EQ(ParentDir("Daten"), "");
  EXPECT_EQ(ParentDir(""), "");
  EXPECT_EQ(ParentDir(S), "");
  EXPECT_EQ(ParentDir(S + "x"), S);
}

class FoldersTest : public testing_support::StateTest {};

TEST_F(FoldersTest, CreatesAFolder) {
  useLanguage(Language::DE);
  Ordner_anlegen(state, folder.file("Backups") + platform::kSeparator);
  EXPECT_TRUE(Ordner_vorhanden(state, folder.file("Backups")));
  folder.write("file.dat", "");
  EXPECT_FALSE(Ordner_vorhanden(state, folder.file("file.dat")));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FoldersTest, FolderThatCannotBeCreatedOrEnteredEndsTheProgram) {
  const std::string target = folder.file("missing") + platform::kSeparator + "Backups";
  const std::string quoted = testing_support::readable(target);
  useLanguage(Language::DE);
  EXPECT_EQ(endingNotice(dialogs, [&] { Ordner_anlegen(state, target + platform::kSeparator); }),
            "Der Ordner '" + quoted +
                "' konnte nicht angelegt werden.\n\nMöglicherweise haben Sie keine ausreichenden "
                "Zugriffsberechtigungen.\n\nDas Programm wird beendet.");
  EXPECT_EQ(endingNotice(dialogs, [&] { Ordner_pruefen(state, target); }),
            "Auf den Ordner '" + quoted +
                "' konnte nicht zugegriffen werden.\n\nMöglicherweise ist der Ordner nicht "
                "vorhanden oder Sie haben keine ausreichenden Zugriffsberechtigungen in diesem "
                "Ordner.\n\nDas Programm wird beendet.");
  folder.makeFolder("Backups");  // as another run makes it between the test and the creation
  Ordner_anlegen(state, folder.file("Backups"));  // does not end the program
}

TEST_F(FoldersTest, OtherLanguagesReturnWithoutMessage) {
  useLanguage(Language::Other);
  Ordner_anlegen(state, folder.file("missing") + platform::kSeparator + "x");
  Ordner_pruefen(state, folder.file("missing"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FoldersTest, BrowseForFolderShowsTheInstruction) {
  dialogs.folders = {"", "C:" + S + "Firma"};
  useLanguage(Language::DE);
  EXPECT_EQ(BrowseForFolder(state, 0), "");
  EXPECT_EQ(BrowseForFolder(state, 0), "C:" + S + "Firma");
  EXPECT_EQ(dialogs.shown.at(1).text, "Ordner mit Zentavo-Daten auswählen:");
}

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
    return Datenordner_auswählen(state, 0).value_or("none");
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

TEST_F(DatenordnerTest, CancellingOrAFolderThatCannotBeReadChoosesNone) {
  EXPECT_EQ(choose(""), "none");
  EXPECT_TRUE(dialogs.notices().empty());
  const std::string locked = make("Gesperrt");
  system.unreadableFolder = locked;
  const std::string quoted = testing_support::readable(locked.substr(0, locked.size() - 1));
  EXPECT_EQ(choose(locked), "none");
  EXPECT_EQ(dialogs.notices(), std::vector<std::string>{"Auf '" + quoted +
                                                        "' kann nicht zugegriffen werden. Bitte "
                                                        "wählen Sie einen anderen Ordner."});
}

}  // namespace
}  // namespace startup
