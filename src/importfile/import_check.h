// The check of the import data: every fault of every row is put to the user,
// and the rows are brought into the form that the import writes. A run holds
// what its passes over the rows share.
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
inline bool isTextRow(const ImportRow& row) { return row.Name().starts_with('>'); }

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
