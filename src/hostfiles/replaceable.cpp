#include "hostfiles/replaceable.h"

#include "hostfiles/backup_file.h"
#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_record.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/planner_texts.h"
#include "startup/messages.h"

namespace hostfiles {

namespace {

// A name beside the backups that no backup has; the test leaves no file of it.
constexpr std::string_view kBackupProbe = "Personallader.probe";

// `path` opened for replacing and abandoned; the message names `shown`.
void ensureOne(startup::ProgramState& state, const std::string& path, const std::string& shown) {
  FileChannel channel;
  if (!channel.open(*state.system, path, Modus::Output)) {
    startup::Programm_beenden(state, texts::openFailure(state.Sprache, shown, false));
  }
}

}  // namespace

void ensureReplaceable(startup::ProgramState& state, bool configurationToo) {
  const std::string employees = state.Datenpfad + std::string(kEmployeeDataFile);
  ensureOne(state, employees, employees);
  if (configurationToo) ensureOne(state, configurationFile(state), configurationFile(state));
  const std::string backups = backupFolder(state);
  if (state.system->pathKind(backups) == platform::PathKind::kFolder) {
    ensureOne(state, backups + std::string(kBackupProbe), backups.substr(0, backups.size() - 1));
  }
}

}  // namespace hostfiles
