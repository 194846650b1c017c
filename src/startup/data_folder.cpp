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

// Descends `folder` into "Data", or into the language's default folder and its
// "Data"; a folder that cannot be read leaves it where the descent stopped.
void descendToData(const Context& context, std::string& folder) {
  if (Ordner_vorhanden(context, folder + "Data")) {
    folder += "Data" + kSeparator;
    return;
  }
  const std::string defaultFolder = texts::defaultDataFolder(context.language);
  if (defaultFolder.empty() || !Ordner_vorhanden(context, folder + defaultFolder)) return;
  folder += defaultFolder + kSeparator;
  if (!holdsPlannerData(context, folder) && Ordner_vorhanden(context, folder + "Data")) {
    folder += "Data" + kSeparator;
  }
}

}  // namespace

bool holdsPlannerData(const Context& context, const std::string& folder) {
  const auto names = context.system->listFiles(folder, "*Data.dat");
  if (!names) throw RunTimeError(kBadFileNameOrNumber);
  return !names->empty();
}

std::optional<std::string> Datenordner_auswählen(const Context& context,
                                                 std::intptr_t ownerWindow) {
  return guarded(context, "modOrdner - Datenordner_auswählen", [&]() -> std::optional<std::string> {
    std::string folder = BrowseForFolder(context, ownerWindow);
    if (folder.empty()) return std::nullopt;
    folder = withSeparator(folder);
    if (isPlannerSubfolder(folder)) folder = ParentDir(folder);
    try {
      if (!holdsPlannerData(context, folder) &&
          !endsWithLower(folder, kSeparator + "data" + kSeparator)) {
        descendToData(context, folder);
      }
    } catch (const RunTimeError& error) {
      if (error.number() != kBadFileNameOrNumber) throw;
      notify(context, texts::noAccess(context.language, Name_zitieren(context, folder)));
      return std::nullopt;
    }
    return folder;
  });
}

}  // namespace startup
