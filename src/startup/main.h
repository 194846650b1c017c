// Program start: fills the program state and finds the planner's installation.
#pragma once

#include "startup/program_state.h"

namespace startup {

// Fills title, regional settings (the named ones, else the system's, else
// the edition's), decimal separator, today's date stamp, user name and the
// planner's installation folder. The front-end reads the installation
// settings and shows the wizard window afterwards.
void Main(ProgramState& state);

// When the window cannot be created because a part of the planner's
// installation is missing: says that the planner must be installed first and
// ends the program.
[[noreturn]] void reportMissingPlanner(ProgramState& state);

// The folder `root`\VirtualStore\Program Files\, where Windows keeps what a
// legacy program wrote below Program Files.
std::string virtualStore(const std::string& root);
// The folder of the planner's edition below `base` (which ends with the
// separator), with its final separator.
std::string installationFolder(const Context& context, const std::string& base);

}  // namespace startup
