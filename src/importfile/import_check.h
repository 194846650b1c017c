// The check of the import data: every fault of every row is put to the user,
// and the rows are brought into the form that the import writes.
#pragma once

#include <string>

#include "importfile/check_outcome.h"
#include "startup/context.h"

namespace importfile {

// What a check reads.
struct CheckInput {
  std::string Importdatei;
  // The data folder whose employee file an import would replace.
  std::string dataFolder;
};

// Checks the import file for wizard step 3; whether the user may import is
// the caller's to decide first. Only a run that finds no fault at all ends
// with the fault-free verdict, and then with what an import would change when
// the planner's employee file can be read.
CheckOutcome Importdatei_checken(const startup::Context& context, const CheckInput& input);

}  // namespace importfile
