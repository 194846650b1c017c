#include "wizard/planner_writes.h"

#include <new>

#include "hostfiles/backup.h"
#include "hostfiles/configuration_data.h"
#include "hostfiles/log_book.h"
#include "hostfiles/replaceable.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

namespace {

// After the employee file: a failure must say that it was replaced already.
void writeConfiguration(wizard::ProgramState& state, const std::string& settings) {
  int error = 0;
  try {
    hostfiles::Konfigdaten_schreiben(state, state.Datenpfad, settings);
    return;
  } catch (const startup::RunTimeError& failure) {
    error = failure.number();
  } catch (const std::bad_alloc&) {
    error = startup::kOutOfMemory;
  }
  const std::string file =
      startup::Name_zitieren(state, hostfiles::configurationFile(state.Datenpfad));
  startup::Programm_beenden(state, texts::configurationNotWritten(state.Sprache, file, error));
}

}  // namespace

void replacePlannerData(wizard::ProgramState& state, const PlannerWrites& writes) {
  const bool flagChanges = writes.settings != writes.presentSettings;
  // Before the backup, so that nothing is written when a file cannot be replaced.
  hostfiles::ensureReplaceable(state, state.Datenpfad, flagChanges);
  const auto backup = hostfiles::Backup_erstellen(state, state.Datenpfad, state.Logpfad, "A");
  if (!backup) startup::Programm_beenden(state, writes.backupFailed);
  writes.writeEmployees();
  if (flagChanges) writeConfiguration(state, writes.settings);
  std::string notice =
      writes.success + startup::CR +
      texts::nowInPlanner(state.Sprache, writes.employees, startup::Name_zitieren(state, *backup));
  // The data are replaced: a log book that cannot be written is only told.
  if (!hostfiles::Logbuch_ergänzen(state, state.Logpfad, 2, writes.logEntry)) {
    notice += startup::CR +
              texts::logEntryNotWritten(
                  state.Sprache,
                  startup::Name_zitieren(state, hostfiles::logBookFile(state, state.Logpfad)));
  }
  startup::notify(state, notice);
}

}  // namespace wizard
