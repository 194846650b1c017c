#include "importfile/row_structure.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "importfile/byte_scans.h"
#include "importfile/check_texts.h"
#include "importfile/quoted_fields.h"
#include "startup/formatting.h"
#include "startup/messages.h"

namespace importfile {

namespace {

// The value of a field that begins or ends with a quote: a view of the field,
// or `made` where the value is no part of it. A closed quoted field loses its
// quotes, "" inside stands for one quote, and text after the closing quote
// follows as it stands. Other fields lose a closing quote alone, and ""
// stands for one quote then.
std::string_view unquoted(std::string_view field, std::string& made) {
  std::string_view after;
  if (field.starts_with('"')) {
    const std::size_t close = closingQuote(field, 0);
    if (close == std::string_view::npos) return field;  // the row is at fault
    after = field.substr(close + 1);
    field = field.substr(1, close - 1);
  } else {
    field.remove_suffix(1);  // a closing quote alone
  }
  if (after.empty() && field.find("\"\"") == std::string_view::npos) return field;
  made = startup::Text_ersetzen(std::string(field), "\"\"", "\"") + std::string(after);
  return made;
}

bool isQuoted(std::string_view field) {
  return !field.empty() && (field.front() == '"' || field.back() == '"');
}

// The value of a field as it stands in the row, kept by the rows where it is
// no part of the row.
std::string_view valueOf(std::string_view field, ImportRows& rows) {
  if (!isQuoted(field)) return field;  // the common case, quickly
  std::string made;
  const std::string_view value = unquoted(field, made);
  return value.data() == made.data() ? rows.keep(made) : value;
}

// The value of a field as a text of its own.
std::string valueText(std::string_view field) {
  std::string made;
  return std::string(isQuoted(field) ? unquoted(field, made) : field);
}

enum class Structure { kFits, kTooManyColumns, kUnclosedQuote };

// Fills the fields of `row` from its Rohzeile.
Structure splitRow(const WritableRow& row, char separator, ImportRows& rows) {
  FieldScanner fields(row.Rohzeile(), separator);
  row.set(Column::Name, valueOf(fields.next().value_or(""), rows));
  bool tooMany = false;
  if (!isTextRow(row)) {
    for (std::size_t column = 1; column < kColumns; ++column) {
      const auto value = fields.next();
      if (!value) break;
      row.set(static_cast<Column>(column), valueOf(*value, rows));
    }
    tooMany = !fields.atEnd();
  }
  if (fields.unclosed()) return Structure::kUnclosedQuote;
  return tooMany ? Structure::kTooManyColumns : Structure::kFits;
}

// The structure of `row`, split now unless it was split as it was read.
Structure structureOf(const WritableRow& row, char separator, ImportRows& rows) {
  switch (row.split()) {
    case Split::kFits:
      return Structure::kFits;
    case Split::kTooManyColumns:
      return Structure::kTooManyColumns;
    case Split::kPending:
      break;
  }
  return splitRow(row, separator, rows);
}

struct ColumnValue {
  std::size_t column;  // from 0
  std::string_view value;
};

// True when `text` holds a byte below 32.
bool holdsControlCharacter(std::string_view text) {
  return holdsControlByte(text, [](char) { return false; });
}

// True when the first field of `line` makes its row a text row.
bool beginsTextRow(std::string_view line) {
  return line.starts_with('>') || line.starts_with("\">");
}

// The column of the first control character among the columns that the split
// uses, with its field as it stands: a text row uses only its first. The
// separator, a tab perhaps, is none.
std::optional<ColumnValue> controlCharacterColumn(std::string_view line, char separator) {
  if (!holdsControlCharacter(line)) return std::nullopt;  // the common case, quickly
  const std::size_t used = beginsTextRow(line) ? 1 : kColumns;
  FieldScanner fields(line, separator);
  for (std::size_t column = 0; column < used; ++column) {
    const auto field = fields.next();
    if (!field) break;
    if (holdsControlCharacter(*field)) return ColumnValue{column, *field};
  }
  return std::nullopt;
}

// True when a quoted field of `line` holds `c`.
bool quotedFieldHolds(std::string_view line, char separator, char c) {
  if (line.find('"') == std::string_view::npos) return false;
  FieldScanner fields(line, separator);
  for (auto field = fields.next(); field; field = fields.next()) {
    if (field->starts_with('"') && field->find(c) != std::string_view::npos) return true;
  }
  return false;
}

// The line as read, without the separator that the reading added.
std::string asRead(std::string_view Rohzeile) {
  return std::string(Rohzeile.substr(0, Rohzeile.empty() ? 0 : Rohzeile.size() - 1));
}

// True when `text` might hold a row at fault in the pass over forbidden
// characters: a "|", a colon that is no separator, or a control character
// other than the separator and the line ends between rows. A quote, too: a
// quoted field may hold a colon or a line end.
bool mightHoldForbidden(std::string_view text, char separator) {
  const auto holds = [text](char c) { return text.find(c) != std::string_view::npos; };
  return holds('|') || holds('"') || (separator != ':' && holds(':')) ||
         holdsControlByte(text,
                          [separator](char c) { return c == '\r' || c == '\n' || c == separator; });
}

// True when no row can be at fault in the pass over forbidden characters, as
// one scan of the file's text tells: the rows view it, a last row that ends
// without a line end with the separator after the text.
bool clearOfForbidden(const CheckRun& run) {
  return !mightHoldForbidden(run.rows.text(), run.separator);
}

}  // namespace

bool checkForbiddenCharacters(CheckRun& run) {
  if (clearOfForbidden(run)) return true;  // the common case, in one scan
  const char separator = run.separator;
  const startup::Language language = run.context.language;
  const ImportRows& rows = run.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string_view line = rows[i].Rohzeile();
    // Only the separator may stand for a colon outside a quoted field.
    const bool forbidden = line.find('|') != std::string_view::npos ||
                           (separator == ':' ? quotedFieldHolds(line, separator, ':')
                                             : line.find(':') != std::string_view::npos);
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
                             .value = valueText(control->value),
                             .text = texts::controlCharacter(language, control->column)})) {
      return false;
    }
  }
  return true;
}

bool splitRows(CheckRun& run) {
  const char separator = run.separator;
  const startup::Language language = run.context.language;
  ImportRows& rows = run.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const WritableRow row = rows[i];
    const Structure structure = structureOf(row, separator, rows);
    if (structure == Structure::kFits) {
      row.useUpRohzeile();
      continue;
    }
    const std::string error = structure == Structure::kUnclosedQuote
                                  ? texts::unclosedQuoteError(language)
                                  : texts::columnCountError(language, separator);
    const std::string name(row.Name());
    run.keep(
        {.row = i + 1, .name = name, .column = {}, .value = asRead(row.Rohzeile()), .text = error});
    startup::notify(run.context, texts::columnCountNotice(language, i + 1, name, error));
    return false;
  }
  return true;
}

}  // namespace importfile
