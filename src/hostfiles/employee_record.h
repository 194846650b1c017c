// The entry lines of the employee data file: their column layout, shared by
// the reader and the writer, and the one shape of an entry, as a record that
// owns its fields or as a view of them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
inline constexpr std::size_t kReservedCount = 3;  // from 50 on, kValueStep apart
inline constexpr std::size_t kName = 68;          // the name runs to the next separator
inline constexpr std::size_t kValueWidth = 5;
inline constexpr std::size_t kValueStep = kValueWidth + 1;
// The residual vacation and the four entitlements with their separators.
inline constexpr std::size_t kVacationBlockWidth = kAdditional - 1 - kResidual;
}  // namespace columns

enum class EntryKind { kText, kEmployee };

// The fields of one entry line. A text line is the whole line in `name`,
// every other field empty; its line holds no kFieldSeparator. The three
// reserved values are not kept: nothing reads them, and we write them zero.
template <typename Text>
struct Entry {
  EntryKind kind = EntryKind::kText;
  Text name;
  Text userId;
  Text fromDate;  // yymmdd, "000000" for no start
  Text toDate;    // yymmdd, "999999" for no end
  Text residual;  // the values: five characters with ","
  std::array<Text, 4> entitlements;
  Text additional;
};

// An entry that owns its fields, and one that views them in a text that
// outlives it.
using EmployeeRecord = Entry<std::string>;
using EntryView = Entry<std::string_view>;

inline constexpr std::size_t kFieldCount = 10;

// The fields of `entry` in their order: 0 the name, 1 the user id, 2 and 3
// the dates, 4 the residual vacation, 5 to 8 the entitlements, 9 the
// additional vacation.
template <typename Text>
std::array<std::string_view, kFieldCount> fieldsOf(const Entry<Text>& entry) {
  return {entry.name,
          entry.userId,
          entry.fromDate,
          entry.toDate,
          entry.residual,
          entry.entitlements[0],
          entry.entitlements[1],
          entry.entitlements[2],
          entry.entitlements[3],
          entry.additional};
}

// `entry` with its fields as `To`: a record's view, or a view's record.
template <typename To, typename From>
Entry<To> entryAs(const Entry<From>& entry) {
  const auto as = [](const From& field) { return To(field); };
  return {entry.kind,
          as(entry.name),
          as(entry.userId),
          as(entry.fromDate),
          as(entry.toDate),
          as(entry.residual),
          {as(entry.entitlements[0]), as(entry.entitlements[1]), as(entry.entitlements[2]),
           as(entry.entitlements[3])},
          as(entry.additional)};
}

// The `width` characters of `line` from `at` on, fewer or none where the line
// is shorter.
std::string_view column(std::string_view line, std::size_t at, std::size_t width);

bool isTextLine(std::string_view line);
// True unless `line`, an employee line, is of an older form.
bool isCurrentEmployeeLine(std::string_view line);
// An employee line of an older form brought into the current one: a residual
// vacation of three digits, then four entitlements of three digits each
// without the additional vacation and the reserved values. Current lines come
// back unchanged.
std::string currentEmployeeLine(std::string line);

// The view of an entry line in the current form: a text line or an employee
// line. Raises a run-time error when no separator follows the name's column.
EntryView viewEntry(std::string_view line);
// The same as a record.
EmployeeRecord entryRecord(std::string_view line);
// Views of `records`, which must outlive them.
std::vector<EntryView> entryViews(const std::vector<EmployeeRecord>& records);
// The line that holds `entry`, its reserved values zero.
std::string entryLine(const EntryView& entry);

// The employees among `entries`: the text lines left out.
template <typename Entries>
std::size_t employeeCount(const Entries& entries) {
  return static_cast<std::size_t>(
      std::ranges::count(entries, EntryKind::kEmployee, &Entries::value_type::kind));
}

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
