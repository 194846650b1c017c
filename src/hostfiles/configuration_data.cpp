#include "hostfiles/configuration_data.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "hostfiles/file_channel.h"
#include "hostfiles/open_planner_file.h"
#include "hostfiles/planner_texts.h"
#include "platform/codepage.h"
#include "startup/messages.h"

namespace hostfiles {

using startup::ProgramState;
using startup::RunTimeError;

namespace {

constexpr std::string_view kAdminHeader = "[Administratoren]";
// Position 16 of the settings line: "1" makes every user an administrator.
constexpr std::size_t kEveryoneIsAdmin = 15;
// The planner counts lines and administrators in 16 bits.
constexpr std::size_t kMostLines = std::numeric_limits<std::int16_t>::max();

void expectHeader(ProgramState& state, std::string_view header) {
  if (LineIn(state) != header) {
    startup::Programm_beenden(state, texts::configurationHeaderNotDetected(state.Sprache, header));
  }
}

void skipLines(ProgramState& state, int count) {
  for (int i = 0; i < count; ++i) LineIn(state);
}

// Reads up to and including the administrator header, which must not be the last line.
void findAdminList(ProgramState& state) {
  bool found = false;
  while (!found && !state.Datei1.atEnd()) found = LineIn(state) == kAdminHeader;
  if (state.Datei1.atEnd()) {
    startup::Programm_beenden(state,
                              texts::configurationHeaderNotDetected(state.Sprache, kAdminHeader));
  }
}

// An administrator entry ends with ":" and the user's name, in any letter case.
bool namesUser(std::string_view entry, const std::string& lowerUser) {
  return entry.size() > lowerUser.size() &&
         platform::lowerCase(entry.substr(entry.size() - lowerUser.size() - 1)) == ":" + lowerUser;
}

// 2 when the list names the user or holds no administrator at all, else 0.
std::int16_t adminStatusFromList(ProgramState& state) {
  const std::string user = platform::lowerCase(state.Benutzername);
  std::int16_t status = 0;
  std::size_t admins = 0;
  while (!state.Datei1.atEnd()) {
    const std::string entry = LineIn(state);
    if (entry == "NoAdmins" || !entry.starts_with('A')) continue;
    if (namesUser(entry, user)) status = 2;
    if (++admins > kMostLines) throw RunTimeError(startup::kOverflow);
  }
  return admins == 0 ? 2 : status;
}

std::vector<std::string> readAllLines(platform::System& system, const std::string& file) {
  FileChannel channel;
  if (!channel.open(system, file, Modus::Input)) throw RunTimeError(startup::kFileNotFound);
  std::vector<std::string> lines;
  while (!channel.atEnd()) {
    if (lines.size() == kMostLines) throw RunTimeError(startup::kOverflow);
    lines.push_back(unscrambledLine(channel));
  }
  return lines;
}

void writeWithSettings(platform::System& system, const std::string& file,
                       const std::vector<std::string>& lines, const std::string& settings) {
  FileChannel channel;
  if (!channel.open(system, file, Modus::Output)) throw RunTimeError(startup::kPathFileAccessError);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    scrambledLine(channel, system, lines[i]);
    if (lines[i] == kSettingsHeader) {
      scrambledLine(channel, system, settings);
      ++i;  // the old settings line
    }
  }
  channel.close();
}

}  // namespace

void Konfigdaten_lesen(ProgramState& state) {
  startup::guarded(state, "modPersonallader - Konfigdaten_lesen", [&] {
    openPlannerFile(state, configurationFile(state));
    expectHeader(state, "[Zentavo]");
    skipLines(state, 2);
    expectHeader(state, "[Firma]");
    skipLines(state, 2);
    expectHeader(state, kSettingsHeader);
    state.Settings_Zeile = LineIn(state);
    skipLines(state, 1);
    findAdminList(state);
    state.Adminstatus = adminStatusFromList(state);
    Datei_schliessen(state);
    if (state.Settings_Zeile.size() > kEveryoneIsAdmin &&
        state.Settings_Zeile[kEveryoneIsAdmin] == '1') {
      state.Adminstatus = 2;
    }
  });
}

std::string configurationFile(const ProgramState& state) {
  return state.Datenpfad + std::string(kConfigurationFile);
}

void Konfigdaten_schreiben(ProgramState& state) {
  const std::string file = configurationFile(state);
  writeWithSettings(*state.system, file, readAllLines(*state.system, file), state.Settings_Zeile);
}

}  // namespace hostfiles
