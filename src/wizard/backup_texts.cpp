#include "wizard/backup_texts.h"

namespace wizard::texts {

namespace {

using startup::textOrEmpty;

using hostfiles::BackupDamage;

std::string paragraph() { return std::string(2, startup::CR); }

std::string damageText(Language language, BackupDamage damage) {
  switch (damage) {
    case BackupDamage::kUnreadable:
      return textOrEmpty(language, "nicht lesbar", "cannot be read", "illisible");
    case BackupDamage::kNotABackup:
      return textOrEmpty(language, "keine Sicherung", "not a backup", "pas une sauvegarde");
    case BackupDamage::kCutShort:
      return textOrEmpty(language, "unvollständig", "incomplete", "incomplète");
    case BackupDamage::kBadLine:
      return textOrEmpty(language, "beschädigte Zeile", "damaged line", "ligne endommagée");
    case BackupDamage::kNoEmployeeFile:
      return textOrEmpty(language, "ohne Mitarbeiterdaten", "without employee data",
                         "sans employés");
    case BackupDamage::kBadEmployeeFile:
      return textOrEmpty(language, "Mitarbeiterdaten beschädigt", "employee data damaged",
                         "employés endommagés");
    case BackupDamage::kNone:
      break;
  }
  return {};
}

// "yymmdd hhmmss K.dat" as "dd.mm.20yy hh:mm:ss  K".
std::string whenAndKind(const std::string& name) {
  const auto at = [&](std::size_t i) { return name.substr(i, 2); };
  return at(4) + "." + at(2) + ".20" + at(0) + " " + at(7) + ":" + at(9) + ":" + at(11) + "  " +
         name.substr(14, 1);
}

}  // namespace

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

std::string backupLine(Language language, const std::string& name, BackupDamage damage,
                       std::size_t employees) {
  const std::string content =
      damage == BackupDamage::kNone
          ? std::to_string(employees) +
                textOrEmpty(language, " Mitarbeiter", " employees", " employés")
          : textOrEmpty(language, "beschädigt (", "damaged (", "endommagée (") +
                damageText(language, damage) + ")";
  return whenAndKind(name) + "  " + content + "  " + name;
}

std::string noBackups(Language language, const std::string& quotedFolder) {
  return textOrEmpty(language, "Im Ordner ", "No backups in folder ",
                     "Aucune sauvegarde dans le dossier ") +
         quotedFolder + textOrEmpty(language, " gibt es keine Sicherungen.", ".", ".");
}

std::string cannotRestore(Language language, const std::string& quotedName, BackupDamage damage) {
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
         (preview.empty() ? "" : paragraph() + preview) + paragraph() +
         textOrEmpty(language, "Möchten Sie fortsetzen?", "Do you want to continue?",
                     "Voulez-vous continuer ?");
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

}  // namespace wizard::texts
