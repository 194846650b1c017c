#include "startup/data_folder.h"

#include "platform/codepage.h"
#include "startup/folders.h"
#include "startup/messages.h"
#include "startup/startup_texts.h"

namespace startup {

namespace {

const std::string kSeparator(1, platform::kSeparator);

bool endsWithLower(const std::string& path, const std::string& suffix) {
  return path.size() >= suffix.size() &&
         platform::lowerCase(path.substr(path.size() - suffix.size())) == suffix;
}

// A planner subfolder ("backups", "inifiles", "logs") of a data folder.
bool isPlannerSubfolder(const std::string& path) {
  for (const char* sub : {"backups", "inifiles", "logs"}) {
    if (endsWithLower(path, "data" + kSeparator + sub + kSeparator)) return true;
  }
  return false;
}

// Descends into "Data", or into the language's default folder and its "Data".
void descendToData(ProgramState& state) {
  if (Ordner_vorhanden(state, state.Datenpfad + "Data")) {
    state.Datenpfad += "Data" + kSeparator;
    return;
  }
  const std::string defaultFolder = texts::defaultDataFolder(state.Sprache);
  if (defaultFolder.empty() || !Ordner_vorhanden(state, state.Datenpfad + defaultFolder)) return;
  state.Datenpfad += defaultFolder + kSeparator;
  if (!holdsPlannerData(state, state.Datenpfad) &&
      Ordner_vorhanden(state, state.Datenpfad + "Data")) {
    state.Datenpfad += "Data" + kSeparator;
  }
}

}  // namespace

bool holdsPlannerData(ProgramState& state, const std::string& folder) {
  const auto names = state.system->listFiles(folder, "*Data.dat");
  if (!names) throw RunTimeError(kBadFileNameOrNumber);
  return !names->empty();
}

bool Datenordner_auswählen(ProgramState& state, std::intptr_t ownerWindow) {
  return guarded(state, "modOrdner - Datenordner_auswählen", [&] {
    state.Datenpfad = BrowseForFolder(state, ownerWindow);
    if (state.Datenpfad.empty()) return false;
    state.Datenpfad = withSeparator(state.Datenpfad);
    if (isPlannerSubfolder(state.Datenpfad)) state.Datenpfad = ParentDir(state.Datenpfad);
    try {
      if (!holdsPlannerData(state, state.Datenpfad) &&
          !endsWithLower(state.Datenpfad, kSeparator + "data" + kSeparator)) {
        descendToData(state);
      }
    } catch (const RunTimeError& error) {
      if (error.number() != kBadFileNameOrNumber) throw;
      notify(state, texts::noAccess(state.Sprache, Name_zitieren(state, state.Datenpfad)));
      state.Datenpfad.clear();
      return false;
    }
    return true;
  });
}

}  // namespace startup
