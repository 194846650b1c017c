#include "hostfiles/installation_settings.h"

#include <optional>
#include <vector>

#include "hostfiles/file_channel.h"
#include "startup/folders.h"
#include "startup/main.h"
#include "startup/run_time_error.h"

namespace hostfiles {

using startup::Context;

namespace {

constexpr std::string_view kSettingsFile = "Zentavo.dat";

// The settings file of the installation, else the one beside the program,
// else the one in the user's own VirtualStore; nothing when none is there.
std::optional<std::string> settingsFile(const Context& context,
                                        const std::string& installationFolder) {
  std::vector<std::string> candidates = {
      installationFolder, startup::withSeparator(context.system->executableFolder())};
  const std::string userFolder = context.system->environment("LOCALAPPDATA").value_or("");
  if (!userFolder.empty()) {
    candidates.push_back(startup::installationFolder(context, startup::virtualStore(userFolder)));
  }
  for (const std::string& folder : candidates) {
    const std::string file = folder + std::string(kSettingsFile);
    if (context.system->pathKind(file) == platform::PathKind::kNormalFile) return file;
  }
  return std::nullopt;
}

// A folder named in the settings, ending with the separator as every folder
// path of the program does (the planner accepts "D:\\Daten" too); empty stays
// empty, which means none.
std::string folderPath(const std::string& value) {
  return value.empty() ? value : startup::withSeparator(value);
}

struct SettingsLines {
  std::string header, data, log;
};

// The three lines, scrambled or else plain. A scrambled file that ends early is
// reported by LineIn; a plain one raises a run-time error for the caller.
std::optional<SettingsLines> readSettingsLines(const Context& context, const std::string& file) {
  FileChannel channel;
  Datei_oeffnen(context, channel, file, Modus::Input, Fehlerbehandlung::ReportErrors);
  SettingsLines lines{LineIn(context, channel), {}, {}};
  if (lines.header == "[Zentavo]") {
    lines.data = LineIn(context, channel);
    lines.log = LineIn(context, channel);
    return lines;
  }
  Datei_schliessen(channel);
  Datei_oeffnen(context, channel, file, Modus::Input, Fehlerbehandlung::ReportErrors);
  lines.header = channel.readLine();
  if (lines.header != "[Zentavo]") return std::nullopt;
  lines.data = channel.readLine();
  lines.log = channel.readLine();
  return lines;
}

}  // namespace

PlannerFolders Pfade_lesen(const Context& context, const std::string& installationFolder) {
  PlannerFolders folders;
  const auto file = settingsFile(context, installationFolder);
  if (!file) return folders;
  try {
    const auto lines = readSettingsLines(context, *file);
    if (lines && lines->data.starts_with("data_pfad=")) {
      folders.data = folderPath(lines->data.substr(10));
      if (lines->log.starts_with("log_pfad=")) folders.log = folderPath(lines->log.substr(9));
    }
  } catch (const startup::RunTimeError&) {
    // A plain file too short to hold the three lines names no folder.
  }
  return folders;
}

}  // namespace hostfiles
