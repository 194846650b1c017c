// The readers of the configuration data, the employee data and a backup, each
// on the fuzz bytes as its file. A damaged file may end the program with a
// message; anything else that goes wrong is a finding. A configuration file
// that was read comes back the same through its rewrite, and the employee file
// of a backup read as sound is one that the planner's reader takes.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "hostfiles/backup_file.h"
#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "hostfiles/scrambled_line.h"
#include "memory_system.h"
#include "platform/regional_settings.h"
#include "require.h"
#include "split_lines.h"
#include "startup/dialogs.h"
#include "startup/messages.h"

namespace {

using fuzzing::require;

std::size_t settingsHeaders(std::string_view bytes) {
  std::size_t count = 0;
  for (const std::string_view line : fuzzing::splitLines(bytes)) {
    count += !line.empty() && hostfiles::decodeLine(line) == "[Settings]";
  }
  return count;
}

template <typename Body>
bool endsNormally(Body&& body) {
  try {
    body();
    return true;
  } catch (const startup::ProgramEnd&) {
    return false;
  }
}

const std::string kData = "/data/";

struct PlannerFolder {
  explicit PlannerFolder(std::string_view bytes) {
    system.region = platform::regionalSettingsFor("de_DE");
    system.folders = {"/", "/data/"};
    system.files["/data/Konfigdaten.dat"] = std::string(bytes);
    system.files["/data/Mitarbeiterdaten.dat"] = std::string(bytes);
    state.region = system.region;
    state.Dezimaltrenner = ",";
    state.Benutzername = "Anna";
  }

  fuzzing::MemorySystem system;
  startup::UnwatchedDialogs dialogs;
  startup::Context state{system, dialogs};
};

void readConfiguration(std::string_view bytes) {
  PlannerFolder folder(bytes);
  const startup::Context& state = folder.state;
  hostfiles::Configuration read;
  if (!endsNormally([&] { read = hostfiles::Konfigdaten_lesen(state, kData); })) return;
  require(read.adminStatus == 0 || read.adminStatus == 2, "the status is 0 or 2");
  // With one settings header the rewrite changes nothing that the reader sees.
  if (settingsHeaders(bytes) != 1) return;
  hostfiles::Konfigdaten_schreiben(state, kData, read.settingsLine);
  hostfiles::Configuration reread;
  require(endsNormally([&] { reread = hostfiles::Konfigdaten_lesen(state, kData); }),
          "a rewritten configuration file can be read");
  require(reread.settingsLine == read.settingsLine && reread.adminStatus == read.adminStatus,
          "the rewrite keeps the settings line and the status");
}

void readEmployees(std::string_view bytes) {
  PlannerFolder folder(bytes);
  const startup::Context& state = folder.state;
  endsNormally([&] { hostfiles::Mitarbeiterdaten_lesen(state, kData); });
}

void readBackupFile(std::string_view bytes) {
  PlannerFolder folder(bytes);
  const startup::Context& state = folder.state;
  folder.system.files["/data/backup.dat"] = std::string(bytes);
  const hostfiles::SavedBackup saved = hostfiles::readBackup(state, "/data/backup.dat");
  if (saved.damage) return;
  hostfiles::writeEmployeeFile(state, kData, saved.employeeFile);
  require(endsNormally([&] { hostfiles::Mitarbeiterdaten_lesen(state, kData); }),
          "the employee file of a sound backup can be read");
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

// Most mutations change the plain text of the lines and scramble it again:
// the readers then see well-formed lines with new content, where a changed
// byte of a scrambled line mostly gives one garbled character.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
  if (seed % 4 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  std::string plain;
  for (const std::string_view line :
       fuzzing::splitLines(std::string_view(reinterpret_cast<const char*>(data), size))) {
    if (!line.empty()) plain += hostfiles::decodeLine(line) + '\n';
  }
  const std::size_t plainSize = plain.size();
  plain.resize(std::max(plainSize, maxSize));
  plain.resize(
      LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(plain.data()), plainSize, plain.size()));
  std::string file;
  for (const std::string_view line : fuzzing::splitLines(plain)) {
    file +=
        hostfiles::encodeLine(static_cast<unsigned char>(32 + (seed + file.size()) % 223), line) +
        "\r\n";
  }
  if (file.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data, file.data(), file.size());
  return file.size();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  readConfiguration(bytes);
  readEmployees(bytes);
  readBackupFile(bytes);
  return 0;
}
