// The planner's employee list as an import file: a header line of the ten
// columns, then one line per entry in the planner's order, text lines as
// ">text". Dates and numbers are written as the region writes them, so that
// the import reads every field back as it stands in the planner's file.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "hostfiles/employee_record.h"
#include "startup/context.h"
#include "startup/write_target.h"

namespace importfile {

// UTF-8 with a byte order mark, for a spreadsheet; or the planner's code page.
enum class ExportEncoding { kUtf8, kCodePage };

// The lines of the export in the code page, header first, without line ends.
// The separator is ";" where the decimal separator is ",", otherwise ",".
// Formulas are not neutralised: the file must come back unchanged, and a
// name that begins with "=" is a name.
std::vector<std::string> exportLines(const startup::Context& context,
                                     std::span<const hostfiles::EmployeeRecord> entries);

// Why the export may not be written to `path`, as the message to show; nothing
// when it may. An existing file may be replaced only when it is an earlier
// export or a faults report.
std::optional<std::string> exportRefused(const startup::Context& context, const std::string& path,
                                         const startup::ProtectedPlaces& places);

// Writes the export to `path`, replacing an older file only once it is
// complete. A file that cannot be written ends the program with a message.
void writeExport(const startup::Context& context, const std::string& path,
                 std::span<const hostfiles::EmployeeRecord> entries, ExportEncoding encoding);

// The entries (by index) that an import of the file at `path`, written from
// `entries`, would not write back as they stand: the import's own check,
// run without a word to the user, has a fault for them or changes them.
// `dataFolder` is where the planner's employee file lies, as for any check.
std::vector<std::size_t> changedOnImport(const startup::Context& context, const std::string& path,
                                         const std::string& dataFolder,
                                         std::span<const hostfiles::EmployeeRecord> entries);

}  // namespace importfile
