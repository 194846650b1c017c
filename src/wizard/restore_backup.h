// Undoing an import: the employee list, and its fraction flag, put back from
// a backup. Calendar data and log books stay as they are.
#pragma once

#include <string>
#include <vector>

#include "wizard/program_state.h"

namespace wizard {

enum class RestoreOutcome { kNotAdministrator, kRefused, kDeclined, kBusy, kRestored };

// Restores the employee file from the backup file at `path`, after the
// administrator gate, a sound reading of the whole backup, the question with
// what the restore changes, and a backup of the present state.
RestoreOutcome restoreEmployeeFile(wizard::ProgramState& state, const std::string& path);

// One line per backup of the data folder, newest first, each with its
// employees or its damage; a sentence when there is none.
std::vector<std::string> backupList(wizard::ProgramState& state);

}  // namespace wizard
