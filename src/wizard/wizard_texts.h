// The texts of the wizard's steps and of listing and restoring backups, in the
// code page. Values are inserted as they stand. For a language other than the
// three the fixed parts are empty; the callers show nothing then.
#pragma once

#include <cstddef>
#include <string>

#include "hostfiles/backup_file.h"
#include "startup/language.h"

namespace wizard::texts {

using startup::Language;

// The captions of the frames of steps 1 to 4 and of buttons 1 to 5 (5 closes).
std::string frameCaption(Language language, int step);
std::string buttonCaption(Language language, int index);

std::string noDataFound(Language language, const std::string& quotedFolder);
// The title of step 2's file dialog after the program title, and the filter
// of every dialog for a CSV file.
std::string importFileDialogTitle(Language language);
std::string csvFilter(Language language);
// A file chosen or named (import file, backup, report) is missing: its name may
// have lost characters to the code page. The import file is not a plain file.
std::string chosenFileMissing(Language language, const std::string& quotedName);
std::string notAPlainFile(Language language, const std::string& quotedName);

// Another run holds the data folder's lock.
std::string dataFolderBusy(Language language);

std::string overwriteQuestion(Language language);
std::string backupBeforeImportFailed(Language language);
std::string importedLogEntry(Language language);
std::string imported(Language language);

// The entry of the window's system menu and of the terminal wizard.
std::string restoreCommand(Language language);
// The file dialog's title after the program title, and its filter.
std::string restoreDialogTitle(Language language);
std::string backupFilter(Language language);

// "dd.mm.yyyy hh:mm:ss  A  N employees  NAME", or the damage in place of the
// count; without the date and kind where the name's date is impossible.
std::string backupLine(Language language, const std::string& name,
                       const hostfiles::BackupDamage& damage, std::size_t employees);
std::string noBackups(Language language, const std::string& quotedFolder);

// `name` is the backup file's name in the language's quotation marks.
std::string cannotRestore(Language language, const std::string& quotedName,
                          const hostfiles::BackupDamage& damage);
// The question before the restore; `preview` is empty when the present
// employee file cannot be read.
std::string restoreQuestion(Language language, const std::string& quotedName,
                            const std::string& preview);
std::string backupBeforeRestoreFailed(Language language);
std::string restoredLogEntry(Language language, const std::string& name);
std::string restored(Language language);
// A non-administrator asked for a restore.
std::string restoreNotPermitted(Language language);

// The export of the employee list: the menu's choice, the refusal to a
// non-administrator, the notice once `quotedFile` holds the list of
// `employees`, and the entries (`names`, joined) that an import of the file
// would not bring back as they stand.
std::string exportCommand(Language language);
std::string exportNotPermitted(Language language);
std::string exported(Language language, const std::string& quotedFile, std::size_t employees);
std::string changedOnImport(Language language, const std::string& names);

// The faults report in the window and the terminal wizard: the menu's entry,
// the question after the verdict with faults, the Save dialog's title after
// the program title, and the name it proposes.
std::string faultsReportCommand(Language language);
std::string saveFaultsQuestion(Language language);
std::string faultsReportDialogTitle(Language language);
std::string faultsReportName(Language language);
// The export's Save dialog: its title after the program title, the name it proposes.
std::string exportDialogTitle(Language language);
std::string exportName(Language language);

// The change list of a fault-free check: the menu's entry, its box's title
// after the program title, the Save dialog's title and proposed name, and the
// filter for text files.
std::string changesCommand(Language language);
std::string changesDialogTitle(Language language);
std::string saveChangesDialogTitle(Language language);
std::string changeListName(Language language);
std::string textFilter(Language language);
// The buttons of the boxes with the change list and the list of backups; "&"
// marks the access key.
std::string saveButton(Language language);
std::string closeButton(Language language);
std::string restoreButton(Language language);
std::string otherFileButton(Language language);
std::string cancelButton(Language language);

// The line below a success notice: the employees now in the planner and the
// backup `quotedBackup` that holds the state before.
std::string nowInPlanner(Language language, std::size_t employees, const std::string& quotedBackup);

// The configuration `quotedFile` could not be rewritten, with run-time error
// `error`, after the employee file was replaced.
std::string configurationNotWritten(Language language, const std::string& quotedFile, int error);
// The line below a success notice when the log entry could not be written.
std::string logEntryNotWritten(Language language, const std::string& quotedFile);

}  // namespace wizard::texts
