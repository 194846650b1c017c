// The planner's employee data file "Mitarbeiterdaten.dat" in the data folder:
// its layout, shared by the reader and the writer.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "hostfiles/employee_record.h"
#include "startup/context.h"

namespace hostfiles {

// The name that the planner gives as the first entry of a file without any.
inline constexpr std::string_view kNoEntries = "NoNames";

// What an import keeps of the file it replaces.
struct EmployeeFileHead {
  std::string value;        // the line after the header
  std::int16_t number = 0;  // the whole number of the line after it
  // False when no entry follows, or the first is named kNoEntries.
  bool holdsEntries = false;
};

// Reads the file in `dataFolder`, every entry line checked (older line forms
// brought into the current one). Ends the program with a message when the
// file is missing or damaged.
EmployeeFileHead Mitarbeiterdaten_lesen(const startup::Context& context,
                                        const std::string& dataFolder);

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

// Writes the file in `dataFolder` anew with `lines` as they stand, each with a
// new key. Run-time errors go to the caller's handler.
void writeEmployeeFile(const startup::Context& context, const std::string& dataFolder,
                       const std::vector<std::string>& lines);

// Writes the file in `dataFolder` anew: header, head value ("99999999" when
// it was empty), the whole number, then the lines of `entries`. Run-time
// errors go to the caller's handler.
void writeEmployeeData(const startup::Context& context, const std::string& dataFolder,
                       const EmployeeFileHead& head, std::span<const EntryView> entries);

}  // namespace hostfiles
