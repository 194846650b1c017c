#include "wizard_runs.h"

#include <functional>
#include <ostream>
#include <utility>

#include "batch_dialogs.h"
#include "console_texts.h"
#include "hostfiles/installation_settings.h"
#include "importfile/check_texts.h"
#include "platform/terminal.h"
#include "startup/main.h"
#include "startup/messages.h"
#include "startup/startup_texts.h"
#include "terminal_dialogs.h"
#include "terminal_text.h"
#include "wizard/change_list.h"
#include "wizard/operations.h"
#include "wizard/restore_backup.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace console {

namespace {

using startup::Language;
using wizard::frmPersonallader;
using wizard::StepPicture;

// The choices after the five buttons: restoring a backup, exporting the list,
// saving the last check's faults, showing its changes.
constexpr int kRestoreChoice = 6;
constexpr int kExportChoice = 7;
constexpr int kFaultsReportChoice = 8;
constexpr int kChangesChoice = 9;

void offer(int choice, const std::string& caption, std::ostream& out) {
  out << "  " << choice << " = " << forTerminal(caption) << "\n";
}

void draw(frmPersonallader& form, Language language, std::ostream& out) {
  out << "\n" << forTerminal(form.Caption) << "\n";
  for (int step = 1; step <= 4; ++step) {
    const StepPicture picture = form.imgIcon(step).picture;
    out << (picture == StepPicture::kOK      ? "  [x] "
            : picture == StepPicture::kArrow ? "  [>] "
                                             : "  [ ] ")
        << forTerminal(form.fraRahmen(step).Caption) << "\n";
  }
  for (int index = 1; index <= 5; ++index) {
    if (form.canPress(index)) {
      out << "  " << index << " = " << forTerminal(form.cmdAuswahl(index).Caption) << "\n";
    }
  }
  if (form.canRestore()) offer(kRestoreChoice, wizard::texts::restoreCommand(language), out);
  if (form.canExport()) offer(kExportChoice, wizard::texts::exportCommand(language), out);
  if (form.canSaveFaultsReport()) {
    offer(kFaultsReportChoice, wizard::texts::faultsReportCommand(language), out);
  }
  if (form.canShowChanges()) offer(kChangesChoice, wizard::texts::changesCommand(language), out);
  out << say(language, {"Auswahl: ", "Choice: ", "Choix : "}) << std::flush;
}

// Runs the program's start and the wizard's procedures; a fatal message or an
// error report ends the run with its status.
int run(platform::System& system, Language language, startup::Dialogs& dialogs,
        const std::function<int(wizard::ProgramState&, frmPersonallader&)>& steps) {
  wizard::ProgramState state(system, dialogs);
  state.language = language;
  try {
    wizard::startProgram(state);
    frmPersonallader form(state);
    return steps(state, form);
  } catch (const startup::ProgramEnd& end) {
    return end.status;
  }
}

// The line after a restore of a backup file that is not there.
void noSuchBackup(Language language, const std::string& path, std::ostream& out) {
  out << forTerminal(path) << "\n" << texts::noSuchBackup(language) << "\n";
}

using Operation = wizard::OperationOutcome (*)(platform::System&, wizard::OperationCallback&,
                                               const wizard::OperationOptions&);

Operation operation(BatchCommand command) {
  switch (command) {
    case BatchCommand::kCheck:
      return wizard::checkImportFile;
    case BatchCommand::kImport:
      return wizard::importEmployees;
    case BatchCommand::kBackups:
      return wizard::listBackups;
    case BatchCommand::kExport:
      return wizard::exportEmployees;
    case BatchCommand::kRestore:
      break;
  }
  return wizard::restoreBackup;
}

// The changes that the checked rows would make, as the window shows them.
int printChanges(const std::vector<std::string>& changeList, std::ostream& out) {
  for (const std::string& line : changeList) {
    out << forTerminal(line) << "\n";
  }
  return kDone;
}

int imported(Language language, const BatchOptions& options,
             const wizard::OperationOutcome& outcome, std::ostream& out) {
  const importfile::CheckOutcome& check = outcome.check;
  if (check.verdict == importfile::Verdict::kStopped) {
    out << texts::nothingImported(language, false) << "\n";
  }
  if (check.verdict != importfile::Verdict::kFaultFree) return kFaults;
  if (options.dryRun) {
    return check.preview ? printChanges(outcome.changeList, out) : kFaults;
  }
  switch (*outcome.import) {
    case wizard::ImportOutcome::kImported:
      return kDone;
    case wizard::ImportOutcome::kDeclined:
      out << texts::nothingImported(language, true) << "\n";
      break;
    case wizard::ImportOutcome::kBusy:
      break;
  }
  return kFaults;
}

int restored(Language language, wizard::RestoreOutcome outcome, bool yes, std::ostream& out) {
  switch (outcome) {
    case wizard::RestoreOutcome::kRestored:
      return kDone;
    case wizard::RestoreOutcome::kRefused:
      return kUsage;
    case wizard::RestoreOutcome::kDeclined:
      out << texts::nothingRestored(language, !yes) << "\n";
      break;
    case wizard::RestoreOutcome::kNotAdministrator:
    case wizard::RestoreOutcome::kBusy:
      break;
  }
  return kFaults;
}

int exported(const wizard::ExportOutcome& outcome, std::ostream& out) {
  switch (outcome.result) {
    case wizard::ExportResult::kExported:
      return outcome.changed.empty() ? kDone : kFaults;
    case wizard::ExportResult::kRefused:
      out << forTerminal(outcome.refusal) << "\n";
      return kUsage;
    case wizard::ExportResult::kNotAdministrator:
      break;
  }
  return kFaults;
}

// The lines that an operation's outcome adds, and the exit status it gives.
int finished(const BatchOptions& options, Language language,
             const wizard::OperationOutcome& outcome, std::ostream& out) {
  using wizard::Shortfall;
  switch (outcome.shortfall) {
    case Shortfall::kNoDataFolder:
      if (options.dataFolder.empty()) {
        out << say(language, {"Kein Datenordner: Geben Sie ihn mit --data an.",
                              "No data folder: name it with --data.",
                              "Aucun dossier de données : indiquez-le avec --data."})
            << "\n";
      }
      return kUsage;
    case Shortfall::kReportRefused:
      out << forTerminal(outcome.detail) << "\n";
      return kUsage;
    case Shortfall::kNoSuchBackup:
      noSuchBackup(language, outcome.detail, out);
      return kUsage;
    case Shortfall::kNoImportFile:
      return kUsage;
    case Shortfall::kNone:
      break;
  }
  switch (options.command) {
    case BatchCommand::kCheck:
      return outcome.check.verdict == importfile::Verdict::kFaultFree ? kDone : kFaults;
    case BatchCommand::kImport:
      return imported(language, options, outcome, out);
    case BatchCommand::kRestore:
      return restored(language, *outcome.restore, options.yes, out);
    case BatchCommand::kExport:
      return exported(*outcome.exported, out);
    case BatchCommand::kBackups:
      break;
  }
  for (const std::string& line : outcome.backups) out << forTerminal(line) << "\n";
  return kDone;
}

// Runs a choice typed at the menu, and says what a No left undone.
void runChoice(wizard::ProgramState& state, frmPersonallader& form, const std::string& choice,
               std::ostream& out) {
  const int index = choice.size() == 1 ? choice[0] - '0' : 0;
  if (index == kRestoreChoice && form.canRestore()) {
    if (form.chooseBackupAndRestore() == wizard::RestoreOutcome::kDeclined) {
      out << texts::nothingRestored(state.language, false) << "\n";
    }
  } else if (index == kExportChoice && form.canExport()) {
    form.chooseFileAndExport();
  } else if (index == kFaultsReportChoice && form.canSaveFaultsReport()) {
    form.saveFaultsReport();
  } else if (index == kChangesChoice && form.canShowChanges()) {
    form.showChanges();
  } else if (!form.canPress(index)) {
    out << texts::invalidChoice(state.language, choice) << "\n";
  } else if (index == 3) {
    form.cmdAuswahl_Click(3);
    if (form.lastCheck().verdict == importfile::Verdict::kStopped) {
      out << texts::nothingImported(state.language, false) << "\n";
    }
  } else if (index == 4) {
    if (form.Mitarbeiterdaten_importieren() == wizard::ImportOutcome::kDeclined) {
      out << texts::nothingImported(state.language, false) << "\n";
    }
  } else {
    form.cmdAuswahl_Click(index);
  }
}

}  // namespace

int runInteractive(platform::System& system, Language language, std::istream& in, std::ostream& out,
                   bool echo) {
  TerminalDialogs dialogs(system, language, in, out, echo);
  const auto steps = [&](wizard::ProgramState& state, frmPersonallader& form) {
    form.Form_Load();
    while (!form.unloaded) {
      draw(form, language, out);
      const auto choice = dialogs.readLine();
      if (!choice) break;  // the end of the input closes the window
      runChoice(state, form, *choice, out);
    }
    out << "\n";
    return kDone;
  };
  return run(system, language, dialogs, steps);
}

int runBatch(platform::System& system, Language language, const BatchOptions& options,
             std::ostream& out) {
  if (!options.nameOutsideCodePage.empty()) {
    // The file dialog's path for such a name gets the same answer.
    out << forTerminal(wizard::texts::chosenFileMissing(
               language, startup::texts::quoted(language, options.nameOutsideCodePage)))
        << "\n";
    return kUsage;
  }
  const bool restore = options.command == BatchCommand::kRestore;
  const bool exporting = options.command == BatchCommand::kExport;
  BatchDialogs dialogs(system, language,
                       {.faultQuestions = options.command == BatchCommand::kCheck,
                        .overwrite = options.yes,
                        .dataFolder = options.dataFolder,
                        .importFile = restore || exporting ? "" : options.importFile,
                        .showRegion = options.command == BatchCommand::kCheck || exporting},
                       out);
  const wizard::OperationOptions given{
      .language = language,
      .region = options.region,
      .askDataFolder = !options.dataFolder.empty(),
      .faultsReport =
          options.faultsReport.empty() ? "" : platform::absolutePath(options.faultsReport),
      .dryRun = options.dryRun,
      .backup = restore ? absoluteUnlessName(options.importFile) : "",
      .exportFile = exporting ? platform::absolutePath(options.importFile) : "",
      .encoding = options.encoding};
  try {
    return finished(options, language, operation(options.command)(system, dialogs, given), out);
  } catch (const startup::ProgramEnd& end) {
    return end.status;
  }
}

}  // namespace console
