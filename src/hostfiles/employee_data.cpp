#include "hostfiles/employee_data.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "hostfiles/employee_record.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/not_found_message.h"
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

std::string headerNotDetectedText(startup::Language language) {
  return startup::pick(language, "Der Dateiheader in 'Mitarbeiterdaten.dat' wurde nicht erkannt",
                       "Header of file 'Mitarbeiterdaten.dat' not detected",
                       "Le header du fichier « Mitarbeiterdaten.dat » n'a pas été détecté")
      .value_or("");
}

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

void addEntry(Entries& entries, std::string line, const std::string& decimalSeparator) {
  if (isTextLine(line)) {
    entries.add(std::move(line));
    return;
  }
  line = currentEmployeeLine(std::move(line));
  EmployeeRecord record = readEmployeeLine(line);
  const auto regional = [&](std::string_view value) {
    return startup::Text_ersetzen(std::string(value), ",", decimalSeparator);
  };
  entries.add(std::move(record.name));
  entries.userId.back() = std::move(record.userId);
  entries.from.back() = std::move(record.fromDate);
  entries.to.back() = std::move(record.toDate);
  entries.vacation.back() =
      regional(column(line, columns::kResidual, columns::kVacationBlockWidth));
  entries.additional.back() = regional(record.additional);
}

// The entry lines up to the end of the file; the planner counts them in 16 bits.
Entries readEntries(ProgramState& state) {
  Entries entries;
  while (!state.Datei1.atEnd()) {
    if (entries.size() == std::numeric_limits<std::int16_t>::max()) {
      throw RunTimeError(startup::kOverflow);
    }
    addEntry(entries, LineIn(state), state.Dezimaltrenner);
  }
  if (entries.size() == 0) entries.add("NoNames");
  return entries;
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
    const std::string file = state.Datenpfad + std::string(kEmployeeDataFile);
    openPlannerFile(state, file);
    if (LineIn(state) != kEmployeeDataHeader) {
      startup::Programm_beenden(state, headerNotDetectedText(state.Sprache));
    }
    std::string head = LineIn(state);
    const std::int16_t number = wholeNumber(LineIn(state), state.Region);
    Entries entries = readEntries(state);
    Datei_schliessen(state);
    state.Mitarbeiter_Kopf = std::move(head);
    state.Mitarbeiter_Zahl = number;
    keep(state, std::move(entries));
  });
}

std::optional<std::vector<EmployeeRecord>> employeeEntries(
    const std::vector<std::string>& lines, const platform::RegionalSettings& region) {
  constexpr std::size_t kHeadLines = 3;  // header, head value, number
  if (lines.size() < kHeadLines || lines[0] != kEmployeeDataHeader ||
      lines.size() - kHeadLines > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  try {
    wholeNumber(lines[2], region);
    std::vector<EmployeeRecord> records;
    records.reserve(lines.size() - kHeadLines);
    for (std::size_t i = kHeadLines; i < lines.size(); ++i) {
      records.push_back(entryRecord(lines[i]));
    }
    return records;
  } catch (const RunTimeError&) {
    return std::nullopt;
  }
}

bool readEmployeeEntries(ProgramState& state, const std::function<void(const EntryView&)>& each) {
  const std::string path = state.Datenpfad + std::string(kEmployeeDataFile);
  FileChannel channel;
  if (state.system->pathKind(path) != platform::PathKind::kNormalFile ||
      !channel.open(*state.system, path, Modus::Input)) {
    return false;
  }
  std::string line;  // one buffer for every line
  const auto next = [&] { return !channel.atEnd() && (unscrambledLine(channel, line), true); };
  try {
    if (!next() || line != kEmployeeDataHeader || !next() || !next()) return false;
    wholeNumber(line, state.Region);
    for (std::size_t count = 0; next(); ++count) {
      if (count == std::numeric_limits<std::int16_t>::max()) return false;
      each(viewEntry(line));
    }
    return true;
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

void writeEmployeeData(ProgramState& state, const EntrySource& entries) {
  Datei_oeffnen(state, state.Datenpfad + std::string(kEmployeeDataFile), Modus::Output,
                Fehlerbehandlung::ReportErrors);
  LineOut(state, kEmployeeDataHeader);
  LineOut(state, state.Mitarbeiter_Kopf.empty() ? kDefaultHeadValue
                                                : std::string_view(state.Mitarbeiter_Kopf));
  LineOut(state, std::to_string(state.Mitarbeiter_Zahl));
  for (std::size_t i = 0; i < entries.count; ++i) LineOut(state, entryLine(entries.entry(i)));
  Datei_schliessen(state);
}

}  // namespace hostfiles
