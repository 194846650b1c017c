#include "console_texts.h"

#include "terminal_text.h"

namespace console::texts {

namespace {

// `word` is in the code page, as typed.
std::string quoted(Language language, const std::string& word) {
  return say(language, {"'", "'", "« "}) + forTerminal(word) + say(language, {"'", "'", " »"});
}

std::string mistakeOnly(Language language, const CommandLineMistake& m) {
  const std::string word = quoted(language, m.word);
  switch (m.kind) {
    case MistakeKind::kUnknownCommand:
      return say(language, {"unbekannter Befehl ", "unknown command ", "commande inconnue "}) +
             word;
    case MistakeKind::kUnknownOption:
      return say(language, {"unbekannte Option ", "unknown option ", "option inconnue "}) + word;
    case MistakeKind::kNotForCommand:
      return word + say(language, {" gilt nicht für ", " does not go with ", " ne va pas avec "}) +
             quoted(language, m.other);
    case MistakeKind::kMissingValue:
      return say(language, {"nach ", "", "il manque la valeur après "}) + word +
             say(language, {" fehlt der Wert", " needs a value", ""});
    case MistakeKind::kEmptyValue:
      return say(language, {"der Wert nach ", "the value after ", "la valeur après "}) + word +
             say(language, {" ist leer", " is empty", " est vide"});
    case MistakeKind::kMissingArgument:
      return say(language, {"nach ", "", "il manque le nom du fichier après "}) + word +
             say(language, {" fehlt der Dateiname", " needs a file name", ""});
    case MistakeKind::kExtraArgument:
      return say(language,
                 {"überzähliges Argument ", "one argument too many: ", "argument en trop : "}) +
             word;
    case MistakeKind::kUnknownRegion:
      return say(language, {"unbekannte Region ", "unknown region ", "région inconnue "}) + word +
             say(language,
                 {" (bekannt: de-DE, en-GB, en-US, fr-FR)", " (known: de-DE, en-GB, en-US, fr-FR)",
                  " (connues : de-DE, en-GB, en-US, fr-FR)"});
    case MistakeKind::kUnknownEncoding:
      return say(language, {"unbekannte Kodierung ", "unknown encoding ", "encodage inconnu "}) +
             word +
             say(language,
                 {" (bekannt: cp, utf-8)", " (known: cp, utf-8)", " (connus : cp, utf-8)"});
    case MistakeKind::kConflict:
      return word + say(language, {" und ", " and ", " et "}) + quoted(language, m.other) +
             say(language,
                 {" schließen einander aus", " exclude each other", " s'excluent l'un l'autre"});
  }
  return word;
}

}  // namespace

std::string mistake(Language language, const CommandLineMistake& m) {
  return say(language, {"personallader: ", "personallader: ", "personallader : "}) +
         mistakeOnly(language, m);
}

std::string helpPointer(Language language) {
  return say(language, {"Hilfe: personallader --help", "Help: personallader --help",
                        "Aide : personallader --help"});
}

std::string nothingImported(Language language, bool yesConfirms) {
  return say(language,
             {"Es wurde nichts importiert und nichts geändert.",
              "Nothing was imported and nothing changed.", "Rien n'a été importé ni modifié."}) +
         (yesConfirms ? say(language, {" --yes bestätigt den Import.",
                                       " --yes confirms the import.", " --yes confirme l'import."})
                      : "");
}

std::string nothingRestored(Language language, bool yesConfirms) {
  return say(language,
             {"Es wurde nichts wiederhergestellt und nichts geändert.",
              "Nothing was restored and nothing changed.", "Rien n'a été restauré ni modifié."}) +
         (yesConfirms
              ? say(language, {" --yes bestätigt die Wiederherstellung.",
                               " --yes confirms the restore.", " --yes confirme la restauration."})
              : "");
}

std::string invalidChoice(Language language, const std::string& choice) {
  return say(language,
             {"Keine gültige Auswahl: ", "Not a valid choice: ", "Choix non valable : "}) +
         quoted(language, choice) +
         say(language,
             {"; wählen Sie eine der gezeigten Nummern.", "; choose one of the numbers shown.",
              " ; choisissez l'un des numéros affichés."});
}

std::string listPrompt(Language language) {
  return say(language, {"Nummer oder Dateiname (Eingabetaste: zurück): ",
                        "Number or file name (Enter: back): ",
                        "Numéro ou nom de fichier (Entrée : retour) : "});
}

std::string noSuchBackup(Language language) {
  return say(language, {"Keine solche Sicherung.", "No such backup.", "Sauvegarde introuvable."});
}

}  // namespace console::texts
