#include "importfile/faults_report.h"

#include <array>

#include "hostfiles/file_channel.h"
#include "importfile/check_texts.h"
#include "platform/codepage.h"
#include "startup/messages.h"

namespace importfile {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// `field` in UTF-8, in quotes with quotes doubled when it holds the separator,
// a quote or a line break.
std::string reportField(const std::string& field, char separator) {
  const std::string utf8 = platform::codePageToUtf8(field);
  if (utf8.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
    return utf8;
  }
  std::string quoted = "\"";
  for (const char c : utf8) {
    quoted += c;
    if (c == '"') quoted += c;
  }
  return quoted + "\"";
}

std::string reportLine(const std::array<std::string, 5>& fields, char separator) {
  std::string line = reportField(fields[0], separator);
  for (std::size_t i = 1; i < fields.size(); ++i) {
    line += separator;
    line += reportField(fields[i], separator);
  }
  return line;
}

}  // namespace

std::vector<std::string> faultsReportLines(const startup::ProgramState& state,
                                           const std::vector<Fault>& faults) {
  const char separator = state.Dezimaltrenner == "," ? ';' : ',';
  std::vector<std::string> lines;
  lines.reserve(faults.size() + 1);
  lines.push_back(reportLine(texts::reportHeader(state.Sprache), separator));
  for (const Fault& fault : faults) {
    const std::string column =
        fault.column ? texts::columnLabel(state.Sprache, *fault.column) : std::string();
    lines.push_back(reportLine(
        {std::to_string(fault.row), fault.name, column, fault.value, fault.text}, separator));
  }
  return lines;
}

void writeFaultsReport(startup::ProgramState& state, const std::string& path,
                       const std::vector<Fault>& faults) {
  hostfiles::Datei_oeffnen(state, path, hostfiles::Modus::Output,
                           hostfiles::Fehlerbehandlung::ReportErrors);
  startup::guarded(state, "personallader - writeFaultsReport", [&] {
    const std::vector<std::string> lines = faultsReportLines(state, faults);
    state.Datei1.writeLine(std::string(kByteOrderMark) + lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) state.Datei1.writeLine(lines[i]);
    hostfiles::Datei_schliessen(state);
  });
}

}  // namespace importfile
