// The planner's employee data file "Mitarbeiterdaten.dat" in the data folder:
// its layout, shared by the reader and the writer.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "hostfiles/employee_record.h"
#include "startup/program_state.h"

namespace hostfiles {

// Reads the file into Mitarbeiter_Kopf, Mitarbeiter_Zahl and the six
// Mitarbeiter_ arrays; older line forms are brought into the current one.
// Ends the program with a message when the file is missing or damaged.
void Mitarbeiterdaten_lesen(startup::ProgramState& state);

// The first line of an employee file, counted from 1, that breaks the layout.
struct EmployeeFileFault {
  std::size_t line = 0;
  LineFault fault = LineFault::kNone;
};

// The entries of an employee file given as its plain lines, when every line
// keeps the layout that the writer keeps (entry lines of an older form once
// brought into the current one); otherwise the first fault.
std::variant<std::vector<EmployeeRecord>, EmployeeFileFault> employeeEntries(
    const std::vector<std::string>& lines, const platform::RegionalSettings& region);

// Gives the entries of the file in `dataFolder` to `each` one by one, in the file's order,
// read through a channel of its own without ending the program: false when
// the file is missing or damaged, perhaps after some entries. The file is
// only read.
bool readEmployeeEntries(const startup::Context& context, const std::string& dataFolder,
                         const std::function<void(const EntryView&)>& each);

// Writes the file anew with `lines` as they stand, each with a new key.
// Run-time errors go to the caller's handler.
void writeEmployeeFile(startup::ProgramState& state, const std::vector<std::string>& lines);

// Writes the file anew: header, head value ("99999999" when it was empty), the
// whole number, then the lines of `entries`. Run-time errors go to the
// caller's handler.
void writeEmployeeData(startup::ProgramState& state, std::span<const EntryView> entries);

}  // namespace hostfiles
