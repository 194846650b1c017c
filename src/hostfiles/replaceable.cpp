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
void ensureOne(const startup::Context& context, const std::string& path, const std::string& shown) {
  FileChannel channel;
  if (!channel.open(*context.system, path, Modus::Output)) {
    startup::Programm_beenden(context, texts::openFailure(context.Sprache, shown, false));
  }
}

}  // namespace

void ensureReplaceable(const startup::Context& context, const std::string& dataFolder,
                       bool configurationToo) {
  const std::string employees = dataFolder + std::string(kEmployeeDataFile);
  ensureOne(context, employees, employees);
  const std::string configuration = configurationFile(dataFolder);
  if (configurationToo) ensureOne(context, configuration, configuration);
  const std::string backups = backupFolder(dataFolder);
  if (context.system->pathKind(backups) == platform::PathKind::kFolder) {
    ensureOne(context, backups + std::string(kBackupProbe), backups.substr(0, backups.size() - 1));
  }
}

}  // namespace hostfiles
