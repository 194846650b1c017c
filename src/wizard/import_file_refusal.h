// Whether the file chosen in step 2 can be the import file.
#pragma once

#include <string>

#include "startup/context.h"

namespace wizard {

// True, after telling the user why, unless `path` names a file (hidden or not)
// that can be read as the import file. A folder, a device or a pipe is none (a
// pipe or a device may never end), and neither is a name that the code page
// could not hold (its lost characters show as "?"), which names no file that
// the program can open.
bool refusedAsImportFile(const startup::Context& context, const std::string& path);

}  // namespace wizard
