// Opening a planner file of the data folder, with the message for one that is not there.
#pragma once

#include <string>

#include "hostfiles/file_channel.h"
#include "startup/context.h"

namespace hostfiles {

// Opens `path` for reading on `channel`; ends the program with the not-found
// message unless it is a plain file (hidden and system files don't count).
void openPlannerFile(const startup::Context& context, FileChannel& channel,
                     const std::string& path);

}  // namespace hostfiles
