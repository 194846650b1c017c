// The Windows dialogs behind the dialogs interface, answered through the hook.
#include <gtest/gtest.h>

#include "dialog_hook.h"
#include "dialogs_win.h"
#include "platform/codepage.h"
#include "support/temp_folder.h"

namespace win32_testing {
namespace {

class DialogsTest : public ::testing::Test {
 protected:
  win32ui::Win32Dialogs dialogs;
  testing_support::TempFolder folder;
  DialogHook hook;
};

TEST_F(DialogsTest, FolderDialogGivesADriveRootWithItsBackslashAndOtherFoldersWithout) {
  hook.answers = {chooseFolder(L"C:\\"), chooseFolder(platform::codePageToUtf16(folder.path())),
                  press(IDCANCEL)};
  EXPECT_EQ(dialogs.browseForFolder(0, "Ordner:"), "C:\\");
  EXPECT_EQ(dialogs.browseForFolder(0, "Ordner:"), folder.withoutSeparator());
  EXPECT_EQ(dialogs.browseForFolder(0, "Ordner:"), "");
  ASSERT_EQ(hook.seen.size(), 3u);
  EXPECT_EQ(hook.seen[0].text, L"Ordner:");
}

TEST_F(DialogsTest, FileDialogRefusesAMissingFileAndGivesNothingWhenCancelled) {
  folder.write("Liste.csv", "x");
  const startup::OpenFileRequest request{"Titel", "CSV (*.csv)|*.csv|Alle (*.*)|*.*", folder.path(),
                                         true};
  hook.answers = {chooseFile(platform::codePageToUtf16(folder.file("Liste.csv")))};
  EXPECT_EQ(dialogs.openFile(request), folder.file("Liste.csv"));
  ASSERT_EQ(hook.seen.size(), 1u);
  EXPECT_EQ(hook.seen[0].title, L"Titel");
  EXPECT_EQ(hook.seen[0].fileType, L"CSV (*.csv)");

  // The dialog answers a missing file with a box of its own and stays open.
  hook.answers = {chooseFile(platform::codePageToUtf16(folder.file("Fehlt.csv"))), press(IDOK),
                  press(IDCANCEL)};
  EXPECT_EQ(dialogs.openFile(request), std::nullopt);
  EXPECT_EQ(hook.seen.size(), 4u);
}

}  // namespace
}  // namespace win32_testing
