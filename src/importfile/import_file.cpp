#include "importfile/import_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "importfile/check_texts.h"
#include "importfile/import_lines.h"
#include "importfile/quoted_fields.h"
#include "platform/codepage.h"
#include "startup/messages.h"

namespace importfile {

using startup::ProgramState;
using startup::RunTimeError;

namespace {

// Row numbers and the character counters are 16-bit signed integers.
constexpr std::size_t kMaxCount = std::numeric_limits<std::int16_t>::max();

void requireCountable(std::string_view line) {
  if (line.size() > kMaxCount) throw RunTimeError(startup::kOverflow);
}

bool failWith(ProgramState& state, std::string (*text)(startup::Language, const std::string&)) {
  startup::notify(state, text(state.Sprache, startup::Name_zitieren(state, state.Importdatei)));
  return false;
}

bool isHeader(std::string_view line) {
  const std::string lower = platform::lowerCase(line);
  return lower.find("name") != std::string::npos || lower.find("nom") != std::string::npos;
}

// The position of the first record after a header that starts the text: the
// header takes records until their separators add up to the threshold.
std::size_t afterHeader(const ProgramState& state, std::string_view text) {
  const char separator = state.Trennzeichen_Import[0];
  const std::size_t threshold = state.Sprache == startup::Language::FR ? 9 : 8;
  std::size_t count = 0;
  std::size_t position = 0;
  do {
    const std::string_view record = nextRecord(text, position, separator);
    requireCountable(record);
    count += separatorsIn(record, separator);
    if (count > kMaxCount) throw RunTimeError(startup::kOverflow);
  } while (count < threshold && position < text.size());
  return position;
}

bool holdsSeparator(std::string_view record, char separator) {
  const std::size_t first = record.find(separator);
  if (first == std::string_view::npos) return false;
  // Before the first quote nothing is quoted.
  return record.substr(0, first).find('"') == std::string_view::npos ||
         separatorsIn(record, separator) > 0;
}

std::size_t lineCount(std::string_view text) {
  std::size_t count = 1;
  for (auto i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) ++count;
  return count;
}

// Stores every record from `position` on that holds the separator as a data
// row; gives the number of rows. The records lie in `text`, where the line end
// after a record becomes the separator that closes its last column; only a
// last record without a line end is copied for it.
std::size_t storeRows(ProgramState& state, std::span<char> text, std::size_t position) {
  const char separator = state.Trennzeichen_Import[0];
  const std::string_view whole(text.data(), text.size());
  ImportRows& rows = state.ImportRows;
  rows.reserve(std::min(lineCount(whole), kMaxCount));
  std::size_t count = 0;
  while (position < whole.size()) {
    const std::string_view record = nextRecord(whole, position, separator);
    if (!holdsSeparator(record, separator)) continue;  // empty lines as well
    if (count == kMaxCount) throw RunTimeError(startup::kOverflow);
    if (count > 0) rows.emplace_back();
    const std::size_t end = static_cast<std::size_t>(record.data() - text.data()) + record.size();
    if (end < text.size()) {
      text[end] = separator;
      rows.back().Rohzeile = std::string_view(record.data(), record.size() + 1);
    } else {
      rows.back().Rohzeile = rows.keep(std::string(record) + separator);
    }
    ++count;
  }
  return count;
}

}  // namespace

bool Trennzeichen(ProgramState& state, std::string_view text) {
  return startup::guarded(state, "frmPersonallader - Trennzeichen", [&] {
    static constexpr std::array<char, 4> kCandidates = {',', ';', ':', '\t'};
    std::array<std::size_t, 4> counts{};
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
      std::size_t position = 0;
      const std::string_view record = nextRecord(text, position, kCandidates[i]);
      requireCountable(record);
      counts[i] = separatorsIn(record, kCandidates[i]);
    }
    const std::size_t largest = *std::max_element(counts.begin(), counts.end());
    if (largest == 0) return false;
    // On a tie the later candidate wins.
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
      if (counts[i] == largest) state.Trennzeichen_Import = std::string(1, kCandidates[i]);
    }
    return true;
  });
}

bool Importdatei_lesen(ProgramState& state) {
  return startup::guarded(state, "frmPersonallader - Importdatei_lesen", [&] {
    state.ImportRows = ImportRows(1);
    const std::span<char> text = state.ImportRows.holdText(readImportText(state));
    const std::string_view whole(text.data(), text.size());
    if (whole.empty()) return failWith(state, texts::emptyFile);
    if (!Trennzeichen(state, whole)) return failWith(state, texts::noSeparator);
    std::size_t position = 0;
    const std::string_view first = nextRecord(whole, position, state.Trennzeichen_Import[0]);
    const std::size_t start = isHeader(first) ? afterHeader(state, whole) : 0;
    if (storeRows(state, text, start) == 0) return failWith(state, texts::emptyFile);
    return true;
  });
}

}  // namespace importfile
