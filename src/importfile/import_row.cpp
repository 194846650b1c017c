#include "importfile/import_row.h"

#include <algorithm>

namespace importfile {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

std::span<char> ImportRows::room(std::size_t size) {
  if (size > free_.size()) {
    // A value longer than a block gets a block of its own.
    const std::size_t block = std::max(size, kBlockSize);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(block));
    free_ = {blocks_.back().get(), block};
  }
  const std::span<char> taken = free_.first(size);
  free_ = free_.subspan(size);
  return taken;
}

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
