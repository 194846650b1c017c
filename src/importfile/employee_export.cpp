#include "importfile/employee_export.h"

#include <algorithm>
#include <array>

#include "hostfiles/file_channel.h"
#include "hostfiles/planner_texts.h"
#include "importfile/faults_report.h"
#include "importfile/import_check.h"
#include "importfile/quoted_fields.h"
#include "platform/codepage.h"
#include "startup/dates.h"
#include "startup/dialogs.h"
#include "startup/formatting.h"
#include "startup/messages.h"
#include "startup/numbers.h"

namespace importfile {

namespace {

using hostfiles::EmployeeRecord;

char separatorFor(const startup::Context& context) {
  return context.Dezimaltrenner == "," ? ';' : ',';
}

template <typename Fields>
std::string csvLine(const Fields& fields, char separator) {
  std::string line;
  for (const auto& field : fields) {
    if (&field != &fields.front()) line += separator;
    line += quotedField(field, separator);
  }
  return line;
}

// A date stamp in the region's short form with four digits of year; `open`
// (no start, no end) as nothing. Anything else stays as it is, for the
// import's check to name.
std::string dateField(std::string_view stamp, std::string_view open,
                      const platform::RegionalSettings& region) {
  if (stamp == open) return {};
  const auto date = startup::stampDate(stamp);
  if (!date) return std::string(stamp);
  const std::string year = std::to_string(date->year);
  const std::string month = startup::twoDigits(date->month);
  const std::string day = startup::twoDigits(date->day);
  const char s = region.dateSeparator;
  switch (region.dateOrder) {
    case platform::DateOrder::kDayMonthYear:
      return day + s + month + s + year;
    case platform::DateOrder::kMonthDayYear:
      return month + s + day + s + year;
    case platform::DateOrder::kYearMonthDay:
      break;
  }
  return year + s + month + s + day;
}

// A planner value ("005,0", "-02,5") as the region writes the number: "5",
// "-2.5". A value that is no number stays as it is.
std::string valueField(std::string_view value, const platform::RegionalSettings& region) {
  std::string text(value);
  std::ranges::replace(text, ',', region.decimalSeparator);
  const auto number = startup::readNumber(text, region);
  if (!number) return text;
  std::string written = startup::formatTenths(static_cast<float>(*number), 1, region);
  const std::string noTenths = std::string(1, region.decimalSeparator) + "0";
  if (written.ends_with(noTenths)) written.resize(written.size() - noTenths.size());
  return written;
}

std::array<std::string, hostfiles::kFieldCount> header(startup::Language language) {
  if (language == startup::Language::Other) language = startup::Language::EN;
  std::array<std::string, hostfiles::kFieldCount> labels;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    labels[i] = hostfiles::texts::fieldLabel(language, i);
  }
  return labels;
}

std::array<std::string, hostfiles::kFieldCount> fieldsFor(
    const EmployeeRecord& entry, const platform::RegionalSettings& region) {
  // A text row fills its columns, so that it holds the separator as every row must.
  if (entry.kind == hostfiles::EntryKind::kText) return {">" + entry.name};
  std::array<std::string, hostfiles::kFieldCount> fields = {
      entry.name, entry.userId, dateField(entry.fromDate, hostfiles::kNoStartDate, region),
      dateField(entry.toDate, hostfiles::kNoEndDate, region)};
  const std::array<const std::string*, 6> values = {&entry.residual,        &entry.entitlements[0],
                                                    &entry.entitlements[1], &entry.entitlements[2],
                                                    &entry.entitlements[3], &entry.additional};
  for (std::size_t i = 0; i < values.size(); ++i) fields[4 + i] = valueField(*values[i], region);
  return fields;
}

// Whether `path` begins with the header line of an export, in any language,
// with either separator, in UTF-8 or in the code page.
bool isExport(platform::System& system, const std::string& path) {
  const auto start = startup::fileStart(system, path, 256);  // longer than every header line
  if (!start) return false;
  for (const auto language :
       {startup::Language::DE, startup::Language::EN, startup::Language::FR}) {
    for (const char separator : {';', ','}) {
      const std::string line = csvLine(header(language), separator) + "\r\n";
      if (start->starts_with(line) ||
          start->starts_with(std::string(kUtf8Mark) + platform::codePageToUtf8(line))) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> exportLines(const startup::Context& context,
                                     std::span<const EmployeeRecord> entries) {
  const char separator = separatorFor(context);
  std::vector<std::string> lines;
  lines.reserve(entries.size() + 1);
  lines.push_back(csvLine(header(context.language), separator));
  for (const EmployeeRecord& entry : entries) {
    lines.push_back(csvLine(fieldsFor(entry, context.region), separator));
  }
  return lines;
}

std::optional<std::string> exportRefused(const startup::Context& context, const std::string& path,
                                         const startup::ProtectedPlaces& places) {
  platform::System& system = *context.system;
  return startup::writeTargetRefused(context, path, places, [&](const std::string& existing) {
    return isExport(system, existing) || isFaultsReport(system, existing);
  });
}

void writeExport(const startup::Context& context, const std::string& path,
                 std::span<const EmployeeRecord> entries, ExportEncoding encoding) {
  hostfiles::FileChannel channel;
  hostfiles::Datei_oeffnen(context, channel, path, hostfiles::Modus::Output,
                           hostfiles::Fehlerbehandlung::ReportErrors);
  startup::guarded(context, "personallader - writeExport", [&] {
    const bool utf8 = encoding == ExportEncoding::kUtf8;
    std::string_view start = utf8 ? kUtf8Mark : "";
    for (const std::string& line : exportLines(context, entries)) {
      channel.writeLine(std::string(start) + (utf8 ? platform::codePageToUtf8(line) : line));
      start = {};
    }
    hostfiles::Datei_schliessen(channel);
  });
}

std::vector<std::size_t> changedOnImport(const startup::Context& context, const std::string& path,
                                         const std::string& dataFolder,
                                         std::span<const EmployeeRecord> entries) {
  startup::UnwatchedDialogs yes;  // every fault taken, as an import takes it
  startup::Context silent = context;
  silent.dialogs = &yes;
  const CheckOutcome checked = Importdatei_checken(silent, {path, dataFolder});
  std::vector<bool> changed(entries.size(), checked.verdict == Verdict::kNotChecked);
  for (const Fault& fault : checked.faults) {
    if (fault.row >= 1 && fault.row <= changed.size()) changed[fault.row - 1] = true;
  }
  const ImportRows& rows = checked.data.rows;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto written = hostfiles::entryAs<std::string_view>(entries[i]);
    changed[i] = changed[i] || i >= rows.size() || plannerEntry(rows[i]).kind != written.kind ||
                 hostfiles::fieldsOf(plannerEntry(rows[i])) != hostfiles::fieldsOf(written);
  }
  std::vector<std::size_t> indices;
  for (std::size_t i = 0; i < changed.size(); ++i) {
    if (changed[i]) indices.push_back(i);
  }
  return indices;
}

}  // namespace importfile
