// The backup of the planner's data and log files, in the folder "Backups" of
// the data folder.
#pragma once

#include <optional>
#include <string>

#include "startup/program_state.h"

namespace hostfiles {

// Saves every data file of the data folder and every log file of the log
// folder into one new backup file of kind `Art` (one letter). Gives the new
// file's name, nothing when the backup file cannot be written.
std::optional<std::string> Backup_erstellen(startup::ProgramState& state, const std::string& Art);

}  // namespace hostfiles
