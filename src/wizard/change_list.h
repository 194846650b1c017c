// The change list of a fault-free check: a line for each new, removed and
// changed employee, then the count line. "import --dry-run" prints it, the
// window shows it, and both save it alike.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hostfiles/change_preview.h"
#include "startup/context.h"
#include "startup/write_target.h"
#include "wizard/program_state.h"

namespace wizard {

// The lines of `changes` and the count line of `preview`, in the code page,
// without line ends.
std::vector<std::string> changeListLines(startup::Language language,
                                         const std::vector<hostfiles::EmployeeChange>& changes,
                                         const hostfiles::ChangePreview& preview);

// Whether the session's last check has a change list: it was fault-free and
// could compare with the planner's employee file.
bool hasChangeList(const ProgramState& state);
// That change list, from a second comparison with the planner's employee
// file; nothing without one, or when that file can no longer be read.
std::optional<std::vector<std::string>> lastChangeList(const ProgramState& state);

// Why the list may not be written to `path`, as the message to show; nothing
// when it may. An existing file may be replaced only by a later change list.
std::optional<std::string> changeListRefused(const startup::Context& context,
                                             const std::string& path,
                                             const startup::ProtectedPlaces& places);

// Writes `lines` as a text file for Windows (UTF-8 with a byte order mark,
// lines ended by CR LF), replacing an older file only once it is complete. A
// file that cannot be written ends the program with a message.
void writeChangeList(const startup::Context& context, const std::string& path,
                     const std::vector<std::string>& lines);

}  // namespace wizard
