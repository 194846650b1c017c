// The check of the import data: every fault of every row is put to the user,
// and the rows are brought into the form that the import writes.
#pragma once

#include "importfile/check_outcome.h"
#include "startup/program_state.h"

namespace importfile {

// Checks the import file for wizard step 3. Only a run that finds no fault at
// all ends with the fault-free verdict, and then with what an import would
// change when the planner's employee file can be read.
CheckOutcome Importdatei_checken(startup::ProgramState& state);

}  // namespace importfile
