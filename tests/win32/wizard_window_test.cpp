// The steps of the wizard through the real window and its real dialogs: one
// full flow with its undo from the system menu, the keyboard, and the fatal
// end. The rules of the steps and of the restore are the model's tests.
#include <gtest/gtest.h>

#include <filesystem>

#include "importfile/faults_report.h"
#include "platform/codepage.h"
#include "startup/messages.h"
#include "support/planner_files.h"
#include "window_fixture.h"

namespace win32_testing {
namespace {

// A planner data folder with one employee, and beside it a CSV file in the
// code page that replaces him by two others.
class FlowTest : public WindowTest {
 protected:
  FlowTest() {
    folder.makeFolder("Daten");
    testing_support::PlannerData planner;
    planner.employees = {
        "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Alt, Anton:aalt"};
    testing_support::makePlannerData(data, planner);
    folder.write("Mitarbeiter.csv",
                 platform::utf8ToCodePage("Name;Benutzername;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n"
                                          "Berger, Anna;aberger;01.01.2017;;5;30;30;30;30;0\r\n"
                                          "Weiß, Jürgen;jweiss;15.03.2021;;2,5;30;30;30;30;2\r\n"));
  }

  const std::string data = folder.file("Daten") + platform::kSeparator;
  const std::wstring csv = platform::codePageToUtf16(folder.file("Mitarbeiter.csv"));
};

TEST_F(FlowTest, ImportsFromStepOneToTheEndAndUndoesItWithScreenshotsOfEveryState) {
  const std::string employees = data + "Mitarbeiterdaten.dat";
  const auto before = testing_support::readScrambledFile(employees);
  open();
  const HMENU systemMenu = GetSystemMenu(handle(), FALSE);
  EXPECT_EQ(GetMenuState(systemMenu, win32ui::kRestoreBackupCommand, MF_BYCOMMAND), MF_GRAYED);
  hook.answers = {chooseFolder(platform::codePageToUtf16(data))};
  click(1);
  EXPECT_EQ(shownStep(), 2);
  EXPECT_EQ(GetMenuState(systemMenu, win32ui::kRestoreBackupCommand, MF_BYCOMMAND), MF_ENABLED);
  EXPECT_EQ(GetFocus(), button(2));  // the next step's
  screenshot("de_s2");
  hook.answers = {chooseFile(csv)};
  click(2);
  EXPECT_EQ(shownStep(), 3);
  screenshot("de_s3");
  hook.answers = {screenshotThen("de_s3_preview", handle(), press(IDOK))};
  click(3);
  EXPECT_EQ(shownStep(), 4);
  screenshot("de_s4");
  hook.answers = {screenshotThen("de_question", handle(), press(IDYES)), press(IDOK)};
  click(4);
  EXPECT_EQ(shownStep(), 5);
  EXPECT_EQ(GetFocus(), button(5));
  screenshot("de_s5");
  EXPECT_EQ(testing_support::readScrambledFile(employees).size(), 5u);

  // The import's backup, chosen in the dialog of the system menu's entry, undoes it.
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    saveScreenshot("de_restore_menu", GetActiveWindow());
    EndMenu();
  });
  SendMessageW(handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');  // Alt+Space: the menu to look at
  // Its dialog opens in the folder of the backups, so that their name is enough.
  const auto backups = testing_support::nativePath(data + "Backups");
  hook.answers = {chooseFile(std::filesystem::directory_iterator(backups)->path().filename()),
                  press(IDYES), press(IDOK)};
  SendMessageW(handle(), WM_SYSCOMMAND, win32ui::kRestoreBackupCommand, 0);
  EXPECT_EQ(testing_support::readScrambledFile(employees), before);

  ASSERT_EQ(hook.seen.size(), 8u);
  for (const SeenDialog& seen : hook.seen) EXPECT_EQ(seen.owner, handle()) << seen.title;
  // The box gives back its text as given; it breaks a line at each lone CR.
  EXPECT_EQ(hook.seen[2].text,
            L"Prüfen der Importdaten fehlerfrei\r\rBeim Import: neu 2, entfallen 1, geändert 0, "
            L"unverändert 0\rEntfallen: Alt, Anton (aalt)");
  EXPECT_EQ(hook.seen[2].icon, LoadIconW(nullptr, IDI_EXCLAMATION));
  EXPECT_EQ(hook.seen[2].buttons, std::vector{IDOK});
  EXPECT_EQ(hook.seen[3].title, platform::codePageToUtf16(state.Programmtitel));
  EXPECT_EQ(hook.seen[3].icon, LoadIconW(nullptr, IDI_QUESTION));
  EXPECT_EQ(hook.seen[3].buttons, (std::vector{IDYES, IDNO}));
  EXPECT_EQ(hook.seen[3].defaultButton, IDNO);

  const HWND shownWindow = handle();
  click(5);
  EXPECT_EQ(endStatus, 0);
  EXPECT_FALSE(IsWindow(shownWindow));
}

// The entries that write a file do so only when they can act, and write what
// the batch commands write for the same data.
TEST_F(FlowTest, TheMenuExportsTheListAndSavesTheFaultsAsTheBatchCommandsDo) {
  folder.write("Fehler.csv",
               "Name;Benutzername;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n"
               "Berger, Anna;ab;32.01.2017;;5;30;30;30;30;0\r\n");
  const auto menuState = [this](UINT command) {
    return GetMenuState(GetSystemMenu(handle(), FALSE), command, MF_BYCOMMAND);
  };
  const auto command = [this](UINT id, std::deque<Answer> answers) {
    hook.answers = std::move(answers);
    SendMessageW(handle(), WM_SYSCOMMAND, id, 0);
  };
  open();
  EXPECT_EQ(menuState(win32ui::kExportCommand), MF_GRAYED);
  hook.answers = {chooseFolder(platform::codePageToUtf16(data))};
  click(1);
  EXPECT_EQ(menuState(win32ui::kExportCommand), MF_ENABLED);
  EXPECT_EQ(menuState(win32ui::kSaveFaultsReportCommand), MF_GRAYED);
  command(win32ui::kExportCommand,
          {chooseFile(platform::codePageToUtf16(folder.file("Export.csv"))), press(IDOK)});
  hook.answers = {press(IDOK)};
  wizard::exportEmployeeList(state, {data, state.Logpfad, folder.file("batch.csv")});
  EXPECT_EQ(folder.read("Export.csv"), folder.read("batch.csv"));

  hook.answers = {chooseFile(platform::codePageToUtf16(folder.file("Fehler.csv")))};
  click(2);
  hook.answers = {press(IDYES), press(IDOK), press(IDNO)};  // the fault, the verdict, no report
  click(3);
  EXPECT_EQ(menuState(win32ui::kSaveFaultsReportCommand), MF_ENABLED);
  command(win32ui::kSaveFaultsReportCommand,
          {chooseFile(platform::codePageToUtf16(folder.file("Bericht.csv")))});
  importfile::writeFaultsReport(state, folder.file("batch.csv"), form->lastCheck().faults);
  EXPECT_EQ(folder.read("Bericht.csv"), folder.read("batch.csv"));
  EXPECT_EQ(hook.seen.back().title,
            platform::codePageToUtf16(state.Programmtitel) + L" - Fehlerbericht speichern");
}

TEST_F(FlowTest, TheKeysPressAndPassTheStepsAndAFatalMessageClosesTheWindowWithItsStatus) {
  std::filesystem::remove(testing_support::nativePath(data + "Konfigdaten.dat"));
  open();
  const HWND shownWindow = handle();
  hook.answers = {chooseFolder(platform::codePageToUtf16(data)), chooseFile(csv), press(IDOK)};
  click(1);
  pressKey(VK_RETURN);  // step 2's button has the focus
  EXPECT_EQ(shownStep(), 3);
  pressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), button(5));
  click(3);  // the settings are missing
  EXPECT_EQ(hook.seen.size(), 3u);
  EXPECT_EQ(endStatus, startup::kFatalExitStatus);
  EXPECT_FALSE(IsWindow(shownWindow));
}

}  // namespace
}  // namespace win32_testing
