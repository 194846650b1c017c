#include "hostfiles/planner_texts.h"

namespace hostfiles::texts {

using startup::textOrEmpty;

namespace {

// "Name (id)".
std::string employee(const std::string& name, const std::string& userId) {
  return name + " (" + userId + ")";
}

}  // namespace

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

std::string fieldLabel(Language language, std::size_t field) {
  switch (field) {
    case 0:
      return textOrEmpty(language, "Name", "Name", "Nom");
    case 1:
      return textOrEmpty(language, "Benutzerkennung", "Windows User Name",
                         "Nom d'Utilisateur Windows");
    case 2:
      return textOrEmpty(language, "Von-Datum", "From date", "Date de début");
    case 3:
      return textOrEmpty(language, "Bis-Datum", "To date", "Date de fin");
    case 4:
      return textOrEmpty(language, "Resturlaub", "Residual vacation", "Reliquat CP");
    case 9:
      return textOrEmpty(language, "Sonderurlaub", "Additional vacation", "RTT");
    default:
      return textOrEmpty(language, "Urlaubsanspruch ", "Vacation entitlement ", "Droits CP ") +
             std::to_string(field - 4);
  }
}

std::string previewCounts(Language language, Replacement by, const ChangePreview& preview) {
  return (by == Replacement::kImport
              ? textOrEmpty(language, "Beim Import: ", "On import: ", "À l'import : ")
              : textOrEmpty(language, "Bei der Wiederherstellung: ", "On restore: ",
                            "À la restauration : ")) +
         textOrEmpty(language, "neu ", "new ", "nouveaux ") + std::to_string(preview.added) +
         textOrEmpty(language, ", entfallen ", ", removed ", ", supprimés ") +
         std::to_string(preview.removed) +
         textOrEmpty(language, ", geändert ", ", changed ", ", modifiés ") +
         std::to_string(preview.changed) +
         textOrEmpty(language, ", unverändert ", ", unchanged ", ", inchangés ") +
         std::to_string(preview.unchanged);
}

std::string previewParagraph(Language language, Replacement by, const ChangePreview& preview) {
  std::string paragraph = previewCounts(language, by, preview);
  if (preview.removed == 0) return paragraph;
  paragraph += startup::CR;
  paragraph += textOrEmpty(language, "Entfallen: ", "Removed: ", "Supprimés : ");
  for (const EmployeeChange& change : preview.firstRemoved) {
    if (&change != &preview.firstRemoved.front()) paragraph += ", ";
    paragraph += employee(change.name, change.userId);
  }
  if (preview.removed > kNamedRemoved) {
    paragraph += textOrEmpty(language, " und ", " and ", " et ") +
                 std::to_string(preview.removed - kNamedRemoved) +
                 textOrEmpty(language, " weitere", " more", " autres");
  }
  return paragraph;
}

std::string changeLine(Language language, const EmployeeChange& change) {
  switch (change.kind) {
    case EmployeeChange::Kind::kNew:
      return "+ " + employee(change.name, change.userId);
    case EmployeeChange::Kind::kRemoved:
      return "- " + employee(change.name, change.userId);
    case EmployeeChange::Kind::kChanged:
      break;
  }
  std::string line = "~ " + employee(change.name, change.userId) + ":";
  for (std::size_t i = 0; i < change.fields.size(); ++i) {
    const FieldChange& field = change.fields[i];
    line += (i == 0 ? " " : ", ") + fieldLabel(language, field.field) + " " + field.before +
            " -> " + field.after;
  }
  return line;
}

}  // namespace hostfiles::texts
