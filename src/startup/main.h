// Program start: fills the context and finds the planner's installation.
#pragma once

#include <string>

#include "startup/context.h"

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

}  // namespace startup
