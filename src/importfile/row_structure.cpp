#include "importfile/row_structure.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "importfile/check_texts.h"
#include "startup/formatting.h"
#include "startup/messages.h"

namespace importfile {

namespace {

// The fields after the name, in the order of the columns.
constexpr std::array<std::string_view ImportRow::*, 9> kLaterFields = {
    &ImportRow::Benutzerkennung,  &ImportRow::VonDatum,         &ImportRow::BisDatum,
    &ImportRow::Resturlaub,       &ImportRow::Urlaubsanspruch1, &ImportRow::Urlaubsanspruch2,
    &ImportRow::Urlaubsanspruch3, &ImportRow::Urlaubsanspruch4, &ImportRow::Sonderurlaub};

constexpr std::size_t kColumns = 1 + kLaterFields.size();

// The text before the next separator, taken off `rest` together with it;
// nothing when no separator is left.
std::optional<std::string_view> nextField(std::string_view& rest, char separator) {
  const std::size_t end = rest.find(separator);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return field;
}

// False when the row has more than ten columns; its line is kept then.
bool splitRow(ImportRow& row, char separator) {
  std::string_view rest = row.Rohzeile;
  row.Name = nextField(rest, separator).value_or("");
  bool tooMany = false;
  if (!isTextRow(row)) {
    for (std::string_view ImportRow::*field : kLaterFields) {
      const auto value = nextField(rest, separator);
      if (!value) break;
      row.*field = *value;
    }
    tooMany = rest.find(separator) != std::string_view::npos;
  }
  if (tooMany) return false;
  row.Rohzeile = {};  // used up
  return true;
}

// `line` without the quote that opens each column and the one that closes it
// (only a column followed by a separator is closed). In a column that had
// either, "" stands for one quote.
std::string withoutQuotes(std::string_view line, char separator) {
  std::string result;
  result.reserve(line.size());
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    std::string_view column = line.substr(start, end - start);
    bool quoted = false;
    if (column.starts_with('"')) {
      column.remove_prefix(1);
      quoted = true;
    }
    if (end != std::string_view::npos && column.ends_with('"')) {
      column.remove_suffix(1);
      quoted = true;
    }
    if (quoted) {
      result += startup::Text_ersetzen(std::string(column), "\"\"", "\"");
    } else {
      result += column;
    }
    if (end == std::string_view::npos) return result;
    result += separator;
    start = end + 1;
  }
}

struct ColumnValue {
  std::size_t column;  // from 0
  std::string_view value;
};

// True when `text` holds a byte below 32. Eight bytes at a time: a word's
// byte below 32 is one whose high bit survives subtracting 32 from each byte
// and is clear in the byte itself.
bool holdsControlByte(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= text.size(); i += sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (((word - 32 * kOnes) & ~word & kHighBits) != 0) return true;
  }
  return std::any_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 32; });
}

// The column of the first control character among the columns that the split
// uses, with its value: a text row uses only its first. The separator, a tab
// perhaps, is none.
std::optional<ColumnValue> controlCharacterColumn(std::string_view line, char separator) {
  if (!holdsControlByte(line)) return std::nullopt;  // the common case, quickly
  const std::size_t used = line.starts_with('>') ? 1 : kColumns;
  std::size_t column = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == separator) {
      if (++column == used) break;
      start = i + 1;
    } else if (static_cast<unsigned char>(line[i]) < 32) {
      const std::size_t end = line.find(separator, i);
      return ColumnValue{column, line.substr(start, end - start)};
    }
  }
  return std::nullopt;
}

// The line as read, without the separator that the reading added.
std::string asRead(std::string_view Rohzeile) {
  return std::string(Rohzeile.substr(0, Rohzeile.empty() ? 0 : Rohzeile.size() - 1));
}

}  // namespace

void removeQuotes(startup::ProgramState& state) {
  const char separator = state.Trennzeichen_Import[0];
  for (ImportRow& row : state.ImportRows) {
    if (row.Rohzeile.find('"') == std::string_view::npos) continue;
    row.Rohzeile = state.ImportRows.keep(withoutQuotes(row.Rohzeile, separator));
  }
}

bool checkForbiddenCharacters(CheckRun& run) {
  const char separator = run.state.Trennzeichen_Import[0];
  const startup::Language language = run.state.Sprache;
  const ImportRows& rows = run.state.ImportRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string_view line = rows[i].Rohzeile;
    const bool forbidden = line.find('|') != std::string_view::npos ||
                           (separator != ':' && line.find(':') != std::string_view::npos);
    if (forbidden && !run.ask({.row = i + 1,
                               .name = {},
                               .column = {},
                               .value = asRead(line),
                               .text = texts::forbiddenCharacter(language)})) {
      return false;
    }
    const auto control = controlCharacterColumn(line, separator);
    if (control && !run.ask({.row = i + 1,
                             .name = {},
                             .column = control->column,
                             .value = std::string(control->value),
                             .text = texts::controlCharacter(language, control->column)})) {
      return false;
    }
  }
  return true;
}

bool splitRows(CheckRun& run) {
  const char separator = run.state.Trennzeichen_Import[0];
  ImportRows& rows = run.state.ImportRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (splitRow(rows[i], separator)) continue;
    run.faults.push_back({.row = i + 1,
                          .name = std::string(rows[i].Name),
                          .column = {},
                          .value = asRead(rows[i].Rohzeile),
                          .text = texts::columnCountError(run.state.Sprache, separator)});
    startup::notify(run.state, texts::tooManyColumns(run.state.Sprache, i + 1,
                                                     std::string(rows[i].Name), separator));
    return false;
  }
  return true;
}

}  // namespace importfile
