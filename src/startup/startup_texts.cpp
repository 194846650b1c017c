#include "startup/startup_texts.h"

#include <array>
#include <string_view>

#include "startup/run_time_error.h"

namespace startup::texts {

namespace {

struct Description {
  int number;
  std::string_view de, en, fr;
};

constexpr std::array<Description, 15> kDescriptions = {{
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
    {kFileAlreadyExists, "Datei existiert bereits", "File already exists",
     "Le fichier existe déjà"},
    {kDiskFull, "Datenträger voll", "Disk full", "Disque plein"},
    {kInputPastEndOfFile, "Einlesen hinter Dateiende", "Input past end of file",
     "Lecture au-delà de la fin du fichier"},
    {kPermissionDenied, "Zugriff verweigert", "Permission denied", "Permission refusée"},
    {kPathFileAccessError, "Fehler beim Zugriff auf Pfad/Datei", "Path/File access error",
     "Erreur d'accès au chemin/fichier"},
}};

}  // namespace

std::string programTitle(Language language) {
  return textOrEmpty(language, "Mitarbeiterdaten importieren", "Import Employee Data",
                     "Import des Employés");
}

std::string plannerMissing(Language language) {
  return textOrEmpty(language, "Sie müssen zuerst den Zentavo-Kalender installieren",
                     "You have to install the Zentavo Desk first",
                     "Le logiciel Zentavo Bureau n'est pas installé");
}

std::string defaultDataFolder(Language language) {
  return textOrEmpty(language, "ZentavoDaten", "ZentavoData", "ZentavoBureau");
}

std::string browseForDataFolder(Language language) {
  return textOrEmpty(language, "Ordner mit Zentavo-Daten auswählen:", "Browse for data folder:",
                     "Sélectionnez le Dossier de Données :");
}

std::string noAccess(Language language, const std::string& quoted) {
  return textOrEmpty(language, "Auf ", "No access to ", "Accès impossible à ") + quoted +
         textOrEmpty(language,
                     " kann nicht zugegriffen werden. Bitte wählen Sie einen anderen Ordner.",
                     ". Choose another folder.", ". Choisissez un autre dossier.");
}

std::string folderNotCreated(Language language, const std::string& quoted) {
  return textOrEmpty(language, "Der Ordner ", "Folder ", "Le dossier ") + quoted +
         textOrEmpty(language, " konnte nicht angelegt werden.", " couldn't be created.",
                     " n'a pas pu être créé.") +
         paragraph() +
         textOrEmpty(language,
                     "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen",
                     "You probably don't have sufficient access rights",
                     "Vous n'avez probablement pas les droits suffisants");
}

std::string folderNotAccessible(Language language, const std::string& quoted) {
  return textOrEmpty(language, "Auf den Ordner ", "No access to folder ", "Le dossier ") + quoted +
         textOrEmpty(language, " konnte nicht zugegriffen werden.", ".", " n'est pas accessible.") +
         paragraph() +
         textOrEmpty(language,
                     "Möglicherweise ist der Ordner nicht vorhanden oder Sie haben keine "
                     "ausreichenden Zugriffsberechtigungen in diesem Ordner",
                     "The folder probably doesn't exist or you don't have sufficient access "
                     "rights to this folder",
                     "Le dossier n'existe probablement pas ou vous n'avez pas les droits "
                     "suffisants");
}

std::string quoted(Language language, const std::string& name) {
  return textOrEmpty(language, "'", "'", "« ") + name + textOrEmpty(language, "'", "'", " »");
}

std::string closing(Language language) {
  return textOrEmpty(language, "Das Programm wird beendet.", "Program will be closed.",
                     "Le programme va être fermé.");
}

std::string errorReport(Language language, const std::string& where, int number) {
  return textOrEmpty(language, "Es ist folgender Fehler aufgetreten in Modul '",
                     "The following error occurred in module '",
                     "L'erreur suivante est survenue au module « ") +
         where + textOrEmpty(language, "':", "':", " » :") + paragraph() +
         textOrEmpty(language, "Fehler Nr. ", "Error Nr. ", "Erreur N° ") + std::to_string(number) +
         CR + errorDescription(language, number) + paragraph() + closing(language);
}

std::string errorDescription(Language language, int number) {
  for (const Description& d : kDescriptions) {
    if (d.number == number) return textOrEmpty(language, d.de, d.en, d.fr);
  }
  return textOrEmpty(language, "Anwendungs- oder objektdefinierter Fehler",
                     "Application-defined or object-defined error",
                     "Erreur définie par l'application ou par l'objet");
}

std::string continueQuestion(Language language) {
  return textOrEmpty(language, "Möchten Sie fortsetzen?", "Do you want to continue?",
                     "Voulez-vous continuer ?");
}

namespace {

std::string whyRefused(Language language, TargetRefusal refusal) {
  const std::string outside =
      textOrEmpty(language, " Wählen Sie einen Ort außerhalb des Daten- und des Log-Ordners.",
                  " Choose a place outside the data and log folders.",
                  " Choisissez un emplacement hors des dossiers de données et de journaux.");
  switch (refusal) {
    case TargetRefusal::kFileBeingRead:
      return textOrEmpty(language, " ist die Datei, die gelesen wird.", " is the file being read.",
                         " est le fichier en cours de lecture.") +
             textOrEmpty(language, " Wählen Sie eine andere Datei.", " Choose another file.",
                         " Choisissez un autre fichier.");
    case TargetRefusal::kInDataFolder:
      return textOrEmpty(language, " liegt im Datenordner des Planers.",
                         " lies in the planner's data folder.",
                         " se trouve dans le dossier de données du planificateur.") +
             outside;
    case TargetRefusal::kInLogFolder:
      return textOrEmpty(language, " liegt im Log-Ordner des Planers.",
                         " lies in the planner's log folder.",
                         " se trouve dans le dossier des journaux du planificateur.") +
             outside;
    case TargetRefusal::kNotOfItsKind:
      break;
  }
  return textOrEmpty(
      language,
      " gibt es bereits und ist keine frühere Datei derselben Art von diesem Programm. Sie "
      "bleibt, wie sie ist: Wählen Sie einen anderen Namen.",
      " already exists and is not an earlier file of the same kind from this program. It stays "
      "as it is: choose another name.",
      " existe déjà et n'est pas un fichier antérieur du même type écrit par ce programme. Il "
      "reste tel quel : choisissez un autre nom.");
}

}  // namespace

std::string targetRefused(Language language, TargetRefusal refusal, const std::string& quoted) {
  const std::string why = whyRefused(language, refusal);
  return why.empty() ? why : quoted + why;
}

}  // namespace startup::texts
