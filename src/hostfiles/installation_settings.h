// The planner's installation settings "Zentavo.dat": where its data and log
// folders are.
#pragma once

#include <string>

#include "startup/context.h"

namespace hostfiles {

// The folders that the settings name, each ending with the separator; empty
// where the settings name none.
struct PlannerFolders {
  std::string data;
  std::string log;
};

// Reads "Zentavo.dat" (scrambled or plain) from `installationFolder`, or else
// from the program's own folder, or else from the user's VirtualStore. A
// missing or malformed plain file names no folder; a scrambled one that ends
// early ends the program with the read error.
PlannerFolders Pfade_lesen(const startup::Context& context, const std::string& installationFolder);

}  // namespace hostfiles
