// One import or restore at a time per data folder.
#pragma once

#include <memory>

#include <string>

#include "platform/system.h"
#include "startup/context.h"

namespace wizard {

// The lock on `dataFolder`, to hold from before the first read of the
// planner's files to the end of the run. Another run that holds it is waited
// for a few seconds; then the user is told and the result is empty. A lock
// file that cannot be made ends the program with the open-failure message.
std::unique_ptr<platform::FileLock> lockDataFolder(const startup::Context& context,
                                                   const std::string& dataFolder);

}  // namespace wizard
