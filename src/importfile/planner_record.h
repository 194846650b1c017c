// How a checked import row becomes an entry of the planner's employee file.
#pragma once

#include <vector>

#include "hostfiles/employee_record.h"
#include "importfile/import_row.h"

namespace importfile {

// The entry that the import writes for `row`, viewing the row's texts: a row
// without a user id (only text rows, once checked) becomes a text line
// without its ">".
hostfiles::EntryView plannerEntry(const ImportRow& row);
// The entries of `rows`, which must outlive them.
std::vector<hostfiles::EntryView> plannerEntries(const ImportRows& rows);

}  // namespace importfile
