// Reading the CSV import file: separator detection, header and data rows.
#pragma once

#include <string>

#include "startup/program_state.h"

namespace importfile {

// Sets Trennzeichen_Import to the separator that occurs most often in `Zeile`
// (",", ";", ":" or tab; on a tie the later one); false when none occurs.
bool Trennzeichen(startup::ProgramState& state, std::string Zeile);

// Reads Importdatei into ImportRows (Rohzeile of each data row); false, after a
// message, when the file holds no data row or no separator.
bool Importdatei_lesen(startup::ProgramState& state);

}  // namespace importfile
