// The steps of the wizard through the real window and its real dialogs: one
// full flow with its undo from the system menu, the keyboard, and the fatal
// end. The rules of the steps and of the restore are the model's tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "console/wizard_runs.h"
#include "importfile/faults_report.h"
#include "list_dialogs_win.h"
#include "modal_dialog_win.h"
#include "platform/codepage.h"
#include "startup/messages.h"
#include "support/planner_files.h"
#include "window_fixture.h"

namespace win32_testing {
namespace {

// Presses `key` on the dialog's control with the focus, through its dialog keys.
Answer pressKeyInDialog(UINT key) {
  return [key](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); };
}

std::string utf8(const std::wstring& text) {
  return platform::codePageToUtf8(platform::utf16ToCodePage(text));
}

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

  // The import's backup, chosen in the list of the system menu's entry, undoes it.
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    saveScreenshot("de_restore_menu", GetActiveWindow());
    EndMenu();
  });
  SendMessageW(handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');  // Alt+Space: the menu to look at
  // The newest backup that can be restored is selected, and Enter restores it.
  hook.answers = {screenshotThen("de_backups", handle(), pressKeyInDialog(VK_RETURN)), press(IDYES),
                  press(IDOK)};
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
          {screenshotThen("de_export_save", handle(),
                          chooseFile(platform::codePageToUtf16(folder.file("Export.csv")))),
           press(IDOK)});
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

// The boxes of the change list and of the backups show what the batch
// commands print for the same data; the change list is saved as the dry-run's
// lines are written; a damaged backup cannot be chosen.
TEST_F(FlowTest, TheChangesAndTheBackupsShowWhatTheBatchCommandsPrint) {
  const auto batch = [this](console::BatchCommand command) {
    console::BatchOptions options;
    options.command = command;
    options.dataFolder = data;
    options.importFile = folder.file("Mitarbeiter.csv");
    options.dryRun = true;
    std::ostringstream out;
    console::runBatch(system, startup::Language::DE, options, out);
    return out.str();
  };
  const auto changesMenu = [this] {
    return GetMenuState(GetSystemMenu(handle(), FALSE), win32ui::kShowChangesCommand, MF_BYCOMMAND);
  };
  open();
  hook.answers = {chooseFolder(platform::codePageToUtf16(data)), chooseFile(csv), press(IDOK)};
  click(1);
  click(2);
  EXPECT_EQ(changesMenu(), MF_GRAYED);
  click(3);
  EXPECT_EQ(changesMenu(), MF_ENABLED);
  std::string shown;
  hook.answers = {[&](HWND box) {
                    shown = utf8(textOf(GetDlgItem(box, win32ui::kDialogContent)));
                    saveScreenshot("de_changes", handle(), box);
                    press(win32ui::kSaveButton)(box);
                  },
                  chooseFile(platform::codePageToUtf16(folder.file("Liste.txt"))),
                  pressKeyInDialog(VK_ESCAPE)};
  SendMessageW(handle(), WM_SYSCOMMAND, win32ui::kShowChangesCommand, 0);
  EXPECT_EQ(folder.read("Liste.txt"), "\xEF\xBB\xBF" + shown);
  std::erase(shown, '\r');
  EXPECT_TRUE(batch(console::BatchCommand::kImport).ends_with("\n" + shown)) << shown;

  hook.answers = {press(IDYES), press(IDOK)};
  click(4);
  EXPECT_EQ(changesMenu(), MF_GRAYED);
  folder.write("Daten" + std::string(1, platform::kSeparator) + "Backups" + platform::kSeparator +
                   "261203 080000 A.dat",
               "damaged\r\n");
  std::string rows;
  bool damagedChoosable = true;
  hook.answers = {[&](HWND box) {
    const HWND list = GetDlgItem(box, win32ui::kDialogContent);
    for (LRESULT row = 0; row < SendMessageW(list, LB_GETCOUNT, 0, 0); ++row) {
      std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L'\0');
      SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
      rows += utf8(text) + "\n";
    }
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(win32ui::kDialogContent, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    damagedChoosable = IsWindowEnabled(GetDlgItem(box, IDOK));
    press(IDCANCEL)(box);
  }};
  SendMessageW(handle(), WM_SYSCOMMAND, win32ui::kRestoreBackupCommand, 0);
  EXPECT_EQ(rows, batch(console::BatchCommand::kBackups));
  EXPECT_FALSE(damagedChoosable);
}

// The backups' box in French at 150 %: the window's font for that DPI and
// every caption whole; its other button opens the file dialog.
TEST_F(FlowTest, TheBackupsInFrenchAt150PercentShowEveryCaptionWhole) {
  open(startup::Language::FR);
  hook.answers = {chooseFolder(platform::codePageToUtf16(data)), chooseFile(csv), press(IDOK),
                  press(IDYES), press(IDOK)};
  for (int step = 1; step <= 4; ++step) click(step);
  hook.answers = {[this](HWND box) {
                    RECT place;
                    GetWindowRect(box, &place);
                    SendMessageW(box, WM_DPICHANGED, MAKEWPARAM(144, 144),
                                 reinterpret_cast<LPARAM>(&place));
                    settle(100);
                    for (const int id : {IDOK, win32ui::kOtherFileButton, IDCANCEL}) {
                      const HWND button = GetDlgItem(box, id);
                      LOGFONTW font{};
                      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)),
                                 sizeof(font), &font);
                      EXPECT_EQ(font.lfHeight, win32ui::fontHeight(144));
                      RECT inside;
                      GetClientRect(button, &inside);
                      EXPECT_LT(win32ui::textWidth(box, {textOf(button)}) + 8, inside.right);
                    }
                    saveScreenshot("fr_backups_150_percent", handle(), box);
                    press(win32ui::kOtherFileButton)(box);
                  },
                  press(IDCANCEL)};
  SendMessageW(handle(), WM_SYSCOMMAND, win32ui::kRestoreBackupCommand, 0);
  EXPECT_EQ(hook.seen.back().title,
            platform::codePageToUtf16(state.Programmtitel) + L" - Restaurer une Sauvegarde");
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
