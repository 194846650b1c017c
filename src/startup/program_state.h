// The one program-wide record: everything that outlives one procedure.
//
// The front-end creates it, connects the system and the dialogs, and hands it
// to Main; every routine of the program works on it. Arrays that the planner
// numbers from 1 hold element n at index n - 1.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "importfile/check_outcome.h"
#include "startup/context.h"

namespace startup {

// The context is a base for now, so that units that need no more than it take it alone.
struct ProgramState : Context {
  using Context::Context;

  std::string Datenpfad;
  std::string Logpfad;
  std::int16_t Adminstatus = 0;
  std::string Importordner;
  std::string Importdatei;
  // The outcome of the last check of step 3, whose rows step 4 imports.
  importfile::CheckOutcome lastCheck;
};

}  // namespace startup
