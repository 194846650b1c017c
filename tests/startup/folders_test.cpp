#include "startup/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/state_fixture.h"

namespace startup {
namespace {

using testing_support::endingNotice;

// Paths written with "\" as in the planner's documents, turned into this platform's.
std::string native(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = platform::kSeparator;
  }
  return path;
}

TEST(ParentDirTest, CutsTheLastComponent) {
  EXPECT_EQ(ParentDir(native("C:\\A\\data\\backups\\")), native("C:\\A\\data\\"));
  EXPECT_EQ(ParentDir(native("C:\\A\\B")), native("C:\\A\\"));
  EXPECT_EQ(ParentDir(native("C:\\")), "");
  EXPECT_EQ(ParentDir("Daten"), "");
  EXPECT_EQ(ParentDir(""), "");
  EXPECT_EQ(ParentDir(native("\\")), "");
  EXPECT_EQ(ParentDir(native("\\x")), native("\\"));
}

class FoldersTest : public testing_support::StateTest {};

TEST_F(FoldersTest, CreatedFolderBecomesTheCurrentFolder) {
  useLanguage(Language::DE);
  Ordner_anlegen(state, folder.file("Backups") + platform::kSeparator);
  EXPECT_TRUE(Ordner_vorhanden(state, folder.file("Backups")));
  folder.write("file.dat", "");
  EXPECT_FALSE(Ordner_vorhanden(state, folder.file("file.dat")));
  EXPECT_EQ(std::filesystem::current_path(), testing_support::nativePath(folder.file("Backups")));
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
  folder.makeFolder("Backups");  // an existing folder cannot be created again
  EXPECT_NE(endingNotice(dialogs, [&] { Ordner_anlegen(state, folder.file("Backups")); }), "");
}

TEST_F(FoldersTest, OtherLanguagesReturnWithoutMessage) {
  useLanguage(Language::Other);
  Ordner_anlegen(state, folder.file("missing") + platform::kSeparator + "x");
  Ordner_pruefen(state, folder.file("missing"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FoldersTest, BrowseForFolderShowsTheInstruction) {
  dialogs.folders = {"", native("C:\\Firma")};
  useLanguage(Language::DE);
  EXPECT_EQ(BrowseForFolder(state, 0), "");
  EXPECT_EQ(BrowseForFolder(state, 0), native("C:\\Firma"));
  EXPECT_EQ(dialogs.shown.at(1).text, "Ordner mit Zentavo-Daten auswählen:");
}

}  // namespace
}  // namespace startup
