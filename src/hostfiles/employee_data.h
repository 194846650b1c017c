// The planner's employee data file "Mitarbeiterdaten.dat" in the data folder:
// its layout, shared by the reader and the writer.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "hostfiles/employee_record.h"
#include "startup/program_state.h"

namespace hostfiles {

// Reads the file into Mitarbeiter_Kopf, Mitarbeiter_Zahl and the six
// Mitarbeiter_ arrays; older line forms are brought into the current one.
// Ends the program with a message when the file is missing or damaged.
void Mitarbeiterdaten_lesen(startup::ProgramState& state);

// The entries of an employee file given as its plain lines; nothing when the
// lines are no employee file in one of its forms.
std::optional<std::vector<EmployeeRecord>> employeeEntries(
    const std::vector<std::string>& lines, const platform::RegionalSettings& region);

// Gives the entries of the file to `each` one by one, in the file's order,
// read through a channel of its own without ending the program: false when
// the file is missing or damaged, perhaps after some entries. The file is
// only read.
bool readEmployeeEntries(startup::ProgramState& state,
                         const std::function<void(const EntryView&)>& each);

// Writes the file anew with `lines` as they stand, each with a new key.
// Run-time errors go to the caller's handler.
void writeEmployeeFile(startup::ProgramState& state, const std::vector<std::string>& lines);

// Writes the file anew: header, head value ("99999999" when it was empty), the
// whole number, then the lines of `entries`. Run-time errors go to the
// caller's handler.
void writeEmployeeData(startup::ProgramState& state, const EntrySource& entries);

}  // namespace hostfiles
