// The planner's monthly log book in the log folder.
#pragma once

#include <cstdint>
#include <string>

#include "startup/context.h"

namespace hostfiles {

// This month's log file in `logFolder`: one per month, named after the day
// the program started.
std::string logBookFile(const startup::Context& context, const std::string& logFolder);

// Appends an entry to this month's log file; kind 2 marks an administrator
// entry. Nothing when there is no log folder (`logFolder` empty). False when the entry could not
// be written: the file is then left as it was, and a file that the entry
// would have begun is not left behind. Shows nothing.
bool Logbuch_ergänzen(const startup::Context& context, const std::string& logFolder,
                      std::uint8_t Art, const std::string& Text);

}  // namespace hostfiles
