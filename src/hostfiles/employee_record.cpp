#include "hostfiles/employee_record.h"

#include <algorithm>

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

bool isTextLine(std::string_view line) {
  return line.find(kFieldSeparator) == std::string_view::npos;
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

std::string_view value(std::string_view line, std::size_t at) {
  return column(line, at, columns::kValueWidth);
}

EntryView viewEmployeeLine(std::string_view line) {
  const std::size_t end = line.find(kFieldSeparator, columns::kName);
  if (end == std::string_view::npos) throw startup::RunTimeError(startup::kInvalidProcedureCall);
  EntryView entry;
  entry.kind = EmployeeRecord::Kind::kEmployee;
  entry.fromDate = column(line, columns::kFromDate, columns::kDateWidth);
  entry.toDate = column(line, columns::kToDate, columns::kDateWidth);
  entry.residual = value(line, columns::kResidual);
  for (std::size_t i = 0; i < entry.entitlements.size(); ++i) {
    entry.entitlements[i] = value(line, columns::kEntitlements + i * columns::kValueStep);
  }
  entry.additional = value(line, columns::kAdditional);
  entry.name = line.substr(columns::kName, end - columns::kName);
  entry.userId = line.substr(end + 1);
  return entry;
}

}  // namespace

EmployeeRecord readEmployeeLine(std::string_view line) {
  const EntryView entry = viewEmployeeLine(line);
  EmployeeRecord record;
  record.kind = EmployeeRecord::Kind::kEmployee;
  record.name = entry.name;
  record.userId = entry.userId;
  record.fromDate = entry.fromDate;
  record.toDate = entry.toDate;
  record.residual = entry.residual;
  for (std::size_t i = 0; i < record.entitlements.size(); ++i) {
    record.entitlements[i] = entry.entitlements[i];
  }
  record.additional = entry.additional;
  for (std::size_t i = 0; i < record.reserved.size(); ++i) {
    record.reserved[i] = value(line, columns::kReserved + i * columns::kValueStep);
  }
  return record;
}

EmployeeRecord entryRecord(std::string_view line) {
  if (!isTextLine(line)) return readEmployeeLine(line);
  EmployeeRecord record;
  record.name = line;
  return record;
}

EntryView viewEntry(std::string_view line) {
  if (!isTextLine(line)) return viewEmployeeLine(line);
  EntryView text;
  text.name = line;
  return text;
}

std::string entryLine(const EmployeeRecord& record) {
  if (record.kind == EmployeeRecord::Kind::kText) return record.name;
  std::string line = record.fromDate + kFieldSeparator + record.toDate;
  const auto add = [&](const std::string& field) {
    line += kFieldSeparator;
    line += field;
  };
  add(record.residual);
  for (const std::string& value : record.entitlements) add(value);
  add(record.additional);
  for (const std::string& value : record.reserved) add(value);
  add(record.name);
  add(record.userId);
  return line;
}

}  // namespace hostfiles
