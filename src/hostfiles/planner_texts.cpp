#include "hostfiles/planner_texts.h"

namespace hostfiles::texts {

using startup::textOrEmpty;

std::string fileNotFound(Language language, const std::string& path) {
  return textOrEmpty(language, "Die Datei '", "File '", "Fichier « ") + path +
         textOrEmpty(language, "' wurde nicht gefunden", "' not found", " » non trouvé");
}

std::string openFailure(Language language, const std::string& name, bool forReading) {
  return textOrEmpty(language, "Die Datei '", "Couldn't open file '",
                     "Impossible d'ouvrir le fichier « ") +
         name + textOrEmpty(language, "' konnte nicht geöffnet werden.", "'.", " ».") +
         startup::paragraph() +
         textOrEmpty(
             language,
             "Möglicherweise haben Sie keine ausreichenden Zugriffsrechte für diesen Ordner",
             "You probably don't have sufficient access rights to this folder",
             "Vous n'avez probablement pas de droits d'accès suffisants pour ce dossier") +
         (forReading ? textOrEmpty(language, " oder die Datei ist nicht vorhanden",
                                   " or the file doesn't exist", " ou le fichier n'existe pas")
                     : textOrEmpty(language,
                                   ", ist die Datei schreibgeschützt oder die Datei ist nicht "
                                   "vorhanden",
                                   ", the file is write protected or the file doesn't exist",
                                   ", le fichier est protégé en écriture ou le fichier n'existe "
                                   "pas"));
}

std::string emptyLine(Language language, const std::string& path, std::size_t line) {
  return textOrEmpty(language, "Zeile ", "Line ", "La ligne ") + std::to_string(line) +
         textOrEmpty(language, " der Datei '", " of file '", " du fichier « ") + path +
         textOrEmpty(language, "' ist leer; die Datei kann nicht gesichert werden",
                     "' is empty; the file cannot be backed up",
                     " » est vide ; le fichier ne peut pas être sauvegardé");
}

std::string employeeHeaderNotDetected(Language language) {
  return textOrEmpty(language, "Der Dateiheader in 'Mitarbeiterdaten.dat' wurde nicht erkannt",
                     "Header of file 'Mitarbeiterdaten.dat' not detected",
                     "Le header du fichier « Mitarbeiterdaten.dat » n'a pas été détecté");
}

std::string configurationHeaderNotDetected(Language language, std::string_view header) {
  if (header == "[Zentavo]") {
    return textOrEmpty(language,
                       "Der Dateiheader [Zentavo] in 'Konfigdaten.dat' wurde nicht erkannt",
                       "Header of file 'Konfigdaten.dat' not detected",
                       "Le header du fichier « Konfigdaten.dat » n'a pas été détecté");
  }
  return textOrEmpty(language, "Der Dateiheader ", "Header ", "Le header ") + std::string(header) +
         textOrEmpty(language, " in 'Konfigdaten.dat' wurde nicht erkannt",
                     " in 'Konfigdaten.dat' not detected",
                     " dans « Konfigdaten.dat » n'a pas été détecté");
}

}  // namespace hostfiles::texts
