// The wizard in a terminal, interactive or as a batch command.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "importfile/employee_export.h"
#include "platform/system.h"
#include "startup/language.h"

namespace console {

// Exit statuses of the terminal program.
inline constexpr int kDone = 0;
inline constexpr int kFaults = 1;  // faults in the file, no administrator, import declined
inline constexpr int kUsage = 2;   // a wrong command line
// A fatal message or error report ends with startup::kFatalExitStatus (3).

// The four steps with their state marks and the buttons that can be pressed,
// read from `in` until the user closes the window or the input ends. With
// `echo`, every line read is written out after its prompt.
int runInteractive(platform::System& system, startup::Language language, std::istream& in,
                   std::ostream& out, bool echo);

enum class BatchCommand { kCheck, kImport, kBackups, kRestore, kExport };
struct BatchOptions {
  BatchCommand command = BatchCommand::kCheck;
  std::string dataFolder;  // empty: the planner's settings name it
  std::string importFile;  // check, import; restore: the backup's name or path; export: the target
  bool yes = false;        // overwrite existing employee data (restore: the list)
  bool dryRun = false;     // import: list the changes, write nothing
  std::string faultsReport;  // check: the file that gets the faults; empty: none
  std::string encodingName;  // export: "cp" for the planner's code page, "utf-8"
  importfile::ExportEncoding encoding = importfile::ExportEncoding::kUtf8;
  // check, import, restore, export: the regional settings named by --region; nothing: the system's.
  std::string regionCode;
  std::optional<platform::RegionalSettings> region;  // the one that regionCode names
  // A path named with characters that the code page lacks; empty: none.
  std::string nameOutsideCodePage;
};

int runBatch(platform::System& system, startup::Language language, const BatchOptions& options,
             std::ostream& out);

}  // namespace console
