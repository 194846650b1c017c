// How a checked import row becomes an entry of the planner's employee file.
#pragma once

#include "hostfiles/employee_record.h"
#include "importfile/change_preview.h"
#include "importfile/import_row.h"

namespace importfile {

// The record that the import writes for `row`: a row without a user id (only
// text rows, once checked) becomes a text line without its ">".
hostfiles::EmployeeRecord plannerRecord(const ImportRow& row);
// The records of `rows`, which must outlive the source.
hostfiles::EntrySource plannerRecords(const ImportRows& rows);
// The same for the preview, as views into `rows`.
WrittenEntries writtenEntries(const ImportRows& rows);

}  // namespace importfile
