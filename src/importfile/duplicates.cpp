#include "importfile/duplicates.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <limits>

#include "importfile/check_texts.h"
#include "platform/codepage.h"
#include "startup/run_time_error.h"

namespace importfile {

// At most half of the slots are taken.
Namensliste::Namensliste(std::size_t names)
    : slots_(std::max<std::size_t>(16, std::bit_ceil(2 * names))) {}

std::string_view Namensliste::pieceAt(std::uint32_t start) const {
  const std::string_view rest = std::string_view(text_).substr(start);
  return rest.substr(0, rest.find('|'));
}

std::uint32_t& Namensliste::slotOf(std::string_view piece) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = std::hash<std::string_view>()(piece) & mask;; i = (i + 1) & mask) {
    if (slots_[i] == 0 || pieceAt(slots_[i] - 1) == piece) return slots_[i];
  }
}

bool Namensliste::holds(std::uint32_t start) {
  std::uint32_t& slot = slotOf(pieceAt(start));
  if (slot != 0) return true;
  slot = start + 1;
  if (2 * ++pieces_ > slots_.size()) {
    std::vector<std::uint32_t> old(2 * slots_.size());
    old.swap(slots_);
    for (const std::uint32_t entry : old) {
      if (entry != 0) slotOf(pieceAt(entry - 1)) = entry;
    }
  }
  return false;
}

namespace {

// The code page's lower-case mapping as a table: it maps each byte alone, and
// a call for every user name would cost more than the names themselves.
std::array<char, 256> lowerCaseTable() {
  std::string bytes(256, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i);
  const std::string lower = platform::lowerCase(bytes);
  std::array<char, 256> table{};
  std::ranges::copy(lower, table.begin());
  return table;
}

}  // namespace

bool Namensliste::seenBefore(std::string_view Benutzerkennung) {
  static const std::array<char, 256> kLower = lowerCaseTable();
  const std::size_t listed = text_.size();
  text_.resize(listed + Benutzerkennung.size() + 2, '|');  // "|" + name + "|"
  std::ranges::transform(Benutzerkennung, text_.begin() + static_cast<std::ptrdiff_t>(listed + 1),
                         [](char c) { return kLower[static_cast<unsigned char>(c)]; });
  const std::string_view name = std::string_view(text_).substr(listed + 1, Benutzerkennung.size());
  if (text_.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw startup::RunTimeError(startup::kOutOfMemory);
  }
  const auto start = static_cast<std::uint32_t>(listed + 1);
  if (name.find('|') == std::string_view::npos) return holds(start);
  const std::string_view wanted = std::string_view(text_).substr(listed);
  const bool seen = std::string_view(text_).substr(0, listed).find(wanted) != std::string::npos;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == 0 || name[i - 1] == '|') holds(static_cast<std::uint32_t>(start + i));
  }
  return seen;
}

bool checkDuplicates(CheckRun& run) {
  ImportRows& rows = run.rows;
  Namensliste seen(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ImportRow& row = rows[i];
    if (row.Benutzerkennung.empty() || !seen.seenBefore(row.Benutzerkennung)) continue;
    if (!run.ask(
            {.row = i + 1,
             .name = std::string(row.Name),
             .column = 1,
             .value = std::string(row.Benutzerkennung),
             .text = texts::duplicate(run.context.language, std::string(row.Benutzerkennung))})) {
      return false;
    }
  }
  return true;
}

}  // namespace importfile
