#include "importfile/row_structure.h"

#include <array>
#include <optional>

#include "importfile/check_texts.h"
#include "startup/formatting.h"

namespace importfile {

namespace {

// The fields after the name, in the order of the columns.
constexpr std::array<std::string ImportRow::*, 9> kLaterFields = {
    &ImportRow::Benutzerkennung,  &ImportRow::VonDatum,         &ImportRow::BisDatum,
    &ImportRow::Resturlaub,       &ImportRow::Urlaubsanspruch1, &ImportRow::Urlaubsanspruch2,
    &ImportRow::Urlaubsanspruch3, &ImportRow::Urlaubsanspruch4, &ImportRow::Sonderurlaub};

// The text before the next separator, taken off `rest` together with it;
// nothing when no separator is left.
std::optional<std::string_view> nextField(std::string_view& rest, char separator) {
  const std::size_t end = rest.find(separator);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return field;
}

// False when the row has more than ten columns.
bool splitRow(ImportRow& row, char separator) {
  std::string_view rest = row.Rohzeile;
  row.Name = nextField(rest, separator).value_or("");
  bool tooMany = false;
  if (!isTextRow(row)) {
    for (std::string ImportRow::*field : kLaterFields) {
      const auto value = nextField(rest, separator);
      if (!value) break;
      row.*field = *value;
    }
    tooMany = rest.find(separator) != std::string_view::npos;
  }
  std::string().swap(row.Rohzeile);  // used up: its memory goes
  return !tooMany;
}

}  // namespace

void removeQuotes(startup::ProgramState& state) {
  const std::string& separator = state.Trennzeichen_Import;
  const std::string opening = separator + '"';
  const std::string closing = '"' + separator;
  for (ImportRow& row : state.ImportRows) {
    std::string& line = row.Rohzeile;
    if (!line.empty() && line.front() == '"') line.erase(0, 1);
    if (line.find('"') == std::string::npos) continue;
    line = startup::Text_ersetzen(std::move(line), opening, separator);
    line = startup::Text_ersetzen(std::move(line), closing, separator);
  }
}

bool checkForbiddenCharacters(CheckRun& run) {
  const bool colonForbidden = run.state.Trennzeichen_Import != ":";
  const ImportRows& rows = run.state.ImportRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string& line = rows[i].Rohzeile;
    if (line.find('|') == std::string::npos &&
        (!colonForbidden || line.find(':') == std::string::npos)) {
      continue;
    }
    if (!run.ask(i + 1, nullptr, texts::forbiddenCharacter(run.state.Sprache))) return false;
  }
  return true;
}

bool splitRows(CheckRun& run) {
  const char separator = run.state.Trennzeichen_Import[0];
  ImportRows& rows = run.state.ImportRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (splitRow(rows[i], separator)) continue;
    notify(run.state, texts::tooManyColumns(run.state.Sprache, i + 1, rows[i].Name, separator));
    return false;
  }
  return true;
}

}  // namespace importfile
