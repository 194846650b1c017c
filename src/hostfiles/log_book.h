// The planner's monthly log book in the log folder.
#pragma once

#include <cstdint>
#include <string>

#include "startup/program_state.h"

namespace hostfiles {

// Appends an entry to this month's log file; kind 2 marks an administrator
// entry. Silent when there is no log folder or the file cannot be opened.
void Logbuch_ergänzen(startup::ProgramState& state, std::uint8_t Art, const std::string& Text);

}  // namespace hostfiles
