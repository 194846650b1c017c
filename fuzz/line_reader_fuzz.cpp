// The scrambled-line reader through the file channel, with the file handed
// over in reads of every size: the first byte chooses the size (255: the next
// two bytes do), the rest is the file. LineIn must give what decoding each
// line of the whole file gives, end the program at the first line it cannot
// read, and every line it gives must come back through LineOut unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hostfiles/file_channel.h"
#include "hostfiles/scrambled_line.h"
#include "memory_system.h"
#include "require.h"
#include "split_lines.h"
#include "startup/dialogs.h"
#include "startup/messages.h"

namespace {

using fuzzing::require;
using fuzzing::splitLines;

struct ReadResult {
  std::vector<std::string> lines;
  bool ended = false;  // the program ended at a line it could not read
};

ReadResult readAll(const startup::Context& state, const std::string& path) {
  ReadResult result;
  try {
    hostfiles::FileChannel channel;
    hostfiles::Datei_oeffnen(state, channel, path, hostfiles::Modus::Input,
                             hostfiles::Fehlerbehandlung::ReportErrors);
    while (!channel.atEnd()) result.lines.push_back(hostfiles::LineIn(state, channel));
    hostfiles::Datei_schliessen(channel);
  } catch (const startup::ProgramEnd&) {
    result.ended = true;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  fuzzing::MemorySystem system;
  startup::UnwatchedDialogs dialogs;
  startup::Context state(system, dialogs);
  system.readChunk = static_cast<std::size_t>(data[0]) + 1;
  input.remove_prefix(1);
  if (data[0] == 255 && input.size() >= 2) {
    system.readChunk = 1 + (static_cast<std::size_t>(data[1]) | std::size_t{data[2]} << 8);
    input.remove_prefix(2);
  }
  system.folders = {"/", "/data/"};
  system.files["/data/file.dat"] = std::string(input);

  const ReadResult read = readAll(state, "/data/file.dat");
  std::vector<std::string> expected;
  bool unreadable = false;
  for (const std::string_view line : splitLines(input)) {
    unreadable = line.empty() || line.size() > hostfiles::kMaxLineLength;
    if (unreadable) break;
    expected.push_back(hostfiles::decodeLine(line));
  }
  require(read.ended == unreadable, "LineIn ends the program exactly at an unreadable line");
  require(read.lines == expected, "LineIn gives each line decoded as read whole");

  hostfiles::FileChannel copied;
  hostfiles::Datei_oeffnen(state, copied, "/data/copy.dat", hostfiles::Modus::Output,
                           hostfiles::Fehlerbehandlung::ReportErrors);
  for (const std::string& line : read.lines) hostfiles::LineOut(state, copied, line);
  hostfiles::Datei_schliessen(copied);
  for (const std::string_view line : splitLines(system.files["/data/copy.dat"])) {
    require(hostfiles::isScrambledLine(line), "LineOut writes scrambled lines");
  }
  const ReadResult copy = readAll(state, "/data/copy.dat");
  require(!copy.ended && copy.lines == read.lines, "lines come back through LineOut and LineIn");
  return 0;
}
