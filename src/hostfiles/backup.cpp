#include "hostfiles/backup.h"

#include <vector>

#include "hostfiles/backup_file.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/line_count.h"
#include "hostfiles/planner_texts.h"
#include "startup/folders.h"
#include "startup/formatting.h"
#include "startup/messages.h"
#include "startup/run_time_error.h"

namespace hostfiles {

using startup::Context;

namespace {

// hhnnss, 24-hour clock: 14:05:09 gives 140509.
std::string timeStamp(const platform::DateTime& time) {
  using startup::twoDigits;
  return twoDigits(time.hour) + twoDigits(time.minute) + twoDigits(time.second);
}

struct SavedFile {
  std::string folder;
  std::string name;
  std::size_t lineCount;
};

// The next line of `channel`, line `number` (from 1) of `path`, as it stands.
// An empty line, which no backup could give back as it stands, ends the
// program with a message that names the file and the line.
std::string_view readSourceLine(const Context& context, FileChannel& channel,
                                const std::string& path, std::size_t number) {
  return startup::guarded(context, "modPersonallader - LineIn", [&] {
    try {
      return scrambledLineIn(channel);
    } catch (const startup::RunTimeError& error) {
      // The one line refused as no argument is the empty one.
      if (error.number() != startup::kInvalidProcedureCall) throw;
      startup::Programm_beenden(context, texts::emptyLine(context.language, path, number));
    }
  });
}

// The backup names each file's count of lines before its lines, so every file
// is read twice: once here to count its lines and check that each can be
// saved, before the backup file is opened, and once as it is copied. A file
// as the planner writes it is counted at the speed of reading; any other is
// read again line by line, which names the first line that cannot be saved.
std::size_t countLines(const Context& context, const std::string& path) {
  FileChannel channel;
  Datei_oeffnen(context, channel, path, Modus::Input, Fehlerbehandlung::ReportErrors);
  const auto written = startup::guarded(context, "modPersonallader - LineIn",
                                        [&] { return countWrittenLines(channel); });
  Datei_schliessen(channel);
  if (written) return *written;
  Datei_oeffnen(context, channel, path, Modus::Input, Fehlerbehandlung::ReportErrors);
  std::size_t count = 0;
  while (!channel.atEnd()) readSourceLine(context, channel, path, ++count);
  Datei_schliessen(channel);
  return count;
}

// Every plain file of `folder` that matches `pattern`, in the listing's order.
void listFiles(const Context& context, const std::string& folder, const std::string& pattern,
               std::vector<SavedFile>& files) {
  const auto names = context.system->listFiles(folder, pattern);
  if (!names) throw startup::RunTimeError(startup::kPathFileAccessError);
  for (const std::string& name : *names) {
    files.push_back({folder, name, countLines(context, folder + name)});
  }
}

// Copies as many lines as were counted: lines that the planner added since
// then are left for the next backup, and a file cut short meanwhile ends the
// program before the backup is complete.
void copyFile(const Context& context, FileChannel& backup, const SavedFile& file) {
  LineOut(context, backup, bracketed(file.name));
  LineOut(context, backup, bracketed(std::to_string(file.lineCount)));
  const std::string path = file.folder + file.name;
  FileChannel source;
  Datei_oeffnen(context, source, path, Modus::Input, Fehlerbehandlung::ReportErrors);
  for (std::size_t number = 1; number <= file.lineCount; ++number) {
    copiedLineOut(context, backup, readSourceLine(context, source, path, number));
  }
}

// A name of the present second that no backup has. The planner may rely on
// the form of the name, so a second backup within one second waits for the next.
std::string unusedName(const Context& context, const std::string& folder, const std::string& Art) {
  for (;;) {
    std::string name = backupName(context.Datum_heute, timeStamp(context.system->now()), Art);
    if (context.system->pathKind(folder + name) == platform::PathKind::kMissing) return name;
    context.system->pause(100);
  }
}

// Closes the backup file; false when another file took its name first. An
// earlier backup may be the only copy of what an import replaced, so it is
// never replaced, not even by a run that ignores the data folder's lock.
bool completedAsNew(FileChannel& channel) {
  try {
    Datei_schliessen(channel);
    return true;
  } catch (const startup::RunTimeError& error) {
    if (error.number() != startup::kFileAlreadyExists) throw;
    return false;
  }
}

}  // namespace

std::optional<std::string> Backup_erstellen(const Context& context, const std::string& dataFolder,
                                            const std::string& logFolder, const std::string& Art) {
  return startup::guarded(context, "modPersonallader - Backup_erstellen", [&] {
    const std::string folder = backupFolder(dataFolder);
    if (!startup::Ordner_vorhanden(context, folder)) startup::Ordner_anlegen(context, folder);
    std::vector<SavedFile> files;
    listFiles(context, dataFolder, "*.dat", files);
    // Without a log folder the listing would look in whatever folder is current.
    if (!logFolder.empty()) listFiles(context, logFolder, "*.log", files);
    // What a killed backup left is as big as a backup, and no later backup
    // has its name: its replacement would never sweep it away.
    context.system->removeStaleTemporaries(folder, std::string(kBackupNamePattern));
    for (;;) {
      const std::string name = unusedName(context, folder, Art);
      FileChannel channel;
      if (!Datei_oeffnen(context, channel, folder + name, Modus::OutputNew,
                         Fehlerbehandlung::IgnoreErrors)) {
        return std::optional<std::string>();
      }
      LineOut(context, channel, kBackupHeader);
      for (const SavedFile& file : files) copyFile(context, channel, file);
      if (completedAsNew(channel)) return std::optional(name);
    }
  });
}

}  // namespace hostfiles
