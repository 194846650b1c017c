#include "importfile/import_check.h"

#include <optional>
#include <string_view>

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

// The rows as the entries that the import writes.
class RowEntries final : public hostfiles::WrittenEntries {
 public:
  explicit RowEntries(const ImportRows& rows) : rows_(rows) {}
  std::size_t size() const override { return rows_.size(); }
  // A row without a user id becomes a text line.
  std::optional<std::string_view> userId(std::size_t i) const override {
    const std::string_view userId = rows_[i].Benutzerkennung();
    return userId.empty() ? std::nullopt : std::optional(userId);
  }
  hostfiles::EntryView entry(std::size_t i) const override { return plannerEntry(rows_[i]); }

 private:
  const ImportRows& rows_;
};

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
    outcome.preview = hostfiles::previewChanges(context, dataFolder, RowEntries(data.rows));
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
