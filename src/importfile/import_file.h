// Reading the CSV import file: separator detection, header and data rows.
#pragma once

#include <string_view>

#include "startup/program_state.h"

namespace importfile {

// Sets Trennzeichen_Import to the separator that occurs most often in the
// first record of `text` outside its quoted fields (",", ";", ":" or tab; on a
// tie the later one); false when none occurs. The first record is the first
// line, or more where a quoted field holds a line end. Only Importdatei_lesen
// may call it: a first record beyond the planner's counters leaves to it.
bool Trennzeichen(startup::ProgramState& state, std::string_view text);

// Reads Importdatei into ImportRows, one row for each record that holds the
// separator outside its quoted fields (Rohzeile of each data row, and the line
// of the file where it begins); false, after a message, when the file holds no
// data row or no separator, or more than the planner's counters take.
bool Importdatei_lesen(startup::ProgramState& state);

}  // namespace importfile
