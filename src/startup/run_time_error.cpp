#include "startup/run_time_error.h"

#include <array>
#include <string_view>

namespace startup {

namespace {

struct Description {
  int number;
  std::string_view de, en, fr;
};

constexpr std::array<Description, 14> kDescriptions = {{
    {kInvalidProcedureCall, "Unzulässiger Prozeduraufruf oder ungültiges Argument",
     "Invalid procedure call or argument", "Appel de procédure ou argument incorrect"},
    {kOverflow, "Überlauf", "Overflow", "Dépassement de capacité"},
    {kOutOfMemory, "Nicht genügend Speicher", "Out of memory", "Mémoire insuffisante"},
    {kSubscriptOutOfRange, "Index außerhalb des gültigen Bereichs", "Subscript out of range",
     "L'indice n'appartient pas à la sélection"},
    {kTypeMismatch, "Typen unverträglich", "Type mismatch", "Type incompatible"},
    {kBadFileNameOrNumber, "Dateiname oder -nummer falsch", "Bad file name or number",
     "Nom ou numéro de fichier incorrect"},
    {kFileNotFound, "Datei nicht gefunden", "File not found", "Fichier introuvable"},
    {kBadFileMode, "Dateimodus falsch", "Bad file mode", "Mode d'accès au fichier incorrect"},
    {kFileAlreadyOpen, "Datei bereits geöffnet", "File already open", "Fichier déjà ouvert"},
    {kDeviceIoError, "Fehler beim Lesen oder Schreiben auf dem Gerät", "Device I/O error",
     "Erreur d'entrée/sortie sur le périphérique"},
    {kDiskFull, "Datenträger voll", "Disk full", "Disque plein"},
    {kInputPastEndOfFile, "Einlesen hinter Dateiende", "Input past end of file",
     "Lecture au-delà de la fin du fichier"},
    {kPermissionDenied, "Zugriff verweigert", "Permission denied", "Permission refusée"},
    {kPathFileAccessError, "Fehler beim Zugriff auf Pfad/Datei", "Path/File access error",
     "Erreur d'accès au chemin/fichier"},
}};

}  // namespace

std::string errorDescription(Language language, int number) {
  for (const Description& d : kDescriptions) {
    if (d.number == number) return pick(language, d.de, d.en, d.fr).value_or("");
  }
  return pick(language, "Anwendungs- oder objektdefinierter Fehler",
              "Application-defined or object-defined error",
              "Erreur définie par l'application ou par l'objet")
      .value_or("");
}

}  // namespace startup
