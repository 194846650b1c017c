// The backup of the planner's data and log files, in the folder "Backups" of
// the data folder.
#pragma once

#include <optional>
#include <string>

#include "startup/context.h"

namespace hostfiles {

// Saves every data file of `dataFolder` and every log file of `logFolder`
// (none when it is empty) into one new backup file of kind `Art` (one
// letter). Gives the new file's name, nothing when the backup file cannot be
// written.
std::optional<std::string> Backup_erstellen(const startup::Context& context,
                                            const std::string& dataFolder,
                                            const std::string& logFolder, const std::string& Art);

}  // namespace hostfiles
