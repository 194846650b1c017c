// The wizard's work as operations for a caller without a window, such as the
// terminal's batch commands: each takes its options and a callback, runs the
// same step procedures as the window, and returns what happened. A fatal
// message or an error report still ends the program (startup::ProgramEnd).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "importfile/check_outcome.h"
#include "platform/regional_settings.h"
#include "platform/system.h"
#include "startup/dialogs.h"
#include "startup/language.h"
#include "wizard/employee_list_export.h"
#include "wizard/restore_backup.h"
#include "wizard/wizard_window.h"

namespace wizard {

// The caller's side of an operation: the dialogs through which the steps ask
// and tell (answered as the caller decided before the run), and what the run
// reports on its way. Implemented by the terminal's batch dialogs.
class OperationCallback : public startup::Dialogs {
 public:
  // Once the program has started: the regional settings that dates and
  // numbers are read in.
  virtual void regionChosen(const platform::RegionalSettings& region) = 0;
};

struct OperationOptions {
  startup::Language language = startup::buildLanguage();
  // Nothing: the system's regional settings.
  std::optional<platform::RegionalSettings> region;
  // Step 1 asks the folder dialog for the data folder, even where the
  // planner's settings name one.
  bool askDataFolder = false;
  std::string faultsReport;  // check: the absolute path that gets the faults; empty: none
  bool dryRun = false;       // import: the check and its preview only
  std::string backup;        // restore: a file name in the backup folder, or an absolute path
  std::string exportFile;    // export: the absolute path that gets the list
  importfile::ExportEncoding encoding = importfile::ExportEncoding::kUtf8;  // export
};

// Where an operation stopped before its work; kNone: it did it.
enum class Shortfall { kNone, kNoDataFolder, kNoImportFile, kReportRefused, kNoSuchBackup };

struct OperationOutcome {
  Shortfall shortfall = Shortfall::kNone;
  std::string detail;                   // kReportRefused: the message; kNoSuchBackup: the path
  importfile::CheckOutcome check;       // check, import
  std::optional<ImportOutcome> import;  // an import that was no dry run
  // An import's dry run: the change list, as the window shows it.
  std::vector<std::string> changeList;
  std::optional<RestoreOutcome> restore;  // restore
  std::optional<ExportOutcome> exported;  // export
  std::vector<std::string> backups;       // the list of backups
};

// Steps 1 to 3; the import file comes from the callback's file dialog.
OperationOutcome checkImportFile(platform::System& system, OperationCallback& callback,
                                 const OperationOptions& options);
// Steps 1 to 4, the import only after a fault-free check.
OperationOutcome importEmployees(platform::System& system, OperationCallback& callback,
                                 const OperationOptions& options);
// The backup that `backup` names: a file name lies in the data folder's backup
// folder; anything else is an absolute path.
std::string backupPath(const wizard::ProgramState& state, const std::string& backup);

// Step 1 and the restore of options.backup.
OperationOutcome restoreBackup(platform::System& system, OperationCallback& callback,
                               const OperationOptions& options);
// Step 1 and the export of the employee list to options.exportFile.
OperationOutcome exportEmployees(platform::System& system, OperationCallback& callback,
                                 const OperationOptions& options);
// Step 1 and the list of the data folder's backups.
OperationOutcome listBackups(platform::System& system, OperationCallback& callback,
                             const OperationOptions& options);

}  // namespace wizard
