// The texts of listing and restoring backups, in the code page; empty for a
// language other than the three.
#pragma once

#include <cstddef>
#include <string>

#include "hostfiles/backup_file.h"
#include "importfile/change_preview.h"
#include "startup/language.h"

namespace wizard::texts {

using startup::Language;

// The entry of the window's system menu and of the terminal wizard.
std::string restoreCommand(Language language);
// The file dialog's title after the program title, and its filter.
std::string restoreDialogTitle(Language language);
std::string backupFilter(Language language);

// "dd.mm.yyyy hh:mm:ss  A  N employees  NAME", or the damage in place of the count.
std::string backupLine(Language language, const std::string& name, hostfiles::BackupDamage damage,
                       std::size_t employees);
std::string noBackups(Language language, const std::string& quotedFolder);

// `name` is the backup file's name in the language's quotation marks.
std::string cannotRestore(Language language, const std::string& quotedName,
                          hostfiles::BackupDamage damage);
// The question before the restore; `preview` is empty when the present
// employee file cannot be read.
std::string restoreQuestion(Language language, const std::string& quotedName,
                            const std::string& preview);
std::string backupBeforeRestoreFailed(Language language);
std::string restoredLogEntry(Language language, const std::string& name);
std::string restored(Language language);

}  // namespace wizard::texts
