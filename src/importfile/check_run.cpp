#include "importfile/check_run.h"

#include "importfile/check_texts.h"
#include "startup/messages.h"

namespace importfile {

bool CheckRun::ask(Fault fault) {
  const std::string* name = fault.name.empty() ? nullptr : &fault.name;
  const bool yes =
      context.Sprache == startup::Language::Other ||
      context.dialogs->question(context.Programmtitel,
                                texts::question(context.Sprache, fault.row, name, fault.text));
  keep(std::move(fault));
  Fehler_gefunden = Fehler_gefunden || yes;
  return yes;
}

void CheckRun::keep(Fault fault) {
  fault.fileLine = rows[fault.row - 1].fileLine;
  faults.push_back(std::move(fault));
}

}  // namespace importfile
