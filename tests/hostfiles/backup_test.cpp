#include "hostfiles/backup.h"

#include <gtest/gtest.h>

#include <tuple>

#include <map>
#include <utility>

#include "hostfiles/backup_file.h"
#include "hostfiles/planner_file_fixture.h"

namespace hostfiles {
namespace {

using startup::cp;

const std::string S(1, platform::kSeparator);

class BackupTest : public PlannerFileFixture {
 protected:
  void SetUp() override {
    folder.makeFolder("Logs");
    state.Logpfad = folder.file("Logs") + S;
    save("Konfigdaten.dat", {"[Zentavo]", cp("Bäckerei Müller"), ""});
    save(cp("Übersicht.DAT"), {cp("ä ö ü ß é"), std::string(32765, 'x')});
    save("leer.dat", {});
    save("Logs" + S + "2612 Zentavo.log", {"01.12.26 00:00:05|mueller|ZentaAdmin|x"});
    folder.write("notiz.txt", "not a planner file");
    folder.write("Logs" + S + "alt.dat", "not a log file");
  }

  void save(const std::string& name, const Lines& texts) {
    folder.write(name, scrambledFile(texts));
    sources[folder.file(name)] = texts;
  }

  // What a backup holds: the files of each pass in the order of the listing.
  Lines expectedBackup() {
    Lines lines = {"[ZentavoBackup]"};
    const auto pass = [&](const std::string& where, const std::string& pattern) {
      const auto names = system.listFiles(where, pattern);
      for (const std::string& name : names.value()) {
        const Lines& texts = sources.at(where + name);
        lines.push_back('[' + name + ']');
        lines.push_back('[' + std::to_string(texts.size()) + ']');
        lines.insert(lines.end(), texts.begin(), texts.end());
      }
    };
    pass(state.Datenpfad, "*.dat");
    if (!state.Logpfad.empty()) pass(state.Logpfad, "*.log");
    return lines;
  }

  std::string backupFile() { return "Backups" + S + "261204 140509 A.dat"; }
  std::optional<std::string> backup() {
    return Backup_erstellen(state, state.Datenpfad, state.Logpfad, "A");
  }

  std::map<std::string, Lines> sources;
};

TEST_F(BackupTest, SavesTheDataFilesThenTheLogFilesLineByLine) {
  EXPECT_TRUE(backup());
  EXPECT_EQ(written(backupFile()), expectedBackup());
  EXPECT_EQ(expectedBackup().size(), 15u);  // four files found

  // A second backup in the same second reuses the folder, keeps the first and
  // takes the next second; what a killed backup left goes.
  const std::string first = folder.read(backupFile());
#ifdef _WIN32
  const std::string killed = "Backups" + S + "~261203 090000 A.dat.0123abcd.tmp";
#else
  const std::string killed = "Backups" + S + ".261203 090000 A.dat.personallader-AbC123";
#endif
  folder.write(killed, "halb");
  save("leer.dat", {"neu"});
  EXPECT_TRUE(backup());
  EXPECT_EQ(folder.read(backupFile()), first);
  EXPECT_EQ(written("Backups" + S + "261204 140510 A.dat"), expectedBackup());
  EXPECT_FALSE(folder.exists(killed));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BackupTest, ANameThatAnotherRunTakesMeanwhileIsKeptAndTheNextSecondTaken) {
  bool raced = false;
  system.onCreate = [&](const std::string&) {
    if (!std::exchange(raced, true)) folder.write(backupFile(), "anderer Lauf");
  };
  EXPECT_EQ(backup(), "261204 140510 A.dat");
  EXPECT_EQ(folder.read(backupFile()), "anderer Lauf");
  EXPECT_EQ(written("Backups" + S + "261204 140510 A.dat"), expectedBackup());
}

TEST_F(BackupTest, WithoutLogFolderOnlyTheDataFilesAreSaved) {
  folder.makeFolder("Backups");
  std::filesystem::current_path(testing_support::nativePath(state.Logpfad));
  state.Logpfad.clear();
  EXPECT_TRUE(backup());
  EXPECT_EQ(written(backupFile()), expectedBackup());

  state.Logpfad = folder.file("Backups") + S;  // a log folder without log files
  EXPECT_TRUE(backup());
  EXPECT_EQ(written(backupFile()), expectedBackup());
}

TEST_F(BackupTest, AFileThatCannotBeWrittenGivesFalseAndAnEmptyLineEndsTheProgramWithItsPlace) {
  system.refuseWrites = true;
  EXPECT_FALSE(backup());
  EXPECT_FALSE(folder.exists(backupFile()));
  EXPECT_TRUE(dialogs.shown.empty());
  system.refuseWrites = false;
  folder.write("kaputt.dat", scrambledFile({"a"}) + "\r\n" + scrambledFile({"b"}));
  EXPECT_EQ(testing_support::endingNotice(dialogs, [&] { backup(); }),
            "Zeile 2 der Datei '" + testing_support::readable(folder.file("kaputt.dat")) +
                "' ist leer; die Datei kann nicht gesichert werden.\n\nDas Programm wird beendet.");
  EXPECT_FALSE(folder.exists(backupFile()));
}

// Each file is counted before the backup file is opened and copied after: a
// failed operation anywhere, a read in the middle of a file longer than the
// channel's buffer among them, leaves no backup and no temporary file, and a
// file that changes in between gives the lines counted or no backup.
TEST_F(BackupTest, AFailureOrAFileCutShortAnywhereLeavesNoBackupAndNoTemporaryFile) {
  save("lang.dat", Lines(3000, std::string(40, 'x')));
  const auto backupFolderEntries = [&] {
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(testing_support::nativePath(folder.file("Backups")))) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  };
  system.onCreate = [&](const std::string&) {
    folder.write("leer.dat", scrambledFile({"neu"}));  // grown
  };
  ASSERT_TRUE(backup());
  EXPECT_EQ(written(backupFile()), expectedBackup());
  std::filesystem::remove(testing_support::nativePath(folder.file(backupFile())));
  const std::size_t operations = system.operations;
  for (std::size_t at = 1; at <= operations; ++at) {
    SCOPED_TRACE(at);
    system.fault = testing_support::TestSystem::Fault{at};
    system.operations = 0;
    try {
      EXPECT_FALSE(backup());
    } catch (const startup::ProgramEnd&) {
    }
    EXPECT_EQ(backupFolderEntries(), std::vector<std::string>());
  }
  system.fault.reset();
  system.onCreate = [&](const std::string&) { folder.write("lang.dat", scrambledFile({"a"})); };
  EXPECT_EQ(testing_support::endingNotice(dialogs, [&] { backup(); }),
            errorReport("modPersonallader - LineIn", 62, "Einlesen hinter Dateiende"));
  EXPECT_EQ(backupFolderEntries(), std::vector<std::string>());
}

// A sound backup: the configuration with its settings line (line 5), then an
// employee file whose entry lines are lines 11 and 12.
const Lines kSoundBackup = {"[ZentavoBackup]",
                            "[Konfigdaten.dat]",
                            "[2]",
                            "[Settings]",
                            std::string(29, '0') + "2",
                            "[Mitarbeiterdaten.dat]",
                            "[5]",
                            "[Mitarbeiterdaten]",
                            "99999999",
                            "-3",
                            "000000:240229:-02,5:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:" +
                                std::string(40, 'N') + ":" + std::string(40, 'u'),
                            "Team"};

TEST_F(BackupTest, ASavedFileThatBreaksTheLayoutOrADamagedStructureNamesItsLine) {
  using Kind = BackupDamage::Kind;
  const std::string employee = kSoundBackup[10];
  const auto with = [&](std::size_t at, std::string_view text, std::size_t length) {
    return std::string(employee).replace(at, length, text);
  };
  const struct {
    const char* label;
    std::size_t line;  // of the backup; past its end: appended
    std::string text;
    Kind kind;
    std::size_t at;
    LineFault fault;
  } cases[] = {
      {"Sound", 0, kSoundBackup[0], Kind::kNone, 0, LineFault::kNone},
      {"FebruaryThe29thOfNoLeapYear", 10, with(7, "230229", 6), Kind::kBadEmployeeFile, 4,
       LineFault::kDate},
      {"Month13", 10, with(0, "171301", 6), Kind::kBadEmployeeFile, 4, LineFault::kDate},
      {"OpenEndAsStart", 10, with(0, "999999", 6), Kind::kBadEmployeeFile, 4, LineFault::kDate},
      {"ValueWithALetter", 10, with(14, "02a,5", 5), Kind::kBadEmployeeFile, 4, LineFault::kValue},
      {"ReservedValueNotZero", 10, with(62, "001,0", 5), Kind::kBadEmployeeFile, 4,
       LineFault::kValue},
      {"SeparatorMissing", 10, with(19, ".", 1), Kind::kBadEmployeeFile, 4, LineFault::kLayout},
      {"Name41", 10, with(68, "N", 0), Kind::kBadEmployeeFile, 4, LineFault::kName},
      {"UserId41", 10, employee + "u", Kind::kBadEmployeeFile, 4, LineFault::kUserId},
      {"ColonInUserId", 10, with(109, ":", 1), Kind::kBadEmployeeFile, 4, LineFault::kUserId},
      {"NumberWithLeadingZero", 9, "-03", Kind::kBadEmployeeFile, 3, LineFault::kHead},
      {"CountWithLeadingZero", 6, "[05]", Kind::kBadLine, 7, LineFault::kNone},
      {"SavedTwice", 12, "[Konfigdaten.dat]", Kind::kSavedTwice, 13, LineFault::kNone},
      {"FractionFlag3", 4, std::string(29, '0') + "3", Kind::kBadFractionFlag, 2,
       LineFault::kNone}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Lines lines = kSoundBackup;
    lines.resize(std::max(lines.size(), c.line + 1));
    lines[c.line] = c.text;
    folder.write("backup.dat", scrambledFile(lines));
    const SavedBackup saved = readBackup(state, folder.file("backup.dat"));
    EXPECT_EQ(std::tuple(saved.damage.kind, saved.damage.line, saved.damage.fault),
              std::tuple(c.kind, c.at, c.fault));
    EXPECT_EQ(saved.employees.size(), c.kind == Kind::kNone ? 2u : 0u);
  }
}

}  // namespace
}  // namespace hostfiles
