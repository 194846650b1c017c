// The commands that write a file the user names in the Save dialog: the
// faults report of the last check and the export of the employee list.
#include "importfile/faults_report.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace wizard {

bool frmPersonallader::saveFaultsReport() {
  if (!canSaveFaultsReport()) return false;
  if (state_.Importordner.empty()) state_.Importordner = state_.system->executableFolder();
  const auto chosen = state_.dialogs->saveFile(
      {.title = state_.Programmtitel + " - " + texts::faultsReportDialogTitle(state_.language),
       .filter = texts::csvFilter(state_.language),
       .startFolder = state_.Importordner,
       .defaultName = texts::faultsReportName(state_.language),
       .defaultExtension = "csv"});
  if (!chosen) return false;
  // Refused as the report of a batch check is: never into the planner's folders.
  if (const auto refused = importfile::faultsReportRefused(
          state_, *chosen, {state_.Datenpfad, state_.Logpfad, state_.Importdatei})) {
    startup::notify(state_, *refused);
    return false;
  }
  importfile::writeFaultsReport(state_, *chosen, state_.lastCheck.faults);
  return true;
}

void frmPersonallader::offerFaultsReport() {
  if (state_.language == startup::Language::Other) return;
  if (state_.dialogs->question(state_.Programmtitel, texts::saveFaultsQuestion(state_.language))) {
    saveFaultsReport();
  }
}

std::optional<ExportOutcome> frmPersonallader::chooseFileAndExport() {
  if (!canExport()) return std::nullopt;
  const auto chosen = state_.dialogs->saveFile(
      {.title = state_.Programmtitel + " - " + texts::exportDialogTitle(state_.language),
       .filter = texts::csvFilter(state_.language),
       .startFolder = state_.system->executableFolder(),
       .defaultName = texts::exportName(state_.language),
       .defaultExtension = "csv"});
  if (!chosen) return std::nullopt;
  ExportOutcome outcome = exportEmployeeList(state_, {state_.Datenpfad, state_.Logpfad, *chosen});
  if (outcome.result == ExportResult::kRefused) startup::notify(state_, outcome.refusal);
  return outcome;
}

}  // namespace wizard
