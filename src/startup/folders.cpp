#include "startup/folders.h"

#include "startup/messages.h"
#include "startup/startup_texts.h"

namespace startup {

bool Ordner_vorhanden(const Context& context, const std::string& path) {
  return context.system->pathKind(path) == platform::PathKind::kFolder;
}

// Without texts of its language a folder that cannot be made or entered ends nothing.
void Ordner_anlegen(const Context& context, const std::string& path) {
  // A folder that another run made in the meantime is as good.
  if (!context.system->createFolder(path) && !Ordner_vorhanden(context, path)) {
    if (context.language == Language::Other) return;
    Programm_beenden(context,
                     texts::folderNotCreated(context.language, Name_zitieren(context, path)));
  }
  Ordner_pruefen(context, path);
}

void Ordner_pruefen(const Context& context, const std::string& path) {
  if (context.system->canEnterFolder(path) || context.language == Language::Other) return;
  Programm_beenden(context,
                   texts::folderNotAccessible(context.language, Name_zitieren(context, path)));
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

std::string BrowseForFolder(const Context& context, std::intptr_t ownerWindow) {
  return guarded(context, "modOrdner - BrowseForFolder", [&] {
    return context.dialogs->browseForFolder(ownerWindow,
                                            texts::browseForDataFolder(context.language));
  });
}

}  // namespace startup
