#include "importfile/planner_record.h"

namespace importfile {

hostfiles::EmployeeRecord plannerRecord(const ImportRow& row) {
  hostfiles::EmployeeRecord record;
  if (row.Benutzerkennung.empty()) {
    record.name = row.Name.substr(row.Name.starts_with('>') ? 1 : 0);
    return record;
  }
  record.kind = hostfiles::EmployeeRecord::Kind::kEmployee;
  record.name = row.Name;
  record.userId = row.Benutzerkennung;
  record.fromDate = row.VonDatum;
  record.toDate = row.BisDatum;
  record.residual = row.Resturlaub;
  record.entitlements = {std::string(row.Urlaubsanspruch1), std::string(row.Urlaubsanspruch2),
                         std::string(row.Urlaubsanspruch3), std::string(row.Urlaubsanspruch4)};
  record.additional = row.Sonderurlaub;
  record.reserved.fill(std::string(hostfiles::kZeroValue));
  return record;
}

hostfiles::EntrySource plannerRecords(const ImportRows& rows) {
  return {rows.size(), [&rows](std::size_t i) { return plannerRecord(rows[i]); }};
}

WrittenEntries writtenEntries(const ImportRows& rows) {
  return {rows.size(), [&rows](std::size_t i) -> std::optional<ComparedFields> {
            const ImportRow& row = rows[i];
            if (row.Benutzerkennung.empty()) return std::nullopt;
            return ComparedFields{row.Name,
                                  row.Benutzerkennung,
                                  {row.VonDatum, row.BisDatum, row.Resturlaub, row.Urlaubsanspruch1,
                                   row.Urlaubsanspruch2, row.Urlaubsanspruch3, row.Urlaubsanspruch4,
                                   row.Sonderurlaub}};
          }};
}

}  // namespace importfile
