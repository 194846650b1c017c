// Wizard step 4: the import of the checked rows into the planner's employee data.
#include <string_view>

#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "startup/messages.h"
#include "wizard/planner_writes.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace wizard {

namespace {

// The last characters of the vacation values that the flag looks at; rows
// without a first entitlement (text rows) have none.
std::string lastDigits(const importfile::ImportRow& row) {
  std::string digits;
  for (const std::string_view value :
       {row.Urlaubsanspruch1(), row.Urlaubsanspruch2(), row.Urlaubsanspruch3(),
        row.Urlaubsanspruch4(), row.Sonderurlaub()}) {
    if (!value.empty()) digits += value.back();
  }
  return digits;
}

// True when a row (text rows left out) has a value ending in one of `digits`.
bool anyValueEndsIn(const importfile::ImportRows& rows, std::string_view digits) {
  for (const importfile::ImportRow row : rows) {
    if (row.Urlaubsanspruch1().empty()) continue;
    if (lastDigits(row).find_first_of(digits) != std::string::npos) return true;
  }
  return false;
}

// Values with tenths tell the planner to show fractions: ",5" raises the
// flag to "1", any other tenth to "2"; it is never lowered. One rewrite
// raises it, so that no end half way leaves it between the two.
std::string withRaisedFractionFlag(std::string settings, const importfile::ImportRows& rows) {
  if (settings.size() <= hostfiles::kFractionFlag) return settings;
  char& flag = settings[hostfiles::kFractionFlag];
  if ((flag == '0' || flag == '1') && anyValueEndsIn(rows, "12346789")) {
    flag = '2';
  } else if (flag == '0' && anyValueEndsIn(rows, "5")) {
    flag = '1';
  }
  return settings;
}

}  // namespace

ImportOutcome frmPersonallader::Mitarbeiterdaten_importieren() {
  return startup::guarded(state_, "frmPersonallader - Mitarbeiterdaten_importieren", [&] {
    const auto lock = lockDataFolder(state_, state_.Datenpfad);
    if (lock == nullptr) return ImportOutcome::kBusy;
    // Read again under the lock: a run that held it before may have changed
    // the settings since the check read them.
    const std::string settings =
        hostfiles::Konfigdaten_lesen(state_, state_.Datenpfad).settingsLine;
    const hostfiles::EmployeeFileHead present =
        hostfiles::Mitarbeiterdaten_lesen(state_, state_.Datenpfad);
    if (present.holdsEntries &&
        !startup::overwriteConfirmed(state_, texts::overwriteQuestion(state_.language))) {
      return ImportOutcome::kDeclined;
    }
    const importfile::ImportRows& rows = state_.lastCheck.data.rows;
    const auto entries = importfile::plannerEntries(rows);
    replacePlannerData(
        state_,
        {.presentSettings = settings,
         .settings = withRaisedFractionFlag(settings, rows),
         .writeEmployees =
             [&] { hostfiles::writeEmployeeData(state_, state_.Datenpfad, present, entries); },
         .backupFailed = texts::backupBeforeImportFailed(state_.language),
         .logEntry = texts::importedLogEntry(state_.language),
         .success = texts::imported(state_.language),
         .employees = hostfiles::employeeCount(entries)});
    completeStep(4);
    return ImportOutcome::kImported;
  });
}

}  // namespace wizard
