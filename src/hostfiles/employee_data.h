// The planner's employee data file "Mitarbeiterdaten.dat" in the data folder:
// its layout, shared by the reader and the writer.
#pragma once

#include "startup/program_state.h"

namespace hostfiles {

// Reads the file into Mitarbeiter_Kopf, Mitarbeiter_Zahl and the six
// Mitarbeiter_ arrays; older line forms are brought into the current one.
// Ends the program with a message when the file is missing or damaged.
void Mitarbeiterdaten_lesen(startup::ProgramState& state);

// Writes the file anew from the checked ImportRows: header, head value
// ("99999999" when it was empty), the whole number, then one entry line per
// row. Run-time errors go to the caller's handler.
void writeEmployeeData(startup::ProgramState& state);

}  // namespace hostfiles
