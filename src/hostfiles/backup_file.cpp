#include "hostfiles/backup_file.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>
#include <variant>

#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "hostfiles/file_channel.h"
#include "startup/characters.h"
#include "startup/dates.h"
#include "startup/run_time_error.h"

namespace hostfiles {

namespace {

// The text inside "[...]", nothing for another line.
std::optional<std::string_view> insideBrackets(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return line.substr(1, line.size() - 2);
}

// A count as the backup writes it: decimal digits without a leading zero.
std::optional<std::size_t> lineCount(std::string_view line) {
  const auto inside = insideBrackets(line);
  std::size_t count = 0;
  if (!inside || inside->empty() || (inside->size() > 1 && inside->front() == '0')) {
    return std::nullopt;
  }
  const auto [end, error] = std::from_chars(inside->data(), inside->data() + inside->size(), count);
  if (error != std::errc() || end != inside->data() + inside->size()) return std::nullopt;
  return count;
}

// The plain lines of the saved files that a restore needs.
struct Kept {
  std::optional<std::vector<std::string>> employeeFile;
  std::optional<std::vector<std::string>> configurationFile;
};

// The backup file's lines, unscrambled and counted.
class BackupLines {
 public:
  explicit BackupLines(FileChannel& channel) : channel_(channel) {}

  bool atEnd() { return channel_.atEnd(); }
  std::string next() {
    ++line_;
    return unscrambledLine(channel_);
  }
  // The line read last, counted from 1.
  std::size_t line() const { return line_; }

 private:
  FileChannel& channel_;
  std::size_t line_ = 0;
};

using Kind = BackupDamage::Kind;

// Reads the saved files after the header, keeping the lines of those two.
BackupDamage readSavedFiles(BackupLines& in, Kept& kept) {
  std::set<std::string> names;
  while (!in.atEnd()) {
    const std::string name(insideBrackets(in.next()).value_or(""));
    if (name.empty()) return {Kind::kBadLine, in.line()};
    if (!names.insert(name).second) return {Kind::kSavedTwice, in.line()};
    if (in.atEnd()) return {Kind::kCutShort};
    const auto count = lineCount(in.next());
    if (!count) return {Kind::kBadLine, in.line()};
    std::optional<std::vector<std::string>>* lines = name == kEmployeeDataFile ? &kept.employeeFile
                                                     : name == kConfigurationFile
                                                         ? &kept.configurationFile
                                                         : nullptr;
    if (lines != nullptr) lines->emplace();
    for (std::size_t i = 0; i < *count; ++i) {
      if (in.atEnd()) return {Kind::kCutShort};
      std::string line = in.next();
      if (lines != nullptr) (*lines)->push_back(std::move(line));
    }
  }
  return {};
}

BackupDamage readKept(platform::System& system, const std::string& path, Kept& kept) {
  FileChannel channel;
  if (system.pathKind(path) != platform::PathKind::kNormalFile ||
      !channel.open(system, path, Modus::Input)) {
    return {Kind::kUnreadable};
  }
  BackupLines in(channel);
  try {
    if (in.atEnd() || in.next() != kBackupHeader) return {Kind::kNotABackup};
    return readSavedFiles(in, kept);
  } catch (const startup::RunTimeError&) {
    return {Kind::kBadLine, in.line()};
  }
}

// The settings line of the saved configuration, with its line counted from 1;
// nothing without one.
std::optional<std::pair<std::string, std::size_t>> settingsLineOf(
    const std::vector<std::string>& configurationFile) {
  const auto header =
      std::find(configurationFile.begin(), configurationFile.end(), kSettingsHeader);
  if (header == configurationFile.end() || header + 1 == configurationFile.end()) {
    return std::nullopt;
  }
  return std::pair(*(header + 1), static_cast<std::size_t>(header - configurationFile.begin()) + 2);
}

SavedBackup damaged(BackupDamage damage) {
  SavedBackup backup;
  backup.damage = damage;
  return backup;
}

// Time of day as hhmmss.
bool isTimeStamp(std::string_view time) {
  if (time.size() != 6 || !std::all_of(time.begin(), time.end(), startup::isDigit)) return false;
  return time.substr(0, 2) < "24" && time.substr(2, 2) < "60" && time.substr(4, 2) < "60";
}

}  // namespace

SavedBackup readBackup(const startup::Context& context, const std::string& path) {
  Kept kept;
  if (const BackupDamage damage = readKept(*context.system, path, kept)) return damaged(damage);
  if (!kept.employeeFile) return damaged({Kind::kNoEmployeeFile});
  auto entries = employeeEntries(*kept.employeeFile, context.region);
  if (const auto* fault = std::get_if<EmployeeFileFault>(&entries)) {
    return damaged({Kind::kBadEmployeeFile, fault->line, fault->fault});
  }
  SavedBackup backup;
  if (kept.configurationFile) {
    if (auto settings = settingsLineOf(*kept.configurationFile)) {
      const std::string& line = settings->first;
      if (line.size() > kFractionFlag && !isFractionFlag(line[kFractionFlag])) {
        return damaged({Kind::kBadFractionFlag, settings->second});
      }
      backup.settingsLine = std::move(settings->first);
    }
  }
  backup.employeeFile = std::move(*kept.employeeFile);
  backup.employees = std::get<std::vector<EmployeeRecord>>(std::move(entries));
  return backup;
}

std::string bracketed(std::string_view text) {
  std::string line(1, '[');
  line += text;
  line += ']';
  return line;
}

std::string backupFolder(const std::string& dataFolder) {
  return dataFolder + std::string(kBackupFolder) + platform::kSeparator;
}

std::string backupName(std::string_view date, std::string_view time, std::string_view Art) {
  std::string name(date);
  name.append(" ").append(time).append(" ").append(Art).append(".dat");
  return name;
}

bool hasPossibleDate(std::string_view name) {
  using namespace backup_name;
  return startup::isDateStamp(name.substr(kDate, kStampWidth)) &&
         name.substr(kDate + kStampWidth, 1) == " " && isTimeStamp(name.substr(kTime, kStampWidth));
}

std::vector<std::string> backupNames(const startup::Context& context,
                                     const std::string& dataFolder) {
  auto names = context.system->listFiles(backupFolder(dataFolder), std::string(kBackupNamePattern));
  if (!names) return {};
  // A dated name begins with its date and time, so the newest is the largest;
  // the others follow in the order of their names.
  std::sort(names->begin(), names->end(), [](const std::string& a, const std::string& b) {
    const bool datedA = hasPossibleDate(a);
    if (datedA != hasPossibleDate(b)) return datedA;
    return datedA ? a > b : a < b;
  });
  return *names;
}

}  // namespace hostfiles
