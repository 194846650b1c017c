// Backup files read back: the folder's backups, and the saved employee and
// configuration files of one of them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hostfiles/employee_record.h"
#include "startup/context.h"

namespace hostfiles {

// The layout of a backup file, shared by its writer and its reader: the
// header line, then for each saved file a line with its name and one with its
// count of lines, both in brackets, then those lines. Every line is scrambled
// as the planner scrambles its files.
inline constexpr std::string_view kBackupHeader = "[ZentavoBackup]";
// The folder of the backups in the data folder.
inline constexpr std::string_view kBackupFolder = "Backups";
// A backup's name: its date (yymmdd), its time (hhmmss) and its kind.
inline constexpr std::string_view kBackupNamePattern = "?????? ?????? ?.dat";
// Where the name holds them.
namespace backup_name {
inline constexpr std::size_t kDate = 0;
inline constexpr std::size_t kTime = 7;
inline constexpr std::size_t kStampWidth = 6;
inline constexpr std::size_t kKind = 14;
}  // namespace backup_name

// A name or count line: `text` in brackets.
std::string bracketed(std::string_view text);
// The name of a backup of kind `Art` (one letter) made at `date` and `time`.
std::string backupName(std::string_view date, std::string_view time, std::string_view Art);

// Why a backup file cannot be used, and where.
struct BackupDamage {
  enum class Kind {
    kNone,
    kUnreadable,  // it cannot be opened or read
    kNotABackup,  // its first line is not the backup header
    kCutShort,    // it ends inside a saved file
    kBadLine,     // a line is no scrambled line, or not the name or count due
    kSavedTwice,  // a second saved file of a name
    kNoEmployeeFile,
    kBadEmployeeFile,  // a line of the saved employee file breaks its layout
    kBadFractionFlag,  // the saved configuration's fraction flag is none of "0" to "2"
  };

  Kind kind = Kind::kNone;
  // The line of the backup file; for the last two kinds, that of the saved
  // file. 0 where no line is at fault.
  std::size_t line = 0;
  LineFault fault = LineFault::kNone;  // for a bad employee file

  explicit operator bool() const { return kind != Kind::kNone; }
};

// What a restore takes from a backup: only what it holds for the employee
// list and its fraction flag.
struct SavedBackup {
  BackupDamage damage;
  std::vector<std::string> employeeFile;  // its plain lines
  std::vector<EmployeeRecord> employees;  // its entries
  std::string settingsLine;               // of the saved configuration; empty without one
};

// Reads the whole backup file at `path` through a channel of its own; every
// line must be sound. Nothing is written. A damaged backup gives its damage
// and nothing else.
SavedBackup readBackup(const startup::Context& context, const std::string& path);

// The folder of the backups of `dataFolder`, with its final separator.
std::string backupFolder(const std::string& dataFolder);

// True when the date and time that begin a backup file's name exist.
bool hasPossibleDate(std::string_view name);

// The names of the backup files in the backup folder, newest first, then
// those whose date is impossible; none when the folder is missing.
std::vector<std::string> backupNames(const startup::Context& context,
                                     const std::string& dataFolder);

}  // namespace hostfiles
