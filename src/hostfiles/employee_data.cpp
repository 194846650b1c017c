#include "hostfiles/employee_data.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "hostfiles/employee_record.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/planner_texts.h"
#include "startup/messages.h"
#include "startup/numbers.h"

namespace hostfiles {

using startup::Context;
using startup::RunTimeError;

namespace {

// The number rounded down, as a 16-bit integer.
std::int16_t wholeNumber(const std::string& text, const platform::RegionalSettings& region) {
  const auto number = startup::readNumber(text, region);
  if (!number) throw RunTimeError(startup::kTypeMismatch);
  const double whole = std::floor(*number);
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    throw RunTimeError(startup::kOverflow);
  }
  return static_cast<std::int16_t>(whole);
}

// The one reading of the file's layout: the header, the head value, the whole
// number, then each entry line to the end, handed to `entry` in its current
// form. Nothing when the header is not the file's. `nextLine` gives the next
// line, valid until its next call, and raises a run-time error past the end;
// every error goes to the caller.
template <typename AtEnd, typename NextLine, typename Entry>
std::optional<EmployeeFileHead> readLayout(AtEnd atEnd, NextLine nextLine,
                                           const platform::RegionalSettings& region, Entry entry) {
  if (nextLine() != kEmployeeDataHeader) return std::nullopt;
  EmployeeFileHead head;
  head.value = nextLine();
  head.number = wholeNumber(std::string(nextLine()), region);
  std::string older;  // an entry line of an older form, brought into the current one
  // The planner counts the entry lines in 16 bits.
  for (std::size_t count = 0; !atEnd(); ++count) {
    if (count == std::numeric_limits<std::int16_t>::max()) throw RunTimeError(startup::kOverflow);
    std::string_view line = nextLine();
    if (!isTextLine(line) && !isCurrentEmployeeLine(line)) {
      line = older = currentEmployeeLine(std::string(line));
    }
    entry(line);
  }
  return head;
}

}  // namespace

EmployeeFileHead Mitarbeiterdaten_lesen(const Context& context, const std::string& dataFolder) {
  return startup::guarded(context, "modPersonallader - Mitarbeiterdaten_lesen", [&] {
    FileChannel channel;
    openPlannerFile(context, channel, dataFolder + std::string(kEmployeeDataFile));
    std::optional<std::string> firstName;
    std::string buffer;  // one for every line
    auto head = readLayout([&] { return channel.atEnd(); },
                           [&] {
                             LineIn(context, channel, buffer);
                             return std::string_view(buffer);
                           },
                           context.region,
                           [&](std::string_view line) {
                             const EntryView entry = viewEntry(line);  // raises for a broken line
                             if (!firstName) firstName.emplace(entry.name);
                           });
    if (!head)
      startup::Programm_beenden(context, texts::employeeHeaderNotDetected(context.language));
    Datei_schliessen(channel);
    head->holdsEntries = firstName.value_or(std::string(kNoEntries)) != kNoEntries;
    return *std::move(head);
  });
}

std::variant<std::vector<EmployeeRecord>, EmployeeFileFault> employeeEntries(
    const std::vector<std::string>& lines, const platform::RegionalSettings& region) {
  std::size_t next = 0;  // the lines read
  std::vector<EmployeeRecord> records;
  records.reserve(lines.size());
  EmployeeFileFault first;
  const auto add = [&](std::string_view line) {
    if (first.fault != LineFault::kNone) return;
    first = {next, entryFault(line)};
    if (first.fault == LineFault::kNone) records.push_back(entryRecord(line));
  };
  try {
    const auto head = readLayout([&] { return next == lines.size(); },
                                 [&] {
                                   if (next == lines.size()) {
                                     throw RunTimeError(startup::kInputPastEndOfFile);
                                   }
                                   return std::string_view(lines[next++]);
                                 },
                                 region, add);
    // The writer writes the whole number as decimal digits.
    if (!head) return EmployeeFileFault{1, LineFault::kHead};
    if (std::to_string(head->number) != lines[2]) return EmployeeFileFault{3, LineFault::kHead};
  } catch (const RunTimeError&) {
    // Raised by the head (a missing line, or line 3 no number) or by an
    // entry more than the planner counts.
    if (first.fault == LineFault::kNone) {
      const std::size_t line = next == 3 ? 3 : next + 1;
      first = {line, line <= 3 ? LineFault::kHead : LineFault::kLayout};
    }
  }
  if (first.fault != LineFault::kNone) return first;
  return records;
}

bool readEmployeeEntries(const Context& context, const std::string& dataFolder,
                         const std::function<void(const EntryView&)>& each) {
  const std::string path = dataFolder + std::string(kEmployeeDataFile);
  FileChannel channel;
  if (context.system->pathKind(path) != platform::PathKind::kNormalFile ||
      !channel.open(*context.system, path, Modus::Input)) {
    return false;
  }
  try {
    return readLayout([&] { return channel.atEnd(); },
                      [&] { return unscrambledLineInPlace(channel); }, context.region,
                      [&](std::string_view line) { each(viewEntry(line)); })
        .has_value();
  } catch (const RunTimeError&) {
    return false;
  }
}

void writeEmployeeFile(const Context& context, const std::string& dataFolder,
                       const std::vector<std::string>& lines) {
  FileChannel channel;
  Datei_oeffnen(context, channel, dataFolder + std::string(kEmployeeDataFile), Modus::Output,
                Fehlerbehandlung::ReportErrors);
  for (const std::string& line : lines) LineOut(context, channel, line);
  Datei_schliessen(channel);
}

void writeEmployeeData(const Context& context, const std::string& dataFolder,
                       const EmployeeFileHead& head, std::span<const EntryView> entries) {
  FileChannel channel;
  Datei_oeffnen(context, channel, dataFolder + std::string(kEmployeeDataFile), Modus::Output,
                Fehlerbehandlung::ReportErrors);
  LineOut(context, channel, kEmployeeDataHeader);
  LineOut(context, channel, head.value.empty() ? kDefaultHeadValue : std::string_view(head.value));
  LineOut(context, channel, std::to_string(head.number));
  for (const EntryView& entry : entries) LineOut(context, channel, entryLine(entry));
  Datei_schliessen(channel);
}

}  // namespace hostfiles
