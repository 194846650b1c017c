// The start's answer to a wizard window that cannot be created: a part of the
// user interface is missing, which means that the planner is not installed.
#pragma once

#include "startup/program_state.h"

namespace win32ui {

// Shows that the planner must be installed first, and ends the program.
[[noreturn]] void reportMissingPlanner(startup::ProgramState& state);

}  // namespace win32ui
