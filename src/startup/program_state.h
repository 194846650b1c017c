// The one program-wide record: everything that outlives one procedure.
//
// The front-end creates it, connects the system and the dialogs, and hands it
// to Main; every routine of the program works on it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "importfile/import_row.h"
#include "startup/context.h"

namespace startup {

// The context is a base for now, so that units that need no more than it take it alone.
struct ProgramState : Context {
  using Context::Context;

  std::string Installationspfad;
  std::string Datenpfad;
  std::string Logpfad;
  std::int16_t Adminstatus = 0;
  std::string Importordner;
  std::string Importdatei;
  std::string Trennzeichen_Import;
  importfile::ImportRows ImportRows;
};

}  // namespace startup
