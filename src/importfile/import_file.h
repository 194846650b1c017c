// Reading the CSV import file: separator detection, header and data rows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "importfile/import_row.h"
#include "startup/context.h"

namespace importfile {

// The separator that occurs most often in the first record of `text` outside
// its quoted fields (",", ";", ":" or tab; on a tie the later one); nothing
// when none occurs. The first record is the first line, or more where a quoted
// field holds a line end. Only Importdatei_lesen may call it: a first record
// beyond the planner's counters leaves to it.
std::optional<char> Trennzeichen(const startup::Context& context, std::string_view text);

// Reads `Importdatei`: one row for each record that holds the separator
// outside its quoted fields (Rohzeile of each data row, and the line of the
// file where it begins). Nothing, after a message, when the file holds no data
// row or no separator, or more than the planner's counters take.
std::optional<ImportData> Importdatei_lesen(const startup::Context& context,
                                            const std::string& Importdatei);

}  // namespace importfile
