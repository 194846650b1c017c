// A path that the user names for the program to write (a faults report, an
// export): it never leads into the planner's data or log folder, never to the
// file being read, and replaces only a file of its own kind.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/system.h"
#include "startup/context.h"

namespace startup {

enum class TargetRefusal {
  kFileBeingRead,
  kInDataFolder,  // the Backups folder lies in it
  kInLogFolder,
  kNotOfItsKind,  // an existing file (or folder) that it may not replace
};

struct ProtectedPlaces {
  std::string dataFolder;
  std::string logFolder;
  std::string fileBeingRead;
};

// Why `target` may not be written, or nothing when it may. `ofItsKind` tells
// whether an existing file is an earlier one of the kind being written.
std::optional<TargetRefusal> writeTargetRefusal(
    platform::System& system, const std::string& target, const ProtectedPlaces& places,
    const std::function<bool(const std::string& path)>& ofItsKind);

// The message that refuses `target`, naming it, or nothing when it may be written.
std::optional<std::string> writeTargetRefused(
    const Context& context, const std::string& target, const ProtectedPlaces& places,
    const std::function<bool(const std::string& path)>& ofItsKind);

// The first `size` bytes of the file at `path`, fewer where it is shorter;
// nothing when it cannot be read. Enough to tell a file of one's own kind.
std::optional<std::string> fileStart(platform::System& system, const std::string& path,
                                     std::size_t size);

}  // namespace startup
