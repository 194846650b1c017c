#include "importfile/check_texts.h"

namespace importfile::texts {

namespace {

std::string text(Language language, std::string_view de, std::string_view en, std::string_view fr) {
  return startup::pick(language, de, en, fr).value_or("");
}

// The break between paragraphs: two line breaks.
std::string paragraph() { return std::string(2, startup::CR); }

std::string rowHead(Language language, std::size_t row) {
  return text(language, "Fehler in Zeile ", "Error in row ", "Erreur à l'enregistrement numéro ") +
         std::to_string(row);
}

// "Name (id)".
std::string employee(const std::string& name, const std::string& userId) {
  return name + " (" + userId + ")";
}

}  // namespace

std::string columnLabel(Language language, std::size_t column) {
  switch (column) {
    case 0:
      return text(language, "Name", "Name", "Nom");
    case 1:
      return text(language, "Benutzerkennung", "Windows User Name", "Nom d'Utilisateur Windows");
    case 2:
      return text(language, "Von-Datum", "From date", "Date de début");
    case 3:
      return text(language, "Bis-Datum", "To date", "Date de fin");
    case 4:
      return text(language, "Resturlaub", "Residual vacation", "Reliquat CP");
    case 9:
      return text(language, "Sonderurlaub", "Additional vacation", "RTT");
    default:
      return text(language, "Urlaubsanspruch ", "Vacation entitlement ", "Droits CP ") +
             std::to_string(column - 4);
  }
}

std::string question(Language language, std::size_t row, const std::string* name,
                     const std::string& error) {
  return rowHead(language, row) + (name != nullptr ? ", " + *name : "") + paragraph() + error +
         paragraph() +
         text(language, "Möchten Sie fortsetzen?", "Do you want to continue?",
              "Voulez-vous continuer ?");
}

std::string forbiddenCharacter(Language language) {
  return text(language, "Unzulässiges Zeichen ':' oder '|' enthalten",
              "Invalid character ':' or '|' found", "Caractère « : » ou « | » non valide");
}

std::string controlCharacter(Language language, std::size_t column) {
  const std::string name = columnLabel(language, column);
  return text(language, "Unzulässiges Steuerzeichen im Feld '",
              "Invalid control character in field '",
              "Caractère de contrôle non valide dans le champ « ") +
         name + text(language, "' enthalten", "'", " »");
}

std::string emptyName(Language language) {
  return text(language, "Feld Name ist leer", "Field Name is empty", "Le champ Nom est vide");
}

std::string invalidFromDate(Language language, const std::string& value) {
  return text(language, "'Von-Datum' ", "Date ", "La date ") + value +
         text(language, " ist fehlerhaft", " is invalid", " est invalide");
}

std::string invalidToDate(Language language, const std::string& value) {
  return text(language, "'Bis-Datum' ", "Date ", "La date ") + value +
         text(language, " ist fehlerhaft", " is invalid", " est invalide");
}

std::string datesInWrongOrder(Language language) {
  return text(language, "'Von-Datum' ist größer als 'Bis-Datum'",
              "First date greater than second date",
              "Première date postérieure à la deuxième date");
}

std::string notNumeric(Language language, NumberColumn column, const std::string& value) {
  std::string label;
  switch (column) {
    case NumberColumn::kResturlaub:
      label = text(language, "Resturlaub ", "Residual vacation ", "Reliquat CP ");
      break;
    case NumberColumn::kUrlaubsanspruch:
      label = text(language, "Urlaubsanspruch ", "Vacation entitlement ", "Droits CP ");
      break;
    case NumberColumn::kSonderurlaub:
      label = text(language, "Sonderurlaub ", "Additional vacation ", "RTT ");
      break;
  }
  return label + value +
         text(language, " nicht nummerisch", " not numeric", " n'est pas un nombre");
}

std::string duplicate(Language language, const std::string& Benutzerkennung) {
  return text(language, "Name/Benutzerkennung ", "Name/Windows User Name ",
              "Nom/Nom d'Utilisateur Windows ") +
         Benutzerkennung +
         text(language, " ist doppelt vorhanden", " exists twice", " est en double");
}

std::string columnCountError(Language language, char separator) {
  const std::string shown(1, separator);
  return text(language, "Ungültige Anzahl an Spalten", "Invalid number of columns",
              "Nombre de colonnes invalide") +
         paragraph() +
         text(language, "Vermutlicher Fehler: Das Trennzeichen der Importdatei '",
              "Probably the delimiter in the import file '", "Le séparateur « ") +
         shown +
         text(language,
              "' ist in den Daten enthalten. Verwenden Sie dieses Zeichen nicht in den "
              "Importdaten oder verwenden Sie ein anderes Trennzeichen in der Importdatei.",
              "' is contained in the import data. Do not use this character in the import "
              "data or use a different delimiter in the import file.",
              " » du fichier d'import est probablement inclus dans les données. N'utilisez pas "
              "ce séparateur dans les données à importer ou utilisez un séparateur différent.");
}

std::string tooManyColumns(Language language, std::size_t row, const std::string& name,
                           char separator) {
  return rowHead(language, row) + ", " + name + paragraph() + columnCountError(language, separator);
}

std::string notAdministrator(Language language) {
  return text(language,
              "Sie sind nicht als Administrator im Zentavo-Kalender eingetragen und nicht zum "
              "Import der Mitarbeiterdaten berechtigt",
              "You are not administrator of the Zentavo Desk and you don't have permission to "
              "import employee data.",
              "Vous n'êtes pas administrateur du logiciel. Vous n'avez pas les permissions pour "
              "importer des employés.");
}

std::string verdictWithErrors(Language language) {
  return text(language,
              "Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie die Fehler in den "
              "Importdaten und wiederholen Sie die Prüfung.",
              "Testing completed. Errors found. Fix the errors in the import data and repeat the "
              "test.",
              "Test terminé. Erreurs trouvées. Corrigez les erreurs dans les données à importer "
              "et faites le test à nouveau.");
}

std::string verdictFaultFree(Language language) {
  return text(language, "Prüfen der Importdaten fehlerfrei", "Testing completed. No errors found.",
              "Test terminé. Aucune erreur trouvée.");
}

std::array<std::string, 5> reportHeader(Language language) {
  if (language == Language::Other) language = Language::EN;  // a spreadsheet needs its heads
  return {text(language, "Zeile", "Row", "Ligne"), text(language, "Name", "Name", "Nom"),
          text(language, "Spalte", "Column", "Colonne"), text(language, "Wert", "Value", "Valeur"),
          text(language, "Fehler", "Fault", "Erreur")};
}

std::string previewCounts(Language language, const ChangePreview& preview) {
  return text(language, "Beim Import: neu ", "On import: new ", "À l'import : nouveaux ") +
         std::to_string(preview.added) +
         text(language, ", entfallen ", ", removed ", ", supprimés ") +
         std::to_string(preview.removed) +
         text(language, ", geändert ", ", changed ", ", modifiés ") +
         std::to_string(preview.changed) +
         text(language, ", unverändert ", ", unchanged ", ", inchangés ") +
         std::to_string(preview.unchanged);
}

std::string previewParagraph(Language language, const ChangePreview& preview) {
  constexpr std::size_t kNamed = 10;
  std::string paragraph = previewCounts(language, preview);
  if (preview.removed == 0) return paragraph;
  paragraph += startup::CR;
  paragraph += text(language, "Entfallen: ", "Removed: ", "Supprimés : ");
  std::size_t named = 0;
  for (const EmployeeChange& change : preview.changes) {
    if (change.kind != EmployeeChange::Kind::kRemoved || named == kNamed) continue;
    if (named++ > 0) paragraph += ", ";
    paragraph += employee(change.name, change.userId);
  }
  if (preview.removed > kNamed) {
    paragraph += text(language, " und ", " and ", " et ") +
                 std::to_string(preview.removed - kNamed) +
                 text(language, " weitere", " more", " autres");
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
    line += (i == 0 ? " " : ", ") + columnLabel(language, field.column) + " " + field.before +
            " -> " + field.after;
  }
  return line;
}

}  // namespace importfile::texts
