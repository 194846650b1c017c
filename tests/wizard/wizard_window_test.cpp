#include "wizard/wizard_window.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "wizard/wizard_texts.h"

namespace wizard {
namespace {

using startup::Language;

const std::string S(1, platform::kSeparator);

// The enabled states and pictures of the four steps, as the state table has them.
struct StepState {
  bool frame, button;
  StepPicture picture;
  bool operator==(const StepState&) const = default;
};
using WindowState = std::array<StepState, 4>;

constexpr StepState kDone{true, false, StepPicture::kOK}, kCurrent{true, true, StepPicture::kArrow},
    kInactive{false, false, StepPicture::kInactive};
const WindowState S1{kCurrent, kInactive, kInactive, kInactive};
const WindowState S2{kDone, kCurrent, kInactive, kInactive};
const WindowState S3{kDone, kDone, kCurrent, kInactive};
const WindowState S4{kDone, kDone, kDone, kCurrent};

class WizardTest : public testing_support::StateTest {
 protected:
  WizardTest() {
    useLanguage(Language::DE);
    state.Programmtitel = "Mitarbeiterdaten importieren";
    form.onChange = [&](const ControlChange& change) { changes.push_back(change); };
  }

  WindowState window() {
    WindowState steps;
    for (int n = 1; n <= 4; ++n) {
      steps[n - 1] = {form.fraRahmen(n).Enabled, form.cmdAuswahl(n).Enabled,
                      form.imgIcon(n).picture};
    }
    EXPECT_TRUE(form.cmdAuswahl(5).Enabled);
    return steps;
  }

  frmPersonallader form{state};
  std::vector<ControlChange> changes;
};

TEST_F(WizardTest, OpensAtStepOneWithoutDataFolderWhereOnlyItsButtonAndCloseWork) {
  form.Form_Load();
  EXPECT_EQ(form.Caption, "Mitarbeiterdaten importieren");
  form.cmdAuswahl_Click(7);
  form.cmdAuswahl_Click(3);  // no file dialog, no check
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(window(), S1);
  EXPECT_FALSE(form.unloaded);
  form.cmdAuswahl_Click(5);
  EXPECT_TRUE(form.unloaded);
  state.Datenpfad = folder.path();  // a folder without data files
  frmPersonallader again(state);
  again.Form_Load();
  EXPECT_FALSE(again.cmdAuswahl(2).Enabled);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(WizardTest, OpensStraightAtStepTwoWhenTheSettingsNameADataFolder) {
  folder.write("xyzdata.DAT", "");
  folder.makeFolder("Logs");
  state.Datenpfad = folder.path();
  form.Form_Load();
  EXPECT_EQ(window(), S2);
  EXPECT_EQ(state.Logpfad, folder.path() + "Logs" + S);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(WizardTest, TransitionsChangeTheirControlsInOrder) {
  form.Form_Load();
  changes.clear();
  form.completeStep(1);
  EXPECT_EQ(changes, (std::vector<ControlChange>{{ControlKind::Picture, 1},
                                                 {ControlKind::Button, 1},
                                                 {ControlKind::Frame, 2},
                                                 {ControlKind::Picture, 2},
                                                 {ControlKind::Button, 2}}));
  form.completeStep(2);
  form.completeStep(3);
  EXPECT_EQ(window(), S4);
  changes.clear();
  form.completeStep(4);
  EXPECT_EQ(changes,
            (std::vector<ControlChange>{{ControlKind::Picture, 4}, {ControlKind::Button, 4}}));
  EXPECT_EQ(window(), (WindowState{kDone, kDone, kDone, kDone}));
}

// The captions themselves are the terminal transcripts' to show.
TEST_F(WizardTest, FrenchWidensTheWindowFramesAndButtons) {
  form.Form_Load();
  useLanguage(Language::FR);
  frmPersonallader french(state);
  french.Form_Load();
  EXPECT_EQ(french.width, form.width + 480);
  EXPECT_EQ(french.fraRahmen(4).rect.width, form.fraRahmen(4).rect.width + 480);
  EXPECT_EQ(french.cmdAuswahl(5).rect.width, form.cmdAuswahl(5).rect.width + 480);
  EXPECT_EQ(french.imgIcon(1).rect.width, form.imgIcon(1).rect.width);
}

// Quoting in each language is Name_zitieren's.
TEST_F(WizardTest, StepOneStaysWithoutPlannerDataAndSaysSo) {
  folder.makeFolder("leer");
  form.Form_Load();
  dialogs.folders.push_back(folder.file("leer"));
  form.cmdAuswahl_Click(1);
  EXPECT_EQ(dialogs.notices(), std::vector<std::string>{"Im Ordner '" + folder.file("leer") +
                                                        "' wurden keine Zentavo-Daten gefunden."});
  EXPECT_EQ(state.Datenpfad, folder.file("leer") + S);
  EXPECT_EQ(window(), S1);

  // A folder with planner data completes the step and settles the log folder.
  state.Logpfad = folder.path() + "missing" + S;
  testing_support::makePlannerData(folder.path(), {});
  dialogs.folders.push_back(folder.path());
  form.cmdAuswahl_Click(1);
  EXPECT_EQ(window(), S2);
  EXPECT_EQ(state.Logpfad, "");  // a log folder that does not exist is dropped
}

TEST_F(WizardTest, TheFileDialogStartsInTheProgramsFolderThenInTheFilesFolder) {
  system.ownFolder = folder.path() + "programm";
  form.Form_Load();
  form.completeStep(1);
  const std::string csv = folder.file("liste.csv");
  folder.write("liste.csv", "Name;Kennung\r\n");
  dialogs.files.push_back(csv);
  form.cmdAuswahl_Click(2);
  ASSERT_TRUE(dialogs.lastFileRequest);
  EXPECT_EQ(dialogs.lastFileRequest->startFolder, folder.path() + "programm");
  EXPECT_EQ(testing_support::readable(dialogs.lastFileRequest->title),
            "Mitarbeiterdaten importieren - Importdatei auswählen");
  EXPECT_EQ(dialogs.lastFileRequest->filter, "CSV (Trennzeichen-getrennt) (*.csv)|*.csv");
  EXPECT_TRUE(dialogs.lastFileRequest->fileMustExist);
  EXPECT_EQ(state.Importdatei, csv);
  EXPECT_EQ(state.Importordner, folder.path());
  EXPECT_EQ(window(), S3);
}

// A pipe or a device may never end, and a name that the code page could not
// hold names no file: step 2 says so and stays. A cancelled file dialog stays
// silently; a cancelled folder dialog is Datenordner_auswählen's.
TEST_F(WizardTest, StepTwoStaysWhenCancelledOrGivenWhatIsNoFileItCanRead) {
  form.Form_Load();
  form.completeStep(1);
  dialogs.files.push_back(std::nullopt);
  form.cmdAuswahl_Click(2);
  EXPECT_TRUE(dialogs.notices().empty());
  folder.makeFolder("ordner.csv");
  std::vector<std::string> refused = {folder.file("ordner.csv"),
                                      folder.file(startup::cp("?ód?.csv"))};
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(folder.file("pipe.csv").c_str(), 0600), 0);
  refused.push_back(folder.file("pipe.csv"));
#endif
  for (const std::string& path : refused) {
    dialogs.files.push_back(path);
    form.cmdAuswahl_Click(2);
  }
  EXPECT_EQ(window(), S2);
  EXPECT_EQ(state.Importdatei, "");
  const auto notices = dialogs.notices();
  ASSERT_EQ(notices.size(), refused.size());
  EXPECT_EQ(notices[0], "'" + folder.file("ordner.csv") +
                            "' ist keine gewöhnliche Datei. Wählen Sie eine CSV-Datei.");
  EXPECT_TRUE(notices[1].starts_with("Die Datei '" + folder.file("?ód?.csv") + "' kann nicht"));
}

}  // namespace
}  // namespace wizard
