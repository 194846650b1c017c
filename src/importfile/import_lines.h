// The text of the import file in the program's code page, and its lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "startup/program_state.h"

namespace importfile {

// Reads Importdatei once, whole, through file number 1 and closes it again. A
// file written in UTF-8 or UTF-16 is decoded (see text_decoding.h); a file of
// nothing but a byte order mark, or one and a line end, has no text. A file
// that cannot be opened ends the program with the open-failure message; a
// read error raises a run-time error.
std::string readImportText(startup::ProgramState& state);

// The lines of `text` as the file channel splits them, views into it.
std::vector<std::string_view> importLines(std::string_view text);

}  // namespace importfile
