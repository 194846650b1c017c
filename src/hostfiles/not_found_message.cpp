#include "hostfiles/not_found_message.h"

namespace hostfiles {

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

}  // namespace hostfiles
