#include "hostfiles/backup.h"

#include <gtest/gtest.h>

#include <map>

#include "hostfiles/line_store.h"
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

  std::map<std::string, Lines> sources;
};

TEST_F(BackupTest, SavesTheDataFilesThenTheLogFilesLineByLine) {
  EXPECT_TRUE(Backup_erstellen(state, "A"));
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
  EXPECT_TRUE(Backup_erstellen(state, "A"));
  EXPECT_EQ(folder.read(backupFile()), first);
  EXPECT_EQ(written("Backups" + S + "261204 140510 A.dat"), expectedBackup());
  EXPECT_FALSE(folder.exists(killed));
  EXPECT_FALSE(state.Datei1.isOpen());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BackupTest, WithoutLogFolderOnlyTheDataFilesAreSaved) {
  folder.makeFolder("Backups");
  std::filesystem::current_path(testing_support::nativePath(state.Logpfad));
  state.Logpfad.clear();
  EXPECT_TRUE(Backup_erstellen(state, "A"));
  EXPECT_EQ(written(backupFile()), expectedBackup());

  state.Logpfad = folder.file("Backups") + S;  // a log folder without log files
  EXPECT_TRUE(Backup_erstellen(state, "A"));
  EXPECT_EQ(written(backupFile()), expectedBackup());
}

TEST_F(BackupTest, AFileThatCannotBeWrittenGivesFalseAndAnEmptyLineEndsTheProgramWithItsPlace) {
  system.refuseWrites = true;
  EXPECT_FALSE(Backup_erstellen(state, "A"));
  EXPECT_FALSE(folder.exists(backupFile()));
  EXPECT_FALSE(state.Datei1.isOpen());
  EXPECT_TRUE(dialogs.shown.empty());
  system.refuseWrites = false;
  folder.write("kaputt.dat", scrambledFile({"a"}) + "\r\n" + scrambledFile({"b"}));
  EXPECT_EQ(testing_support::endingNotice(dialogs, [&] { Backup_erstellen(state, "A"); }),
            "Zeile 2 der Datei '" + testing_support::readable(folder.file("kaputt.dat")) +
                "' ist leer; die Datei kann nicht gesichert werden.\n\nDas Programm wird beendet.");
  EXPECT_FALSE(folder.exists(backupFile()));
}

TEST(LineStoreTest, KeepsLinesOfEveryLengthInOrderAcrossBlocks) {
  Lines lines;
  for (std::size_t i = 0; i < 300; ++i) {
    lines.push_back(std::string(i * 109 % 32766, static_cast<char>('a' + i % 26)));
  }
  LineStore store;
  for (const std::string& line : lines) store.append(line);
  EXPECT_EQ(store.size(), lines.size());
  LineStore::Reader reader(store);
  for (const std::string& line : lines) ASSERT_EQ(reader.next(), line);
  EXPECT_THROW(store.append(std::string(32767, 'x')), startup::RunTimeError);
}

}  // namespace
}  // namespace hostfiles
