// The lines of the import file, in the program's code page.
#pragma once

#include <string>
#include <vector>

#include "startup/program_state.h"

namespace importfile {

// Reads Importdatei through file number 1, every line as it stands, and closes
// it again. A file written in UTF-8 or UTF-16 is decoded (see text_decoding.h);
// a file of nothing but a byte order mark has no lines. A file that cannot be
// opened ends the program with the open-failure message; a read error raises
// a run-time error.
std::vector<std::string> readImportLines(startup::ProgramState& state);

}  // namespace importfile
