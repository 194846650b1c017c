// The writes that an import and a restore share, after the user agreed.
#pragma once

#include <functional>
#include <string>

#include "wizard/program_state.h"

namespace wizard {

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
