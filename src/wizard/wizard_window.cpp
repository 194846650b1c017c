#include "wizard/wizard_window.h"

#include "hostfiles/configuration_data.h"
#include "importfile/check_texts.h"
#include "importfile/import_check.h"
#include "startup/data_folder.h"
#include "startup/folders.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

using startup::Language;

namespace {

// True, after telling the user why, unless `path` names a file (hidden or not)
// that can be read as the import file. A folder, a device or a pipe is none (a
// pipe or a device may never end), and neither is a name that the code page
// could not hold (its lost characters show as "?"), which names no file that
// the program can open.
bool refusedAsImportFile(const startup::Context& context, const std::string& path) {
  using platform::PathKind;
  const PathKind kind = context.system->pathKind(path);
  if (kind == PathKind::kNormalFile || kind == PathKind::kHiddenFile) return false;
  const std::string q = startup::Name_zitieren(context, path);
  startup::notify(context, kind == PathKind::kMissing
                               ? texts::chosenFileMissing(context.language, q)
                               : texts::notAPlainFile(context.language, q));
  return true;
}

}  // namespace

frmPersonallader::frmPersonallader(wizard::ProgramState& state) : state_(state) {
  for (int n = 1; n <= 4; ++n) {
    fraRahmen(n).rect = frameRect(n);
    cmdAuswahl(n).rect = kStepButtonRect;
    imgIcon(n).rect = kStepPictureRect;
  }
  cmdAuswahl(5).rect = kCloseButtonRect;
  setCaptions();
}

// The window's built-in captions are German; any other code keeps them.
void frmPersonallader::setCaptions() {
  const Language language = state_.language == Language::Other ? Language::DE : state_.language;
  for (int n = 1; n <= 4; ++n) fraRahmen(n).Caption = texts::frameCaption(language, n);
  for (int i = 1; i <= 5; ++i) cmdAuswahl(i).Caption = texts::buttonCaption(language, i);
}

void frmPersonallader::setPicture(int step, StepPicture picture) {
  imgIcon(step).picture = picture;
  if (onChange) onChange({ControlKind::Picture, step});
}

void frmPersonallader::setButton(int index, bool enabled) {
  cmdAuswahl(index).Enabled = enabled;
  if (onChange) onChange({ControlKind::Button, index});
}

void frmPersonallader::setFrame(int step, bool enabled) {
  fraRahmen(step).Enabled = enabled;
  if (onChange) onChange({ControlKind::Frame, step});
}

void frmPersonallader::Form_Load() {
  startup::guarded(state_, "frmPersonallader - Form_Load", [&] {
    Caption = state_.Programmtitel;
    if (state_.language == Language::FR) {
      width += kFrenchWidening;
      for (int n = 1; n <= 4; ++n) fraRahmen(n).rect.width += kFrenchWidening;
      for (int i = 1; i <= 5; ++i) cmdAuswahl(i).rect.width += kFrenchWidening;
    }
    setPicture(1, StepPicture::kArrow);
    for (int step = 2; step <= 4; ++step) {
      setFrame(step, false);
      setPicture(step, StepPicture::kInactive);
      setButton(step, false);
    }
    // A data folder from the planner's settings that cannot be read opens step 1 too.
    bool planned = false;
    try {
      planned = !state_.Datenpfad.empty() && startup::holdsPlannerData(state_, state_.Datenpfad);
    } catch (const startup::RunTimeError&) {
    }
    if (planned) Datenordner_checken();
  });
}

bool frmPersonallader::canPress(int index) {
  if (index == 5) return true;
  return index >= 1 && index <= 4 && cmdAuswahl(index).Enabled && fraRahmen(index).Enabled;
}

void frmPersonallader::cmdAuswahl_Click(int index) {
  if (!canPress(index)) return;
  switch (index) {
    case 1: {
      // A cancelled choice leaves no data folder.
      const auto chosen = startup::Datenordner_auswählen(state_, hWnd);
      state_.Datenpfad = chosen.value_or("");
      if (chosen) Datenordner_checken();
      break;
    }
    case 2:
      Importdatei_auswählen();
      break;
    case 3:
      if (Importdatei_checken().verdict == importfile::Verdict::kFaultsFound) offerFaultsReport();
      break;
    case 4:
      Mitarbeiterdaten_importieren();
      break;
    case 5:
      unloaded = true;
      break;
  }
}

void frmPersonallader::completeStep(int finished) {
  wizardState_ = static_cast<WizardState>(finished + 1);
  setPicture(finished, StepPicture::kOK);
  setButton(finished, false);
  if (finished == 4) return;
  setFrame(finished + 1, true);
  setPicture(finished + 1, StepPicture::kArrow);
  setButton(finished + 1, true);
}

void frmPersonallader::Datenordner_checken() {
  startup::guarded(state_, "frmPersonallader - Datenordner_checken", [&] {
    if (!startup::holdsPlannerData(state_, state_.Datenpfad)) {
      startup::notify(state_, texts::noDataFound(state_.language,
                                                 startup::Name_zitieren(state_, state_.Datenpfad)));
      return;
    }
    if (state_.Logpfad.empty()) state_.Logpfad = state_.Datenpfad + "Logs" + platform::kSeparator;
    if (!startup::Ordner_vorhanden(state_, state_.Logpfad)) state_.Logpfad.clear();
    completeStep(1);
  });
}

// Only an administrator may check, as only one may import.
const importfile::CheckOutcome& frmPersonallader::Importdatei_checken() {
  state_.lastCheck = startup::guarded(state_, "frmPersonallader - Importdatei_checken", [&] {
    state_.Adminstatus = hostfiles::Konfigdaten_lesen(state_, state_.Datenpfad).adminStatus;
    if (state_.Adminstatus == 2) {
      return importfile::Importdatei_checken(
          state_, {.Importdatei = state_.Importdatei, .dataFolder = state_.Datenpfad});
    }
    startup::notify(state_, importfile::texts::notAdministrator(state_.language));
    return importfile::CheckOutcome{};
  });
  if (state_.lastCheck.verdict == importfile::Verdict::kFaultFree) completeStep(3);
  return state_.lastCheck;
}

bool frmPersonallader::Importdatei_auswählen() {
  return startup::guarded(state_, "frmPersonallader - Importdatei_auswählen", [&] {
    if (state_.Importordner.empty()) state_.Importordner = state_.system->executableFolder();
    startup::OpenFileRequest request;
    request.title = state_.Programmtitel + " - " + texts::importFileDialogTitle(state_.language);
    request.filter = texts::csvFilter(state_.language);
    request.startFolder = state_.Importordner;
    request.fileMustExist = true;
    const auto chosen = state_.dialogs->openFile(request);
    if (!chosen || refusedAsImportFile(state_, *chosen)) return false;
    state_.Importdatei = *chosen;
    state_.Importordner = startup::ParentDir(state_.Importdatei);
    if (state_.Importdatei.empty()) return false;
    completeStep(2);
    return true;
  });
}

}  // namespace wizard
