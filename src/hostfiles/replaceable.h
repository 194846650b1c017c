// Whether the planner files that an import or a restore replaces can be
// replaced, asked before anything is written.
#pragma once

#include "startup/program_state.h"

namespace hostfiles {

// Opens each file as its replacement opens it and closes it unchanged: the
// employee file, the configuration when `configurationToo`, and a new file in
// the backup folder when that exists (a missing one is created in the data
// folder, which the employee file's test covers). Ends the program with the
// open-failure message naming the first that cannot be opened.
void ensureReplaceable(startup::ProgramState& state, bool configurationToo);

}  // namespace hostfiles
