#include "startup/main.h"

#include <optional>
#include <vector>

#include "hostfiles/file_channel.h"
#include "startup/folders.h"
#include "startup/formatting.h"
#include "startup/messages.h"
#include "startup/numbers.h"
#include "startup/startup_texts.h"

namespace startup {

namespace {

// The folder `root`\VirtualStore\Program Files\, where Windows keeps what a
// legacy program wrote below Program Files.
std::string virtualStore(const std::string& root) {
  std::string base = withSeparator(root);
  for (const char* part : {"VirtualStore", "Program Files"}) {
    base += part;
    base += platform::kSeparator;
  }
  return base;
}

std::string baseFolder(ProgramState& state) {
  const std::string publicFolder = state.system->environment("PUBLIC").value_or("");
  if (publicFolder.empty()) {
    return withSeparator(state.system->environment("ProgramFiles").value_or(""));
  }
  return virtualStore(withSeparator(publicFolder) + "AppData" + platform::kSeparator + "Local");
}

std::string installationFolder(ProgramState& state, const std::string& base) {
  for (const char* edition : {"Zentavo Desk", "Zentavo Bureau"}) {
    if (Ordner_vorhanden(state, base + edition)) return base + edition + platform::kSeparator;
  }
  return base + "ZentavoKalender" + platform::kSeparator;
}

bool isNormalFile(ProgramState& state, const std::string& path) {
  return state.system->pathKind(path) == platform::PathKind::kNormalFile;
}

// The settings file of the installation, else the one beside the program,
// else the one in the user's own VirtualStore; nothing when none is there.
std::optional<std::string> settingsFile(ProgramState& state) {
  std::vector<std::string> candidates = {state.Installationspfad,
                                         withSeparator(state.system->executableFolder())};
  const std::string userFolder = state.system->environment("LOCALAPPDATA").value_or("");
  if (!userFolder.empty()) {
    candidates.push_back(installationFolder(state, virtualStore(userFolder)));
  }
  for (const std::string& folder : candidates) {
    if (isNormalFile(state, folder + "Zentavo.dat")) return folder + "Zentavo.dat";
  }
  return std::nullopt;
}

// A folder named in the settings, ending with the separator as every folder
// path of the program does (the planner accepts "D:\\Daten" too); empty stays
// empty, which means none.
std::string folderPath(const std::string& value) {
  return value.empty() ? value : withSeparator(value);
}

// Where the system names no region (a server's or a container's plain
// locale), the region of the edition, so that its users' files read as written.
platform::RegionalSettings editionRegion(Language language) {
  const char* code = language == Language::DE   ? "de-DE"
                     : language == Language::FR ? "fr-FR"
                                                : "en-GB";
  return platform::regionalSettingsNamed(code).value();
}

struct SettingsLines {
  std::string header, data, log;
};

// The three lines, scrambled or else plain. A scrambled file that ends early is
// reported by LineIn; a plain one raises a run-time error for the caller.
std::optional<SettingsLines> readSettingsLines(ProgramState& state, const std::string& file) {
  using namespace hostfiles;
  Datei_oeffnen(state, file, Modus::Input, Fehlerbehandlung::ReportErrors);
  SettingsLines lines{LineIn(state), {}, {}};
  if (lines.header == "[Zentavo]") {
    lines.data = LineIn(state);
    lines.log = LineIn(state);
  } else {
    Datei_schliessen(state);
    Datei_oeffnen(state, file, Modus::Input, Fehlerbehandlung::ReportErrors);
    lines.header = state.Datei1.readLine();
    if (lines.header != "[Zentavo]") return std::nullopt;
    lines.data = state.Datei1.readLine();
    lines.log = state.Datei1.readLine();
  }
  Datei_schliessen(state);
  return lines;
}

}  // namespace

void Main(ProgramState& state) {
  guarded(state, "modPersonallader - Main", [&] {
    state.Programmtitel = texts::programTitle(state.Sprache);
    state.Region = state.NamedRegion
                       ? *state.NamedRegion
                       : state.system->regionalSettings().value_or(editionRegion(state.Sprache));
    state.Dezimaltrenner = formatTenths(1.1f, 1, state.Region).substr(1, 1);
    const platform::DateTime today = state.system->now();
    state.Datum_heute = FormatDatumDS(today.year, today.month, today.day);
    state.Benutzername = state.system->environment("USERNAME").value_or("");
    if (state.Benutzername.empty()) state.Benutzername = "NoName";
    state.Installationspfad = installationFolder(state, baseFolder(state));
    Pfade_lesen(state);
  });
}

void reportMissingPlanner(ProgramState& state) {
  // The closing full stop and the closing line come from Programm_beenden.
  Programm_beenden(state, texts::plannerMissing(state.Sprache));
}

void Pfade_lesen(ProgramState& state) {
  const auto file = settingsFile(state);
  if (!file) return;
  try {
    const auto lines = readSettingsLines(state, *file);
    if (lines && lines->data.starts_with("data_pfad=")) {
      state.Datenpfad = folderPath(lines->data.substr(10));
      if (lines->log.starts_with("log_pfad=")) state.Logpfad = folderPath(lines->log.substr(9));
    }
  } catch (const RunTimeError&) {
    // A plain file too short to hold the three lines: the fields stay as they were.
  }
  state.Datei1.abandon();
}

}  // namespace startup
