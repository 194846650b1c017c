// The entry lines of the employee data file: their column layout, shared by
// the reader and the writer, and the record that one line holds.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace hostfiles {

inline constexpr std::string_view kEmployeeDataFile = "Mitarbeiterdaten.dat";
inline constexpr std::string_view kEmployeeDataHeader = "[Mitarbeiterdaten]";
// The head value written when the file held none.
inline constexpr std::string_view kDefaultHeadValue = "99999999";
// The value zero; the three reserved values of the lines we write hold it.
inline constexpr std::string_view kZeroValue = "000,0";
inline constexpr char kFieldSeparator = ':';
// The dates of an employee without a start or an end.
inline constexpr std::string_view kNoStartDate = "000000";
inline constexpr std::string_view kNoEndDate = "999999";
// Names and user ids hold 1 to 40 and 0 to 40 characters.
inline constexpr std::size_t kMaxNameLength = 40;

// Columns of an employee line, counted from 0. A value is five characters;
// each field is followed by one kFieldSeparator up to the name.
namespace columns {
inline constexpr std::size_t kFromDate = 0;
inline constexpr std::size_t kToDate = 7;
inline constexpr std::size_t kDateWidth = 6;
inline constexpr std::size_t kResidual = 14;
inline constexpr std::size_t kEntitlements = 20;  // four values, kValueStep apart
inline constexpr std::size_t kAdditional = 44;
inline constexpr std::size_t kReserved = 50;  // three values, kValueStep apart
inline constexpr std::size_t kName = 68;      // the name runs to the next separator
inline constexpr std::size_t kValueWidth = 5;
inline constexpr std::size_t kValueStep = kValueWidth + 1;
// The residual vacation and the four entitlements with their separators.
inline constexpr std::size_t kVacationBlockWidth = kAdditional - 1 - kResidual;
}  // namespace columns

// One entry line. A text line is the whole line in `name`, every other field
// empty; its line holds no kFieldSeparator.
struct EmployeeRecord {
  enum class Kind { kText, kEmployee };

  Kind kind = Kind::kText;
  std::string name;
  std::string userId;
  std::string fromDate;  // yymmdd, "000000" for no start
  std::string toDate;    // yymmdd, "999999" for no end
  std::string residual;  // the values: five characters with ","
  std::array<std::string, 4> entitlements;
  std::string additional;
  std::array<std::string, 3> reserved;
};

// Entries given one at a time, so that no list of records need be built.
struct EntrySource {
  std::size_t count = 0;
  std::function<EmployeeRecord(std::size_t)> entry;  // entry(0) to entry(count - 1)
};

// The `width` characters of `line` from `at` on, fewer or none where the line
// is shorter.
std::string_view column(std::string_view line, std::size_t at, std::size_t width);

bool isTextLine(std::string_view line);
// An employee line of an older form brought into the current one: a residual
// vacation of three digits, then four entitlements of three digits each
// without the additional vacation and the reserved values. Current lines come
// back unchanged.
std::string currentEmployeeLine(std::string line);
// The record of an employee line in the current form. Raises a run-time error
// when no separator follows the name's column.
EmployeeRecord readEmployeeLine(std::string_view line);
// The record of an entry line in the current form: a text line or an employee line.
EmployeeRecord entryRecord(std::string_view line);

// The fields of an entry line that tell who the employee is and what is due,
// as views into the line; a text line is the whole line in `name`.
struct EntryView {
  EmployeeRecord::Kind kind = EmployeeRecord::Kind::kText;
  std::string_view name;
  std::string_view userId;
  std::string_view fromDate;
  std::string_view toDate;
  std::string_view residual;
  std::array<std::string_view, 4> entitlements;
  std::string_view additional;
};

// The view of an entry line in the current form. Raises a run-time error as
// readEmployeeLine does.
EntryView viewEntry(std::string_view line);
// The line that holds `record`.
std::string entryLine(const EmployeeRecord& record);

// Why a line of the employee file breaks the layout that the writer keeps.
enum class LineFault {
  kNone,
  kHead,    // the header, the head value or the whole number is not as written
  kLayout,  // a separator is missing after a field
  kDate,    // a date is no date stamp, nor the mark of no start or no end
  kValue,   // a value is not in the five-character form
  kName,    // a name is empty or too long
  kUserId,  // a user id is too long or holds a separator
};

// The first rule of the layout that `line`, an entry line in the current
// form, breaks; a text line breaks none. The records of the import pass every
// rule. (An unscrambled line holds no control character.)
LineFault entryFault(std::string_view line);

}  // namespace hostfiles
