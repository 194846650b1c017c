// The name pass of the check: names, user names, both dates and the six
// numbers of every row, tested and brought into the form the import writes.
#pragma once

#include "importfile/import_check.h"

namespace importfile {

// Asks about every empty name, unreadable date, from-date after the to-date
// and unreadable number, repairing after Yes; cuts names to 40 characters and
// writes dates as date stamps and numbers in the planner's five-character
// form. Text rows keep only their name. False when the user answered No.
bool checkColumnValues(CheckRun& run);

}  // namespace importfile
