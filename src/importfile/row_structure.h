// The passes of the check that deal with the structure of the rows: quotes,
// forbidden characters and the split into ten columns.
#pragma once

#include "importfile/check_run.h"

namespace importfile {

// Removes the double quotes that open or close a column of Rohzeile; in such a
// column "" becomes one quote, and other quotes inside a column stay.
void removeQuotes(startup::ProgramState& state);

// Asks about every row that holds "|", or ":" while that is not the separator,
// and then about every row with a control character in a column that the
// split uses: the planner's files cannot hold one. False when the user
// answered No.
bool checkForbiddenCharacters(CheckRun& run);

// Splits Rohzeile of every row into its ten fields (a text row into its name
// only) and uses it up. Stops at a row with more than ten columns: shows the
// column-count message and gives false.
bool splitRows(CheckRun& run);

}  // namespace importfile
