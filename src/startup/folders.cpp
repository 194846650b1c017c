#include "startup/folders.h"

#include "startup/messages.h"

namespace startup {

bool Ordner_vorhanden(ProgramState& state, const std::string& path) {
  return state.system->pathKind(path) == platform::PathKind::kFolder;
}

void Ordner_anlegen(ProgramState& state, const std::string& path) {
  if (!state.system->createFolder(path)) {
    const std::string q = Name_zitieren(state, path);
    switch (state.Sprache) {
      case Language::DE:
        Programm_beenden(state, cp("Der Ordner ") + q + cp(" konnte nicht angelegt werden.") + CR +
                                    CR +
                                    cp("Möglicherweise haben Sie keine ausreichenden "
                                       "Zugriffsberechtigungen"));
      case Language::EN:
        Programm_beenden(state, "Folder " + q + " couldn't be created." + CR + CR +
                                    "You probably don't have sufficient access rights");
      case Language::FR:
        Programm_beenden(state, cp("Le dossier ") + q + cp(" n'a pas pu être créé.") + CR + CR +
                                    cp("Vous n'avez probablement pas les droits suffisants"));
      case Language::Other:
        return;
    }
  }
  Ordner_pruefen(state, path);
}

void Ordner_pruefen(ProgramState& state, const std::string& path) {
  if (state.system->changeFolder(path)) return;
  const std::string q = Name_zitieren(state, path);
  switch (state.Sprache) {
    case Language::DE:
      Programm_beenden(state, cp("Auf den Ordner ") + q + cp(" konnte nicht zugegriffen werden.") +
                                  CR + CR +
                                  cp("Möglicherweise ist der Ordner nicht vorhanden oder Sie "
                                     "haben keine ausreichenden Zugriffsberechtigungen in diesem "
                                     "Ordner"));
    case Language::EN:
      Programm_beenden(state, "No access to folder " + q + "." + CR + CR +
                                  "The folder probably doesn't exist or you don't have "
                                  "sufficient access rights to this folder");
    case Language::FR:
      Programm_beenden(state, cp("Le dossier ") + q + cp(" n'est pas accessible.") + CR + CR +
                                  cp("Le dossier n'existe probablement pas ou vous n'avez pas "
                                     "les droits suffisants"));
    case Language::Other:
      return;
  }
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
    const std::string instruction =
        pick(state.Sprache, "Ordner mit Zentavo-Daten auswählen:", "Browse for data folder:",
             "Sélectionnez le Dossier de Données :")
            .value_or("");
    return state.dialogs->browseForFolder(ownerWindow, instruction);
  });
}

}  // namespace startup
