// The commands that write a file the user names in the Save dialog: the
// faults report of the last check and the export of the employee list.
#include "importfile/faults_report.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace wizard {

std::optional<std::string> frmPersonallader::chooseTarget(const std::string& title,
                                                          const std::string& filter,
                                                          const std::string& name,
                                                          const std::string& extension,
                                                          const TargetRefused& refused) {
  if (state_.Importordner.empty()) state_.Importordner = state_.system->executableFolder();
  const auto chosen = state_.dialogs->saveFile({.title = state_.Programmtitel + " - " + title,
                                                .filter = filter,
                                                .startFolder = state_.Importordner,
                                                .defaultName = name,
                                                .defaultExtension = extension});
  if (!chosen) return std::nullopt;
  if (const auto refusal = refused(*chosen)) {
    startup::notify(state_, *refusal);
    return std::nullopt;
  }
  return chosen;
}

bool frmPersonallader::saveFaultsReport() {
  if (!canSaveFaultsReport()) return false;
  // Refused as the report of a batch check is: never into the planner's folders.
  const auto chosen = chooseTarget(
      texts::faultsReportDialogTitle(state_.language), texts::csvFilter(state_.language),
      texts::faultsReportName(state_.language), "csv", [this](const std::string& path) {
        return importfile::faultsReportRefused(
            state_, path, {state_.Datenpfad, state_.Logpfad, state_.Importdatei});
      });
  if (!chosen) return false;
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
