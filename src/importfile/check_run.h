// One run of the import data check: the rows it works on, the mark of faults
// that the user chose to pass over, and the question protocol.
#pragma once

#include <string>
#include <vector>

#include "importfile/check_outcome.h"
#include "startup/context.h"

namespace importfile {

// `data` must outlive the run.
struct CheckRun {
  CheckRun(const startup::Context& shownTo, ImportData& data)
      : context(shownTo), rows(data.rows), separator(data.Trennzeichen_Import) {}

  // Puts `fault` to the user, with its name in the head unless that is empty,
  // and keeps it. Yes sets Fehler_gefunden and gives true; No gives false, and
  // the run must end at once. Without a language of its own every question
  // counts as answered Yes.
  bool ask(Fault fault);
  // Keeps `fault` with the line of the file where its row begins.
  void keep(Fault fault);

  const startup::Context& context;
  ImportRows& rows;
  const char separator;
  bool Fehler_gefunden = false;
  std::vector<Fault> faults;  // in the order asked
};

// A row whose name begins with ">" is a line of text for the employee data file.
inline bool isTextRow(const ImportRow& row) { return !row.Name.empty() && row.Name[0] == '>'; }

}  // namespace importfile
