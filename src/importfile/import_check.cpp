#include "importfile/import_check.h"

#include "hostfiles/employee_data.h"
#include "hostfiles/planner_texts.h"
#include "importfile/check_texts.h"
#include "importfile/column_values.h"
#include "importfile/duplicates.h"
#include "importfile/import_file.h"
#include "importfile/row_structure.h"
#include "startup/messages.h"

namespace importfile {

bool CheckRun::ask(Fault fault) {
  const std::string* name = fault.name.empty() ? nullptr : &fault.name;
  const bool yes =
      context.language == startup::Language::Other ||
      context.dialogs->question(context.Programmtitel,
                                texts::question(context.language, fault.row, name, fault.text));
  keep(std::move(fault));
  Fehler_gefunden = Fehler_gefunden || yes;
  return yes;
}

void CheckRun::keep(Fault fault) {
  fault.fileLine = rows[fault.row - 1].fileLine();
  faults.push_back(std::move(fault));
}

namespace {

// The passes over the rows; false when one of them ended the run.
bool checkRows(CheckRun& run) {
  return checkForbiddenCharacters(run) && splitRows(run) && checkColumnValues(run) &&
         checkDuplicates(run);
}

std::optional<hostfiles::ChangePreview> previewOf(const startup::Context& context,
                                                  const std::string& dataFolder,
                                                  const ImportRows& rows) {
  return hostfiles::previewChanges(context, dataFolder, rows.size(),
                                   [&](std::size_t i) { return plannerEntry(rows[i]); });
}

// Runs the passes over the rows of `data`, which keep what the passes made of them.
CheckOutcome checkData(const startup::Context& context, const std::string& dataFolder,
                       ImportData& data) {
  CheckOutcome outcome;
  CheckRun run(context, data);
  const bool ranThrough = checkRows(run);
  outcome.faults = std::move(run.faults);
  if (!ranThrough) {
    outcome.verdict = Verdict::kStopped;
  } else if (run.Fehler_gefunden) {
    outcome.verdict = Verdict::kFaultsFound;
    startup::notify(context, texts::verdictWithErrors(context.language));
  } else {
    outcome.verdict = Verdict::kFaultFree;
    outcome.preview = previewOf(context, dataFolder, data.rows);
    std::string verdict = texts::verdictFaultFree(context.language);
    if (outcome.preview) {
      verdict += startup::paragraph() +
                 hostfiles::texts::previewParagraph(
                     context.language, hostfiles::texts::Replacement::kImport, *outcome.preview);
    }
    startup::notify(context, verdict);
  }
  return outcome;
}

}  // namespace

CheckOutcome Importdatei_checken(const startup::Context& context, const CheckInput& input) {
  return startup::guarded(context, "frmPersonallader - Importdatei_checken", [&] {
    std::optional<ImportData> data = Importdatei_lesen(context, input.Importdatei);
    if (!data) return CheckOutcome{};
    CheckOutcome outcome = checkData(context, input.dataFolder, *data);
    outcome.data = std::move(*data);
    return outcome;
  });
}

}  // namespace importfile
