#include "wizard/employee_list_export.h"

#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

namespace {

// The entries of the employee file; a file that cannot be read ends the
// program with the message of reading it.
std::vector<hostfiles::EmployeeRecord> plannerEntries(const startup::Context& context,
                                                      const std::string& dataFolder) {
  std::vector<hostfiles::EmployeeRecord> entries;
  const auto keep = [&](const hostfiles::EntryView& entry) {
    entries.push_back(hostfiles::entryAs<std::string>(entry));
  };
  if (!hostfiles::readEmployeeEntries(context, dataFolder, keep)) {
    hostfiles::Mitarbeiterdaten_lesen(context, dataFolder);
    startup::Fehler_melden(context, "personallader - exportEmployeeList",
                           startup::RunTimeError(startup::kPathFileAccessError));
  }
  return entries;
}

// An entry as the change lines name it: a name and its user id, or a text line.
std::string entryName(const hostfiles::EmployeeRecord& entry) {
  if (entry.kind == hostfiles::EntryKind::kText) return ">" + entry.name;
  return entry.name + " (" + entry.userId + ")";
}

}  // namespace

ExportOutcome exportEmployeeList(const startup::Context& context, const ExportRequest& request) {
  ExportOutcome outcome;
  if (hostfiles::Konfigdaten_lesen(context, request.dataFolder).adminStatus != 2) {
    startup::notify(context, texts::exportNotPermitted(context.language));
    return outcome;
  }
  if (const auto refused = importfile::exportRefused(context, request.target,
                                                     {request.dataFolder, request.logFolder, ""})) {
    outcome.result = ExportResult::kRefused;
    outcome.refusal = *refused;
    return outcome;
  }
  const auto entries = plannerEntries(context, request.dataFolder);
  importfile::writeExport(context, request.target, entries, request.encoding);
  outcome.result = ExportResult::kExported;
  startup::notify(context,
                  texts::exported(context.language, startup::Name_zitieren(context, request.target),
                                  hostfiles::employeeCount(entries)));
  std::string names;
  for (const std::size_t i :
       importfile::changedOnImport(context, request.target, request.dataFolder, entries)) {
    outcome.changed.push_back(entryName(entries[i]));
    names += (names.empty() ? "" : ", ") + outcome.changed.back();
  }
  if (!names.empty()) startup::notify(context, texts::changedOnImport(context.language, names));
  return outcome;
}

}  // namespace wizard
