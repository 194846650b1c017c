#include "startup/folders.h"

#include "startup/messages.h"
#include "startup/startup_texts.h"

namespace startup {

bool Ordner_vorhanden(ProgramState& state, const std::string& path) {
  return state.system->pathKind(path) == platform::PathKind::kFolder;
}

// Without texts of its language a folder that cannot be made or entered ends nothing.
void Ordner_anlegen(ProgramState& state, const std::string& path) {
  // A folder that another run made in the meantime is as good.
  if (!state.system->createFolder(path) && !Ordner_vorhanden(state, path)) {
    if (state.Sprache == Language::Other) return;
    Programm_beenden(state, texts::folderNotCreated(state.Sprache, Name_zitieren(state, path)));
  }
  Ordner_pruefen(state, path);
}

void Ordner_pruefen(ProgramState& state, const std::string& path) {
  if (state.system->changeFolder(path) || state.Sprache == Language::Other) return;
  Programm_beenden(state, texts::folderNotAccessible(state.Sprache, Name_zitieren(state, path)));
}

std::string withSeparator(std::string folder) {
  if (folder.empty() || folder.back() != platform::kSeparator) folder += platform::kSeparator;
  return folder;
}

std::string ParentDir(std::string_view path) {
  if (path.size() < 2) return {};
  const auto separator = path.rfind(platform::kSeparator, path.size() - 2);
  if (separator == std::string_view::npos) return {};
  return std::string(path.substr(0, separator + 1));
}

std::string BrowseForFolder(ProgramState& state, std::intptr_t ownerWindow) {
  return guarded(state, "modOrdner - BrowseForFolder", [&] {
    return state.dialogs->browseForFolder(ownerWindow, texts::browseForDataFolder(state.Sprache));
  });
}

}  // namespace startup
