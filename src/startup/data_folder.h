// Finding the planner's data folder from the folder the user picks.
#pragma once

#include <cstdint>

#include "startup/program_state.h"

namespace startup {

// Lets the user browse for a folder and corrects the choice to the folder that
// holds the planner's data files (the folder itself, the one above a data
// subfolder, or a "Data" or default folder below). True with Datenpfad set
// (ending with the separator); false with Datenpfad empty when the user
// cancelled or the folder cannot be accessed.
bool Datenordner_auswählen(ProgramState& state, std::intptr_t ownerWindow);

// True when `folder` (ending with the separator) holds a planner data file, one
// whose name matches "*Data.dat". Raises run-time error 52 when the folder
// cannot be read.
bool holdsPlannerData(ProgramState& state, const std::string& folder);

}  // namespace startup
