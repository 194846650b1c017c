// Program start: fills the context and finds the planner's installation.
#pragma once

#include <string>

#include "startup/context.h"
// For Pfade_lesen, which works on the program state until it takes a channel of its own.
#include "startup/program_state.h"

namespace startup {

// Fills title, regional settings (the named ones, else the system's, else
// the edition's), decimal separator, today's date stamp and user name, and
// gives the planner's installation folder. The front-end reads the
// installation settings and shows the wizard window afterwards.
std::string Main(Context& context);

// When the window cannot be created because a part of the planner's
// installation is missing: says that the planner must be installed first and
// ends the program.
[[noreturn]] void reportMissingPlanner(const Context& context);

// The folder `root`\VirtualStore\Program Files\, where Windows keeps what a
// legacy program wrote below Program Files.
std::string virtualStore(const std::string& root);
// The planner's installation folder below `base`: the English or French
// edition's where one is there, else the German one's.
std::string installationFolder(const Context& context, const std::string& base);

// Reads "Zentavo.dat" (scrambled or plain) from `installation`, or else from
// the program's own folder, or else from the user's VirtualStore, and sets the
// data and log folders.
void Pfade_lesen(ProgramState& state, const std::string& installation);

}  // namespace startup
