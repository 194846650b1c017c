#include "wizard/restore_backup.h"

#include "hostfiles/backup_file.h"
#include "hostfiles/change_preview.h"
#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "hostfiles/planner_texts.h"
#include "startup/messages.h"
#include "wizard/planner_writes.h"
#include "wizard/wizard_texts.h"

namespace wizard {

namespace {

std::string fileName(const std::string& path) {
  return path.substr(path.rfind(platform::kSeparator) + 1);
}

// What the restore changes, empty when the present employee file cannot be read.
std::string changes(wizard::ProgramState& state, const hostfiles::SavedBackup& saved) {
  const auto preview = hostfiles::previewChanges(
      state, state.Datenpfad, hostfiles::EntryList<std::string>(saved.employees));
  if (!preview) return {};
  return hostfiles::texts::previewParagraph(state.language, hostfiles::texts::Replacement::kRestore,
                                            *preview);
}

// The present settings line with the backup's fraction flag.
std::string withSavedFlag(std::string settings, const std::string& saved) {
  if (settings.size() > hostfiles::kFractionFlag && saved.size() > hostfiles::kFractionFlag) {
    settings[hostfiles::kFractionFlag] = saved[hostfiles::kFractionFlag];
  }
  return settings;
}

void restore(wizard::ProgramState& state, const std::string& settings,
             const hostfiles::SavedBackup& saved, const std::string& name) {
  replacePlannerData(
      state, {.presentSettings = settings,
              .settings = withSavedFlag(settings, saved.settingsLine),
              .writeEmployees =
                  [&] { hostfiles::writeEmployeeFile(state, state.Datenpfad, saved.employeeFile); },
              .backupFailed = texts::backupBeforeRestoreFailed(state.language),
              .logEntry = texts::restoredLogEntry(state.language, name),
              .success = texts::restored(state.language),
              .employees = hostfiles::employeeCount(saved.employees)});
}

}  // namespace

RestoreOutcome restoreEmployeeFile(wizard::ProgramState& state, const std::string& path) {
  return startup::guarded(state, "frmPersonallader - Sicherung_wiederherstellen", [&] {
    const auto lock = lockDataFolder(state, state.Datenpfad);
    if (lock == nullptr) return RestoreOutcome::kBusy;
    const hostfiles::Configuration configuration =
        hostfiles::Konfigdaten_lesen(state, state.Datenpfad);
    state.Adminstatus = configuration.adminStatus;
    if (state.Adminstatus != 2) {
      startup::notify(state, texts::restoreNotPermitted(state.language));
      return RestoreOutcome::kNotAdministrator;
    }
    const std::string name = fileName(path);
    const std::string quoted = startup::Name_zitieren(state, name);
    const hostfiles::SavedBackup saved = hostfiles::readBackup(state, path);
    if (saved.damage) {
      startup::notify(state, texts::cannotRestore(state.language, quoted, saved.damage));
      return RestoreOutcome::kRefused;
    }
    if (!startup::overwriteConfirmed(
            state, texts::restoreQuestion(state.language, quoted, changes(state, saved)))) {
      return RestoreOutcome::kDeclined;
    }
    restore(state, configuration.settingsLine, saved, name);
    return RestoreOutcome::kRestored;
  });
}

std::vector<BackupRow> backupRows(wizard::ProgramState& state) {
  return startup::guarded(state, "frmPersonallader - backupList", [&] {
    std::vector<BackupRow> rows;
    const std::string folder = hostfiles::backupFolder(state.Datenpfad);
    for (const std::string& name : hostfiles::backupNames(state, state.Datenpfad)) {
      const hostfiles::SavedBackup saved = hostfiles::readBackup(state, folder + name);
      rows.push_back({name,
                      texts::backupLine(state.language, name, saved.damage,
                                        hostfiles::employeeCount(saved.employees)),
                      static_cast<bool>(saved.damage)});
    }
    return rows;
  });
}

std::string noBackupsLine(const wizard::ProgramState& state) {
  return texts::noBackups(state.language,
                          startup::Name_zitieren(state, hostfiles::backupFolder(state.Datenpfad)));
}

std::vector<std::string> backupList(wizard::ProgramState& state) {
  std::vector<std::string> lines;
  for (BackupRow& row : backupRows(state)) lines.push_back(std::move(row.line));
  if (lines.empty()) lines.push_back(noBackupsLine(state));
  return lines;
}

}  // namespace wizard
