// The texts of the import data check in the three languages, in the code page.
// Values are inserted as they stand. For a language other than the three every
// text is empty: nothing is shown then.
#pragma once

#include <cstddef>
#include <string>

#include "startup/language.h"

namespace importfile::texts {

using startup::Language;

// The question protocol: row head and number, ", " and the row's name when
// `name` is given, the error text and the closing question.
std::string question(Language language, std::size_t row, const std::string* name,
                     const std::string& error);

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

// Row `row` has more than ten columns; `name` is its first column.
std::string tooManyColumns(Language language, std::size_t row, const std::string& name,
                           char separator);

std::string notAdministrator(Language language);
std::string verdictWithErrors(Language language);
std::string verdictFaultFree(Language language);

}  // namespace importfile::texts
