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

// A backup of the data folder: its file name and its line, with its
// employees or its damage.
struct BackupRow {
  std::string name;
  std::string line;
  bool damaged = false;
};
// The backups of the data folder, newest first.
std::vector<BackupRow> backupRows(wizard::ProgramState& state);
// The sentence that the data folder has no backups.
std::string noBackupsLine(const wizard::ProgramState& state);

// One line per backup of the data folder, as backupRows() has them; the
// sentence when there is none.
std::vector<std::string> backupList(wizard::ProgramState& state);

}  // namespace wizard
