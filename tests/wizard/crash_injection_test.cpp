// A whole import or restore with one file operation failing, or the run killed
// there, at every operation of a clean run: each planner file is the old one or
// the complete new one, a run that reports success has done all of its work,
// and a second run mends the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "hostfiles/installation_settings.h"
#include "platform/wildcard.h"
#include "startup/main.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/restore_backup.h"
#include "wizard/wizard_window.h"

namespace wizard {
namespace {

namespace fs = std::filesystem;
using testing_support::nativePath;
using testing_support::readFile;
using testing_support::readScrambledFile;
using testing_support::TestSystem;
using Lines = std::vector<std::string>;
using Files = std::map<std::string, Lines>;  // plain lines by file name, as a backup holds them

const std::string S(1, platform::kSeparator);
const std::string kLogBook = "2611 Zentavo.log";
const Lines kDataFiles = {"KalenderData.dat", "Konfigdaten.dat", "Mitarbeiterdaten.dat"};

// Its fractions raise the flag, so the configuration file is rewritten too.
const char kImportFile[] =
    "Name;Benutzername;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n"
    "Berger, Anna;aberger;01.01.2017;;5;30,5;30;30;30;0\r\n"
    ">Verwaltung;;;;;;;;;\r\n"
    "Nowak, Piotr;pnowak;01.02.2025;;0;24;24;24;24;1,5\r\n";

// The files of a backup; nothing when it is not complete.
std::optional<Files> backupContents(const Lines& lines) {
  Files files;
  std::size_t i = 1;
  while (i + 1 < lines.size() && lines[i].size() > 2 && lines[i + 1].size() > 2) {
    const std::size_t count = std::strtoul(lines[i + 1].c_str() + 1, nullptr, 10);
    if (lines[i + 1] != "[" + std::to_string(count) + "]" || i + 2 + count > lines.size()) break;
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(i + 2);
    files[lines[i].substr(1, lines[i].size() - 2)] = Lines(first, first + count);
    i += 2 + count;
  }
  if (lines.empty() || lines[0] != "[ZentavoBackup]" || i != lines.size()) return std::nullopt;
  return files;
}

// A log book entry without its date and time.
std::string withoutTime(const std::string& entry) { return entry.substr(entry.find('|')); }

enum class Kind { kImport, kRestore };

class CrashInjectionTest : public testing_support::StateTest,
                           public ::testing::WithParamInterface<Kind> {
 protected:
  CrashInjectionTest() {
    folder.makeFolder("Zentavo Desk");
    folder.write("Zentavo Desk" + S + "Zentavo.dat",
                 "[Zentavo]\r\ndata_pfad=" + data() + "\r\nlog_pfad=" + logs() + "\r\n");
    folder.write("Mitarbeiter.csv", kImportFile);
    system.variables["ProgramFiles"] = folder.withoutSeparator();
    system.variables["USERNAME"] = "admin";
    reset();
    if (GetParam() == Kind::kRestore) {
      // The restore undoes an import, from the backup that the import made.
      earlier = plannerFiles();
      runOnce(Kind::kImport);
      source = folder.path() + "Imported";
      fs::copy(nativePath(folder.path() + "Data"), nativePath(source), fs::copy_options::recursive);
      reset();
    }
    old = plannerFiles();
    for (const auto& name : kDataFiles) oldBytes[name] = readFile(data() + name);
  }

  std::string data() const { return folder.path() + "Data" + S; }
  std::string logs() const { return data() + "Logs" + S; }

  // A fresh copy of the data folder to start from, and the clock of its start.
  void reset() {
    system.clock = {2026, 11, 20, 10, 0, 0};
    fs::remove_all(nativePath(data()));
    fs::copy(nativePath(source), nativePath(data()), fs::copy_options::recursive);
  }

  Files plannerFiles() const {
    Files files;
    for (const auto& name : kDataFiles) files[name] = readScrambledFile(data() + name);
    files[kLogBook] = readScrambledFile(logs() + kLogBook);
    return files;
  }

  // Start, then steps 2 to 4 or the restore of the import's backup, answering
  // Yes to the question before overwriting. Gives the run's last notice.
  std::string runOnce(Kind kind) {
    testing_support::ScriptedDialogs boxes;
    boxes.files = {folder.file("Mitarbeiter.csv")};
    boxes.answers = {true};
    wizard::ProgramState run(system, boxes);
    run.language = startup::Language::DE;
    try {
      wizard::startProgram(run);
      frmPersonallader form(run);
      form.Form_Load();
      if (kind == Kind::kRestore) {
        restoreEmployeeFile(run, data() + "Backups" + S + "261120 100000 A.dat");
      }
      for (int step = 2; kind == Kind::kImport && step <= 4; ++step) form.cmdAuswahl_Click(step);
    } catch (const startup::ProgramEnd&) {
      for (const std::string& notice : boxes.notices()) {
        EXPECT_FALSE(notice.starts_with(success(kind))) << "a success before a failure";
      }
    }
    return boxes.notices().empty() ? "" : boxes.notices().back();
  }

  static std::string success(Kind kind) {
    return kind == Kind::kImport ? "Mitarbeiterdaten erfolgreich importiert"
                                 : "Mitarbeiterdaten erfolgreich wiederhergestellt";
  }

  // A kill ends a process of its own, forked for the run.
  std::string runWith(std::optional<TestSystem::Fault> fault) {
    system.operations = 0;
    system.fault = fault;
#ifndef _WIN32
    if (fault && fault->kill) {
      const pid_t child = ::fork();
      if (child == 0) {
        runOnce(GetParam());
        std::_Exit(0);
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == TestSystem::kKilledStatus);
      return {};
    }
#endif
    const std::string notice = runOnce(GetParam());
    if (fault) {
      EXPECT_GE(system.operations, fault->at) << "the fault was never reached";
    }
    return notice;
  }

  // `notice` is the last that the run since before.back() showed; one that did
  // not report success must have stopped before the data were all replaced,
  // unless killed.
  void expectIntact(const std::vector<Files>& before, const std::string& notice,
                    bool killed = false) {
    const Files now = plannerFiles();
    const bool finished = notice.starts_with(success(GetParam()));
    bool allRenewed = true;
    for (const auto& name : kDataFiles) {
      const bool unchanged = readFile(data() + name) == oldBytes[name];
      const bool renewed = now.at(name) == fresh.at(name);
      allRenewed = allRenewed && (renewed || name == "KalenderData.dat");
      EXPECT_TRUE(name == "KalenderData.dat" ? unchanged : renewed || (unchanged && !finished))
          << name;
    }
    EXPECT_TRUE(finished || killed || !allRenewed) << "a failure after every file was replaced";
    const Lines& log = now.at(kLogBook);
    const std::size_t added = log.size() - std::min(log.size(), old.at(kLogBook).size());
    EXPECT_TRUE(Lines(log.begin(), log.end() - added) == old.at(kLogBook) &&
                added <= before.size() &&
                std::all_of(log.end() - added, log.end(),
                            [&](const std::string& line) {
                              return withoutTime(line) == withoutTime(fresh.at(kLogBook).back());
                            }))
        << kLogBook;
    const bool logged = log.size() > before.back().at(kLogBook).size();
    if (finished) {
      // The success, its figures, and the log book's failure when there was one.
      const std::string unlogged =
          "\nDer Eintrag im Logbuch '" + logs() + kLogBook + "' konnte nicht geschrieben werden.";
      EXPECT_EQ(notice.ends_with(unlogged), !logged) << notice;
      EXPECT_EQ(std::ranges::count(notice, '\n'), logged ? 1 : 2) << notice;
    }
    expectOnlyRealFilesListed(data(), kDataFiles);
    expectOnlyRealFilesListed(logs(), {kLogBook});
    expectCompleteBackups(before, finished);
  }

  // No other name in `where` matches what the planner lists.
  static void expectOnlyRealFilesListed(const std::string& where, const Lines& real) {
    Lines listed;
    for (const auto& entry : fs::directory_iterator(nativePath(where))) {
      const std::string name = entry.path().filename().string();
      if (platform::matchesPattern(name, "*.dat") || platform::matchesPattern(name, "*.log")) {
        listed.push_back(name);
      }
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, real) << where;
  }

  // Each backup holds every file in full as it was before one of the runs (or
  // before the import that a restore undoes); the last run, when finished, made one.
  void expectCompleteBackups(const std::vector<Files>& before, bool finished) {
    bool ofLastRun = false;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(nativePath(data() + "Backups"), missing)) {
      const std::string name = entry.path().filename().string();
      if (!platform::matchesPattern(name, "*.dat")) continue;
      const auto contents = backupContents(readScrambledFile(data() + "Backups" + S + name));
      EXPECT_TRUE(contents && (std::find(before.begin(), before.end(), *contents) != before.end() ||
                               contents == earlier))
          << name;
      ofLastRun = ofLastRun || (contents && *contents == before.back());
    }
    EXPECT_TRUE(ofLastRun || !finished);
  }

  std::string source = TEST_DATA_DIR ".." + S + ".." + S + "demo" + S + "ZentavoDaten" + S + "Data";
  std::optional<Files> earlier;  // what the import that a restore undoes replaced
  Files old;
  std::map<std::string, std::string> oldBytes;
  Files fresh;  // what a clean run leaves
};

TEST_P(CrashInjectionTest, NoFileIsDamagedAndNoSuccessIsFalseWhereverARunFailsOrIsKilled) {
  runWith(std::nullopt);
  const std::size_t total = system.operations;
  fresh = plannerFiles();
  ASSERT_NE(fresh, old);
  ASSERT_NE(fresh.at("Konfigdaten.dat"), old.at("Konfigdaten.dat"));

  std::vector<bool> kills = {false};
#ifndef _WIN32
  kills.push_back(true);
#endif
  for (const bool kill : kills) {
    for (std::size_t at = 1; at <= total; ++at) {
      SCOPED_TRACE((kill ? "killed at operation " : "failure at operation ") + std::to_string(at));
      reset();
      expectIntact({old}, runWith(TestSystem::Fault{at, kill}), kill);
      const Files between = plannerFiles();
      expectIntact({old, between}, runWith(std::nullopt));
    }
  }
  std::cout << "[ injected ] " << total * kills.size() << " failure points\n";

  // The configuration's flush: its rename and the log book's open, write and close follow.
  reset();
  EXPECT_EQ(runWith(TestSystem::Fault{total - 4, false, platform::WriteResult::kDiskFull}),
            "Die Datei '" + data() +
                "Konfigdaten.dat' konnte nicht geschrieben werden (Fehler Nr. 61: Datenträger "
                "voll).\n\nDie Mitarbeiterdaten sind bereits ersetzt. Die eben angelegte "
                "Sicherung enthält den vorigen Stand: Ihre Wiederherstellung bringt ihn "
                "zurück.\n\nDas Programm wird beendet.");
}

INSTANTIATE_TEST_SUITE_P(ImportAndRestore, CrashInjectionTest,
                         ::testing::Values(Kind::kImport, Kind::kRestore), [](const auto& param) {
                           return param.param == Kind::kImport ? "Import" : "Restore";
                         });

}  // namespace
}  // namespace wizard
