// A whole import with one file operation failing, or the run killed there, at
// every operation of a clean run: each planner file is the old one or the
// complete new one, and a second import mends the rest.
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

#include "platform/wildcard.h"
#include "startup/main.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
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

class CrashInjectionTest : public testing_support::StateTest {
 protected:
  CrashInjectionTest() {
    folder.makeFolder("Zentavo Desk");
    folder.write("Zentavo Desk" + S + "Zentavo.dat",
                 "[Zentavo]\r\ndata_pfad=" + data() + "\r\nlog_pfad=" + logs() + "\r\n");
    folder.write("Mitarbeiter.csv", kImportFile);
    system.variables["ProgramFiles"] = folder.withoutSeparator();
    system.variables["USERNAME"] = "admin";
    system.clock = {2026, 11, 20, 10, 0, 0};
    reset();
    old = plannerFiles();
    for (const auto& name : kDataFiles) oldBytes[name] = readFile(data() + name);
  }

  std::string data() const { return folder.path() + "Data" + S; }
  std::string logs() const { return data() + "Logs" + S; }

  // A fresh copy of the demo planner's data folder.
  void reset() {
    system.changeFolder(folder.path());  // Windows keeps a current folder
    fs::remove_all(nativePath(data()));
    fs::copy(
        nativePath(TEST_DATA_DIR ".." + S + ".." + S + "demo" + S + "ZentavoDaten" + S + "Data"),
        nativePath(data()), fs::copy_options::recursive);
  }

  Files plannerFiles() const {
    Files files;
    for (const auto& name : kDataFiles) files[name] = readScrambledFile(data() + name);
    files[kLogBook] = readScrambledFile(logs() + kLogBook);
    return files;
  }

  // Start and steps 2 to 4, answering Yes to the question before overwriting.
  // A run that ends the program must not have reported success before.
  void runImport() {
    testing_support::ScriptedDialogs boxes;
    boxes.files = {folder.file("Mitarbeiter.csv")};
    boxes.answers = {true};
    startup::ProgramState run(system, boxes);
    run.Sprache = startup::Language::DE;
    try {
      startup::Main(run);
      frmPersonallader form(run);
      form.Form_Load();
      for (int step = 2; step <= 4; ++step) form.cmdAuswahl_Click(step);
    } catch (const startup::ProgramEnd&) {
      const auto notices = boxes.notices();
      EXPECT_EQ(
          std::count(notices.begin(), notices.end(), "Mitarbeiterdaten erfolgreich importiert"), 0);
    }
  }

  // A kill ends a process of its own, forked for the run.
  void runWith(std::optional<TestSystem::Fault> fault) {
    system.operations = 0;
    system.fault = fault;
#ifndef _WIN32
    if (fault && fault->kill) {
      const pid_t child = ::fork();
      if (child == 0) {
        runImport();
        std::_Exit(0);
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == TestSystem::kKilledStatus);
      return;
    }
#endif
    runImport();
    if (fault) {
      EXPECT_GE(system.operations, fault->at) << "the fault was never reached";
    }
  }

  // `finished`: the run must have completed the import.
  void expectIntact(const std::vector<Files>& before, bool finished) {
    const Files now = plannerFiles();
    for (const auto& name : kDataFiles) {
      const bool unchanged = readFile(data() + name) == oldBytes[name];
      const bool renewed = now.at(name) == fresh.at(name);
      EXPECT_TRUE(name == "KalenderData.dat" ? unchanged : renewed || (unchanged && !finished))
          << name;
    }
    const Lines& log = now.at(kLogBook);
    const std::size_t added = log.size() - std::min(log.size(), old.at(kLogBook).size());
    EXPECT_TRUE(Lines(log.begin(), log.end() - added) == old.at(kLogBook) &&
                added <= before.size() && (added > 0 || !finished) &&
                std::all_of(log.end() - added, log.end(),
                            [&](const std::string& line) {
                              return withoutTime(line) == withoutTime(fresh.at(kLogBook).back());
                            }))
        << kLogBook;
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

  // Each backup holds every file in full as it was before one of the runs; the
  // last run, when finished, made one.
  void expectCompleteBackups(const std::vector<Files>& before, bool finished) {
    bool ofLastRun = false;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(nativePath(data() + "Backups"), missing)) {
      const std::string name = entry.path().filename().string();
      if (!platform::matchesPattern(name, "*.dat")) continue;
      const auto contents = backupContents(readScrambledFile(data() + "Backups" + S + name));
      EXPECT_TRUE(contents && std::find(before.begin(), before.end(), *contents) != before.end())
          << name;
      ofLastRun = ofLastRun || (contents && *contents == before.back());
    }
    EXPECT_TRUE(ofLastRun || !finished);
  }

  Files old;
  std::map<std::string, std::string> oldBytes;
  Files fresh;  // what a clean run leaves
};

TEST_F(CrashInjectionTest, NoFileIsDamagedWhereverTheImportFailsOrIsKilled) {
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
      runWith(TestSystem::Fault{at, kill});
      expectIntact({old}, false);
      const Files between = plannerFiles();
      runWith(std::nullopt);
      expectIntact({old, between}, true);
    }
  }
  std::cout << "[ injected ] " << total * kills.size() << " failure points\n";
}

}  // namespace
}  // namespace wizard
