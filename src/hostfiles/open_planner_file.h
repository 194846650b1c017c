// Opening a planner file of the data folder, with the message for one that is not there.
#pragma once

#include <string>

#include "startup/program_state.h"

namespace hostfiles {

// Opens `path` for reading on file number 1; ends the program with the
// not-found message unless it is a plain file (hidden and system files don't count).
void openPlannerFile(startup::ProgramState& state, const std::string& path);

}  // namespace hostfiles
