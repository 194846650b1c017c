#include "wizard/planner_writes.h"

#include <new>

#include "hostfiles/backup.h"
#include "hostfiles/backup_file.h"
#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_record.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/log_book.h"
#include "hostfiles/planner_texts.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

namespace {

// Hidden, and matched by none of the planner's patterns ("*.dat", "*.log"), so
// that no backup saves it.
constexpr const char* kLockFileName = ".personallader.lock";

constexpr unsigned kPauseMilliseconds = 250;
constexpr int kAttempts = 20;  // about five seconds

// A name beside the backups that no backup has; the test leaves no file of it.
constexpr std::string_view kBackupProbe = "Personallader.probe";

// `path` opened for replacing and abandoned; the message names `shown`.
void ensureOne(const startup::Context& context, const std::string& path, const std::string& shown) {
  hostfiles::FileChannel channel;
  if (!channel.open(*context.system, path, hostfiles::Modus::Output)) {
    startup::Programm_beenden(context,
                              hostfiles::texts::openFailure(context.language, shown, false));
  }
}

// Opens each file of `dataFolder` as its replacement opens it and closes it
// unchanged: the employee file, the configuration when `configurationToo`,
// and a new file in the backup folder when that exists (a missing one is
// created in the data folder, which the employee file's test covers). Ends the
// program with the open-failure message naming the first that cannot be opened.
void ensureReplaceable(const startup::Context& context, const std::string& dataFolder,
                       bool configurationToo) {
  const std::string employees = dataFolder + std::string(hostfiles::kEmployeeDataFile);
  ensureOne(context, employees, employees);
  const std::string configuration = hostfiles::configurationFile(dataFolder);
  if (configurationToo) ensureOne(context, configuration, configuration);
  const std::string backups = hostfiles::backupFolder(dataFolder);
  if (context.system->pathKind(backups) == platform::PathKind::kFolder) {
    ensureOne(context, backups + std::string(kBackupProbe), backups.substr(0, backups.size() - 1));
  }
}

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
  startup::Programm_beenden(state, texts::configurationNotWritten(state.language, file, error));
}

}  // namespace

std::unique_ptr<platform::FileLock> lockDataFolder(const startup::Context& context,
                                                   const std::string& dataFolder) {
  const std::string path = dataFolder + kLockFileName;
  for (int attempt = 1;; ++attempt) {
    platform::LockAttempt taken = context.system->lockFile(path);
    if (taken.lock != nullptr) return std::move(taken.lock);
    if (!taken.heldElsewhere) {
      startup::Programm_beenden(context,
                                hostfiles::texts::openFailure(context.language, path, false));
    }
    if (attempt == kAttempts) break;
    context.system->pause(kPauseMilliseconds);
  }
  startup::notify(context, texts::dataFolderBusy(context.language));
  return nullptr;
}

void replacePlannerData(wizard::ProgramState& state, const PlannerWrites& writes) {
  const bool flagChanges = writes.settings != writes.presentSettings;
  // Before the backup, so that nothing is written when a file cannot be replaced.
  ensureReplaceable(state, state.Datenpfad, flagChanges);
  const auto backup = hostfiles::Backup_erstellen(state, state.Datenpfad, state.Logpfad, "A");
  if (!backup) startup::Programm_beenden(state, writes.backupFailed);
  writes.writeEmployees();
  if (flagChanges) writeConfiguration(state, writes.settings);
  std::string notice =
      writes.success + startup::CR +
      texts::nowInPlanner(state.language, writes.employees, startup::Name_zitieren(state, *backup));
  // The data are replaced: a log book that cannot be written is only told.
  if (!hostfiles::Logbuch_ergänzen(state, state.Logpfad, 2, writes.logEntry)) {
    notice += startup::CR +
              texts::logEntryNotWritten(
                  state.language,
                  startup::Name_zitieren(state, hostfiles::logBookFile(state, state.Logpfad)));
  }
  startup::notify(state, notice);
}

}  // namespace wizard
