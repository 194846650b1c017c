// The passes of the check that deal with the structure of the rows: forbidden
// characters and the split into ten columns, quoted fields included (see
// quoted_fields.h).
#pragma once

#include "importfile/import_check.h"

namespace importfile {

// Asks about every row that holds "|", or ":" other than as the separator,
// and then about every row with a control character (a line end in a quoted
// field, say) in a column that the split uses: the planner's files cannot hold
// one. False when the user answered No.
bool checkForbiddenCharacters(CheckRun& run);

// Splits Rohzeile of every row into its ten fields (a text row into its name
// only), without the quotes of quoted fields, and uses it up. Stops at a row
// with more than ten columns or with a quote that opens a field and is never
// closed: shows the column-count message with the likely cause and gives false.
bool splitRows(CheckRun& run);

}  // namespace importfile
