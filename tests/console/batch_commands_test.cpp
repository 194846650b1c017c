// The terminal program's batch commands and its interactive wizard, run in the
// test's own process on a copy of the demo installation: the exact lines they
// print, their exit status, and the files they leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>

#include "console/command_line.h"
#include "console/wizard_runs.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "support/temp_folder.h"
#include "support/test_system.h"

namespace console {
namespace {

using namespace testing_support;
const std::string S(1, platform::kSeparator);
// Damages or changes the installation in `root`: the settings file and the data folder "Data".
using Damage = std::function<void(const std::string& root)>;

class BatchTest : public ::testing::Test {
 protected:
  BatchTest() {
    std::filesystem::copy(DEMO_DATA_DIR, nativePath(data),
                          std::filesystem::copy_options::recursive);
    writeScrambledFile(root.file("Zentavo.dat"),
                       {"[Zentavo]", "data_pfad=" + data, "log_pfad=" + data + "Logs" + S});
    system.variables = {{"USERNAME", "tester"}, {"ProgramFiles", root.path()}};
    system.ownFolder = root.withoutSeparator();  // holds the settings file
  }

  // `text` with %R for the installation's folder, %S for the demo's import files and %/
  // for the separator.
  std::string place(std::string text) const {
    for (const auto& [mark, path] :
         {std::pair{"%R", root.path()}, {"%S", DEMO_SAMPLES_DIR}, {"%/", S}}) {
      for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
        text.replace(at, 2, path);
      }
    }
    return text;
  }

  // Runs a command line (a leading "!" marks an argument that lost characters);
  // its status, and what it printed in `out`.
  int run(const std::vector<std::string>& args) {
    std::vector<platform::Argument> arguments;
    for (const std::string& arg : args) {
      const bool lost = arg.starts_with("!");
      arguments.push_back({place(lost ? arg.substr(1) : arg), lost});
    }
    std::ostringstream printed;
    const int status = runBatch(system, startup::Language::DE,
                                std::get<BatchOptions>(batchOptions(arguments)), printed);
    out = printed.str();
    return status;
  }

  TempFolder root;
  KeepCurrentFolder keepCurrentFolder;
  const std::string data = root.file("Data") + S;
  TestSystem system;
  std::string out;
};

Damage removed(const char* file) {
  return [=](const std::string& root) { std::filesystem::remove(nativePath(root + file)); };
}
// A backup of the employee file in "Data" whose first entry starts in month 13.
void backupWithBadDate(const std::string& root) {
  Lines lines = readScrambledFile(root + "Data/Mitarbeiterdaten.dat");
  lines[3].replace(0, 6, "171301");
  lines.insert(lines.begin(), {"[ZentavoBackup]", "[Mitarbeiterdaten.dat]",
                               '[' + std::to_string(lines.size()) + ']'});
  std::filesystem::create_directory(nativePath(root + "Data/Backups"));
  writeScrambledFile(root + "Data/Backups/261203 080000 A.dat", lines);
}

// What a row holds for the run: the data folder's lock, as another run holds it.
std::unique_ptr<platform::FileLock> heldLock;
Damage locked() {
  return [](const std::string& root) {
    heldLock = platform::hostSystem().lockFile(root + "Data" + S + ".personallader.lock").lock;
  };
}

const std::string kClean = "Meier;mm\r\n";
const std::string kRegion = "Regionale Einstellungen: de-DE (ändern mit --region)\n";
const std::string kFaultFree = "Prüfen der Importdaten fehlerfrei\n\n";
const std::string kChanges = "Beim Import: neu 1, entfallen 2, geändert 0, unverändert 0\n";
const std::string kDropped = "Entfallen: Berger, Anna (aberger), Öztürk, Selin (soeztuerk)\n\n";
const std::string kQuestion = "\n\nMöchten Sie fortsetzen?\n\n";
const std::string kOverwrite =
    "Es sind bereits Mitarbeiterdaten vorhanden. Diese werden durch die zu importierenden "
    "Mitarbeiterdaten überschrieben.";
const std::string kDemoChanges = "Beim Import: neu 3, entfallen 0, geändert 0, unverändert 2\n\n";

struct Case {
  const char* label;
  std::vector<std::string> args;
  int status;
  std::string csv;  // %Rimport.csv
  Damage damage;
  std::string output;  // exact, with %R, %S and %/
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.label; }

class UnchangedTest : public BatchTest, public ::testing::WithParamInterface<Case> {};

TEST_P(UnchangedTest, PrintsItsLinesEndsWithItsStatusAndChangesNothing) {
  const Case& c = GetParam();
  root.write("import.csv", c.csv);
  if (c.damage) c.damage(root.path());
  const auto before = snapshot(root.path());
  EXPECT_EQ(run(c.args), c.status);
  EXPECT_EQ(out, place(c.output));
  EXPECT_EQ(snapshot(root.path()), before);
  heldLock.reset();
}

// A command line of the table.
template <typename... Args>
std::vector<std::string> line(Args... args) {
  return {args...};
}
const std::vector<std::string> kImport = line("import", "--yes", "%Rimport.csv");

INSTANTIATE_TEST_SUITE_P(
    Commands, UnchangedTest,
    ::testing::Values(
        Case{"data_named_without_settings", line("check", "--data", "%R", "%SMitarbeiter.csv"),
             kDone, kClean, removed("Zentavo.dat"), kRegion + kFaultFree + kDemoChanges},
        Case{"check_in_us_order", line("check", "--region", "en-US", "%Rimport.csv"), kFaults,
             "Meier;mm;13.01.2020\r\n", nullptr,
             "Regionale Einstellungen: en-US (ändern mit --region)\nFehler in Zeile 1, Meier\n\n"
             "'Von-Datum' 13.01.2020 ist fehlerhaft" +
                 kQuestion +
                 "Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie die Fehler in den "
                 "Importdaten und wiederholen Sie die Prüfung.\n\n"},
        Case{"report_named_outside_code_page",
             line("check", "--report", "!%RBericht_??d?.csv", "%Rimport.csv"), kUsage, kClean,
             nullptr,
             "Die Datei '%RBericht_??d?.csv' kann nicht geöffnet werden. Enthält ihr Name "
             "Zeichen, die hier als '?' erscheinen, benennen Sie die Datei um und wählen Sie sie "
             "erneut.\n"},
        Case{"report_onto_konfigdaten",
             line("check", "--report", "%RData%/Konfigdaten.dat", "%Rimport.csv"), kUsage, kClean,
             nullptr,
             kRegion + "'%RData%/Konfigdaten.dat' liegt im Datenordner des Planers. Wählen Sie "
                       "einen Ort außerhalb des Daten- und des Log-Ordners.\n"},
        Case{"dry_run", line("import", "--dry-run", "%Rimport.csv"), kDone, kClean, nullptr,
             kFaultFree + kChanges + kDropped +
                 "+ Meier (mm)\n- Berger, Anna (aberger)\n- Öztürk, Selin (soeztuerk)\n" +
                 kChanges},
        Case{"import_without_yes", line("import", "%Rimport.csv"), kFaults, kClean, nullptr,
             kFaultFree + kChanges + kDropped + kOverwrite + kQuestion +
                 "Es wurde nichts importiert und nichts geändert. --yes bestätigt den Import.\n"},
        Case{"csv_missing", kImport, kUsage, kClean, removed("import.csv"),
             "%Rimport.csv\nDatei nicht gefunden.\n"},
        Case{"csv_empty", kImport, kFaults, "", nullptr, "Importdatei '%Rimport.csv' ist leer\n\n"},
        Case{"csv_nul_byte", kImport, kFaults, std::string("\0,", 2), nullptr,
             "Fehler in Zeile 1\n\nUnzulässiges Steuerzeichen im Feld 'Name' enthalten" +
                 kQuestion + "Es wurde nichts importiert und nichts geändert.\n"},
        Case{"zentavo_dat_missing", kImport, kUsage, kClean, removed("Zentavo.dat"),
             "Kein Datenordner: Geben Sie ihn mit --data an.\n"},
        Case{"data_folder_locked", kImport, kFaults, kClean, locked(),
             kFaultFree + kChanges + kDropped +
                 "In diesem Datenordner läuft gerade ein anderer Import oder eine "
                 "Wiederherstellung. Warten Sie, bis er beendet ist, und versuchen Sie es "
                 "erneut.\n\n"},
        Case{"mitarbeiterdaten_entry_cut_short", kImport, startup::kFatalExitStatus, kClean,
             [](const std::string& root) {
               Lines lines = readScrambledFile(root + "Data/Mitarbeiterdaten.dat");
               lines[3].resize(20);
               writeScrambledFile(root + "Data/Mitarbeiterdaten.dat", lines);
             },
             kFaultFree +
                 errorReport("modPersonallader - Mitarbeiterdaten_lesen", 5,
                             "Unzulässiger Prozeduraufruf oder ungültiges Argument") +
                 "\n\n"},
        Case{"export_onto_konfigdaten", line("export", "%RData%/Konfigdaten.dat"), kUsage, kClean,
             nullptr,
             kRegion + "'%RData%/Konfigdaten.dat' liegt im Datenordner des Planers. Wählen Sie "
                       "einen Ort außerhalb des Daten- und des Log-Ordners.\n"},
        Case{"export_over_a_csv_not_its_own", line("export", "%Rimport.csv"), kUsage, kClean,
             nullptr,
             kRegion + "'%Rimport.csv' gibt es bereits und ist keine frühere Datei derselben Art "
                       "von diesem Programm. Sie bleibt, wie sie ist: Wählen Sie einen anderen "
                       "Namen.\n"},
        Case{"restore_of_no_backup", line("restore", "--yes", "missing.dat"), kUsage, kClean,
             nullptr, "%RData%/Backups%/missing.dat\nKeine solche Sicherung.\n"},
        Case{"restore_of_backup_with_bad_date", line("restore", "--yes", "261203 080000 A.dat"),
             kUsage, kClean, backupWithBadDate,
             "Die Sicherung '261203 080000 A.dat' kann nicht wiederhergestellt werden "
             "(Mitarbeiterdaten.dat, Zeile 4: ungültiges Datum).\n\n"}),
    byLabel<Case>);

// An import, the list of backups with its backup, and the restore of it, which
// needs --yes and brings the old employee list back.
TEST_F(BatchTest, AnImportsBackupIsListedAndRestoresTheOldList) {
  const Lines old = readScrambledFile(data + "Mitarbeiterdaten.dat");
  EXPECT_EQ(run({"import", "--yes", "%SMitarbeiter.csv"}), kDone);
  EXPECT_EQ(out,
            kFaultFree + kDemoChanges + kOverwrite + kQuestion +
                "Mitarbeiterdaten erfolgreich importiert\nIm Zentavo-Kalender stehen jetzt 5 "
                "Mitarbeiter; der vorige Stand ist in der Sicherung '261204 140509 A.dat'.\n\n");
  EXPECT_EQ(run({"backups"}), kDone);
  EXPECT_EQ(out, "04.12.2026 14:05:09  A  2 Mitarbeiter  261204 140509 A.dat\n");
  const std::string restoring =
      "Die Mitarbeiterdaten werden durch die der Sicherung '261204 140509 A.dat' ersetzt.\n\n"
      "Bei der Wiederherstellung: neu 0, entfallen 3, geändert 0, unverändert 2\nEntfallen: "
      "Weiß, Jürgen (jweiss), Lefèvre, Émile (elefevre), Nowak, Piotr (Nowak, Piotr)" +
      kQuestion;
  EXPECT_EQ(run({"restore", "261204 140509 A.dat"}), kFaults);
  EXPECT_EQ(out, restoring +
                     "Es wurde nichts wiederhergestellt und nichts geändert. --yes bestätigt die "
                     "Wiederherstellung.\n");
  EXPECT_EQ(run({"restore", "--yes", "%RData%/Backups%/261204 140509 A.dat"}), kDone);
  EXPECT_EQ(out, restoring +
                     "Mitarbeiterdaten erfolgreich wiederhergestellt\nIm Zentavo-Kalender stehen "
                     "jetzt 2 Mitarbeiter; der vorige Stand ist in der Sicherung '261204 140510 "
                     "A.dat'.\n\n");
  EXPECT_EQ(readScrambledFile(data + "Mitarbeiterdaten.dat"), old);
}

// Export, then import of the exported file: nothing changes, the older line
// form comes back in the current one, the head value stays; an entry that
// cannot survive is named, a name that begins with "=" survives.
TEST_F(BatchTest, AnExportedListImportsBackUnchanged) {
  Lines lines = readScrambledFile(data + "Mitarbeiterdaten.dat");
  lines[1] = "12345678";
  lines.push_back("170101:999999:025:030:030:030:030:=Mitarbeiter A:ma");
  writeScrambledFile(data + "Mitarbeiterdaten.dat", lines);
  for (int twice = 0; twice < 2; ++twice) EXPECT_EQ(run({"export", "%Rlist.csv"}), kDone);
  EXPECT_EQ(out, place(kRegion +
                       "Die Mitarbeiterliste steht jetzt in '%Rlist.csv' (3 Mitarbeiter).\n\n"));
  EXPECT_EQ(run({"import", "--dry-run", "%Rlist.csv"}), kDone);
  EXPECT_EQ(out, kFaultFree + "Beim Import: neu 0, entfallen 0, geändert 0, unverändert 3\n\n" +
                     "Beim Import: neu 0, entfallen 0, geändert 0, unverändert 3\n");
  EXPECT_EQ(run({"import", "--yes", "%Rlist.csv"}), kDone);
  lines.back() =
      "170101:999999:025,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:=Mitarbeiter A:ma";
  EXPECT_EQ(readScrambledFile(data + "Mitarbeiterdaten.dat"), lines);

  lines.push_back("Ein Text, der zu lang fuer eine Zeile der Importdatei ist");
  lines.push_back("991301:999999:000,0:000,0:000,0:000,0:000,0:000,0:000,0:000,0:000,0:Bad|Date:");
  writeScrambledFile(data + "Mitarbeiterdaten.dat", lines);
  EXPECT_EQ(run({"export", "--encoding", "cp", "%Rlist.csv"}), kFaults);
  EXPECT_EQ(out.substr(out.find("\n\nDiese")),
            "\n\nDiese Einträge kämen beim Import verändert zurück: >Ein Text, der zu lang fuer "
            "eine Zeile der Importdatei ist, Bad|Date (). Prüfen Sie sie in der Datei, bevor Sie "
            "sie importieren.\n\n");
}

// The faults report gets a line for each question after its header.
TEST_F(BatchTest, CheckWritesTheFaultsReportThatItIsAskedFor) {
  EXPECT_EQ(run({"check", "--report", "%Rfaults.csv", "%SMitarbeiter_mit_Fehlern.csv"}), kFaults);
  std::size_t questions = 0;
  for (auto at = out.find(kQuestion); at != std::string::npos; at = out.find(kQuestion, at + 1)) {
    ++questions;
  }
  EXPECT_EQ(std::ranges::count(root.read("faults.csv"), '\n'), questions + 1) << out;
}

// --data names another installation: its own log folder, nothing of the settings' one.
TEST_F(BatchTest, ImportIntoTheNamedDataFolderLogsThereAndLeavesTheSettingsOnesAlone) {
  const std::string other = root.file("other") + S;
  std::filesystem::copy(DEMO_DATA_DIR, nativePath(other), std::filesystem::copy_options::recursive);
  const auto before = snapshot(data);
  EXPECT_EQ(run({"import", "--yes", "--data", other, "%SMitarbeiter.csv"}), kDone);
  EXPECT_EQ(snapshot(data), before);
  EXPECT_EQ(readScrambledFile(other + "Logs" + S + "2612 Zentavo.log").back(),
            "04.12.26 14:05:09|tester|ZentaAdmin|Mitarbeiterdaten importiert");
}

// The wizard at the terminal, in the import files' folder: a bare file name, a
// choice not shown, No and then Yes to the overwrite question, the numbered
// backups, and No to the restore.
TEST_F(BatchTest, InteractiveRunsTheStepsAndSaysWhatANoLeftUndone) {
  std::filesystem::current_path(nativePath(DEMO_SAMPLES_DIR));
  std::istringstream in("2\nMitarbeiter.csv\n3\n\n0\n9\n\n4\n\n4\nj\n\n6\n1\n\n5\n");
  std::ostringstream printed;
  EXPECT_EQ(runInteractive(system, startup::Language::DE, in, printed, true), kDone);
  for (const char* line : {"  [>] Schritt 2: Importdatei auswählen",
                           "Keine gültige Auswahl: '0'; wählen Sie eine der gezeigten Nummern.",
                           "Es wurde nichts importiert und nichts geändert.",
                           "  [x] Schritt 4: Mitarbeiterdaten importieren",
                           "  1  04.12.2026 14:05:09  A  2 Mitarbeiter  261204 140509 A.dat",
                           "Es wurde nichts wiederhergestellt und nichts geändert."}) {
    EXPECT_NE(printed.str().find("\n" + std::string(line) + "\n"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace console
