// Finding the planner's data folder from the folder the user picks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "startup/context.h"

namespace startup {

// Lets the user browse for a folder and corrects the choice to the folder that
// holds the planner's data files (the folder itself, the one above a data
// subfolder, or a "Data" or default folder below), ending with the separator.
// Nothing when the user cancelled or the folder cannot be accessed.
std::optional<std::string> Datenordner_auswählen(const Context& context, std::intptr_t ownerWindow);

// True when `folder` (ending with the separator) holds a planner data file, one
// whose name matches "*Data.dat". Raises run-time error 52 when the folder
// cannot be read.
bool holdsPlannerData(const Context& context, const std::string& folder);

}  // namespace startup
