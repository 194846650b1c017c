// The faults of a check as a table for a spreadsheet: one line per fault,
// UTF-8 with a byte order mark, lines ended by CR LF.
#pragma once

#include <string>
#include <vector>

#include "importfile/check_outcome.h"
#include "startup/program_state.h"

namespace importfile {

// The lines of the report, header first, without line ends. The separator is
// ";" where the regional decimal separator is ",", otherwise ",".
std::vector<std::string> faultsReportLines(const startup::ProgramState& state,
                                           const std::vector<Fault>& faults);

// Writes the report to `path`, replacing an older one only once it is
// complete. A file that cannot be written ends the program with a message.
void writeFaultsReport(startup::ProgramState& state, const std::string& path,
                       const std::vector<Fault>& faults);

}  // namespace importfile
