// "personallader decode" and "personallader encode": the plain text of planner
// files for administrators and support staff, and scrambled lines made from it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/system.h"
#include "startup/language.h"

namespace console {

// Writes the plain text of every line of `files` (code page paths) to `out` as
// UTF-8; with several files each is headed by "==> name <==". Returns the exit
// status: 0, or 1 after a message on `err` for a file that cannot be read or is
// not made of scrambled lines.
int decodeFiles(platform::System& system, startup::Language language,
                const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

// Reads UTF-8 lines from `in` and writes them to `out` as scrambled lines in the
// code page, each ended by CR LF. Returns 0, or 1 after a message on `err` for
// input that is not UTF-8 or a line too long for the planner.
int encodeLines(platform::System& system, startup::Language language, std::istream& in,
                std::ostream& out, std::ostream& err);

}  // namespace console
