#include "hostfiles/backup_file.h"

#include <algorithm>
#include <charconv>

#include "hostfiles/employee_data.h"
#include "hostfiles/file_channel.h"
#include "startup/run_time_error.h"

namespace hostfiles {

namespace {

constexpr std::string_view kBackupHeader = "[ZentavoBackup]";
constexpr std::string_view kConfigurationFile = "Konfigdaten.dat";
constexpr std::string_view kSettingsHeader = "[Settings]";

// The text inside "[...]", nothing for another line.
std::optional<std::string_view> bracketed(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return line.substr(1, line.size() - 2);
}

std::optional<std::size_t> lineCount(std::string_view line) {
  const auto inside = bracketed(line);
  std::size_t count = 0;
  if (!inside || inside->empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(inside->data(), inside->data() + inside->size(), count);
  if (error != std::errc() || end != inside->data() + inside->size()) return std::nullopt;
  return count;
}

// The plain lines of the saved files that a restore needs.
struct Kept {
  std::optional<std::vector<std::string>> employeeFile;
  std::optional<std::vector<std::string>> configurationFile;
};

// Reads the saved files after the header, keeping the lines of those two.
BackupDamage readSavedFiles(FileChannel& channel, Kept& kept) {
  while (!channel.atEnd()) {
    const std::string name(bracketed(unscrambledLine(channel)).value_or(""));
    if (name.empty()) return BackupDamage::kBadLine;
    if (channel.atEnd()) return BackupDamage::kCutShort;
    const auto count = lineCount(unscrambledLine(channel));
    if (!count) return BackupDamage::kBadLine;
    std::optional<std::vector<std::string>>* lines = name == kEmployeeDataFile ? &kept.employeeFile
                                                     : name == kConfigurationFile
                                                         ? &kept.configurationFile
                                                         : nullptr;
    if (lines != nullptr) lines->emplace();
    for (std::size_t i = 0; i < *count; ++i) {
      if (channel.atEnd()) return BackupDamage::kCutShort;
      std::string line = unscrambledLine(channel);
      if (lines != nullptr) (*lines)->push_back(std::move(line));
    }
  }
  return BackupDamage::kNone;
}

BackupDamage readKept(startup::ProgramState& state, const std::string& path, Kept& kept) {
  FileChannel channel;
  if (state.system->pathKind(path) != platform::PathKind::kNormalFile ||
      !channel.open(*state.system, path, Modus::Input)) {
    return BackupDamage::kUnreadable;
  }
  try {
    if (channel.atEnd() || unscrambledLine(channel) != kBackupHeader) {
      return BackupDamage::kNotABackup;
    }
    return readSavedFiles(channel, kept);
  } catch (const startup::RunTimeError&) {
    return BackupDamage::kBadLine;
  }
}

// The line after the settings header, empty when there is none.
std::string settingsLineOf(const std::vector<std::string>& configurationFile) {
  const auto header =
      std::find(configurationFile.begin(), configurationFile.end(), kSettingsHeader);
  if (header == configurationFile.end() || header + 1 == configurationFile.end()) return {};
  return *(header + 1);
}

}  // namespace

SavedBackup readBackup(startup::ProgramState& state, const std::string& path) {
  Kept kept;
  SavedBackup backup;
  backup.damage = readKept(state, path, kept);
  if (backup.damage != BackupDamage::kNone) return backup;
  if (!kept.employeeFile) return {BackupDamage::kNoEmployeeFile, {}, {}, {}};
  auto employees = employeeEntries(*kept.employeeFile, state.Region);
  if (!employees) return {BackupDamage::kBadEmployeeFile, {}, {}, {}};
  backup.employeeFile = std::move(*kept.employeeFile);
  backup.employees = std::move(*employees);
  if (kept.configurationFile) backup.settingsLine = settingsLineOf(*kept.configurationFile);
  return backup;
}

std::string backupFolder(const startup::ProgramState& state) {
  return state.Datenpfad + "Backups" + platform::kSeparator;
}

std::vector<std::string> backupNames(startup::ProgramState& state) {
  auto names = state.system->listFiles(backupFolder(state), "?????? ?????? ?.dat");
  if (!names) return {};
  // The name begins with the date and time, so the newest sorts last.
  std::sort(names->rbegin(), names->rend());
  return *names;
}

std::size_t employeeCount(const std::vector<EmployeeRecord>& entries) {
  return static_cast<std::size_t>(std::count_if(
      entries.begin(), entries.end(),
      [](const EmployeeRecord& entry) { return entry.kind == EmployeeRecord::Kind::kEmployee; }));
}

}  // namespace hostfiles
