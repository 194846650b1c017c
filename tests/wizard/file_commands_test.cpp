// The files the user names in the Save dialog: the faults report and the export.
#include <gtest/gtest.h>

#include "importfile/faults_report.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace wizard {
namespace {

class FileCommandsTest : public testing_support::StateTest {
 protected:
  // At step 3, with an import file whose one row has an impossible date.
  FileCommandsTest() {
    folder.makeFolder("Daten");
    testing_support::makePlannerData(data, {});
    state.Datenpfad = data;
    state.Importdatei = folder.file("liste.csv");
    folder.write("liste.csv",
                 "Name;Benutzername;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n"
                 "Berger, Anna;ab;32.01.2017;;5;30;30;30;30;0\r\n");
    form.Form_Load();
    form.completeStep(2);
  }

  const std::string data = folder.file("Daten") + platform::kSeparator;
  frmPersonallader form{state};
};

TEST_F(FileCommandsTest, TheVerdictWithFaultsAsksToSaveThemAndBothSavesKeepTheBatchRule) {
  EXPECT_FALSE(form.canSaveFaultsReport());
  dialogs.answers = {true, true};  // the fault taken, the report wanted
  dialogs.files = {folder.file("bericht.csv")};
  form.cmdAuswahl_Click(3);
  EXPECT_EQ(dialogs.texts().at(2), "Möchten Sie die Liste der Fehler speichern?");
  importfile::writeFaultsReport(state, folder.file("batch.csv"), form.lastCheck().faults);
  EXPECT_EQ(folder.read("bericht.csv"), folder.read("batch.csv"));

  // A file in the data folder is refused with its message, by both commands.
  dialogs.files = {data + "neu.csv", data + "neu.csv"};
  EXPECT_FALSE(form.saveFaultsReport());
  EXPECT_EQ(form.chooseFileAndExport()->result, ExportResult::kRefused);
  EXPECT_EQ(dialogs.notices().size(), 3u);  // the verdict and the two refusals
  EXPECT_FALSE(folder.exists("Daten/neu.csv"));
}

// The change list while step 4 waits, saved as Windows reads text files; its
// Save keeps the rule of written files and replaces only an earlier list.
TEST_F(FileCommandsTest, TheChangeListAfterAFaultFreeCheckIsSavedAsATextFile) {
  folder.write("liste.csv",
               "Name;Benutzername;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n"
               "Berger, Anna;ab;01.01.2017;;5;30;30;30;30;0\r\n");
  folder.write("fremd.txt", "fremd\r\n");
  EXPECT_FALSE(form.canShowChanges());
  form.cmdAuswahl_Click(3);
  ASSERT_TRUE(form.canShowChanges());
  dialogs.files = {data + "neu.txt", folder.file("fremd.txt"), folder.file("liste.txt"),
                   folder.file("liste.txt")};
  for (int save = 0; save < 4; ++save) {
    dialogs.lineSaves = {true};
    EXPECT_TRUE(form.showChanges());
  }
  EXPECT_EQ(folder.read("liste.txt"),
            "\xEF\xBB\xBF+ Berger, Anna (ab)\r\n"
            "Beim Import: neu 1, entfallen 0, geändert 0, unverändert 0\r\n");
  EXPECT_EQ(dialogs.lastSaveRequest->defaultName, texts::changeListName(state.language));
  EXPECT_EQ(dialogs.notices().size(), 3u);  // the verdict and the two refusals
  EXPECT_EQ(folder.read("fremd.txt"), "fremd\r\n");
  EXPECT_FALSE(folder.exists("Daten/neu.txt"));
  dialogs.answers = {true};
  form.cmdAuswahl_Click(4);
  EXPECT_FALSE(form.canShowChanges());
}

}  // namespace
}  // namespace wizard
