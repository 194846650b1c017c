// The wizard window frmPersonallader without any drawing: its controls, their
// states and captions, and the step procedures that its five buttons run.
//
// The Win32 window and the terminal front-end draw this model and pass the
// clicks on; tests drive it directly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "importfile/check_outcome.h"
#include "wizard/employee_list_export.h"
#include "wizard/program_state.h"
#include "wizard/restore_backup.h"
#include "wizard/window_layout.h"

namespace wizard {

// The three step pictures, copied from the hidden templates imgInaktiv,
// imgPfeil and imgOK.
enum class StepPicture { kInactive, kArrow, kOK };

struct Frame {
  bool Enabled = true;
  std::string Caption;
  Rect rect;
};

struct Button {
  bool Enabled = true;
  std::string Caption;
  Rect rect;  // step buttons: inside their frame
};

struct Picture {
  StepPicture picture = StepPicture::kInactive;
  Rect rect;  // inside its frame
};

// The wizard's states S1 to S5: the step whose button is current, or the end.
enum class WizardState {
  kChooseDataFolder = 1,
  kChooseImportFile,
  kCheckImportData,
  kImport,
  kFinished,
};

// How step 4 ended, unless the program ended.
enum class ImportOutcome { kDeclined, kBusy, kImported };

// Which control changed; the index counts from 1 as the control arrays do.
enum class ControlKind { Frame, Button, Picture };
struct ControlChange {
  ControlKind kind;
  int index;
  bool operator==(const ControlChange&) const = default;
};

class frmPersonallader {
 public:
  explicit frmPersonallader(ProgramState& state);

  // Set by the front-end: the owner of the folder dialog, and who is told of
  // every change of a control, in order, while a step runs.
  std::intptr_t hWnd = 0;
  std::function<void(const ControlChange&)> onChange;

  std::string Caption;  // the window title
  int width = kClientWidth;
  int height = kClientHeight;
  bool unloaded = false;  // closed with the close button

  Frame& fraRahmen(int n) { return frames_.at(n - 1); }
  Button& cmdAuswahl(int index) { return buttons_.at(index - 1); }
  Picture& imgIcon(int index) { return pictures_.at(index - 1); }

  // True for the close button, and for a step button that is enabled in an
  // enabled frame; a click on any other button does nothing.
  bool canPress(int index);

  WizardState wizardState() const { return wizardState_; }
  // The outcome of the last check of step 3; kNotChecked before the first.
  const importfile::CheckOutcome& lastCheck() const { return state_.lastCheck; }

  // Once the data folder is known, a backup can be restored at any step.
  bool canRestore() const { return wizardState_ != WizardState::kChooseDataFolder; }
  // Lets the user pick a backup from the list of the backup folder's, or any
  // backup file through the file dialog, and restores from it; nothing when
  // the user cancels or no restore is offered yet.
  std::optional<RestoreOutcome> chooseBackupAndRestore();

  // While step 4 waits after a fault-free check, its change list can be shown.
  bool canShowChanges() const;
  // Shows the change list, whose Save button lets the user name a text file
  // for it; false when nothing can be shown.
  bool showChanges();
  // Lets the user name the change list's file and writes it; true once
  // written. A refused file gets its message and nothing.
  bool saveChangeList(const std::vector<std::string>& lines);

  // After a check that asked about faults, they can be saved as a report.
  bool canSaveFaultsReport() const { return !state_.lastCheck.faults.empty(); }
  // Lets the user name the report's file and writes it as a batch check's
  // report; true once written. A refused file gets its message and nothing.
  bool saveFaultsReport();
  // Once the data folder is known, the employee list can be exported.
  bool canExport() const { return canRestore(); }
  // Lets the user name the export's file and exports the list to it; nothing
  // when the user cancels or no export is offered yet. A refusal is shown.
  std::optional<ExportOutcome> chooseFileAndExport();

  void Form_Load();
  void cmdAuswahl_Click(int index);
  void Datenordner_checken();
  bool Importdatei_auswählen();
  const importfile::CheckOutcome& Importdatei_checken();
  ImportOutcome Mitarbeiterdaten_importieren();

  // The change from step `finished` to the next one (to the end after step 4).
  void completeStep(int finished);

 private:
  void setCaptions();
  void setPicture(int step, StepPicture picture);
  void setButton(int index, bool enabled);
  void setFrame(int step, bool enabled);
  // The question after a verdict with faults; Yes saves them.
  void offerFaultsReport();
  // The file the user names in the Save dialog, which starts in the import
  // file's folder; nothing when he cancels or `refused` gives the message shown.
  using TargetRefused = std::function<std::optional<std::string>(const std::string& path)>;
  std::optional<std::string> chooseTarget(const std::string& title, const std::string& filter,
                                          const std::string& name, const std::string& extension,
                                          const TargetRefused& refused);
  // The restore of a backup that the user names apart from the list: `named`
  // as he typed it, or, when empty, the file he picks in the file dialog.
  std::optional<RestoreOutcome> restoreOtherBackup(const std::string& named);

  ProgramState& state_;
  WizardState wizardState_ = WizardState::kChooseDataFolder;
  std::array<Frame, 4> frames_;
  std::array<Button, 5> buttons_;
  std::array<Picture, 4> pictures_;
};

}  // namespace wizard
