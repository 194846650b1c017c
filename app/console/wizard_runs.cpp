#include "wizard_runs.h"

#include <ostream>
#include <utility>

#include "batch_dialogs.h"
#include "console_texts.h"
#include "hostfiles/backup_file.h"
#include "hostfiles/employee_data.h"
#include "importfile/check_texts.h"
#include "importfile/faults_report.h"
#include "platform/terminal.h"
#include "startup/main.h"
#include "startup/messages.h"
#include "startup/startup_texts.h"
#include "terminal_dialogs.h"
#include "terminal_text.h"
#include "wizard/restore_backup.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace console {

namespace {

using startup::Language;
using wizard::Bild;
using wizard::frmPersonallader;
using wizard::WizardState;

// The choice after the five buttons: restoring a backup.
constexpr int kRestoreChoice = 6;

void draw(frmPersonallader& form, Language language, std::ostream& out) {
  out << "\n" << forTerminal(form.Caption) << "\n";
  for (int step = 1; step <= 4; ++step) {
    const Bild picture = form.imgIcon(step).picture;
    out << (picture == Bild::OK      ? "  [x] "
            : picture == Bild::Pfeil ? "  [>] "
                                     : "  [ ] ")
        << forTerminal(form.fraRahmen(step).Caption) << "\n";
  }
  for (int index = 1; index <= 5; ++index) {
    if (form.canPress(index)) {
      out << "  " << index << " = " << forTerminal(form.cmdAuswahl(index).Caption) << "\n";
    }
  }
  if (form.canRestore()) {
    out << "  " << kRestoreChoice << " = " << forTerminal(wizard::texts::restoreCommand(language))
        << "\n";
  }
  out << say(language, {"Auswahl: ", "Choice: ", "Choix : "}) << std::flush;
}

// Runs the program's start and the wizard's procedures; a fatal message or an
// error report ends the run with its status.
template <typename Steps>
int run(platform::System& system, Language language, startup::Dialogs& dialogs,
        std::optional<platform::RegionalSettings> region, Steps&& steps) {
  startup::ProgramState state(system, dialogs);
  state.Sprache = language;
  state.NamedRegion = std::move(region);
  try {
    startup::Pfade_lesen(state, startup::Main(state));
    frmPersonallader form(state);
    return steps(state, form);
  } catch (const startup::ProgramEnd& end) {
    return end.status;
  }
}

// The changes that the checked rows would make, one line each, then the count
// line. Without a readable employee file the import would end at its reading.
int printChanges(startup::ProgramState& state, const importfile::CheckOutcome& check,
                 std::ostream& out) {
  if (!check.preview) {
    hostfiles::Mitarbeiterdaten_lesen(state);  // ends the program with the import's message
    return kFaults;
  }
  for (const importfile::EmployeeChange& change : check.preview->changes) {
    out << forTerminal(importfile::texts::changeLine(state.Sprache, change)) << "\n";
  }
  out << forTerminal(importfile::texts::previewCounts(
             state.Sprache, importfile::texts::Replacement::kImport, *check.preview))
      << "\n";
  return kDone;
}

// Step 1 as the command line asks for it: the folder of the command line
// replaces the one of the planner's settings, and its log folder is found
// from it as in step 1, since the log folder of the settings belongs to
// another installation.
bool dataFolderKnown(startup::ProgramState& state, frmPersonallader& form,
                     const std::string& dataFolder, std::ostream& out) {
  if (!dataFolder.empty()) {
    state.Datenpfad.clear();
    state.Logpfad.clear();
  }
  form.Form_Load();
  if (!dataFolder.empty()) form.cmdAuswahl_Click(1);
  if (form.wizardState() != WizardState::kChooseDataFolder) return true;
  if (dataFolder.empty()) {
    out << say(state.Sprache, {"Kein Datenordner: Geben Sie ihn mit --data an.",
                               "No data folder: name it with --data.",
                               "Aucun dossier de données : indiquez-le avec --data."})
        << "\n";
  }
  return false;
}

// The regional settings that dates and numbers are read in, since the locale
// of a server or a container may name none.
void regionLine(const startup::ProgramState& state, std::ostream& out) {
  out << say(state.Sprache,
             {"Regionale Einstellungen: ", "Regional settings: ", "Paramètres régionaux : "})
      << forTerminal(state.Region.name)
      << say(state.Sprache,
             {" (ändern mit --region)", " (change with --region)", " (à changer avec --region)"})
      << "\n";
}

// A backup named as in the list lies in the backup folder; any other is a path.
std::string backupPath(startup::ProgramState& state, const std::string& backup) {
  return backup.find(platform::kSeparator) == std::string::npos
             ? hostfiles::backupFolder(state) + backup
             : platform::absolutePath(backup);
}

// The restore of the backup file at `path`; nothing, after a line that says
// so, when there is no such file.
std::optional<wizard::RestoreOutcome> restoreFrom(startup::ProgramState& state,
                                                  const std::string& path, std::ostream& out) {
  if (state.system->pathKind(path) == platform::PathKind::kMissing) {
    out << forTerminal(path) << "\n" << texts::noSuchBackup(state.Sprache) << "\n";
    return std::nullopt;
  }
  return wizard::Sicherung_wiederherstellen(state, path);
}

int restore(startup::ProgramState& state, const std::string& backup, bool yes, std::ostream& out) {
  const auto outcome = restoreFrom(state, backupPath(state, backup), out);
  if (!outcome) return kUsage;
  switch (*outcome) {
    case wizard::RestoreOutcome::kRestored:
      return kDone;
    case wizard::RestoreOutcome::kRefused:
      return kUsage;
    case wizard::RestoreOutcome::kDeclined:
      out << texts::nothingRestored(state.Sprache, !yes) << "\n";
      break;
    case wizard::RestoreOutcome::kNotAdministrator:
    case wizard::RestoreOutcome::kBusy:
      break;
  }
  return kFaults;
}

// Choice 6: the backups numbered as "backups" lists them, and the restore of
// the one named by its number or name.
void chooseAndRestore(startup::ProgramState& state, TerminalDialogs& dialogs, std::ostream& out) {
  const std::vector<std::string> lines = wizard::backupList(state);
  const std::vector<std::string> names = hostfiles::backupNames(state);
  if (names.empty()) {
    out << "\n" << forTerminal(lines.front()) << "\n";
    return;
  }
  out << "\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out << "  " << i + 1 << "  " << forTerminal(lines[i]) << "\n";
  }
  out << texts::backupPrompt(state.Sprache) << std::flush;
  const auto answer = dialogs.readLine();
  if (!answer || answer->empty()) return;
  const bool isNumber = answer->find_first_not_of("0123456789") == std::string::npos;
  const std::size_t number = isNumber && answer->size() < 6 ? std::stoul(*answer) : 0;
  const std::string name = number >= 1 && number <= names.size() ? names[number - 1] : *answer;
  if (restoreFrom(state, backupPath(state, name), out) == wizard::RestoreOutcome::kDeclined) {
    out << texts::nothingRestored(state.Sprache, false) << "\n";
  }
}

// Runs a choice typed at the menu, and says what a No left undone.
void runChoice(startup::ProgramState& state, frmPersonallader& form, TerminalDialogs& dialogs,
               const std::string& choice, std::ostream& out) {
  const int index = choice.size() == 1 ? choice[0] - '0' : 0;
  if (index == kRestoreChoice && form.canRestore()) {
    chooseAndRestore(state, dialogs, out);
  } else if (!form.canPress(index)) {
    out << texts::invalidChoice(state.Sprache, choice) << "\n";
  } else if (index == 3) {
    if (form.Importdatei_checken().verdict == importfile::Verdict::kStopped) {
      out << texts::nothingImported(state.Sprache, false) << "\n";
    }
  } else if (index == 4) {
    if (form.Mitarbeiterdaten_importieren() == wizard::ImportOutcome::kDeclined) {
      out << texts::nothingImported(state.Sprache, false) << "\n";
    }
  } else {
    form.cmdAuswahl_Click(index);
  }
}

}  // namespace

int runInteractive(platform::System& system, Language language, std::istream& in, std::ostream& out,
                   bool echo) {
  TerminalDialogs dialogs(system, language, in, out, echo);
  const auto steps = [&](startup::ProgramState& state, frmPersonallader& form) {
    form.Form_Load();
    while (!form.unloaded) {
      draw(form, language, out);
      const auto choice = dialogs.readLine();
      if (!choice) break;  // the end of the input closes the window
      runChoice(state, form, dialogs, *choice, out);
    }
    out << "\n";
    return kDone;
  };
  return run(system, language, dialogs, {}, steps);
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
  const bool check = options.command == BatchCommand::kCheck;
  BatchDialogs dialogs(system, language,
                       {check, options.yes, options.dataFolder,
                        options.command == BatchCommand::kRestore ? "" : options.importFile},
                       out);
  const auto steps = [&](startup::ProgramState& state, frmPersonallader& form) {
    if (check) regionLine(state, out);
    if (!dataFolderKnown(state, form, options.dataFolder, out)) return kUsage;
    switch (options.command) {
      case BatchCommand::kBackups:
        for (const std::string& line : wizard::backupList(state)) out << forTerminal(line) << "\n";
        return kDone;
      case BatchCommand::kRestore:
        return restore(state, options.importFile, options.yes, out);
      case BatchCommand::kCheck:
      case BatchCommand::kImport:
        break;
    }
    form.cmdAuswahl_Click(2);
    if (form.wizardState() == WizardState::kChooseImportFile) return kUsage;
    const std::string report =
        options.faultsReport.empty() ? "" : platform::absolutePath(options.faultsReport);
    if (const auto refused =
            report.empty() ? std::nullopt : importfile::faultsReportRefused(state, report)) {
      out << forTerminal(*refused) << "\n";
      return kUsage;
    }
    form.cmdAuswahl_Click(3);
    const importfile::CheckOutcome& outcome = form.lastCheck();
    if (!report.empty() && outcome.verdict != importfile::Verdict::kNotChecked) {
      importfile::writeFaultsReport(state, report, outcome.faults);
    }
    if (outcome.verdict == importfile::Verdict::kStopped && !check) {
      out << texts::nothingImported(language, false) << "\n";
    }
    if (form.wizardState() == WizardState::kCheckImportData) return kFaults;
    if (check) return kDone;
    if (options.dryRun) return printChanges(state, outcome, out);
    switch (form.Mitarbeiterdaten_importieren()) {
      case wizard::ImportOutcome::kImported:
        return kDone;
      case wizard::ImportOutcome::kDeclined:
        out << texts::nothingImported(language, true) << "\n";
        break;
      case wizard::ImportOutcome::kBusy:
        break;
    }
    return kFaults;
  };
  return run(system, language, dialogs, options.region, steps);
}

}  // namespace console
