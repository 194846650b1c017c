#include "importfile/import_lines.h"

#include "hostfiles/file_channel.h"
#include "importfile/text_decoding.h"
#include "startup/run_time_error.h"

namespace importfile {

namespace {

bool isUtf16(Encoding encoding) {
  return encoding == Encoding::kUtf16LittleEndian || encoding == Encoding::kUtf16BigEndian;
}

// The whole file as bytes. The file channel splits lines at every CR and LF
// byte, which would cut UTF-16 characters apart.
std::string readBytes(startup::ProgramState& state) {
  const auto file = state.system->openRead(state.Importdatei);
  if (file == nullptr) throw startup::RunTimeError(startup::kFileNotFound);
  std::string bytes;
  constexpr std::size_t kChunk = 1 << 16;
  for (;;) {
    const std::size_t kept = bytes.size();
    bytes.resize(kept + kChunk);
    const auto got = file->read(bytes.data() + kept, kChunk);
    if (!got) throw startup::RunTimeError(startup::kDeviceIoError);
    bytes.resize(kept + *got);
    if (*got == 0) return bytes;
  }
}

std::vector<std::string> readUtf16(startup::ProgramState& state, Encoding encoding) {
  const std::string bytes = readBytes(state);
  return utf16ToCodePageLines(std::string_view(bytes).substr(2),
                              encoding == Encoding::kUtf16BigEndian);
}

}  // namespace

std::vector<std::string> readImportLines(startup::ProgramState& state) {
  using namespace hostfiles;
  Datei_oeffnen(state, state.Importdatei, Modus::Input, Fehlerbehandlung::ReportErrors);
  std::vector<std::string> lines;
  while (!state.Datei1.atEnd()) {
    const std::string_view line = state.Datei1.readLine();
    lines.emplace_back().reserve(line.size() + 1);  // room for the separator the reader appends
    lines.back().assign(line);
    if (lines.size() == 1 && isUtf16(byteOrderMark(lines.front()))) {
      Datei_schliessen(state);
      return readUtf16(state, byteOrderMark(lines.front()));
    }
  }
  Datei_schliessen(state);
  if (lines.empty()) return lines;
  const bool marked = byteOrderMark(lines.front()) == Encoding::kUtf8;
  if (marked || looksLikeUtf8(lines)) utf8LinesToCodePage(lines);
  if (marked && lines.size() == 1 && lines.front().empty()) lines.clear();
  return lines;
}

}  // namespace importfile
