#include "hostfiles/employee_data.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "hostfiles/employee_record.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/open_planner_file.h"
#include "hostfiles/planner_texts.h"
#include "startup/formatting.h"
#include "startup/messages.h"
#include "startup/numbers.h"

namespace hostfiles {

using startup::ProgramState;
using startup::RunTimeError;

namespace {

// The six Mitarbeiter_ arrays, element i of each for entry line i + 1.
struct Entries {
  std::vector<std::string> name, userId, from, to, vacation, additional;

  std::size_t size() const { return name.size(); }
  void add(std::string entryName) {
    name.push_back(std::move(entryName));
    for (auto* field : {&userId, &from, &to, &vacation, &additional}) field->emplace_back();
  }
};

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

// The head of the file: the value after the header and the whole number.
struct Head {
  std::string value;
  std::int16_t number = 0;
};

// The one reading of the file's layout: the header, the head value, the whole
// number, then each entry line to the end, handed to `entry` in its current
// form. Nothing when the header is not the file's. `nextLine` fills the line
// it is given and raises a run-time error past the end; every error goes to
// the caller.
template <typename AtEnd, typename NextLine, typename Entry>
std::optional<Head> readLayout(AtEnd atEnd, NextLine nextLine,
                               const platform::RegionalSettings& region, Entry entry) {
  std::string line;  // one buffer for every line
  nextLine(line);
  if (line != kEmployeeDataHeader) return std::nullopt;
  Head head;
  nextLine(head.value);
  nextLine(line);
  head.number = wholeNumber(line, region);
  // The planner counts the entry lines in 16 bits.
  for (std::size_t count = 0; !atEnd(); ++count) {
    if (count == std::numeric_limits<std::int16_t>::max()) throw RunTimeError(startup::kOverflow);
    nextLine(line);
    if (!isTextLine(line)) line = currentEmployeeLine(std::move(line));
    entry(std::as_const(line));
  }
  return head;
}

// Fills the arrays with an entry; the vacation values are the line's own, in
// the regional form.
void addEntry(Entries& entries, const std::string& line, EmployeeRecord record,
              const std::string& decimalSeparator) {
  entries.add(std::move(record.name));
  if (record.kind == EntryKind::kText) return;
  const auto regional = [&](std::string_view value) {
    return startup::Text_ersetzen(std::string(value), ",", decimalSeparator);
  };
  entries.userId.back() = std::move(record.userId);
  entries.from.back() = std::move(record.fromDate);
  entries.to.back() = std::move(record.toDate);
  entries.vacation.back() =
      regional(column(line, columns::kResidual, columns::kVacationBlockWidth));
  entries.additional.back() = regional(record.additional);
}

void keep(ProgramState& state, Entries entries) {
  state.Mitarbeiter_Name = std::move(entries.name);
  state.Mitarbeiter_Kennung = std::move(entries.userId);
  state.Mitarbeiter_Von = std::move(entries.from);
  state.Mitarbeiter_Bis = std::move(entries.to);
  state.Mitarbeiter_Urlaub = std::move(entries.vacation);
  state.Mitarbeiter_Sonderurlaub = std::move(entries.additional);
}

}  // namespace

void Mitarbeiterdaten_lesen(ProgramState& state) {
  startup::guarded(state, "modPersonallader - Mitarbeiterdaten_lesen", [&] {
    openPlannerFile(state, state.Datenpfad + std::string(kEmployeeDataFile));
    Entries entries;
    const auto head = readLayout([&] { return state.Datei1.atEnd(); },
                                 [&](std::string& line) { LineIn(state, line); }, state.Region,
                                 [&](const std::string& line) {
                                   addEntry(entries, line, entryRecord(line), state.Dezimaltrenner);
                                 });
    if (!head) startup::Programm_beenden(state, texts::employeeHeaderNotDetected(state.Sprache));
    Datei_schliessen(state);
    if (entries.size() == 0) entries.add("NoNames");
    state.Mitarbeiter_Kopf = head->value;
    state.Mitarbeiter_Zahl = head->number;
    keep(state, std::move(entries));
  });
}

std::variant<std::vector<EmployeeRecord>, EmployeeFileFault> employeeEntries(
    const std::vector<std::string>& lines, const platform::RegionalSettings& region) {
  std::size_t next = 0;  // the lines read
  std::vector<EmployeeRecord> records;
  records.reserve(lines.size());
  EmployeeFileFault first;
  const auto add = [&](const std::string& line) {
    if (first.fault != LineFault::kNone) return;
    first = {next, entryFault(line)};
    if (first.fault == LineFault::kNone) records.push_back(entryRecord(line));
  };
  try {
    const auto head = readLayout([&] { return next == lines.size(); },
                                 [&](std::string& line) {
                                   if (next == lines.size()) {
                                     throw RunTimeError(startup::kInputPastEndOfFile);
                                   }
                                   line = lines[next++];
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

bool readEmployeeEntries(const startup::Context& context, const std::string& dataFolder,
                         const std::function<void(const EntryView&)>& each) {
  const std::string path = dataFolder + std::string(kEmployeeDataFile);
  FileChannel channel;
  if (context.system->pathKind(path) != platform::PathKind::kNormalFile ||
      !channel.open(*context.system, path, Modus::Input)) {
    return false;
  }
  try {
    return readLayout([&] { return channel.atEnd(); },
                      [&](std::string& line) { unscrambledLine(channel, line); }, context.Region,
                      [&](const std::string& line) { each(viewEntry(line)); })
        .has_value();
  } catch (const RunTimeError&) {
    return false;
  }
}

void writeEmployeeFile(ProgramState& state, const std::vector<std::string>& lines) {
  Datei_oeffnen(state, state.Datenpfad + std::string(kEmployeeDataFile), Modus::Output,
                Fehlerbehandlung::ReportErrors);
  for (const std::string& line : lines) LineOut(state, line);
  Datei_schliessen(state);
}

void writeEmployeeData(ProgramState& state, std::span<const EntryView> entries) {
  Datei_oeffnen(state, state.Datenpfad + std::string(kEmployeeDataFile), Modus::Output,
                Fehlerbehandlung::ReportErrors);
  LineOut(state, kEmployeeDataHeader);
  LineOut(state, state.Mitarbeiter_Kopf.empty() ? kDefaultHeadValue
                                                : std::string_view(state.Mitarbeiter_Kopf));
  LineOut(state, std::to_string(state.Mitarbeiter_Zahl));
  for (const EntryView& entry : entries) LineOut(state, entryLine(entry));
  Datei_schliessen(state);
}

}  // namespace hostfiles
