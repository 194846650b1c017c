// Whether the planner files that an import or a restore replaces can be
// replaced, asked before anything is written.
#pragma once

#include <string>

#include "startup/context.h"

namespace hostfiles {

// Opens each file of `dataFolder` as its replacement opens it and closes it
// unchanged: the employee file, the configuration when `configurationToo`,
// and a new file in the backup folder when that exists (a missing one is
// created in the data folder, which the employee file's test covers). Ends the
// program with the open-failure message naming the first that cannot be opened.
void ensureReplaceable(const startup::Context& context, const std::string& dataFolder,
                       bool configurationToo);

}  // namespace hostfiles
