#include "hostfiles/employee_record.h"

#include <algorithm>

#include "startup/characters.h"
#include "startup/dates.h"
#include "startup/run_time_error.h"

namespace hostfiles {

namespace {

// Where the decimal separator of a current value stands; older lines have
// three digits there and nothing after them.
constexpr std::size_t kCommaInValue = 3;
constexpr std::size_t kOldValueStep = 4;  // three digits and a separator

std::string_view from(std::string_view line, std::size_t at) {
  return at < line.size() ? line.substr(at) : std::string_view();
}

bool hasCommaAt(std::string_view line, std::size_t at) { return column(line, at, 1) == ","; }

// Four older entitlements of three digits become values, followed by the
// additional vacation and the reserved values, all zero.
std::string withCurrentEntitlements(std::string_view line) {
  const std::size_t first = columns::kEntitlements + kCommaInValue;
  std::string out(column(line, 0, first));
  out += ",0";
  for (std::size_t i = 0; i < 3; ++i) {
    out += column(line, first + i * kOldValueStep, kOldValueStep);
    out += ",0";
  }
  for (int i = 0; i < 4; ++i) {
    out += kFieldSeparator;
    out += kZeroValue;
  }
  out += from(line, first + 3 * kOldValueStep);
  return out;
}

}  // namespace

std::string_view column(std::string_view line, std::size_t at, std::size_t width) {
  return from(line, at).substr(0, width);
}

// An employee line has a separator after its first date: a look there
// spares the search through the line.
bool isTextLine(std::string_view line) {
  constexpr std::size_t kFirstSeparator = columns::kToDate - 1;
  if (line.size() > kFirstSeparator && line[kFirstSeparator] == kFieldSeparator) return false;
  return line.find(kFieldSeparator) == std::string_view::npos;
}

bool isCurrentEmployeeLine(std::string_view line) {
  constexpr std::size_t kResidualComma = columns::kResidual + kCommaInValue;
  constexpr std::size_t kEntitlementComma = columns::kEntitlements + kCommaInValue;
  return line.size() > kEntitlementComma && line[kResidualComma] == ',' &&
         line[kEntitlementComma] == ',';
}

std::string currentEmployeeLine(std::string line) {
  const std::size_t residualComma = columns::kResidual + kCommaInValue;
  if (!hasCommaAt(line, residualComma)) line.insert(std::min(residualComma, line.size()), ",0");
  if (!hasCommaAt(line, columns::kEntitlements + kCommaInValue)) {
    line = withCurrentEntitlements(line);
  }
  return line;
}

namespace {

EntryView viewEmployeeLine(std::string_view line) {
  const std::size_t end = line.find(kFieldSeparator, columns::kName);
  if (end == std::string_view::npos) throw startup::RunTimeError(startup::kInvalidProcedureCall);
  // The line runs past the name's column, so every column before it is whole.
  const auto whole = [&](std::size_t at, std::size_t width) {
    return std::string_view(line.data() + at, width);
  };
  EntryView entry;
  entry.kind = EntryKind::kEmployee;
  entry.fromDate = whole(columns::kFromDate, columns::kDateWidth);
  entry.toDate = whole(columns::kToDate, columns::kDateWidth);
  entry.residual = whole(columns::kResidual, columns::kValueWidth);
  for (std::size_t i = 0; i < entry.entitlements.size(); ++i) {
    entry.entitlements[i] =
        whole(columns::kEntitlements + i * columns::kValueStep, columns::kValueWidth);
  }
  entry.additional = whole(columns::kAdditional, columns::kValueWidth);
  entry.name = line.substr(columns::kName, end - columns::kName);
  entry.userId = line.substr(end + 1);
  return entry;
}

}  // namespace

EntryView viewEntry(std::string_view line) {
  if (!isTextLine(line)) return viewEmployeeLine(line);
  EntryView text;
  text.name = line;
  return text;
}

EmployeeRecord entryRecord(std::string_view line) { return entryAs<std::string>(viewEntry(line)); }

std::vector<EntryView> entryViews(const std::vector<EmployeeRecord>& records) {
  std::vector<EntryView> views(records.size());
  std::ranges::transform(records, views.begin(), entryAs<std::string_view, std::string>);
  return views;
}

std::string entryLine(const EntryView& entry) {
  if (entry.kind == EntryKind::kText) return std::string(entry.name);
  std::string line(entry.fromDate);
  const auto add = [&](std::string_view field) {
    line += kFieldSeparator;
    line += field;
  };
  add(entry.toDate);
  add(entry.residual);
  for (const std::string_view value : entry.entitlements) add(value);
  add(entry.additional);
  for (std::size_t i = 0; i < columns::kReservedCount; ++i) add(kZeroValue);
  add(entry.name);
  add(entry.userId);
  return line;
}

namespace {

// The residual vacation, the four entitlements, the additional vacation and
// the three reserved values, each followed by a separator.
constexpr std::size_t kValueCount = 9;
constexpr std::size_t kFirstReserved = 6;

// Three digits, ",", one digit; or "-", two digits, ",", one digit.
bool isValue(std::string_view value) {
  if (value.size() != columns::kValueWidth || value[kCommaInValue] != ',') return false;
  const std::size_t first = value.front() == '-' ? 1 : 0;
  return std::all_of(value.begin() + first, value.begin() + kCommaInValue, startup::isDigit) &&
         startup::isDigit(value.back());
}

bool isDateOr(std::string_view date, std::string_view open) {
  return date == open || startup::isDateStamp(date);
}

bool separatorsInPlace(std::string_view line) {
  if (column(line, columns::kToDate - 1, 1) != ":" ||
      column(line, columns::kResidual - 1, 1) != ":") {
    return false;
  }
  for (std::size_t i = 0; i < kValueCount; ++i) {
    const std::size_t end = columns::kResidual + i * columns::kValueStep + columns::kValueWidth;
    if (column(line, end, 1) != ":") return false;
  }
  return true;
}

LineFault valuesFault(std::string_view line) {
  for (std::size_t i = 0; i < kValueCount; ++i) {
    const std::string_view value =
        column(line, columns::kResidual + i * columns::kValueStep, columns::kValueWidth);
    if (i < kFirstReserved ? !isValue(value) : value != kZeroValue) return LineFault::kValue;
  }
  return LineFault::kNone;
}

}  // namespace

LineFault entryFault(std::string_view line) {
  if (isTextLine(line)) return LineFault::kNone;
  const std::size_t nameEnd = line.find(kFieldSeparator, columns::kName);
  if (!separatorsInPlace(line) || nameEnd == std::string_view::npos) return LineFault::kLayout;
  if (!isDateOr(column(line, columns::kFromDate, columns::kDateWidth), kNoStartDate) ||
      !isDateOr(column(line, columns::kToDate, columns::kDateWidth), kNoEndDate)) {
    return LineFault::kDate;
  }
  if (const LineFault values = valuesFault(line); values != LineFault::kNone) return values;
  const std::string_view name = line.substr(columns::kName, nameEnd - columns::kName);
  if (name.empty() || name.size() > kMaxNameLength) return LineFault::kName;
  const std::string_view userId = line.substr(nameEnd + 1);
  if (userId.size() > kMaxNameLength || !isTextLine(userId)) return LineFault::kUserId;
  return LineFault::kNone;
}

}  // namespace hostfiles
