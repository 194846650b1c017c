#include "wizard/operations.h"

#include <utility>

#include "hostfiles/backup_file.h"
#include "hostfiles/employee_data.h"
#include "hostfiles/installation_settings.h"
#include "importfile/faults_report.h"
#include "startup/main.h"
#include "wizard/change_list.h"

namespace wizard {

namespace {

// Step 1. A data folder asked for replaces the one of the planner's settings,
// and its log folder is found from it as in step 1, since the log folder of
// the settings belongs to another installation.
bool dataFolderKnown(wizard::ProgramState& state, frmPersonallader& form, bool ask) {
  if (ask) {
    state.Datenpfad.clear();
    state.Logpfad.clear();
  }
  form.Form_Load();
  if (ask) form.cmdAuswahl_Click(1);
  return form.wizardState() != WizardState::kChooseDataFolder;
}

// Starts the program and runs step 1, then `work` on the session and the window;
// the outcome takes the session's last check.
template <typename Work>
OperationOutcome run(platform::System& system, OperationCallback& callback,
                     const OperationOptions& options, Work&& work) {
  wizard::ProgramState state(system, callback);
  state.language = options.language;
  state.namedRegion = options.region;
  wizard::startProgram(state);
  callback.regionChosen(state.region);
  frmPersonallader form(state);
  OperationOutcome outcome;
  if (dataFolderKnown(state, form, options.askDataFolder)) {
    work(state, form, outcome);
    outcome.check = std::move(state.lastCheck);
  } else {
    outcome.shortfall = Shortfall::kNoDataFolder;
  }
  return outcome;
}

// Steps 2 and 3, the faults report refused before the check or written after it.
void check(wizard::ProgramState& state, frmPersonallader& form, const std::string& report,
           OperationOutcome& outcome) {
  if (!form.Importdatei_auswählen()) {
    outcome.shortfall = Shortfall::kNoImportFile;
    return;
  }
  if (const auto refused =
          report.empty()
              ? std::nullopt
              : importfile::faultsReportRefused(
                    state, report, {state.Datenpfad, state.Logpfad, state.Importdatei})) {
    outcome.shortfall = Shortfall::kReportRefused;
    outcome.detail = *refused;
    return;
  }
  const importfile::CheckOutcome& checked = form.Importdatei_checken();
  if (!report.empty() && checked.verdict != importfile::Verdict::kNotChecked) {
    importfile::writeFaultsReport(state, report, checked.faults);
  }
}

}  // namespace

std::string backupPath(const wizard::ProgramState& state, const std::string& backup) {
  const bool named = backup.find(platform::kSeparator) == std::string::npos;
  return named ? hostfiles::backupFolder(state.Datenpfad) + backup : backup;
}

OperationOutcome checkImportFile(platform::System& system, OperationCallback& callback,
                                 const OperationOptions& options) {
  return run(system, callback, options, [&](auto& state, auto& form, auto& outcome) {
    check(state, form, options.faultsReport, outcome);
  });
}

OperationOutcome importEmployees(platform::System& system, OperationCallback& callback,
                                 const OperationOptions& options) {
  return run(system, callback, options, [&](auto& state, auto& form, auto& outcome) {
    check(state, form, "", outcome);
    if (form.lastCheck().verdict != importfile::Verdict::kFaultFree) return;
    if (!options.dryRun) {
      outcome.import = form.Mitarbeiterdaten_importieren();
      return;
    }
    auto changeList = lastChangeList(state);
    // The import would end at reading the employee file: so does its preview.
    if (!changeList) hostfiles::Mitarbeiterdaten_lesen(state, state.Datenpfad);
    outcome.changeList = std::move(changeList).value_or(std::vector<std::string>());
  });
}

OperationOutcome restoreBackup(platform::System& system, OperationCallback& callback,
                               const OperationOptions& options) {
  return run(system, callback, options, [&](auto& state, auto&, auto& outcome) {
    const std::string path = backupPath(state, options.backup);
    if (system.pathKind(path) == platform::PathKind::kMissing) {
      outcome.shortfall = Shortfall::kNoSuchBackup;
      outcome.detail = path;
      return;
    }
    outcome.restore = restoreEmployeeFile(state, path);
  });
}

OperationOutcome exportEmployees(platform::System& system, OperationCallback& callback,
                                 const OperationOptions& options) {
  return run(system, callback, options, [&](auto& state, auto&, auto& outcome) {
    outcome.exported = exportEmployeeList(
        state, {state.Datenpfad, state.Logpfad, options.exportFile, options.encoding});
  });
}

OperationOutcome listBackups(platform::System& system, OperationCallback& callback,
                             const OperationOptions& options) {
  return run(system, callback, options,
             [&](auto& state, auto&, auto& outcome) { outcome.backups = backupList(state); });
}

}  // namespace wizard
