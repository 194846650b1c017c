// The files the user names in the Save dialog: the faults report after a check
// that asked about faults, and the export of the list.
#include <gtest/gtest.h>

#include "importfile/faults_report.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/wizard_window.h"

namespace wizard {
namespace {

class FileCommandsTest : public testing_support::StateTest {
 protected:
  // A window at step 3 over a data folder, with an import file whose one row
  // has an impossible date.
  FileCommandsTest() {
    useLanguage(startup::Language::DE);
    system.ownFolder = folder.path() + "programm";
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

TEST_F(FileCommandsTest, TheVerdictWithFaultsAsksToSaveThemAndYesWritesTheBatchReport) {
  EXPECT_FALSE(form.canSaveFaultsReport());
  dialogs.answers = {true, false};  // the fault taken, the report declined
  form.cmdAuswahl_Click(3);
  EXPECT_EQ(dialogs.shown.back().text, "Möchten Sie die Liste der Fehler speichern?");
  ASSERT_TRUE(form.canSaveFaultsReport());

  dialogs.answers = {true, true};
  dialogs.files = {folder.file("bericht.csv")};
  form.cmdAuswahl_Click(3);
  EXPECT_EQ(dialogs.lastSaveRequest->defaultName, "Fehlerbericht.csv");
  importfile::writeFaultsReport(state, folder.file("batch.csv"), form.lastCheck().faults);
  EXPECT_EQ(folder.read("bericht.csv"), folder.read("batch.csv"));

  // The batch rule refuses a file in the data folder, with its message.
  dialogs.files = {data + "bericht.csv"};
  EXPECT_FALSE(form.saveFaultsReport());
  EXPECT_EQ(dialogs.shown.back().kind, testing_support::ShownBox::Kind::kNotice);
  EXPECT_EQ(system.pathKind(data + "bericht.csv"), platform::PathKind::kMissing);
}

TEST_F(FileCommandsTest, TheExportProposesItsFileInTheProgramsFolderAndShowsARefusal) {
  dialogs.files = {data + "liste.csv"};
  const auto outcome = form.chooseFileAndExport();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->result, ExportResult::kRefused);
  EXPECT_EQ(dialogs.notices(), std::vector{testing_support::readable(outcome->refusal)});
  EXPECT_EQ(dialogs.lastSaveRequest->startFolder, system.ownFolder);
  EXPECT_EQ(dialogs.lastSaveRequest->defaultName, "Mitarbeiter.csv");
}

}  // namespace
}  // namespace wizard
