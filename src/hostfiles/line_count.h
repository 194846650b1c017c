// Counting the lines of a planner file at the speed of reading it: a backup
// counts every line of a data folder before it copies them.
#pragma once

#include <cstddef>
#include <optional>

#include "hostfiles/file_channel.h"

namespace hostfiles {

// The lines left on `channel` when each ends in CR LF, as the planner writes
// them, and holds from one byte to kMaxLineLength; nothing for any other file,
// which only a reading line by line can judge. Read errors are raised.
std::optional<std::size_t> countWrittenLines(FileChannel& channel);

}  // namespace hostfiles
