#include "hostfiles/not_found_message.h"

#include "hostfiles/file_channel.h"
#include "startup/messages.h"

namespace hostfiles {

namespace {

// `path` is the file's full path, inserted unchanged; empty for another language.
std::string fileNotFoundText(startup::Language language, const std::string& path) {
  using startup::cp;
  switch (language) {
    case startup::Language::DE:
      return cp("Die Datei '") + path + cp("' wurde nicht gefunden");
    case startup::Language::EN:
      return "File '" + path + "' not found";
    case startup::Language::FR:
      return cp("Fichier « ") + path + cp(" » non trouvé");
    case startup::Language::Other:
      break;
  }
  return {};
}

}  // namespace

void openPlannerFile(startup::ProgramState& state, const std::string& path) {
  if (state.system->pathKind(path) != platform::PathKind::kNormalFile) {
    startup::Programm_beenden(state, fileNotFoundText(state.Sprache, path));
  }
  Datei_oeffnen(state, path, Modus::Input, Fehlerbehandlung::ReportErrors);
}

}  // namespace hostfiles
