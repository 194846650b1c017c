// The commands that show a list in a box of their own: the change list of the
// last check, and the backups to restore from.
#include "hostfiles/backup_file.h"
#include "hostfiles/employee_data.h"
#include "startup/messages.h"
#include "wizard/change_list.h"
#include "wizard/operations.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_window.h"

namespace wizard {

bool frmPersonallader::canShowChanges() const {
  return wizardState_ == WizardState::kImport && hasChangeList(state_);
}

bool frmPersonallader::showChanges() {
  if (!canShowChanges()) return false;
  const auto changeList = lastChangeList(state_);
  // The import would end at reading the employee file: so does its list.
  if (!changeList) hostfiles::Mitarbeiterdaten_lesen(state_, state_.Datenpfad);
  const std::vector<std::string> lines = changeList.value_or(std::vector<std::string>());
  state_.dialogs->showLines(
      {.title = state_.Programmtitel + " - " + texts::changesDialogTitle(state_.language),
       .lines = lines,
       .saveCaption = texts::saveButton(state_.language),
       .closeCaption = texts::closeButton(state_.language),
       .save = [this, &lines] { saveChangeList(lines); }});
  return true;
}

bool frmPersonallader::saveChangeList(const std::vector<std::string>& lines) {
  const auto chosen = chooseTarget(
      texts::saveChangesDialogTitle(state_.language), texts::textFilter(state_.language),
      texts::changeListName(state_.language), "txt", [this](const std::string& path) {
        return changeListRefused(state_, path,
                                 {state_.Datenpfad, state_.Logpfad, state_.Importdatei});
      });
  if (!chosen) return false;
  writeChangeList(state_, *chosen, lines);
  return true;
}

std::optional<RestoreOutcome> frmPersonallader::chooseBackupAndRestore() {
  if (!canRestore()) return std::nullopt;
  const std::vector<BackupRow> backups = backupRows(state_);
  startup::ListChoiceRequest request{
      .title = state_.Programmtitel + " - " + texts::restoreDialogTitle(state_.language),
      .rows = {},
      .emptyText = noBackupsLine(state_),
      .chooseCaption = texts::restoreButton(state_.language),
      .otherCaption = texts::otherFileButton(state_.language),
      .cancelCaption = texts::cancelButton(state_.language)};
  for (const BackupRow& backup : backups) request.rows.push_back({backup.line, !backup.damaged});
  const startup::ListChoice choice = state_.dialogs->chooseFromList(request);
  switch (choice.kind) {
    case startup::ListChoice::Kind::kChosen:
      return restoreEmployeeFile(
          state_, hostfiles::backupFolder(state_.Datenpfad) + backups.at(choice.row).name);
    case startup::ListChoice::Kind::kOtherFile:
      return restoreOtherBackup(choice.otherFile);
    case startup::ListChoice::Kind::kCancelled:
      break;
  }
  return std::nullopt;
}

std::optional<RestoreOutcome> frmPersonallader::restoreOtherBackup(const std::string& named) {
  std::optional<std::string> chosen =
      named.empty() ? std::nullopt : std::optional(backupPath(state_, named));
  if (!chosen) {
    chosen = state_.dialogs->openFile(
        {.title = state_.Programmtitel + " - " + texts::restoreDialogTitle(state_.language),
         .filter = texts::backupFilter(state_.language),
         .startFolder = hostfiles::backupFolder(state_.Datenpfad),
         .fileMustExist = true});
    if (!chosen) return std::nullopt;
  }
  // The file dialog lets only existing files be chosen: a missing one lost characters.
  if (state_.system->pathKind(*chosen) == platform::PathKind::kMissing) {
    startup::notify(
        state_, texts::chosenFileMissing(state_.language, startup::Name_zitieren(state_, *chosen)));
    return std::nullopt;
  }
  return restoreEmployeeFile(state_, *chosen);
}

}  // namespace wizard
