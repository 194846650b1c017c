// The faults of a check as a table for a spreadsheet: one line per fault,
// UTF-8 with a byte order mark, lines ended by CR LF. A field that a
// spreadsheet would take for a formula gets a leading apostrophe.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "importfile/check_outcome.h"
#include "startup/context.h"
#include "startup/write_target.h"

namespace importfile {

// The lines of the report, header first, without line ends. The separator is
// ";" where the regional decimal separator is ",", otherwise ",".
std::vector<std::string> faultsReportLines(const startup::Context& context,
                                           const std::vector<Fault>& faults);

// Why the report may not be written to `path` (the file being read, a file in
// the data or log folder, an existing file that is no earlier report), as the
// message to show; nothing when it may.
std::optional<std::string> faultsReportRefused(const startup::Context& context,
                                               const std::string& path,
                                               const startup::ProtectedPlaces& places);

// Whether `path` begins as a report of this program does, in any language and
// with either separator.
bool isFaultsReport(platform::System& system, const std::string& path);

// Writes the report to `path`, replacing an older one only once it is
// complete. A file that cannot be written ends the program with a message.
void writeFaultsReport(const startup::Context& context, const std::string& path,
                       const std::vector<Fault>& faults);

}  // namespace importfile
