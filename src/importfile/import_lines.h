// The text of the import file in the program's code page.
#pragma once

#include <string>

#include "startup/context.h"

namespace importfile {

// Reads `Importdatei` once, whole, and closes it again. A file written in
// UTF-8 or UTF-16 is decoded (see text_decoding.h); a file of nothing but a
// byte order mark, or one and a line end, has no text. A file
// that cannot be opened ends the program with the open-failure message; a
// read error raises a run-time error.
std::string readImportText(const startup::Context& context, const std::string& Importdatei);

}  // namespace importfile
