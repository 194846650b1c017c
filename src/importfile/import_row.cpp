#include "importfile/import_row.h"

#include <algorithm>

namespace importfile {

hostfiles::EntryView plannerEntry(const ImportRow& row) {
  if (row.Benutzerkennung.empty()) {
    hostfiles::EntryView text;
    text.name = row.Name.substr(row.Name.starts_with('>') ? 1 : 0);
    return text;
  }
  return {hostfiles::EntryKind::kEmployee,
          row.Name,
          row.Benutzerkennung,
          row.VonDatum,
          row.BisDatum,
          row.Resturlaub,
          {row.Urlaubsanspruch1, row.Urlaubsanspruch2, row.Urlaubsanspruch3, row.Urlaubsanspruch4},
          row.Sonderurlaub};
}

std::vector<hostfiles::EntryView> plannerEntries(const ImportRows& rows) {
  std::vector<hostfiles::EntryView> entries(rows.size());
  std::ranges::transform(rows, entries.begin(), plannerEntry);
  return entries;
}

}  // namespace importfile
