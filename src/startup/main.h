// Program start: fills the program state and reads the planner's installation settings.
#pragma once

#include "startup/program_state.h"

namespace startup {

// Fills title, regional settings (the named ones, else the system's, else
// the edition's), decimal separator, today's date stamp, user name and the
// planner's installation folder, then reads the installation settings. The
// front-end shows the wizard window afterwards.
void Main(ProgramState& state);

// When the window cannot be created because a part of the planner's
// installation is missing: says that the planner must be installed first and
// ends the program.
[[noreturn]] void reportMissingPlanner(ProgramState& state);

// Reads "Zentavo.dat" (scrambled or plain) from the installation folder, or
// else from the program's own folder, or else from the user's VirtualStore,
// and sets the data and log folders.
void Pfade_lesen(ProgramState& state);

}  // namespace startup
