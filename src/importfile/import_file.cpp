#include "importfile/import_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

#include "importfile/check_texts.h"
#include "importfile/import_lines.h"
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

using Lines = std::vector<std::string_view>;

// The index of the first line after a header that starts with line 0: the
// header takes lines until their separators add up to the threshold.
std::size_t afterHeader(const ProgramState& state, const Lines& lines) {
  const char separator = state.Trennzeichen_Import[0];
  const std::size_t threshold = state.Sprache == startup::Language::FR ? 9 : 8;
  std::size_t count = 0;
  std::size_t next = 0;
  do {
    requireCountable(lines[next]);
    count +=
        static_cast<std::size_t>(std::count(lines[next].begin(), lines[next].end(), separator));
    if (count > kMaxCount) throw RunTimeError(startup::kOverflow);
    ++next;
  } while (count < threshold && next < lines.size());
  return next;
}

// Stores every line from `first` on that holds the separator as a data row;
// gives the number of rows. The lines lie in `text`, where the line end after
// a line becomes the separator that closes its last column; only a last line
// without a line end is copied for it.
std::size_t storeRows(ProgramState& state, std::span<char> text, const Lines& lines,
                      std::size_t first) {
  const char separator = state.Trennzeichen_Import[0];
  ImportRows& rows = state.ImportRows;
  rows.reserve(std::min(lines.size() - first, kMaxCount));
  std::size_t count = 0;
  for (std::size_t i = first; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.find(separator) == std::string_view::npos) continue;  // empty lines as well
    if (count == kMaxCount) throw RunTimeError(startup::kOverflow);
    if (count > 0) rows.emplace_back();
    const std::size_t end = static_cast<std::size_t>(line.data() - text.data()) + line.size();
    if (end < text.size()) {
      text[end] = separator;
      rows.back().Rohzeile = std::string_view(line.data(), line.size() + 1);
    } else {
      rows.back().Rohzeile = rows.keep(std::string(line) + separator);
    }
    ++count;
  }
  return count;
}

}  // namespace

bool Trennzeichen(ProgramState& state, std::string Zeile) {
  return startup::guarded(state, "frmPersonallader - Trennzeichen", [&] {
    requireCountable(Zeile);
    static constexpr std::array<char, 4> kCandidates = {',', ';', ':', '\t'};
    std::array<std::size_t, 4> counts{};
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
      counts[i] = static_cast<std::size_t>(std::count(Zeile.begin(), Zeile.end(), kCandidates[i]));
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
    const Lines lines = importLines(std::string_view(text.data(), text.size()));
    if (lines.empty()) return failWith(state, texts::emptyFile);
    if (!Trennzeichen(state, std::string(lines.front())))
      return failWith(state, texts::noSeparator);
    const std::size_t first = isHeader(lines.front()) ? afterHeader(state, lines) : 0;
    if (storeRows(state, text, lines, first) == 0) return failWith(state, texts::emptyFile);
    return true;
  });
}

}  // namespace importfile
