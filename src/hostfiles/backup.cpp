#include "hostfiles/backup.h"

#include <vector>

#include "hostfiles/backup_file.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/line_store.h"
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
  std::string name;
  std::size_t lineCount;
};

// The plain texts of every saved file: the backup file can be opened only once
// all of them have been read and closed.
struct BackupContent {
  std::vector<SavedFile> files;
  LineStore lines;
};

// The next line of `channel`, line `number` (from 1) of `path`. An empty
// line, which no backup could give back as it stands, ends the program with
// a message that names the file and the line.
void readSourceLine(const Context& context, FileChannel& channel, const std::string& path,
                    std::size_t number, std::string& line) {
  startup::guarded(context, "modPersonallader - LineIn", [&] {
    try {
      unscrambledLine(channel, line);
    } catch (const startup::RunTimeError& error) {
      // The one line refused as no argument is the empty one.
      if (error.number() != startup::kInvalidProcedureCall) throw;
      startup::Programm_beenden(context, texts::emptyLine(context.language, path, number));
    }
  });
}

void saveFile(const Context& context, const std::string& folder, const std::string& name,
              BackupContent& content) {
  const std::string path = folder + name;
  FileChannel channel;
  Datei_oeffnen(context, channel, path, Modus::Input, Fehlerbehandlung::ReportErrors);
  std::size_t count = 0;
  for (std::string line; !channel.atEnd(); ++count) {
    readSourceLine(context, channel, path, count + 1, line);
    content.lines.append(line);
  }
  Datei_schliessen(channel);
  content.files.push_back({name, count});
}

// Every plain file of `folder` that matches `pattern`, in the listing's order.
void saveFiles(const Context& context, const std::string& folder, const std::string& pattern,
               BackupContent& content) {
  const auto names = context.system->listFiles(folder, pattern);
  if (!names) throw startup::RunTimeError(startup::kPathFileAccessError);
  for (const std::string& name : *names) saveFile(context, folder, name, content);
}

void writeContent(const Context& context, FileChannel& channel, const BackupContent& content) {
  LineOut(context, channel, kBackupHeader);
  LineStore::Reader lines(content.lines);
  for (const SavedFile& file : content.files) {
    LineOut(context, channel, bracketed(file.name));
    LineOut(context, channel, bracketed(std::to_string(file.lineCount)));
    for (std::size_t i = 0; i < file.lineCount; ++i) LineOut(context, channel, lines.next());
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
    BackupContent content;
    saveFiles(context, dataFolder, "*.dat", content);
    // Without a log folder the listing would look in whatever folder is current.
    if (!logFolder.empty()) saveFiles(context, logFolder, "*.log", content);
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
      writeContent(context, channel, content);
      if (completedAsNew(channel)) return std::optional(name);
    }
  });
}

}  // namespace hostfiles
