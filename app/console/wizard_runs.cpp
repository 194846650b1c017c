#include "wizard_runs.h"

#include <ostream>
#include <utility>

#include "batch_dialogs.h"
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
    startup::Main(state);
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
  out << forTerminal(importfile::texts::previewCounts(state.Sprache, *check.preview)) << "\n";
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
int restore(startup::ProgramState& state, const std::string& backup, std::ostream& out) {
  const std::string path = backup.find(platform::kSeparator) == std::string::npos
                               ? hostfiles::backupFolder(state) + backup
                               : platform::absolutePath(backup);
  if (state.system->pathKind(path) == platform::PathKind::kMissing) {
    out << forTerminal(path) << "\n"
        << say(state.Sprache,
               {"Keine solche Sicherung.", "No such backup.", "Sauvegarde introuvable."})
        << "\n";
    return kUsage;
  }
  switch (wizard::Sicherung_wiederherstellen(state, path)) {
    case wizard::RestoreOutcome::kRestored:
      return kDone;
    case wizard::RestoreOutcome::kRefused:
      return kUsage;
    case wizard::RestoreOutcome::kNotAdministrator:
    case wizard::RestoreOutcome::kDeclined:
    case wizard::RestoreOutcome::kBusy:
      break;
  }
  return kFaults;
}

}  // namespace

int runInteractive(platform::System& system, Language language, std::istream& in, std::ostream& out,
                   bool echo) {
  TerminalDialogs dialogs(system, language, in, out, echo);
  return run(system, language, dialogs, {}, [&](startup::ProgramState&, frmPersonallader& form) {
    form.Form_Load();
    while (!form.unloaded) {
      draw(form, language, out);
      const auto choice = dialogs.readLine();
      if (!choice) break;  // the end of the input closes the window
      const int index = choice->size() == 1 ? (*choice)[0] - '0' : 0;
      if (index == kRestoreChoice) {
        form.Sicherung_auswählen();
      } else {
        form.cmdAuswahl_Click(index);
      }
    }
    out << "\n";
    return kDone;
  });
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
        return restore(state, options.importFile, out);
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
    if (form.wizardState() == WizardState::kCheckImportData) return kFaults;
    if (check) return kDone;
    if (options.dryRun) return printChanges(state, outcome, out);
    form.cmdAuswahl_Click(4);
    return form.wizardState() == WizardState::kFinished ? kDone : kFaults;
  };
  return run(system, language, dialogs, options.region, steps);
}

}  // namespace console
