#include <gtest/gtest.h>

#include "hostfiles/backup_file.h"
#include "platform/codepage.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace wizard {
namespace {

using startup::Language;
using testing_support::readScrambledFile;

const std::string S(1, platform::kSeparator);
// The values of an employee line as employee() gives them, before the name and user id.
const std::string kValues = "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:";

using Row = importfile::ImportRows::Fields;

Row employee(std::string_view name, std::string_view entitlement = "030,0",
             std::string_view additional = "000,0") {
  return {name,        "ma",        "170101",    "999999", "005,0",
          entitlement, entitlement, entitlement, "030,0",  additional};
}

Row textRow(std::string_view name) { return {name}; }

class ImportTest : public testing_support::StateTest {
 protected:
  ImportTest() {
    useLanguage(Language::DE);
    state.Datum_heute = "261204";
    state.Benutzername = "mueller";
  }

  // A window in step 4 over a data folder, with the rows a check left.
  void prepare(const testing_support::PlannerData& data, const std::vector<Row>& rows) {
    testing_support::makePlannerData(folder.path(), data);
    state.Datenpfad = folder.path();
    state.Logpfad = folder.path() + "Logs" + S;
    state.lastCheck.data.rows = importfile::ImportRows(rows);
    form.Form_Load();
    for (int step = 1; step <= 3; ++step) form.completeStep(step);
  }

  std::vector<std::string> employeeFile() {
    return readScrambledFile(folder.file("Mitarbeiterdaten.dat"));
  }
  std::vector<std::string> configuration() {
    return readScrambledFile(folder.file("Konfigdaten.dat"));
  }
  RestoreOutcome restoreFrom(const std::string& backup) {
    return restoreEmployeeFile(state, folder.path() + "Backups" + S + backup);
  }

  frmPersonallader form{state};
};

TEST_F(ImportTest, ImportIntoAnEmptyListWritesEmployeesAndTexts) {
  prepare({}, {employee("Mitarbeiter A"), textRow(">Team Nord"), employee("Zoë")});
  form.cmdAuswahl_Click(4);
  EXPECT_EQ(employeeFile(), (std::vector<std::string>{"[Mitarbeiterdaten]", "12345678", "7",
                                                      kValues + "Mitarbeiter A:ma", "Team Nord",
                                                      kValues + "Zoë:ma"}));
}

TEST_F(ImportTest, OverwritingAsksFirstAndNoChangesNothing) {
  prepare({.employees = {kValues + "Alt:alt"}}, {employee("Neu")});
  const std::string before = folder.read("Mitarbeiterdaten.dat");
  dialogs.answers = {false, true};
  form.cmdAuswahl_Click(4);
  EXPECT_EQ(folder.read("Mitarbeiterdaten.dat"), before);
  EXPECT_FALSE(folder.exists("Backups"));
  EXPECT_EQ(form.wizardState(), WizardState::kImport);
  form.cmdAuswahl_Click(4);
  EXPECT_EQ(employeeFile().back(), kValues + "Neu:ma");
}

// Every file that a run replaces is tried, opened as its write opens it,
// before the backup: one that cannot be replaced ends the run, named, with
// nothing written.
struct Unreplaceable {
  std::string label;
  bool restore;  // the restore of the import's backup, which puts the flag back
  std::string file;
  friend void PrintTo(const Unreplaceable& c, std::ostream* os) { *os << c.label; }
};

class ReplaceableTest : public ImportTest, public ::testing::WithParamInterface<Unreplaceable> {};

TEST_P(ReplaceableTest, AFileThatCannotBeReplacedEndsTheRunBeforeAnythingIsWritten) {
  const Unreplaceable& c = GetParam();
  prepare({}, {employee("Neu", "030,0", "001,5")});  // raises the fraction flag
  folder.makeFolder("Backups");
  if (c.restore) form.cmdAuswahl_Click(4);
  const std::string path = folder.file(c.file);
  if (c.file == "Backups") {
    system.refusedFolder = path;
  } else {
    std::filesystem::permissions(testing_support::nativePath(path),
                                 std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  }
  const auto before = testing_support::snapshot(folder.path());
  dialogs.answers = {true};
  EXPECT_THROW(c.restore ? (void)restoreFrom("261204 140509 A.dat") : form.cmdAuswahl_Click(4),
               startup::ProgramEnd);
  EXPECT_TRUE(dialogs.shown.back().text.starts_with("Die Datei '" + path +
                                                    "' konnte nicht geöffnet werden."))
      << dialogs.shown.back().text;
  EXPECT_EQ(testing_support::snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    ImportAndRestore, ReplaceableTest,
    ::testing::Values(Unreplaceable{"EmployeeFile", false, "Mitarbeiterdaten.dat"},
                      Unreplaceable{"Configuration", false, "Konfigdaten.dat"},
                      Unreplaceable{"BackupFolder", false, "Backups"},
                      Unreplaceable{"ConfigurationOfARestore", true, "Konfigdaten.dat"}),
    testing_support::byLabel<Unreplaceable>);

// Raised, never lowered, by the tenths of entitlements and additional vacation.
TEST_F(ImportTest, TheTenthsOfTheImportedValuesRaiseTheFractionFlag) {
  const struct {
    char flag;
    std::vector<std::pair<std::string, std::string>> values;  // entitlement, additional vacation
    char expected;
  } cases[] = {{'0', {{"030,0", "000,0"}}, '0'},
               {'0', {{"030,0", "001,5"}}, '1'},
               {'0', {{"012,5", "000,0"}, {"030,0", "000,0"}, {"003,3", "000,0"}}, '2'},
               {'1', {{"003,3", "000,0"}}, '2'},
               {'2', {{"030,0", "000,5"}}, '2'},
               {'1', {{"-02,5", "000,0"}}, '1'}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("flag ") + c.flag + " to " + c.expected);
    std::vector<Row> rows = {textRow(">Text")};
    for (const auto& [entitlement, additional] : c.values) {
      rows.push_back(employee("M", entitlement, additional));
    }
    rows.back()[static_cast<std::size_t>(importfile::Column::Resturlaub)] = "002,5";  // not counted
    testing_support::PlannerData data;
    data.settings[29] = c.flag;
    prepare(data, rows);
    const std::string before = folder.read("Konfigdaten.dat");
    form.cmdAuswahl_Click(4);
    EXPECT_EQ(readScrambledFile(folder.file("Konfigdaten.dat"))[7][29], c.expected);
    if (c.expected == c.flag) {
      EXPECT_EQ(folder.read("Konfigdaten.dat"), before);
    }
  }
}

// The restore's own backup undoes the restore in turn.
TEST_F(ImportTest, ARestoreUndoesTheImportWithItsFlagAndCanItselfBeUndone) {
  prepare({.employees = {kValues + "Alt:alt", "Team"}}, {employee("Neu", "030,5")});
  const auto before = std::pair(employeeFile(), configuration());
  dialogs.answers = {true, true};
  form.cmdAuswahl_Click(4);
  const auto imported = std::pair(employeeFile(), configuration());
  ASSERT_NE(imported.second, before.second);  // the flag was raised

  EXPECT_EQ(restoreFrom("261204 140509 A.dat"), RestoreOutcome::kRestored);
  EXPECT_EQ(std::pair(employeeFile(), configuration()), before);
  EXPECT_EQ(readScrambledFile(folder.path() + "Logs" + S + "2612 Zentavo.log").back(),
            "04.12.26 14:05:10|mueller|ZentaAdmin|Mitarbeiterdaten aus Sicherung '261204 "
            "140509 A.dat' wiederhergestellt");

  dialogs.answers = {true};
  EXPECT_EQ(restoreFrom(hostfiles::backupNames(state, state.Datenpfad).front()),
            RestoreOutcome::kRestored);
  EXPECT_EQ(std::pair(employeeFile(), configuration()), imported);
}

TEST_F(ImportTest, ADamagedOrForeignBackupTheAnswerNoOrANonAdministratorChangeNothing) {
  prepare({}, {employee("Neu")});
  form.cmdAuswahl_Click(4);
  const std::string backups = folder.path() + "Backups" + S;
  testing_support::writeScrambledFile(backups + "cut.dat",
                                      {"[ZentavoBackup]", "[Mitarbeiterdaten.dat]", "[5]", "x"});
  testing_support::writeScrambledFile(backups + "other.dat",
                                      {"[ZentavoBackup]", "[Konfigdaten.dat]", "[0]"});
  folder.write("Backups" + S + "foreign.dat", "a plain text\r\n");
  const auto before = testing_support::snapshot(folder.path());
  dialogs.shown.clear();
  dialogs.answers = {false};
  for (const char* backup : {"cut.dat", "other.dat", "foreign.dat"}) {
    EXPECT_EQ(restoreFrom(backup), RestoreOutcome::kRefused) << backup;
  }
  EXPECT_EQ(restoreFrom("261204 140509 A.dat"), RestoreOutcome::kDeclined);
  EXPECT_EQ(testing_support::snapshot(folder.path()), before);
  EXPECT_EQ(dialogs.texts().front(),
            "Die Sicherung 'cut.dat' kann nicht wiederhergestellt werden (unvollständig).");

  testing_support::PlannerData notAdministrators;
  notAdministrators.administrators = {"AX:huber"};
  testing_support::makePlannerData(folder.path(), notAdministrators);
  const auto notAdministrator = testing_support::snapshot(folder.path());
  EXPECT_EQ(restoreFrom("261204 140509 A.dat"), RestoreOutcome::kNotAdministrator);
  EXPECT_EQ(testing_support::snapshot(folder.path()), notAdministrator);
  EXPECT_EQ(dialogs.texts().back(),
            "Sie sind nicht als Administrator im Zentavo-Kalender eingetragen und nicht zur "
            "Wiederherstellung der Mitarbeiterdaten berechtigt");
  EXPECT_EQ(form.Importdatei_checken().verdict, importfile::Verdict::kNotChecked);
  EXPECT_EQ(dialogs.texts().back(),
            "Sie sind nicht als Administrator im Zentavo-Kalender eingetragen und nicht zum "
            "Import der Mitarbeiterdaten berechtigt");
}

// The restore's list: each backup newest first with its employees or its
// damage, a damaged one not to be chosen. The one chosen is restored; another
// file whose name lost characters gets step 2's answer.
TEST_F(ImportTest, TheBackupListShowsEachNewestFirstAndRestoresTheOneChosen) {
  using Kind = startup::ListChoice::Kind;
  prepare({.employees = {kValues + "Alt:alt", "Team"}}, {employee("Neu")});
  dialogs.choices = {{}};
  EXPECT_EQ(form.chooseBackupAndRestore(), std::nullopt);
  EXPECT_TRUE(dialogs.lastListRequest->rows.empty());
  EXPECT_EQ(dialogs.lastListRequest->emptyText,
            "Im Ordner '" + folder.path() + "Backups' gibt es keine Sicherungen.");
  dialogs.answers = {true};
  form.cmdAuswahl_Click(4);
  // Names with an impossible date or time come last, without it.
  for (const char* name : {"261203 080000 A.dat", "261313 080000 A.dat", "261203 256199 A.dat"}) {
    folder.write("Backups" + S + name, "damaged\r\n");
  }
  dialogs.choices = {{.kind = Kind::kChosen, .row = 0, .otherFile = {}}};
  dialogs.answers = {true};
  EXPECT_EQ(form.chooseBackupAndRestore(), RestoreOutcome::kRestored);
  EXPECT_EQ(employeeFile().at(3), kValues + "Alt:alt");
  std::vector<std::pair<std::string, bool>> rows;
  for (const auto& row : dialogs.lastListRequest->rows) rows.emplace_back(row.text, row.choosable);
  const std::string damaged = startup::cp("beschädigt (keine Sicherung)  ");
  EXPECT_EQ(rows, (std::vector<std::pair<std::string, bool>>{
                      {"04.12.2026 14:05:09  A  1 Mitarbeiter  261204 140509 A.dat", true},
                      {"03.12.2026 08:00:00  A  " + damaged + "261203 080000 A.dat", false},
                      {damaged + "261203 256199 A.dat", false},
                      {damaged + "261313 080000 A.dat", false}}));

  const std::string lost = folder.file(startup::cp("?ód?.dat"));
  dialogs.choices = {{.kind = Kind::kOtherFile, .row = 0, .otherFile = lost}};
  EXPECT_EQ(form.chooseBackupAndRestore(), std::nullopt);
  EXPECT_EQ(dialogs.notices().back(),
            testing_support::readable(texts::chosenFileMissing(Language::DE, "'" + lost + "'")));
}

// English counts only one employee in the singular, French none and one.
TEST(BackupLineTest, CountsEmployeesAsEachLanguageDoes) {
  const std::string name = "261204 140509 A.dat";
  const auto line = [&](Language language, std::size_t employees) {
    const std::string text = texts::backupLine(language, name, {}, employees);
    return text.substr(24, text.size() - 26 - name.size());
  };
  EXPECT_EQ(line(Language::EN, 1), "1 employee");
  EXPECT_EQ(line(Language::EN, 0), "0 employees");
  EXPECT_EQ(line(Language::FR, 0), platform::utf8ToCodePage("0 employé"));
  EXPECT_EQ(line(Language::FR, 2), platform::utf8ToCodePage("2 employés"));
}

}  // namespace
}  // namespace wizard
