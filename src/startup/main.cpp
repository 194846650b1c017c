#include "startup/main.h"

#include "startup/folders.h"
#include "startup/formatting.h"
#include "startup/messages.h"
#include "startup/numbers.h"
#include "startup/startup_texts.h"

namespace startup {

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

namespace {

std::string baseFolder(ProgramState& state) {
  const std::string publicFolder = state.system->environment("PUBLIC").value_or("");
  if (publicFolder.empty()) {
    return withSeparator(state.system->environment("ProgramFiles").value_or(""));
  }
  return virtualStore(withSeparator(publicFolder) + "AppData" + platform::kSeparator + "Local");
}

// Where the system names no region (a server's or a container's plain
// locale), the region of the edition, so that its users' files read as written.
platform::RegionalSettings editionRegion(Language language) {
  const char* code = language == Language::DE   ? "de-DE"
                     : language == Language::FR ? "fr-FR"
                                                : "en-GB";
  return platform::regionalSettingsNamed(code).value();
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
  });
}

void reportMissingPlanner(ProgramState& state) {
  // The closing full stop and the closing line come from Programm_beenden.
  Programm_beenden(state, texts::plannerMissing(state.Sprache));
}

}  // namespace startup
