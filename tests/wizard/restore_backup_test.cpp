#include "wizard/restore_backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "hostfiles/backup_file.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/wizard_window.h"

namespace wizard {
namespace {

using testing_support::Lines;
using testing_support::readScrambledFile;

const std::string S(1, platform::kSeparator);
const std::string kAlt =
    "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Alt:alt";

class RestoreTest : public testing_support::StateTest {
 protected:
  RestoreTest() {
    useLanguage(startup::Language::DE);
    state.Datum_heute = "261204";
    state.Benutzername = "mueller";
    state.Datenpfad = folder.path();
    state.Logpfad = folder.path() + "Logs" + S;
    testing_support::makePlannerData(folder.path(), {.employees = {kAlt, "Team"}});
  }

  // Imports one employee whose half day raises the fraction flag.
  void import() {
    importfile::ImportRow row{"Neu",   "ma",    "170101", "999999", "005,0", "030,0",
                              "030,0", "030,0", "030,5",  "000,0",  ""};
    state.ImportRows = {row};
    state.Settings_Zeile = testing_support::PlannerData().settings;  // as the check read it
    frmPersonallader form(state);
    form.Form_Load();
    for (int step = 1; step <= 3; ++step) form.completeStep(step);
    dialogs.answers = {true};
    form.cmdAuswahl_Click(4);
    ASSERT_EQ(form.wizardState(), WizardState::kFinished);
  }

  Lines shown() const {
    Lines texts;
    for (const auto& box : dialogs.shown) texts.push_back(box.text);
    return texts;
  }
  Lines file(const std::string& name) { return readScrambledFile(folder.file(name)); }
  Lines backupNames() { return hostfiles::backupNames(state); }  // newest first

  // Every file below the folder with its bytes.
  std::map<std::filesystem::path, std::string> snapshot() {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             testing_support::nativePath(folder.path()))) {
      if (entry.is_regular_file())
        files[entry.path()] = testing_support::readFile(entry.path().string());
    }
    return files;
  }
};

TEST_F(RestoreTest, UndoesTheImportAndItsOwnBackupUndoesTheRestore) {
  const Lines employees = file("Mitarbeiterdaten.dat");
  const Lines configuration = file("Konfigdaten.dat");
  import();
  const Lines imported = file("Mitarbeiterdaten.dat");
  const Lines flagRaised = file("Konfigdaten.dat");
  ASSERT_NE(flagRaised, configuration);
  const std::string importsBackup = backupNames().front();

  dialogs.shown.clear();
  dialogs.answers = {true};
  EXPECT_EQ(Sicherung_wiederherstellen(state, folder.path() + "Backups" + S + importsBackup),
            RestoreOutcome::kRestored);
  EXPECT_EQ(file("Mitarbeiterdaten.dat"), employees);
  EXPECT_EQ(file("Konfigdaten.dat"), configuration);
  EXPECT_EQ(file("Logs" + S + "2612 Zentavo.log").back(),
            "04.12.26 14:05:10|mueller|ZentaAdmin|Mitarbeiterdaten aus Sicherung '" +
                importsBackup + "' wiederhergestellt");
  EXPECT_EQ(shown(),
            (Lines{"Die Mitarbeiterdaten werden durch die der Sicherung '261204 140509 A.dat' "
                   "ersetzt.\n\nBeim Import: neu 1, entfallen 1, geändert 0, unverändert 0\n"
                   "Entfallen: Neu (ma)\n\nMöchten Sie fortsetzen?",
                   "Mitarbeiterdaten erfolgreich wiederhergestellt"}));

  const Lines backups = backupNames();
  ASSERT_EQ(backups.size(), 2u);
  dialogs.answers = {true};
  EXPECT_EQ(Sicherung_wiederherstellen(state, folder.path() + "Backups" + S + backups.front()),
            RestoreOutcome::kRestored);
  EXPECT_EQ(file("Mitarbeiterdaten.dat"), imported);
  EXPECT_EQ(file("Konfigdaten.dat"), flagRaised);
}

TEST_F(RestoreTest, ADamagedOrForeignBackupTheAnswerNoOrANonAdministratorChangeNothing) {
  import();
  const std::string backups = folder.path() + "Backups" + S;
  testing_support::writeScrambledFile(backups + "cut.dat",
                                      {"[ZentavoBackup]", "[Mitarbeiterdaten.dat]", "[5]", "x"});
  testing_support::writeScrambledFile(backups + "other.dat",
                                      {"[ZentavoBackup]", "[Konfigdaten.dat]", "[0]"});
  folder.write("Backups" + S + "foreign.dat", "a plain text\r\n");
  const auto before = snapshot();
  const std::pair<const char*, RestoreOutcome> cases[] = {
      {"cut.dat", RestoreOutcome::kRefused},
      {"other.dat", RestoreOutcome::kRefused},
      {"foreign.dat", RestoreOutcome::kRefused},
      {"261204 140509 A.dat", RestoreOutcome::kDeclined}};
  dialogs.shown.clear();
  dialogs.answers = {false};
  for (const auto& [name, outcome] : cases) {
    EXPECT_EQ(Sicherung_wiederherstellen(state, backups + name), outcome) << name;
  }
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(shown().front(),
            "Die Sicherung 'cut.dat' kann nicht wiederhergestellt werden (unvollständig).");
  testing_support::PlannerData notAdministrators;
  notAdministrators.administrators = {"AX:huber"};
  testing_support::makePlannerData(folder.path(), notAdministrators);
  const auto notAdministrator = snapshot();
  EXPECT_EQ(Sicherung_wiederherstellen(state, backups + "261204 140509 A.dat"),
            RestoreOutcome::kNotAdministrator);
  EXPECT_EQ(snapshot(), notAdministrator);
}

TEST_F(RestoreTest, TheListShowsEachBackupNewestFirstWithItsEmployeesOrItsDamage) {
  EXPECT_EQ(backupList(state),
            Lines{"Im Ordner '" + folder.path() + "Backups' gibt es keine Sicherungen."});
  import();
  folder.write("Backups" + S + "261203 080000 A.dat", "damaged\r\n");
  EXPECT_EQ(backupList(state), (Lines{"04.12.2026 14:05:09  A  1 Mitarbeiter  261204 140509 A.dat",
                                      startup::cp("03.12.2026 08:00:00  A  beschädigt (keine "
                                                  "Sicherung)  261203 080000 A.dat")}));
}

}  // namespace
}  // namespace wizard
