#include "importfile/import_check.h"

#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "hostfiles/planner_texts.h"
#include "importfile/check_texts.h"
#include "importfile/column_values.h"
#include "importfile/duplicates.h"
#include "importfile/import_file.h"
#include "importfile/planner_record.h"
#include "importfile/row_structure.h"
#include "startup/messages.h"

namespace importfile {

namespace {

// The passes over the rows; false when one of them ended the run.
bool checkRows(CheckRun& run) {
  return checkForbiddenCharacters(run) && splitRows(run) && checkColumnValues(run) &&
         checkDuplicates(run);
}

std::optional<hostfiles::ChangePreview> previewOf(startup::ProgramState& state) {
  hostfiles::EmployeeComparison comparison(plannerEntries(state.ImportRows));
  const auto add = [&](const hostfiles::EntryView& entry) { comparison.add(entry); };
  if (!hostfiles::readEmployeeEntries(state, state.Datenpfad, add)) return std::nullopt;
  return comparison.result();
}

CheckOutcome checkRun(startup::ProgramState& state) {
  CheckOutcome outcome;
  state.Adminstatus = hostfiles::Konfigdaten_lesen(state, state.Datenpfad).adminStatus;
  if (state.Adminstatus != 2) {
    startup::notify(state, texts::notAdministrator(state.Sprache));
    return outcome;
  }
  if (!Importdatei_lesen(state)) return outcome;
  CheckRun run(state);
  const bool ranThrough = checkRows(run);
  outcome.faults = std::move(run.faults);
  if (!ranThrough) {
    outcome.verdict = Verdict::kStopped;
  } else if (run.Fehler_gefunden) {
    outcome.verdict = Verdict::kFaultsFound;
    startup::notify(state, texts::verdictWithErrors(state.Sprache));
  } else {
    outcome.verdict = Verdict::kFaultFree;
    outcome.preview = previewOf(state);
    std::string verdict = texts::verdictFaultFree(state.Sprache);
    if (outcome.preview) {
      verdict += startup::paragraph() +
                 hostfiles::texts::previewParagraph(
                     state.Sprache, hostfiles::texts::Replacement::kImport, *outcome.preview);
    }
    startup::notify(state, verdict);
  }
  return outcome;
}

}  // namespace

CheckOutcome Importdatei_checken(startup::ProgramState& state) {
  return startup::guarded(state, "frmPersonallader - Importdatei_checken",
                          [&] { return checkRun(state); });
}

}  // namespace importfile
