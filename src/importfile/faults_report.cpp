#include "importfile/faults_report.h"

#include <array>
#include <span>

#include "hostfiles/file_channel.h"
#include "importfile/check_texts.h"
#include "importfile/quoted_fields.h"
#include "platform/codepage.h"
#include "startup/messages.h"
#include "startup/write_target.h"

namespace importfile {

namespace {

// Spreadsheets evaluate a cell that begins with one of these.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// `field` in UTF-8, behind an apostrophe when a spreadsheet would take it for a
// formula, in quotes with quotes doubled when it holds the separator, a quote
// or a line break.
std::string reportField(const std::string& field, char separator) {
  std::string utf8 = platform::codePageToUtf8(field);
  if (!utf8.empty() && kFormulaStarts.find(utf8.front()) != std::string_view::npos) {
    utf8.insert(0, 1, '\'');
  }
  return quotedField(utf8, separator);
}

std::string reportLine(std::span<const std::string> fields, char separator) {
  std::string line = reportField(fields[0], separator);
  for (std::size_t i = 1; i < fields.size(); ++i) {
    line += separator;
    line += reportField(fields[i], separator);
  }
  return line;
}

char separatorFor(const startup::Context& context) {
  return context.Dezimaltrenner == "," ? ';' : ',';
}

}  // namespace

bool isFaultsReport(platform::System& system, const std::string& path) {
  const auto start = startup::fileStart(system, path, 96);  // longer than every header line
  if (!start) return false;
  for (const auto language :
       {startup::Language::DE, startup::Language::EN, startup::Language::FR}) {
    const std::array<std::string, 6> header = texts::reportHeader(language);
    // A report written before the line column had the other five.
    const std::array<std::string, 5> older = {header[0], header[2], header[3], header[4],
                                              header[5]};
    for (const char separator : {';', ','}) {
      for (const std::string& line :
           {reportLine(header, separator), reportLine(older, separator)}) {
        if (start->starts_with(std::string(kUtf8Mark) + line + "\r\n")) return true;
      }
    }
  }
  return false;
}

std::optional<std::string> faultsReportRefused(const startup::Context& context,
                                               const std::string& path,
                                               const startup::ProtectedPlaces& places) {
  return startup::writeTargetRefused(context, path, places, [&](const std::string& existing) {
    return isFaultsReport(*context.system, existing);
  });
}

std::vector<std::string> faultsReportLines(const startup::Context& context,
                                           const std::vector<Fault>& faults) {
  const char separator = separatorFor(context);
  std::vector<std::string> lines;
  lines.reserve(faults.size() + 1);
  lines.push_back(reportLine(texts::reportHeader(context.language), separator));
  for (const Fault& fault : faults) {
    const std::string column =
        fault.column ? texts::columnLabel(context.language, *fault.column) : std::string();
    const std::array<std::string, 6> fields = {std::to_string(fault.row),
                                               std::to_string(fault.fileLine),
                                               fault.name,
                                               column,
                                               fault.value,
                                               fault.text};
    lines.push_back(reportLine(fields, separator));
  }
  return lines;
}

void writeFaultsReport(const startup::Context& context, const std::string& path,
                       const std::vector<Fault>& faults) {
  hostfiles::FileChannel channel;
  hostfiles::Datei_oeffnen(context, channel, path, hostfiles::Modus::Output,
                           hostfiles::Fehlerbehandlung::ReportErrors);
  startup::guarded(context, "personallader - writeFaultsReport", [&] {
    const std::vector<std::string> lines = faultsReportLines(context, faults);
    channel.writeLine(std::string(kUtf8Mark) + lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) channel.writeLine(lines[i]);
    hostfiles::Datei_schliessen(channel);
  });
}

}  // namespace importfile
