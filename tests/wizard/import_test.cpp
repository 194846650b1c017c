#include <gtest/gtest.h>

#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/wizard_window.h"

namespace wizard {
namespace {

using startup::Language;
using testing_support::readScrambledFile;

const std::string S(1, platform::kSeparator);
// The values of an employee line as employee() gives them, before the name and user id.
const std::string kValues = "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:";

importfile::ImportRow employee(const std::string& name, const std::string& entitlement = "030,0",
                               const std::string& additional = "000,0") {
  return {name,        "ma",        "170101", "999999",   "005,0", entitlement,
          entitlement, entitlement, "030,0",  additional, ""};
}

importfile::ImportRow textRow(const std::string& name) {
  importfile::ImportRow row;
  row.Name = name;
  return row;
}

class ImportTest : public testing_support::StateTest {
 protected:
  ImportTest() {
    useLanguage(Language::DE);
    state.Datum_heute = "261204";
    state.Benutzername = "mueller";
  }

  // A window in step 4 over a data folder, with the rows a check left.
  void prepare(const testing_support::PlannerData& data, importfile::ImportRows rows) {
    testing_support::makePlannerData(folder.path(), data);
    state.Datenpfad = folder.path();
    state.Logpfad = folder.path() + "Logs" + S;
    state.Settings_Zeile = data.settings;
    state.ImportRows = std::move(rows);
    form.Form_Load();
    for (int step = 1; step <= 3; ++step) form.completeStep(step);
  }

  std::vector<std::string> employeeFile() {
    return readScrambledFile(folder.file("Mitarbeiterdaten.dat"));
  }

  frmPersonallader form{state};
};

TEST_F(ImportTest, ImportIntoAnEmptyListWritesBacksUpLogsAndFinishes) {
  prepare({}, {employee("Mitarbeiter A"), textRow(">Team Nord"), employee("Zoë")});
  form.cmdAuswahl_Click(4);
  EXPECT_EQ(employeeFile(), (std::vector<std::string>{"[Mitarbeiterdaten]", "12345678", "7",
                                                      kValues + "Mitarbeiter A:ma", "Team Nord",
                                                      kValues + "Zoë:ma"}));
  EXPECT_EQ(dialogs.notices(), std::vector<std::string>{"Mitarbeiterdaten erfolgreich importiert"});
  EXPECT_EQ(
      readScrambledFile(folder.path() + "Logs" + S + "2612 Zentavo.log"),
      std::vector<std::string>{"04.12.26 14:05:09|mueller|ZentaAdmin|Mitarbeiterdaten importiert"});
  EXPECT_EQ(system.listFiles(folder.path() + "Backups" + S, "*.dat"),
            std::vector<std::string>{"261204 140509 A.dat"});
  EXPECT_EQ(form.wizardState(), WizardState::kFinished);
}

TEST_F(ImportTest, OverwritingAsksFirstAndNoChangesNothing) {
  prepare({.employees = {kValues + "Alt:alt"}}, {employee("Neu")});
  const std::string before = folder.read("Mitarbeiterdaten.dat");
  dialogs.answers = {false, true};
  form.cmdAuswahl_Click(4);
  EXPECT_EQ(folder.read("Mitarbeiterdaten.dat"), before);
  EXPECT_FALSE(folder.exists("Backups"));
  EXPECT_EQ(form.wizardState(), WizardState::kImport);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, testing_support::ShownBox::Kind::kQuestion);
  EXPECT_EQ(dialogs.shown[0].text,
            "Es sind bereits Mitarbeiterdaten vorhanden. Diese werden durch die zu importierenden "
            "Mitarbeiterdaten überschrieben.\n\nMöchten Sie fortsetzen?");
  form.cmdAuswahl_Click(4);
  EXPECT_EQ(employeeFile().back(), kValues + "Neu:ma");
}

TEST_F(ImportTest, BackupFailureEndsTheProgramBeforeAnythingIsWritten) {
  prepare({}, {employee("Neu")});
  const std::string before = folder.read("Mitarbeiterdaten.dat");
  folder.makeFolder("Backups");
  system.refuseWrites = true;
  useLanguage(Language::EN);
  EXPECT_EQ(testing_support::endingNotice(dialogs, [&] { form.cmdAuswahl_Click(4); }),
            "Backup before importing employee data failed.\n\nProgram will be closed.");
  EXPECT_EQ(folder.read("Mitarbeiterdaten.dat"), before);
}

// The configuration is rewritten after the employee file: when that cannot
// be done, the import must not begin, or it would report success and then fail.
TEST_F(ImportTest, ConfigurationThatCannotBeReplacedStopsTheImportBeforeTheBackup) {
  prepare({}, {employee("Neu", "030,0", "001,5")});
  const std::string before = folder.read("Mitarbeiterdaten.dat");
  std::filesystem::permissions(testing_support::nativePath(folder.file("Konfigdaten.dat")),
                               std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const std::string message =
      testing_support::endingNotice(dialogs, [&] { form.cmdAuswahl_Click(4); });
  EXPECT_TRUE(message.starts_with("Die Datei '" + folder.file("Konfigdaten.dat") +
                                  "' konnte nicht geöffnet werden."))
      << message;
  EXPECT_EQ(folder.read("Mitarbeiterdaten.dat"), before);
  EXPECT_FALSE(folder.exists("Backups"));
  EXPECT_EQ(dialogs.notices().size(), 1u);  // no success before the end
}

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
    importfile::ImportRows rows = {textRow(">Text")};
    for (const auto& [entitlement, additional] : c.values) {
      rows.push_back(employee("M", entitlement, additional));
    }
    rows.back().Resturlaub = "002,5";  // residual vacation does not count
    testing_support::PlannerData data;
    data.settings[29] = c.flag;
    prepare(data, rows);
    const std::string before = folder.read("Konfigdaten.dat");
    form.cmdAuswahl_Click(4);
    EXPECT_EQ(readScrambledFile(folder.file("Konfigdaten.dat"))[7][29], c.expected);
    EXPECT_EQ(state.Settings_Zeile[29], c.expected);
    if (c.expected == c.flag) {
      EXPECT_EQ(folder.read("Konfigdaten.dat"), before);
    }
  }
}

}  // namespace
}  // namespace wizard
