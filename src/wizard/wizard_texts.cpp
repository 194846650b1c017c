#include "wizard/wizard_texts.h"

#include "hostfiles/configuration_data.h"
#include "startup/startup_texts.h"

namespace wizard::texts {

namespace {

using startup::textOrEmpty;

using hostfiles::BackupDamage;
using Kind = BackupDamage::Kind;

using startup::paragraph;
using startup::texts::continueQuestion;

std::string faultText(Language language, hostfiles::LineFault fault) {
  using hostfiles::LineFault;
  switch (fault) {
    case LineFault::kHead:
      return textOrEmpty(language, "ungültiger Dateikopf", "invalid file head", "en-tête invalide");
    case LineFault::kLayout:
      return textOrEmpty(language, "Trennzeichen fehlt", "separator missing",
                         "séparateur manquant");
    case LineFault::kDate:
      return textOrEmpty(language, "ungültiges Datum", "invalid date", "date invalide");
    case LineFault::kValue:
      return textOrEmpty(language, "ungültiger Wert", "invalid value", "valeur invalide");
    case LineFault::kName:
      return textOrEmpty(language, "ungültiger Name", "invalid name", "nom invalide");
    case LineFault::kUserId:
      return textOrEmpty(language, "ungültige Benutzerkennung", "invalid user id",
                         "identifiant invalide");
    case LineFault::kNone:
      break;
  }
  return {};
}

// "Mitarbeiterdaten.dat, Zeile 5: " with the language's line and colon.
std::string savedFileLine(Language language, std::string_view file, std::size_t line) {
  return std::string(file) + textOrEmpty(language, ", Zeile ", ", line ", ", ligne ") +
         std::to_string(line) + textOrEmpty(language, ": ", ": ", " : ");
}

std::string damageText(Language language, const BackupDamage& damage) {
  const std::string line = std::to_string(damage.line);
  switch (damage.kind) {
    case Kind::kUnreadable:
      return textOrEmpty(language, "nicht lesbar", "cannot be read", "illisible");
    case Kind::kNotABackup:
      return textOrEmpty(language, "keine Sicherung", "not a backup", "pas une sauvegarde");
    case Kind::kCutShort:
      return textOrEmpty(language, "unvollständig", "incomplete", "incomplète");
    case Kind::kBadLine:
      return textOrEmpty(language, "beschädigte Zeile ", "damaged line ", "ligne endommagée ") +
             line;
    case Kind::kSavedTwice:
      return textOrEmpty(language, "Datei doppelt gesichert, Zeile ", "file saved twice, line ",
                         "fichier sauvegardé deux fois, ligne ") +
             line;
    case Kind::kNoEmployeeFile:
      return textOrEmpty(language, "ohne Mitarbeiterdaten", "without employee data",
                         "sans employés");
    case Kind::kBadEmployeeFile:
      return savedFileLine(language, hostfiles::kEmployeeDataFile, damage.line) +
             faultText(language, damage.fault);
    case Kind::kBadFractionFlag:
      return savedFileLine(language, hostfiles::kConfigurationFile, damage.line) +
             textOrEmpty(language, "ungültiges Kennzeichen für Nachkommastellen",
                         "invalid fraction flag", "indicateur de décimales invalide");
    case Kind::kNone:
      break;
  }
  return {};
}

// "yymmdd hhmmss K.dat" as "dd.mm.20yy hh:mm:ss  K".
std::string whenAndKind(const std::string& name) {
  using namespace hostfiles::backup_name;
  const auto date = [&](std::size_t i) { return name.substr(kDate + i, 2); };
  const auto time = [&](std::size_t i) { return name.substr(kTime + i, 2); };
  return date(4) + "." + date(2) + ".20" + date(0) + " " + time(0) + ":" + time(2) + ":" + time(4) +
         "  " + name.substr(kKind, 1);
}

// What step 1 to 4 does.
std::string stepAction(Language language, int step) {
  switch (step) {
    case 1:
      return textOrEmpty(language, "Datenordner auswählen", "Select Data Folder",
                         "Sélection du Dossier de Données");
    case 2:
      return textOrEmpty(language, "Importdatei auswählen", "Select Import File",
                         "Sélection du Fichier d'Import");
    case 3:
      return textOrEmpty(language, "Importdaten prüfen", "Check Import Data",
                         "Vérification des Données d'Import");
    default:
      return textOrEmpty(language, "Mitarbeiterdaten importieren", "Import Employee Data",
                         "Import des Employés");
  }
}

// French counts none and one in the singular, English only one.
std::string employeeCount(Language language, std::size_t employees) {
  const bool singularEn = employees == 1;
  const bool singularFr = employees <= 1;
  return std::to_string(employees) + textOrEmpty(language, " Mitarbeiter",
                                                 singularEn ? " employee" : " employees",
                                                 singularFr ? " employé" : " employés");
}

}  // namespace

std::string frameCaption(Language language, int step) {
  return textOrEmpty(language, "Schritt ", "Step ", "Etape ") + std::to_string(step) +
         textOrEmpty(language, ": ", ": ", " : ") + stepAction(language, step);
}

std::string buttonCaption(Language language, int index) {
  if (index == 5) return textOrEmpty(language, "Beenden", "Close", "Fermer");
  // The first two open a dialog.
  return stepAction(language, index) + (index <= 2 ? " ..." : "");
}

std::string noDataFound(Language language, const std::string& quotedFolder) {
  return textOrEmpty(language, "Im Ordner ", "No data found in folder ",
                     "Aucune donnée trouvée dans le dossier ") +
         quotedFolder + textOrEmpty(language, " wurden keine Zentavo-Daten gefunden.", ".", ".");
}

std::string importFileDialogTitle(Language language) { return stepAction(language, 2); }

std::string csvFilter(Language language) {
  return textOrEmpty(language, "CSV (Trennzeichen-getrennt) (*.csv)|*.csv",
                     "CSV (Comma delimited) (*.csv)|*.csv",
                     "CSV (Séparé par des virgules) (*.csv)|*.csv");
}

std::string chosenFileMissing(Language language, const std::string& quotedName) {
  return textOrEmpty(language, "Die Datei ", "The file ", "Le fichier ") + quotedName +
         textOrEmpty(language,
                     " kann nicht geöffnet werden. Enthält ihr Name Zeichen, die hier als '?' "
                     "erscheinen, benennen Sie die Datei um und wählen Sie sie erneut.",
                     " can't be opened. If its name holds characters shown here as '?', rename "
                     "the file and choose it again.",
                     " ne peut pas être ouvert. Si son nom contient des caractères affichés ici "
                     "comme « ? », renommez le fichier et choisissez-le à nouveau.");
}

std::string notAPlainFile(Language language, const std::string& quotedName) {
  return quotedName + textOrEmpty(language,
                                  " ist keine gewöhnliche Datei. Wählen Sie eine CSV-Datei.",
                                  " is not a plain file. Choose a CSV file.",
                                  " n'est pas un fichier ordinaire. Choisissez un fichier CSV.");
}

std::string overwriteQuestion(Language language) {
  return textOrEmpty(language,
                     "Es sind bereits Mitarbeiterdaten vorhanden. Diese werden durch die zu "
                     "importierenden Mitarbeiterdaten überschrieben.",
                     "Employee data already exist. Existing data will be overwritten by the "
                     "import data.",
                     "Des employés sont déjà déclarés. L'import effacera toutes les données "
                     "existantes avant d'ajouter les nouveaux employés.") +
         paragraph() + continueQuestion(language);
}

std::string dataFolderBusy(Language language) {
  return textOrEmpty(language,
                     "In diesem Datenordner läuft gerade ein anderer Import oder eine "
                     "Wiederherstellung. Warten Sie, bis er beendet ist, und versuchen Sie es "
                     "erneut.",
                     "Another import or restore is running on this data folder. Wait until it "
                     "has finished and try again.",
                     "Un autre import ou une restauration est en cours sur ce dossier de "
                     "données. Attendez qu'il soit terminé et réessayez.");
}

std::string backupBeforeImportFailed(Language language) {
  return textOrEmpty(
      language, "Backup vor Importieren der Mitarbeiterdaten konnte nicht erstellt werden",
      "Backup before importing employee data failed", "La sauvegarde avant l'import a échoué");
}

std::string importedLogEntry(Language language) {
  return textOrEmpty(language, "Mitarbeiterdaten importiert", "Import employee data",
                     "Import des Employés");
}

std::string imported(Language language) {
  return textOrEmpty(language, "Mitarbeiterdaten erfolgreich importiert",
                     "Data successfully imported", "Données importées correctement");
}

std::string restoreCommand(Language language) {
  return textOrEmpty(language, "Sicherung wiederherstellen …", "Restore backup …",
                     "Restaurer une sauvegarde …");
}

std::string restoreDialogTitle(Language language) {
  return textOrEmpty(language, "Sicherung wiederherstellen", "Restore Backup",
                     "Restaurer une Sauvegarde");
}

std::string backupFilter(Language language) {
  return textOrEmpty(language, "Sicherungen (*.dat)|*.dat", "Backups (*.dat)|*.dat",
                     "Sauvegardes (*.dat)|*.dat");
}

std::string backupLine(Language language, const std::string& name, const BackupDamage& damage,
                       std::size_t employees) {
  const std::string content =
      !damage ? employeeCount(language, employees)
              : textOrEmpty(language, "beschädigt (", "damaged (", "endommagée (") +
                    damageText(language, damage) + ")";
  // A name whose date is impossible stands alone.
  const std::string when = hostfiles::hasPossibleDate(name) ? whenAndKind(name) + "  " : "";
  return when + content + "  " + name;
}

std::string noBackups(Language language, const std::string& quotedFolder) {
  return textOrEmpty(language, "Im Ordner ", "No backups in folder ",
                     "Aucune sauvegarde dans le dossier ") +
         quotedFolder + textOrEmpty(language, " gibt es keine Sicherungen.", ".", ".");
}

std::string cannotRestore(Language language, const std::string& quotedName,
                          const BackupDamage& damage) {
  return textOrEmpty(language, "Die Sicherung ", "Backup ", "La sauvegarde ") + quotedName +
         textOrEmpty(language, " kann nicht wiederhergestellt werden (", " cannot be restored (",
                     " ne peut pas être restaurée (") +
         damageText(language, damage) + ").";
}

std::string restoreQuestion(Language language, const std::string& quotedName,
                            const std::string& preview) {
  return textOrEmpty(language, "Die Mitarbeiterdaten werden durch die der Sicherung ",
                     "Employee data will be replaced by those of backup ",
                     "Les employés seront remplacés par ceux de la sauvegarde ") +
         quotedName + textOrEmpty(language, " ersetzt.", ".", ".") +
         (preview.empty() ? "" : paragraph() + preview) + paragraph() + continueQuestion(language);
}

std::string backupBeforeRestoreFailed(Language language) {
  return textOrEmpty(
      language, "Backup vor dem Wiederherstellen der Mitarbeiterdaten konnte nicht erstellt werden",
      "Backup before restoring employee data failed",
      "La sauvegarde avant la restauration a échoué");
}

std::string restoredLogEntry(Language language, const std::string& name) {
  return textOrEmpty(language, "Mitarbeiterdaten aus Sicherung '",
                     "Employee data restored from backup '",
                     "Employés restaurés depuis la sauvegarde « ") +
         name + textOrEmpty(language, "' wiederhergestellt", "'", " »");
}

std::string restored(Language language) {
  return textOrEmpty(language, "Mitarbeiterdaten erfolgreich wiederhergestellt",
                     "Employee data successfully restored", "Employés restaurés correctement");
}

std::string restoreNotPermitted(Language language) {
  return textOrEmpty(
      language,
      "Sie sind nicht als Administrator im Zentavo-Kalender eingetragen und nicht zur "
      "Wiederherstellung der Mitarbeiterdaten berechtigt",
      "You are not administrator of the Zentavo Desk and you don't have permission to "
      "restore employee data.",
      "Vous n'êtes pas administrateur du logiciel. Vous n'avez pas les permissions pour "
      "restaurer des employés.");
}

std::string exportCommand(Language language) {
  return textOrEmpty(language, "Mitarbeiterliste exportieren …", "Export employee list …",
                     "Exporter la liste des employés …");
}

std::string faultsReportCommand(Language language) {
  return textOrEmpty(language, "Fehlerbericht speichern …", "Save faults report …",
                     "Enregistrer le rapport d'erreurs …");
}

std::string saveFaultsQuestion(Language language) {
  return textOrEmpty(language, "Möchten Sie die Liste der Fehler speichern?",
                     "Do you want to save the list of faults?",
                     "Voulez-vous enregistrer la liste des erreurs ?");
}

std::string faultsReportDialogTitle(Language language) {
  return textOrEmpty(language, "Fehlerbericht speichern", "Save Faults Report",
                     "Enregistrer le Rapport d'erreurs");
}

std::string faultsReportName(Language language) {
  return textOrEmpty(language, "Fehlerbericht.csv", "Faults report.csv", "Rapport d'erreurs.csv");
}

std::string exportDialogTitle(Language language) {
  return textOrEmpty(language, "Mitarbeiterliste exportieren", "Export Employee List",
                     "Exporter la Liste des employés");
}

std::string exportName(Language language) {
  return textOrEmpty(language, "Mitarbeiter.csv", "Employees.csv", "Employés.csv");
}

std::string changesCommand(Language language) {
  return textOrEmpty(language, "Änderungen anzeigen …", "Show changes …",
                     "Afficher les modifications …");
}

std::string changesDialogTitle(Language language) {
  return textOrEmpty(language, "Änderungen anzeigen", "Show Changes", "Afficher les Modifications");
}

std::string saveChangesDialogTitle(Language language) {
  return textOrEmpty(language, "Änderungen speichern", "Save Changes",
                     "Enregistrer les Modifications");
}

std::string changeListName(Language language) {
  return textOrEmpty(language, "Änderungen.txt", "Changes.txt", "Modifications.txt");
}

std::string textFilter(Language language) {
  return textOrEmpty(language, "Textdateien (*.txt)|*.txt", "Text Files (*.txt)|*.txt",
                     "Fichiers texte (*.txt)|*.txt");
}

std::string saveButton(Language language) {
  return textOrEmpty(language, "&Speichern …", "&Save …", "&Enregistrer …");
}

std::string closeButton(Language language) {
  return textOrEmpty(language, "Schließen", "Close", "Fermer");
}

std::string restoreButton(Language language) {
  return textOrEmpty(language, "&Wiederherstellen", "&Restore", "&Restaurer");
}

std::string otherFileButton(Language language) {
  return textOrEmpty(language, "&Andere Datei …", "&Other File …", "&Autre fichier …");
}

std::string cancelButton(Language language) {
  return textOrEmpty(language, "Abbrechen", "Cancel", "Annuler");
}

std::string exportNotPermitted(Language language) {
  return textOrEmpty(
      language,
      "Sie sind nicht als Administrator im Zentavo-Kalender eingetragen und nicht zum "
      "Export der Mitarbeiterdaten berechtigt",
      "You are not administrator of the Zentavo Desk and you don't have permission to "
      "export employee data.",
      "Vous n'êtes pas administrateur du logiciel. Vous n'avez pas les permissions pour "
      "exporter des employés.");
}

std::string exported(Language language, const std::string& quotedFile, std::size_t employees) {
  const std::string count = std::to_string(employees);
  return textOrEmpty(language, "Die Mitarbeiterliste steht jetzt in ",
                     "The employee list is now in ",
                     "La liste des employés se trouve maintenant dans ") +
         quotedFile +
         textOrEmpty(language, " (" + count + " Mitarbeiter).", " (" + count + " employees).",
                     " (" + count + " employés).");
}

std::string changedOnImport(Language language, const std::string& names) {
  return textOrEmpty(language, "Diese Einträge kämen beim Import verändert zurück: ",
                     "These entries would come back changed on import: ",
                     "Ces entrées reviendraient modifiées à l'import : ") +
         names +
         textOrEmpty(language, ". Prüfen Sie sie in der Datei, bevor Sie sie importieren.",
                     ". Check them in the file before you import it.",
                     ". Vérifiez-les dans le fichier avant de l'importer.");
}

std::string nowInPlanner(Language language, std::size_t employees,
                         const std::string& quotedBackup) {
  return textOrEmpty(language, "Im Zentavo-Kalender stehen jetzt ", "Zentavo Desk now holds ",
                     "Zentavo Bureau compte maintenant ") +
         std::to_string(employees) +
         textOrEmpty(language, " Mitarbeiter; der vorige Stand ist in der Sicherung ",
                     " employees; the previous state is in backup ",
                     " employés ; l'état précédent est dans la sauvegarde ") +
         quotedBackup + textOrEmpty(language, ".", ".", ".");
}

std::string configurationNotWritten(Language language, const std::string& quotedFile, int error) {
  return textOrEmpty(language, "Die Datei ", "Couldn't write file ",
                     "Impossible d'écrire le fichier ") +
         quotedFile +
         textOrEmpty(language, " konnte nicht geschrieben werden (Fehler Nr. ", " (Error Nr. ",
                     " (Erreur N° ") +
         std::to_string(error) + ": " + startup::texts::errorDescription(language, error) + ")." +
         paragraph() +
         textOrEmpty(language,
                     "Die Mitarbeiterdaten sind bereits ersetzt. Die eben angelegte Sicherung "
                     "enthält den vorigen Stand: Ihre Wiederherstellung bringt ihn zurück",
                     "The employee data have already been replaced. The backup made just "
                     "before holds the previous state: restoring it brings that state back",
                     "Les employés ont déjà été remplacés. La sauvegarde créée juste avant "
                     "contient l'état précédent : sa restauration le rétablit");
}

std::string logEntryNotWritten(Language language, const std::string& quotedFile) {
  return textOrEmpty(language, "Der Eintrag im Logbuch ", "The log entry couldn't be written to ",
                     "L'entrée n'a pas pu être écrite dans le journal ") +
         quotedFile + textOrEmpty(language, " konnte nicht geschrieben werden.", ".", ".");
}

}  // namespace wizard::texts
