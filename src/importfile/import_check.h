// The check of the import data: every fault of every row is put to the user,
// and the rows are brought into the form that the import writes.
#pragma once

#include <functional>

#include "startup/program_state.h"

namespace importfile {

// Checks the import file for wizard step 3. Only a run that finds no fault at
// all calls `openStep4`, after its verdict message, so that the wizard can move
// on to the import.
void Importdatei_checken(startup::ProgramState& state, const std::function<void()>& openStep4);

}  // namespace importfile
