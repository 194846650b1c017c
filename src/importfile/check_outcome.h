// What a run of the import data check found: its verdict, every fault it put
// to the user, the rows as it left them, and what an import of them would change.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "hostfiles/change_preview.h"
#include "importfile/import_row.h"

namespace importfile {

// One fault as the user saw it.
struct Fault {
  std::size_t row = 0;                // the number of "Fehler in Zeile N"
  std::size_t fileLine = 0;           // the line of the file where the row begins
  std::string name;                   // the name in the head; empty when the head shows none
  std::optional<std::size_t> column;  // from 0 (Name) to 9; none for a fault of the whole row
  std::string value;                  // as read
  std::string text;                   // the fault's text in the question
};

enum class Verdict {
  kNotChecked,   // no administrator, or the file could not be read or passes a limit
  kStopped,      // a fault answered No, or a row of too many columns
  kFaultsFound,  // every fault answered Yes: the verdict with errors
  kFaultFree,    // the verdict without errors; step 4 opens
};

struct CheckOutcome {
  Verdict verdict = Verdict::kNotChecked;
  std::vector<Fault> faults;
  // Only for a fault-free run whose planner employee file could be read.
  std::optional<hostfiles::ChangePreview> preview;
  // Split and normalised as far as the run went; the import writes them.
  ImportData data;
};

}  // namespace importfile
