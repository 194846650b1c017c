// The steps of the wizard through the real window and its real dialogs: one
// full flow with its undo from the system menu, the keyboard, and the fatal
// end. The rules of the steps and of the restore are the model's tests.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "startup/messages.h"
#include "support/planner_files.h"
#include "window_fixture.h"

namespace win32_testing {
namespace {

// A folder as the folder dialog takes it: without its trailing backslash.
std::wstring dialogFolder(std::string folder) {
  folder.pop_back();
  return platform::codePageToUtf16(folder);
}

// The restore entry of the window's system menu: its text while it is offered.
std::wstring restoreEntry(HWND window) {
  const HMENU menu = GetSystemMenu(window, FALSE);
  wchar_t text[64] = {};
  GetMenuStringW(menu, win32ui::kRestoreBackupCommand, text, 64, MF_BYCOMMAND);
  const UINT state = GetMenuState(menu, win32ui::kRestoreBackupCommand, MF_BYCOMMAND);
  return state == MF_GRAYED ? L"greyed" : state == MF_ENABLED ? text : L"missing";
}

const std::string kGoodRows =
    "Berger, Anna;aberger;01.01.2017;;5;30;30;30;30;0\r\n"
    ">Verwaltung;;;;;;;;;\r\n"
    "Weiß, Jürgen;jweiss;15.03.2021;31.12.2027;2,5;30;30;30;30;2\r\n";

TEST_F(WindowTest, ImportsFromStepOneToTheEndAndUndoesItWithScreenshotsOfEveryState) {
  const std::string data = plannerFolder();
  const std::string employees = data + "Mitarbeiterdaten.dat";
  const auto before = testing_support::readScrambledFile(employees);
  const std::string csv = csvFile("Mitarbeiter.csv", kGoodRows);
  open();
  EXPECT_EQ(shownStep(), 1);
  EXPECT_EQ(restoreEntry(handle()), L"greyed");
  screenshot("de_s1");
  hook.answers = {chooseFolder(dialogFolder(data))};
  click(1);
  EXPECT_EQ(shownStep(), 2);
  EXPECT_EQ(restoreEntry(handle()), L"Sicherung wiederherstellen …");
  EXPECT_EQ(GetFocus(), button(2));  // the next step's
  screenshot("de_s2");
  hook.answers = {chooseFile(platform::codePageToUtf16(csv))};
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
  EXPECT_EQ(testing_support::readScrambledFile(employees).size(), 6u);

  // The import's backup, chosen in the dialog of the system menu's entry, undoes it.
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    saveScreenshot("de_restore_menu", GetActiveWindow());
    EndMenu();
  });
  SendMessageW(handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');  // Alt+Space: the menu to look at
  const auto backups = testing_support::nativePath(data + "Backups");
  hook.answers = {chooseFile(std::filesystem::directory_iterator(backups)->path().filename()),
                  press(IDYES), press(IDOK)};
  SendMessageW(handle(), WM_SYSCOMMAND, win32ui::kRestoreBackupCommand, 0);
  EXPECT_EQ(testing_support::readScrambledFile(employees), before);

  ASSERT_EQ(hook.seen.size(), 8u);
  EXPECT_EQ(hook.seen[0].text, L"Ordner mit Zentavo-Daten auswählen:");
  EXPECT_EQ(hook.seen[0].owner, handle());
  EXPECT_EQ(hook.seen[1].owner, handle());
  // The box gives back its text as given; it breaks a line at each lone CR.
  EXPECT_EQ(hook.seen[2],
            notice("Prüfen der Importdaten fehlerfrei\r\rBeim Import: neu 2, "
                   "entfallen 1, geändert 0, unverändert 0\rEntfallen: Alt, Anton (aalt)"));
  EXPECT_EQ(hook.seen[3],
            question("Es sind bereits Mitarbeiterdaten vorhanden. Diese werden durch die zu "
                     "importierenden Mitarbeiterdaten überschrieben.\r\rMöchten Sie fortsetzen?"));
  EXPECT_EQ(hook.seen[5].folder, backups.wstring());
  EXPECT_EQ(hook.seen[5].fileType, L"Sicherungen (*.dat)");

  const HWND shownWindow = handle();
  click(5);
  EXPECT_EQ(endStatus, 0);
  EXPECT_FALSE(IsWindow(shownWindow));
}

TEST_F(WindowTest, TheKeysPressAndPassTheStepsAndAFatalMessageClosesTheWindowWithItsStatus) {
  const std::string data = plannerFolder();
  std::filesystem::remove(testing_support::nativePath(data + "Konfigdaten.dat"));
  const std::string csv = csvFile("Mitarbeiter.csv", kGoodRows);
  open();
  const HWND shownWindow = handle();
  hook.answers = {chooseFolder(dialogFolder(data)), chooseFile(platform::codePageToUtf16(csv)),
                  press(IDOK)};
  click(1);
  pressKey(VK_RETURN);  // step 2's button has the focus
  EXPECT_EQ(shownStep(), 3);
  pressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), button(5));
  click(3);  // the settings are missing
  ASSERT_EQ(hook.seen.size(), 3u);
  EXPECT_EQ(hook.seen[2].icon, BoxIcon::kExclamation);
  EXPECT_EQ(hook.seen[2].buttons, std::vector{IDOK});
  EXPECT_EQ(endStatus, startup::kFatalExitStatus);
  EXPECT_FALSE(IsWindow(shownWindow));
}

}  // namespace
}  // namespace win32_testing
