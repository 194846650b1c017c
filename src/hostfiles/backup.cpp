#include "hostfiles/backup.h"

#include <vector>

#include "hostfiles/backup_file.h"
#include "hostfiles/clock_texts.h"
#include "hostfiles/file_channel.h"
#include "hostfiles/line_store.h"
#include "hostfiles/planner_texts.h"
#include "startup/folders.h"
#include "startup/messages.h"
#include "startup/run_time_error.h"

namespace hostfiles {

using startup::ProgramState;

namespace {

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

// The next line of `path`, line `number` (from 1), on file number 1. An
// empty line, which no backup could give back as it stands, ends the program
// with a message that names the file and the line.
void readSourceLine(ProgramState& state, const std::string& path, std::size_t number,
                    std::string& line) {
  startup::guarded(state, "modPersonallader - LineIn", [&] {
    try {
      unscrambledLine(state.Datei1, line);
    } catch (const startup::RunTimeError& error) {
      // The one line refused as no argument is the empty one.
      if (error.number() != startup::kInvalidProcedureCall) throw;
      startup::Programm_beenden(state, texts::emptyLine(state.Sprache, path, number));
    }
  });
}

void saveFile(ProgramState& state, const std::string& folder, const std::string& name,
              BackupContent& content) {
  const std::string path = folder + name;
  Datei_oeffnen(state, path, Modus::Input, Fehlerbehandlung::ReportErrors);
  std::size_t count = 0;
  for (std::string line; !state.Datei1.atEnd(); ++count) {
    readSourceLine(state, path, count + 1, line);
    content.lines.append(line);
  }
  Datei_schliessen(state);
  content.files.push_back({name, count});
}

// Every plain file of `folder` that matches `pattern`, in the listing's order.
void saveFiles(ProgramState& state, const std::string& folder, const std::string& pattern,
               BackupContent& content) {
  const auto names = state.system->listFiles(folder, pattern);
  if (!names) throw startup::RunTimeError(startup::kPathFileAccessError);
  for (const std::string& name : *names) saveFile(state, folder, name, content);
}

void writeContent(ProgramState& state, const BackupContent& content) {
  LineOut(state, kBackupHeader);
  LineStore::Reader lines(content.lines);
  for (const SavedFile& file : content.files) {
    LineOut(state, bracketed(file.name));
    LineOut(state, bracketed(std::to_string(file.lineCount)));
    for (std::size_t i = 0; i < file.lineCount; ++i) LineOut(state, lines.next());
  }
}

// A name of the present second that no backup has. The planner may rely on
// the form of the name, so a second backup within one second waits for the next.
std::string unusedName(ProgramState& state, const std::string& folder, const std::string& Art) {
  for (;;) {
    std::string name = backupName(state.Datum_heute, timeStamp(state.system->now()), Art);
    if (state.system->pathKind(folder + name) == platform::PathKind::kMissing) return name;
    state.system->pause(100);
  }
}

// Closes the backup file; false when another file took its name first. An
// earlier backup may be the only copy of what an import replaced, so it is
// never replaced, not even by a run that ignores the data folder's lock.
bool completedAsNew(ProgramState& state) {
  try {
    Datei_schliessen(state);
    return true;
  } catch (const startup::RunTimeError& error) {
    if (error.number() != startup::kFileAlreadyExists) throw;
    return false;
  }
}

}  // namespace

std::optional<std::string> Backup_erstellen(ProgramState& state, const std::string& Art) {
  return startup::guarded(state, "modPersonallader - Backup_erstellen", [&] {
    const std::string folder = backupFolder(state);
    if (!startup::Ordner_vorhanden(state, folder)) startup::Ordner_anlegen(state, folder);
    BackupContent content;
    saveFiles(state, state.Datenpfad, "*.dat", content);
    // Without a log folder the listing would look in whatever folder is current.
    if (!state.Logpfad.empty()) saveFiles(state, state.Logpfad, "*.log", content);
    // What a killed backup left is as big as a backup, and no later backup
    // has its name: its replacement would never sweep it away.
    state.system->removeStaleTemporaries(folder, std::string(kBackupNamePattern));
    for (;;) {
      const std::string name = unusedName(state, folder, Art);
      if (!Datei_oeffnen(state, folder + name, Modus::OutputNew, Fehlerbehandlung::IgnoreErrors)) {
        return std::optional<std::string>();
      }
      writeContent(state, content);
      if (completedAsNew(state)) return std::optional(name);
    }
  });
}

}  // namespace hostfiles
