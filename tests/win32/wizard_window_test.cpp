// The steps of the wizard through the real window and its real dialogs.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "startup/messages.h"
#include "support/planner_files.h"
#include "window_fixture.h"

namespace win32_testing {
namespace {

using testing_support::readScrambledFile;

// A folder as the folder dialog takes it: without its trailing backslash.
std::wstring dialogFolder(std::string folder) {
  folder.pop_back();
  return wide(platform::codePageToUtf8(folder));
}

std::wstring dialogFile(const std::string& path) { return wide(platform::codePageToUtf8(path)); }

// The folders and files below `from` into `to` (std::filesystem::copy of
// MinGW's library leaves a tree out).
void copyTree(const std::filesystem::path& from, const std::filesystem::path& to) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(from)) {
    const auto target = to / std::filesystem::relative(entry.path(), from);
    if (entry.is_directory()) {
      std::filesystem::create_directories(target);
    } else {
      std::filesystem::copy_file(entry.path(), target);
    }
  }
}

const std::string kOverwriteQuestion =
    "Es sind bereits Mitarbeiterdaten vorhanden. Diese werden durch die zu importierenden "
    "Mitarbeiterdaten überschrieben.\r\rMöchten Sie fortsetzen?";
const std::string kGoodRows =
    "Berger, Anna;aberger;01.01.2017;;5;30;30;30;30;0\r\n"
    ">Verwaltung;;;;;;;;;\r\n"
    "Weiß, Jürgen;jweiss;15.03.2021;31.12.2027;2,5;30;30;30;30;2\r\n";

TEST_F(WindowTest, ImportsFromStepOneToTheEndWithScreenshotsOfEveryState) {
  const std::string data = plannerFolder();
  const std::string csv = csvFile("Mitarbeiter.csv", kGoodRows);
  open();
  EXPECT_EQ(shown(), S1);
  screenshot("de_s1");
  click(2);  // disabled: nothing happens
  EXPECT_EQ(shown(), S1);
  EXPECT_TRUE(hook.seen.empty());

  hook.answers = {chooseFolder(dialogFolder(data))};
  click(1);
  EXPECT_EQ(shown(), S2);
  EXPECT_EQ(GetFocus(), button(2));  // the next step's
  screenshot("de_s2");
  hook.answers = {chooseFile(dialogFile(csv))};
  click(2);
  EXPECT_EQ(shown(), S3);
  screenshot("de_s3");
  hook.answers = {press(IDOK)};
  click(3);
  EXPECT_EQ(shown(), S4);
  screenshot("de_s4");
  hook.answers = {screenshotThen("de_question", handle(), press(IDYES)), press(IDOK)};
  click(4);
  EXPECT_EQ(shown(), S5);
  EXPECT_EQ(GetFocus(), button(5));
  screenshot("de_s5");

  ASSERT_EQ(hook.seen.size(), 5u);
  EXPECT_EQ(hook.seen[0].text, L"Ordner mit Zentavo-Daten auswählen:");
  EXPECT_EQ(hook.seen[0].owner, handle());
  EXPECT_EQ(hook.seen[1].title, L"Mitarbeiterdaten importieren - Importdatei auswählen");
  EXPECT_EQ(hook.seen[1].fileType, L"CSV (Trennzeichen-getrennt) (*.csv)");
  EXPECT_EQ(hook.seen[1].folder, dialogFile(system.ownFolder));  // the program's own folder
  EXPECT_EQ(hook.seen[1].owner, handle());
  EXPECT_EQ(hook.seen[2], notice("Prüfen der Importdaten fehlerfrei"));
  EXPECT_EQ(hook.seen[3], question(kOverwriteQuestion));
  EXPECT_EQ(hook.seen[4], notice("Mitarbeiterdaten erfolgreich importiert"));
  const auto employees = readScrambledFile(data + "Mitarbeiterdaten.dat");
  ASSERT_EQ(employees.size(), 6u);
  EXPECT_EQ(employees[3],
            "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Berger, "
            "Anna:aberger");
  EXPECT_EQ(employees[4], "Verwaltung");

  const HWND shownWindow = handle();
  click(5);
  EXPECT_EQ(endStatus, 0);
  EXPECT_FALSE(IsWindow(shownWindow));
}

TEST_F(WindowTest, OpensStraightAtStepTwoAndImportsTheDemoPlannerData) {
  copyTree(std::filesystem::path(wide(DEMO_DIR)), testing_support::nativePath(folder.path()));
  const std::string data = folder.path() + "ZentavoDaten\\Data\\";
  writeSettings(data);
  open();
  EXPECT_EQ(shown(), S2);
  EXPECT_TRUE(hook.seen.empty());

  hook.answers = {chooseFile(dialogFile(folder.path() + "Personallader\\Mitarbeiter.csv")),
                  press(IDOK), press(IDYES), press(IDOK)};
  click(2);
  click(3);
  click(4);
  EXPECT_EQ(shown(), S5);
  ASSERT_EQ(hook.seen.size(), 4u);
  EXPECT_EQ(hook.seen[3], notice("Mitarbeiterdaten erfolgreich importiert"));
  const auto employees = readScrambledFile(data + "Mitarbeiterdaten.dat");
  ASSERT_EQ(employees.size(), 10u);  // three head lines, five employees, two text lines
  EXPECT_EQ(employees[9],
            "250201:999999:000,0:024,0:024,0:024,0:024,0:000,0:000,0:000,0:000,0:Nowak, "
            "Piotr:Nowak, Piotr");
}

TEST_F(WindowTest, CheckWithFaultsStaysAtStepThreeWhetherAnsweredYesOrNo) {
  writeSettings(plannerFolder());
  const std::string csv = csvFile("Fehler.csv",
                                  "Weiß, Jürgen;jweiss;15.03.2021;31.12.2019;0;30;30;30;30;2\r\n"
                                  "Lefèvre, Émile;elefevre;01.09.2023;;viel;30;30;30;30;0\r\n");
  open();
  hook.answers = {chooseFile(dialogFile(csv))};
  click(2);
  ASSERT_EQ(shown(), S3);
  hook.seen.clear();

  const std::string order =
      "Fehler in Zeile 1, Weiß, Jürgen\r\r'Von-Datum' ist größer als 'Bis-Datum'\r\r"
      "Möchten Sie fortsetzen?";
  hook.answers = {press(IDYES), press(IDYES), press(IDOK)};
  click(3);
  EXPECT_EQ(shown(), S3);
  ASSERT_EQ(hook.seen.size(), 3u);
  EXPECT_EQ(hook.seen[0], question(order));
  EXPECT_EQ(hook.seen[1], question("Fehler in Zeile 2, Lefèvre, Émile\r\rResturlaub viel nicht "
                                   "nummerisch\r\rMöchten Sie fortsetzen?"));
  EXPECT_EQ(hook.seen[2], notice("Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie "
                                 "die Fehler in den Importdaten und wiederholen Sie die Prüfung."));

  // No stops the check at once, without a verdict.
  hook.seen.clear();
  hook.answers = {press(IDNO)};
  click(3);
  EXPECT_EQ(shown(), S3);
  EXPECT_EQ(hook.seen, std::vector{question(order)});
}

TEST_F(WindowTest, CancelledDialogsAndNoToTheOverwriteQuestionLeaveTheStepOpen) {
  const std::string data = plannerFolder();
  const std::string csv = csvFile("Mitarbeiter.csv", kGoodRows);
  const std::string before = folder.read("Daten\\Mitarbeiterdaten.dat");
  open();
  hook.answers = {press(IDCANCEL)};
  click(1);
  EXPECT_EQ(shown(), S1);
  hook.answers = {chooseFolder(dialogFolder(data)), press(IDCANCEL)};
  click(1);
  pressKey(VK_RETURN);  // on the focused step button
  EXPECT_EQ(shown(), S2);
  EXPECT_EQ(hook.seen.size(), 3u);  // the dialogs only, no box
  pressKey(VK_TAB);                 // past the disabled buttons
  EXPECT_EQ(GetFocus(), button(5));

  hook.answers = {chooseFile(dialogFile(csv)), press(IDOK), press(IDNO)};
  click(2);
  click(3);
  click(4);
  EXPECT_EQ(shown(), S4);
  EXPECT_EQ(hook.seen.back(), question(kOverwriteQuestion));
  EXPECT_EQ(folder.read("Daten\\Mitarbeiterdaten.dat"), before);
}

TEST_F(WindowTest, RefusesAFolderWithoutPlannerData) {
  open();
  hook.answers = {chooseFolder(dialogFolder(folder.path())), press(IDOK)};
  click(1);
  EXPECT_EQ(shown(), S1);
  ASSERT_EQ(hook.seen.size(), 2u);
  std::string quoted = platform::codePageToUtf8(folder.path());
  quoted.pop_back();
  EXPECT_EQ(hook.seen[1],
            notice("Im Ordner '" + quoted + "' wurden keine Zentavo-Daten gefunden."));
}

TEST_F(WindowTest, AFatalMessageInAStepClosesTheWindowWithItsStatus) {
  const std::string data = plannerFolder();
  std::filesystem::remove(testing_support::nativePath(data + "Konfigdaten.dat"));
  writeSettings(data);
  const std::string csv = csvFile("Mitarbeiter.csv", kGoodRows);
  open();
  const HWND shownWindow = handle();
  hook.answers = {chooseFile(dialogFile(csv)), press(IDOK)};
  click(2);
  click(3);
  ASSERT_EQ(hook.seen.size(), 2u);
  EXPECT_EQ(hook.seen[1].icon, BoxIcon::kExclamation);
  EXPECT_EQ(hook.seen[1].buttons, std::vector{IDOK});
  EXPECT_EQ(endStatus, startup::kFatalExitStatus);
  EXPECT_FALSE(IsWindow(shownWindow));
}

}  // namespace
}  // namespace win32_testing
