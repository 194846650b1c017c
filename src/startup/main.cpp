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

std::string baseFolder(const Context& context) {
  const std::string publicFolder = context.system->environment("PUBLIC").value_or("");
  if (publicFolder.empty()) {
    return withSeparator(context.system->environment("ProgramFiles").value_or(""));
  }
  return virtualStore(withSeparator(publicFolder) + "AppData" + platform::kSeparator + "Local");
}

bool isNormalFile(ProgramState& state, const std::string& path) {
  return state.system->pathKind(path) == platform::PathKind::kNormalFile;
}

// The settings file of the installation, else the one beside the program,
// else the one in the user's own VirtualStore; nothing when none is there.
std::optional<std::string> settingsFile(ProgramState& state, const std::string& installation) {
  std::vector<std::string> candidates = {installation,
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

std::string virtualStore(const std::string& root) {
  std::string base = withSeparator(root);
  for (const char* part : {"VirtualStore", "Program Files"}) {
    base += part;
    base += platform::kSeparator;
  }
  return base;
}

std::string installationFolder(const Context& context, const std::string& base) {
  for (const char* edition : {"Zentavo Desk", "Zentavo Bureau"}) {
    if (Ordner_vorhanden(context, base + edition)) return base + edition + platform::kSeparator;
  }
  return base + "ZentavoKalender" + platform::kSeparator;
}

std::string Main(Context& context) {
  return guarded(context, "modPersonallader - Main", [&] {
    context.Programmtitel = texts::programTitle(context.Sprache);
    context.Region =
        context.NamedRegion
            ? *context.NamedRegion
            : context.system->regionalSettings().value_or(editionRegion(context.Sprache));
    context.Dezimaltrenner = formatTenths(1.1f, 1, context.Region).substr(1, 1);
    const platform::DateTime today = context.system->now();
    context.Datum_heute = FormatDatumDS(today.year, today.month, today.day);
    context.Benutzername = context.system->environment("USERNAME").value_or("");
    if (context.Benutzername.empty()) context.Benutzername = "NoName";
    return installationFolder(context, baseFolder(context));
  });
}

void reportMissingPlanner(const Context& context) {
  // The closing full stop and the closing line come from Programm_beenden.
  Programm_beenden(context, texts::plannerMissing(context.Sprache));
}

// Read as part of the start, whose error handler reports what it raises.
void Pfade_lesen(ProgramState& state, const std::string& installation) {
  guarded(state, "modPersonallader - Main", [&] {
    const auto file = settingsFile(state, installation);
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
  });
}

}  // namespace startup
