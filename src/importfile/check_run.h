// One run of the import data check: the state it works on, the mark of faults
// that the user chose to pass over, and the question protocol.
#pragma once

#include <cstddef>
#include <string>

#include "startup/program_state.h"

namespace importfile {

struct CheckRun {
  explicit CheckRun(startup::ProgramState& checked) : state(checked) {}

  // Puts the fault `error` of row `row` (counted from 1) to the user, with the
  // row's `name` in the head when given. Yes sets Fehler_gefunden and gives
  // true; No gives false, and the run must end at once. Without a language of
  // its own every question counts as answered Yes.
  bool ask(std::size_t row, const std::string* name, const std::string& error);

  startup::ProgramState& state;
  bool Fehler_gefunden = false;
};

// Shows `text` as a notice unless the language has no texts.
void notify(startup::ProgramState& state, const std::string& text);

// A row whose name begins with ">" is a line of text for the employee data file.
inline bool isTextRow(const ImportRow& row) { return !row.Name.empty() && row.Name[0] == '>'; }

}  // namespace importfile
