// What an import and a restore share: the lock on the data folder, and the
// writes after the user agreed.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/system.h"
#include "startup/context.h"

#include "wizard/program_state.h"

namespace wizard {

// The lock on `dataFolder`, to hold from before the first read of the
// planner's files to the end of the run: one import or restore at a time per
// data folder. Another run that holds it is waited for a few seconds; then the
// user is told and the result is empty. A lock file that cannot be made ends
// the program with the open-failure message.
std::unique_ptr<platform::FileLock> lockDataFolder(const startup::Context& context,
                                                   const std::string& dataFolder);

struct PlannerWrites {
  std::string presentSettings;  // the settings line that the configuration holds
  std::string settings;  // the settings line wanted; the configuration is rewritten when it differs
  std::function<void()> writeEmployees;  // replaces the employee file; errors to the caller
  std::string backupFailed;              // the message when the backup cannot be made
  std::string logEntry;
  std::string success;    // the notice once everything is written
  std::size_t employees;  // how many the planner holds afterwards
};

// Makes sure that every file to be replaced can be, backs the data folder up,
// replaces the employee file and the configuration, adds the log entry and
// shows the success notice with the employees now held and the backup's name,
// which is what a restore would need. Any failure before the notice ends the program
// with a message; a log entry that cannot be written only adds a line to it.
void replacePlannerData(wizard::ProgramState& state, const PlannerWrites& writes);

}  // namespace wizard
