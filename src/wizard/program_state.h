// The program's state: the wizard's session, what its four steps hand each
// other. The front-end creates it, connects the system and the dialogs, and
// starts the program on it (startProgram); the steps read and write it. The
// units below the wizard take the context alone, with the paths they need.
#pragma once

#include <cstdint>
#include <string>

#include "importfile/check_outcome.h"
#include "startup/context.h"

namespace wizard {

// The context is a base, so that the session can be handed to any unit that
// takes the context.
struct ProgramState : startup::Context {
  using Context::Context;

  std::string Datenpfad;
  std::string Logpfad;
  std::int16_t Adminstatus = 0;
  std::string Importordner;
  std::string Importdatei;
  // The outcome of the last check of step 3, whose rows step 4 imports.
  importfile::CheckOutcome lastCheck;
};

// The program's start: Main, then the planner's installation settings, whose
// data and log folders the session takes.
void startProgram(ProgramState& state);

}  // namespace wizard
