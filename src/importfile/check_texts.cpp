#include "importfile/check_texts.h"

#include "startup/startup_texts.h"

namespace importfile::texts {

namespace {

using startup::textOrEmpty;

using startup::paragraph;

std::string rowHead(Language language, std::size_t row) {
  return textOrEmpty(language, "Fehler in Zeile ", "Error in row ",
                     "Erreur à l'enregistrement numéro ") +
         std::to_string(row);
}

// The head of a column-count fault and the paragraph break before its likely cause.
std::string columnCountFault(Language language) {
  return textOrEmpty(language, "Ungültige Anzahl an Spalten", "Invalid number of columns",
                     "Nombre de colonnes invalide") +
         paragraph();
}

}  // namespace

std::string question(Language language, std::size_t row, const std::string* name,
                     const std::string& error) {
  return rowHead(language, row) + (name != nullptr ? ", " + *name : "") + paragraph() + error +
         paragraph() + startup::texts::continueQuestion(language);
}

std::string forbiddenCharacter(Language language) {
  return textOrEmpty(language, "Unzulässiges Zeichen ':' oder '|' enthalten",
                     "Invalid character ':' or '|' found", "Caractère « : » ou « | » non valide");
}

std::string controlCharacter(Language language, std::size_t column) {
  const std::string name = columnLabel(language, column);
  return textOrEmpty(language, "Unzulässiges Steuerzeichen im Feld '",
                     "Invalid control character in field '",
                     "Caractère de contrôle non valide dans le champ « ") +
         name + textOrEmpty(language, "' enthalten", "'", " »");
}

std::string emptyName(Language language) {
  return textOrEmpty(language, "Feld Name ist leer", "Field Name is empty",
                     "Le champ Nom est vide");
}

std::string invalidFromDate(Language language, const std::string& value) {
  return textOrEmpty(language, "'Von-Datum' ", "Date ", "La date ") + value +
         textOrEmpty(language, " ist fehlerhaft", " is invalid", " est invalide");
}

std::string invalidToDate(Language language, const std::string& value) {
  return textOrEmpty(language, "'Bis-Datum' ", "Date ", "La date ") + value +
         textOrEmpty(language, " ist fehlerhaft", " is invalid", " est invalide");
}

std::string datesInWrongOrder(Language language) {
  return textOrEmpty(language, "'Von-Datum' ist größer als 'Bis-Datum'",
                     "First date greater than second date",
                     "Première date postérieure à la deuxième date");
}

std::string notNumeric(Language language, NumberColumn column, const std::string& value) {
  std::string label;
  switch (column) {
    case NumberColumn::kResturlaub:
      label = textOrEmpty(language, "Resturlaub ", "Residual vacation ", "Reliquat CP ");
      break;
    case NumberColumn::kUrlaubsanspruch:
      label = textOrEmpty(language, "Urlaubsanspruch ", "Vacation entitlement ", "Droits CP ");
      break;
    case NumberColumn::kSonderurlaub:
      label = textOrEmpty(language, "Sonderurlaub ", "Additional vacation ", "RTT ");
      break;
  }
  return label + value +
         textOrEmpty(language, " nicht nummerisch", " not numeric", " n'est pas un nombre");
}

std::string duplicate(Language language, const std::string& Benutzerkennung) {
  return textOrEmpty(language, "Name/Benutzerkennung ", "Name/Windows User Name ",
                     "Nom/Nom d'Utilisateur Windows ") +
         Benutzerkennung +
         textOrEmpty(language, " ist doppelt vorhanden", " exists twice", " est en double");
}

std::string columnCountError(Language language, char separator) {
  const std::string shown(1, separator);
  return columnCountFault(language) +
         textOrEmpty(language, "Vermutlicher Fehler: Das Trennzeichen der Importdatei '",
                     "Probably the delimiter in the import file '", "Le séparateur « ") +
         shown +
         textOrEmpty(
             language,
             "' ist in den Daten enthalten. Verwenden Sie dieses Zeichen nicht in den "
             "Importdaten oder verwenden Sie ein anderes Trennzeichen in der Importdatei.",
             "' is contained in the import data. Do not use this character in the import "
             "data or use a different delimiter in the import file.",
             " » du fichier d'import est probablement inclus dans les données. N'utilisez pas "
             "ce séparateur dans les données à importer ou utilisez un séparateur différent.");
}

std::string unclosedQuoteError(Language language) {
  return columnCountFault(language) +
         textOrEmpty(
             language,
             "Vermutlicher Fehler: Ein Feld der Importdatei beginnt mit einem Anführungszeichen "
             "(\"), das nicht geschlossen wird. Schließen Sie das Feld mit einem "
             "Anführungszeichen ab oder verdoppeln Sie jedes Anführungszeichen im Feld.",
             "Probably a field in the import file begins with a quote (\") that is never "
             "closed. Close the field with a quote or double every quote inside the field.",
             "Un champ du fichier d'import commence probablement par un guillemet (\") qui "
             "n'est jamais fermé. Fermez le champ par un guillemet ou doublez chaque guillemet "
             "à l'intérieur du champ.");
}

std::string columnCountNotice(Language language, std::size_t row, const std::string& name,
                              const std::string& error) {
  return rowHead(language, row) + ", " + name + paragraph() + error;
}

std::string emptyFile(Language language, const std::string& quotedName) {
  return textOrEmpty(language, "Importdatei ", "Import file ", "Le fichier d'import ") +
         quotedName + textOrEmpty(language, " ist leer", " is empty", " est vide");
}

std::string noSeparator(Language language, const std::string& quotedName) {
  return textOrEmpty(
             language,
             "Kein Trennzeichen ',', ';', ':' oder 'Tabulator' in erster Zeile der Importdatei ",
             "No separator ',', ';', ':' or 'Tab' found in the first row of the import file ",
             "Aucun séparateur « , », « ; », « : » ou « Tab » trouvé dans le fichier d'import ") +
         quotedName + textOrEmpty(language, " gefunden", "", "");
}

std::string headerSwallowed(Language language, char separator, std::size_t separators,
                            std::size_t lines) {
  const bool one = lines == 1;
  return textOrEmpty(language, "Die Kopfzeile hatte ", "The header line had ",
                     "La ligne d'en-tête contenait ") +
         std::to_string(separators) +
         textOrEmpty(language, " der 9 erwarteten Trennzeichen '",
                     " of the 9 expected separators '", " des 9 séparateurs « ") +
         separator + textOrEmpty(language, "', und ", "', and ", " » attendus, et ") +
         std::to_string(lines) +
         (one ? textOrEmpty(language, " weitere Zeile wurde", " further line was",
                            " ligne suivante a été lue")
              : textOrEmpty(language, " weitere Zeilen wurden", " further lines were",
                            " lignes suivantes ont été lues")) +
         textOrEmpty(language, " als Teil der Kopfzeile gelesen.", " read as part of the header.",
                     " comme partie de l'en-tête.");
}

std::string tooManyRows(Language language, const std::string& quotedName) {
  return textOrEmpty(language, "Importdatei ", "Import file ", "Le fichier d'import ") +
         quotedName +
         textOrEmpty(language,
                     " enthält mehr als 32.767 Zeilen; der Zentavo-Kalender nimmt höchstens "
                     "32.767 Mitarbeiter auf.",
                     " holds more than 32,767 rows; the planner takes at most 32,767 employees.",
                     " contient plus de 32 767 lignes ; le planificateur accepte au plus 32 767 "
                     "employés.");
}

std::string lineTooLong(Language language, const std::string& quotedName) {
  return textOrEmpty(language, "Importdatei ", "Import file ", "Le fichier d'import ") +
         quotedName +
         textOrEmpty(
             language,
             " beginnt mit einer Zeile von mehr als 32.767 Zeichen; der Zentavo-Kalender "
             "liest dort höchstens 32.767 Zeichen je Zeile.",
             " begins with a line of more than 32,767 characters; the planner reads at "
             "most 32,767 characters per line there.",
             " commence par une ligne de plus de 32 767 caractères ; le planificateur y lit "
             "au plus 32 767 caractères par ligne.");
}

std::string notAdministrator(Language language) {
  return textOrEmpty(
      language,
      "Sie sind nicht als Administrator im Zentavo-Kalender eingetragen und nicht zum "
      "Import der Mitarbeiterdaten berechtigt",
      "You are not administrator of the Zentavo Desk and you don't have permission to "
      "import employee data.",
      "Vous n'êtes pas administrateur du logiciel. Vous n'avez pas les permissions pour "
      "importer des employés.");
}

std::string verdictWithErrors(Language language) {
  return textOrEmpty(
      language,
      "Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie die Fehler in den "
      "Importdaten und wiederholen Sie die Prüfung.",
      "Testing completed. Errors found. Fix the errors in the import data and repeat the "
      "test.",
      "Test terminé. Erreurs trouvées. Corrigez les erreurs dans les données à importer "
      "et faites le test à nouveau.");
}

std::string verdictFaultFree(Language language) {
  return textOrEmpty(language, "Prüfen der Importdaten fehlerfrei",
                     "Testing completed. No errors found.", "Test terminé. Aucune erreur trouvée.");
}

std::array<std::string, 6> reportHeader(Language language) {
  if (language == Language::Other) language = Language::EN;  // a spreadsheet needs its heads
  return {textOrEmpty(language, "Zeile", "Row", "Ligne"),
          textOrEmpty(language, "Zeile in der Datei", "Line in file", "Ligne dans le fichier"),
          textOrEmpty(language, "Name", "Name", "Nom"),
          textOrEmpty(language, "Spalte", "Column", "Colonne"),
          textOrEmpty(language, "Wert", "Value", "Valeur"),
          textOrEmpty(language, "Fehler", "Fault", "Erreur")};
}

}  // namespace importfile::texts
