#include "importfile/import_check.h"

#include "hostfiles/configuration_data.h"
#include "importfile/check_texts.h"
#include "importfile/column_values.h"
#include "importfile/duplicates.h"
#include "importfile/import_file.h"
#include "importfile/row_structure.h"
#include "startup/messages.h"

namespace importfile {

namespace {

// True when the run ends with the fault-free verdict.
bool checkRun(startup::ProgramState& state) {
  hostfiles::Konfigdaten_lesen(state);
  if (state.Adminstatus != 2) {
    notify(state, texts::notAdministrator(state.Sprache));
    return false;
  }
  if (!Importdatei_lesen(state)) return false;
  CheckRun run(state);
  removeQuotes(state);
  if (!checkForbiddenCharacters(run) || !splitRows(run) || !checkColumnValues(run) ||
      !checkDuplicates(run)) {
    return false;
  }
  if (run.Fehler_gefunden) {
    notify(state, texts::verdictWithErrors(state.Sprache));
    return false;
  }
  notify(state, texts::verdictFaultFree(state.Sprache));
  return true;
}

}  // namespace

void Importdatei_checken(startup::ProgramState& state, const std::function<void()>& openStep4) {
  const bool faultFree = startup::guarded(state, "frmPersonallader - Importdatei_checken",
                                          [&] { return checkRun(state); });
  if (faultFree) openStep4();
}

}  // namespace importfile
