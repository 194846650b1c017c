#include "hostfiles/configuration_data.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "hostfiles/file_channel.h"
#include "hostfiles/planner_texts.h"
#include "platform/codepage.h"
#include "startup/messages.h"

namespace hostfiles {

using startup::Context;
using startup::RunTimeError;

namespace {

constexpr std::string_view kAdminHeader = "[Administratoren]";
// Position 16 of the settings line: "1" makes every user an administrator.
constexpr std::size_t kEveryoneIsAdmin = 15;
// The planner counts lines and administrators in 16 bits.
constexpr std::size_t kMostLines = std::numeric_limits<std::int16_t>::max();

void expectHeader(const Context& context, FileChannel& channel, std::string_view header) {
  if (LineIn(context, channel) != header) {
    startup::Programm_beenden(context,
                              texts::configurationHeaderNotDetected(context.language, header));
  }
}

void skipLines(const Context& context, FileChannel& channel, int count) {
  for (int i = 0; i < count; ++i) LineIn(context, channel);
}

// Reads up to and including the administrator header, which must not be the last line.
void findAdminList(const Context& context, FileChannel& channel) {
  bool found = false;
  while (!found && !channel.atEnd()) found = LineIn(context, channel) == kAdminHeader;
  if (channel.atEnd()) {
    startup::Programm_beenden(
        context, texts::configurationHeaderNotDetected(context.language, kAdminHeader));
  }
}

// An administrator entry ends with ":" and the user's name, in any letter case.
bool namesUser(std::string_view entry, const std::string& lowerUser) {
  return entry.size() > lowerUser.size() &&
         platform::lowerCase(entry.substr(entry.size() - lowerUser.size() - 1)) == ":" + lowerUser;
}

// 2 when the list names the user or holds no administrator at all, else 0.
std::int16_t adminStatusFromList(const Context& context, FileChannel& channel) {
  const std::string user = platform::lowerCase(context.Benutzername);
  std::int16_t status = 0;
  std::size_t admins = 0;
  while (!channel.atEnd()) {
    const std::string entry = LineIn(context, channel);
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

Configuration Konfigdaten_lesen(const Context& context, const std::string& dataFolder) {
  return startup::guarded(context, "modPersonallader - Konfigdaten_lesen", [&] {
    FileChannel channel;
    openPlannerFile(context, channel, configurationFile(dataFolder));
    expectHeader(context, channel, "[Zentavo]");
    skipLines(context, channel, 2);
    expectHeader(context, channel, "[Firma]");
    skipLines(context, channel, 2);
    expectHeader(context, channel, kSettingsHeader);
    Configuration read;
    read.settingsLine = LineIn(context, channel);
    skipLines(context, channel, 1);
    findAdminList(context, channel);
    read.adminStatus = adminStatusFromList(context, channel);
    Datei_schliessen(channel);
    if (read.settingsLine.size() > kEveryoneIsAdmin && read.settingsLine[kEveryoneIsAdmin] == '1') {
      read.adminStatus = 2;
    }
    return read;
  });
}

std::string configurationFile(const std::string& dataFolder) {
  return dataFolder + std::string(kConfigurationFile);
}

void Konfigdaten_schreiben(const Context& context, const std::string& dataFolder,
                           const std::string& Settings_Zeile) {
  const std::string file = configurationFile(dataFolder);
  writeWithSettings(*context.system, file, readAllLines(*context.system, file), Settings_Zeile);
}

}  // namespace hostfiles
