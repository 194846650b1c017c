// The files the user names in the Save dialog: the faults report and the export.
#include <gtest/gtest.h>

#include "importfile/faults_report.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
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

}  // namespace
}  // namespace wizard
