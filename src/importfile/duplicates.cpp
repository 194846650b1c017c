#include "importfile/duplicates.h"

#include <algorithm>
#include <utility>

#include "importfile/check_texts.h"
#include "platform/codepage.h"
#include "startup/run_time_error.h"

namespace importfile {

using hostfiles::sameUserId;
using hostfiles::userIdHash;

Namensliste::Namensliste(std::size_t names, NameAt nameAt)
    : nameAt_(std::move(nameAt)), pieces_(names) {}

std::string_view Namensliste::pieceAt(std::uint32_t number) const {
  return number >= kSplit ? split_[number - kSplit] : nameAt_(number);
}

bool Namensliste::holds(std::string_view piece, std::uint32_t hash, std::uint32_t number) {
  return pieces_
      .findOrAdd(hash, number, [&](std::uint32_t i) { return sameUserId(pieceAt(i), piece); })
      .has_value();
}

bool Namensliste::inText(std::size_t number) const {
  std::string text;
  for (std::size_t i = 0; i < number; ++i) {
    if (!nameAt_(i).empty()) text.append("|").append(nameAt_(i)).append("|");
  }
  const std::string wanted = std::string("|").append(nameAt_(number)).append("|");
  return platform::lowerCase(text).find(platform::lowerCase(wanted)) != std::string::npos;
}

bool Namensliste::seenBefore(std::size_t number, std::string_view name) {
  if (number >= kSplit) throw startup::RunTimeError(startup::kOutOfMemory);
  const auto [hash, holdsBar] = hostfiles::userIdHashFinding(name, '|');
  if (!holdsBar) return holds(name, hash, static_cast<std::uint32_t>(number));
  const bool seen = inText(number);
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find('|', start), name.size());
    if (end > start) {
      if (split_.size() >= kSplit) throw startup::RunTimeError(startup::kOutOfMemory);
      split_.push_back(name.substr(start, end - start));
      holds(split_.back(), userIdHash(split_.back()),
            static_cast<std::uint32_t>(kSplit + split_.size() - 1));
    }
    start = end + 1;
  }
  return seen;
}

bool checkDuplicates(CheckRun& run) {
  ImportRows& rows = run.rows;
  Namensliste seen(rows.size(), [&](std::size_t i) { return rows[i].Benutzerkennung(); });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ImportRow row = rows[i];
    if (row.Benutzerkennung().empty() || !seen.seenBefore(i, row.Benutzerkennung())) continue;
    if (!run.ask(
            {.row = i + 1,
             .name = std::string(row.Name()),
             .column = 1,
             .value = std::string(row.Benutzerkennung()),
             .text = texts::duplicate(run.context.language, std::string(row.Benutzerkennung()))})) {
      return false;
    }
  }
  return true;
}

}  // namespace importfile
