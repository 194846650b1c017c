// The whole check on the fuzz bytes as the import file, by an administrator
// who answers Yes to every question. After the fault-free verdict the import
// must succeed, and the employee file it writes must read back with every
// employee named and no user id twice.
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "hostfiles/employee_data.h"
#include "hostfiles/scrambled_line.h"
#include "importfile/import_check.h"
#include "memory_system.h"
#include "platform/codepage.h"
#include "require.h"
#include "startup/dialogs.h"
#include "startup/messages.h"
#include "wizard/wizard_window.h"

namespace {

using fuzzing::require;

std::string scrambled(const std::vector<std::string>& lines) {
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bytes += hostfiles::encodeLine(static_cast<unsigned char>(32 + i * 37 % 223), lines[i]);
    bytes += "\r\n";
  }
  return bytes;
}

// A data folder with employees, whose configuration names no administrator,
// which makes every user one.
void makeDataFolder(fuzzing::MemorySystem& system) {
  static const std::string configuration =
      scrambled({"[Zentavo]", "Version=5", "x", "[Firma]", "Muster GmbH", "y", "[Settings]",
                 std::string(40, '0'), "z", "[Administratoren]", "NoAdmins"});
  static const std::string employees = scrambled(
      {"[Mitarbeiterdaten]", "12345678", "1",
       "000000:999999:000,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Alt, Otto:aotto"});
  static const std::string calendar = scrambled({"[Kalender]", "2026"});
  system.folders = {"/", "/data/", "/data/Logs/", "/import/"};
  system.files = {{"/data/Konfigdaten.dat", configuration},
                  {"/data/Mitarbeiterdaten.dat", employees},
                  {"/data/KalenderData.dat", calendar}};
}

void checkWrittenEmployees(wizard::ProgramState& state) {
  const importfile::ImportRows& rows = state.lastCheck.data.rows;
  std::size_t entries = 0;
  std::unordered_set<std::string> userIds;
  const auto check = [&](const hostfiles::EntryView& entry) {
    const std::size_t i = entries++;
    if (i >= rows.size() || importfile::isTextRow(rows[i])) return;
    require(!entry.name.empty(), "every employee is named");
    if (entry.userId.empty()) return;
    require(userIds.insert(platform::lowerCase(entry.userId)).second, "no user id twice");
  };
  require(hostfiles::readEmployeeEntries(state, state.Datenpfad, check),
          "the written employee file can be read");
  require(entries == rows.size(), "one entry per checked row");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::MemorySystem system;
  startup::UnwatchedDialogs dialogs;
  system.region = platform::regionalSettingsFor("de_DE");
  makeDataFolder(system);
  system.files["/import/import.csv"].assign(reinterpret_cast<const char*>(data), size);
  wizard::ProgramState state(system, dialogs);
  state.Programmtitel = "Personallader";
  state.region = system.region;
  state.Dezimaltrenner = ",";
  state.Datum_heute = "261204";
  state.Benutzername = "Anna";
  state.Datenpfad = "/data/";
  state.Logpfad = "/data/Logs/";
  state.Importordner = "/import/";
  state.Importdatei = "/import/import.csv";

  wizard::frmPersonallader window(state);
  bool faultFree = false;
  try {
    faultFree = window.Importdatei_checken().verdict == importfile::Verdict::kFaultFree;
  } catch (const startup::ProgramEnd&) {
    return 0;  // a file the check cannot read ends the program with a message
  }
  if (!faultFree) return 0;
  try {
    window.Mitarbeiterdaten_importieren();
  } catch (const startup::ProgramEnd&) {
    require(false, "rows checked fault-free can be imported");
  }
  checkWrittenEmployees(state);
  return 0;
}
