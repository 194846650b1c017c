// The texts of the import data check in the three languages, in the code page.
// Values are inserted as they stand. For a language other than the three every
// text is empty: nothing is shown then.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "hostfiles/planner_texts.h"
#include "startup/language.h"

namespace importfile::texts {

using startup::Language;

// The question protocol: row head and number, ", " and the row's name when
// `name` is given, the error text and the closing question.
std::string question(Language language, std::size_t row, const std::string* name,
                     const std::string& error);

// The name of column `column`, counted from 0 (Name) to 9: the columns hold
// an employee's fields in their order.
inline std::string columnLabel(Language language, std::size_t column) {
  return hostfiles::texts::fieldLabel(language, column);
}

std::string forbiddenCharacter(Language language);
// A control character in column `column`, counted from 0 (Name) to 9.
std::string controlCharacter(Language language, std::size_t column);
std::string emptyName(Language language);
std::string invalidFromDate(Language language, const std::string& value);
std::string invalidToDate(Language language, const std::string& value);
std::string datesInWrongOrder(Language language);

enum class NumberColumn { kResturlaub, kUrlaubsanspruch, kSonderurlaub };
std::string notNumeric(Language language, NumberColumn column, const std::string& value);

std::string duplicate(Language language, const std::string& Benutzerkennung);

// The fault of a row of more than ten columns, of one whose field opens with a
// quote that is never closed, and the notice that tells either: `name` is the
// row's first column.
std::string columnCountError(Language language, char separator);
std::string unclosedQuoteError(Language language);
std::string columnCountNotice(Language language, std::size_t row, const std::string& name,
                              const std::string& error);

// The import file `quotedName` holds no row, or no separator in its first line.
std::string emptyFile(Language language, const std::string& quotedName);
std::string noSeparator(Language language, const std::string& quotedName);
// Why a file without a data row may not be empty: its header line held
// `separators` of the separators of ten columns and took `lines` lines after it.
std::string headerSwallowed(Language language, char separator, std::size_t separators,
                            std::size_t lines);
// The import file `quotedName` holds more data rows, or a longer line at its
// start, than the planner's counters take.
std::string tooManyRows(Language language, const std::string& quotedName);
std::string lineTooLong(Language language, const std::string& quotedName);

std::string notAdministrator(Language language);
std::string verdictWithErrors(Language language);
std::string verdictFaultFree(Language language);

// The column names of the faults report: row, line in the file, name, column,
// value, fault. Reports written before the line column lack the second.
std::array<std::string, 6> reportHeader(Language language);

}  // namespace importfile::texts
