// The platform layer on Linux and other POSIX systems. Paths in the program's
// code page are converted to the file system's UTF-8 at this boundary.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

#include "platform/codepage.h"
#include "platform/posix/posix_files.h"
#include "platform/system.h"
#include "platform/unseeded_random.h"
#include "platform/wildcard.h"

namespace platform {

namespace {

std::string native(const std::string& path) { return codePageToUtf8(path); }

// The names of `path` made absolute and resolved as far as it exists; without
// the empty name that a trailing separator leaves.
std::vector<std::string> resolvedNames(const std::string& path) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(native(path), error);
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(full, error);
  if (!error) full = resolved;
  std::vector<std::string> names;
  for (const auto& name : full.lexically_normal()) {
    if (!name.empty()) names.push_back(name.string());
  }
  return names;
}

bool isHiddenName(std::string_view name) { return !name.empty() && name.front() == '.'; }

std::string_view baseName(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The first of the variables that is set and not empty, else "C".
std::string localeName(const char* category) {
  for (const char* name : {"LC_ALL", category, "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

class PosixSystem final : public System {
 public:
  std::optional<std::string> environment(const std::string& name) override {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return utf8ToCodePage(value);
  }

  std::string executableFolder() override {
    std::string buffer(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0) return ".";
    buffer.resize(static_cast<std::size_t>(length));
    buffer.erase(buffer.rfind('/'));
    return utf8ToCodePage(buffer.empty() ? "/" : buffer);
  }

  PathKind pathKind(const std::string& path) override {
    struct stat info {};
    if (path.empty() || ::stat(native(path).c_str(), &info) != 0) return PathKind::kMissing;
    if (S_ISDIR(info.st_mode)) return PathKind::kFolder;
    if (!S_ISREG(info.st_mode)) return PathKind::kOther;
    return isHiddenName(baseName(path)) ? PathKind::kHiddenFile : PathKind::kNormalFile;
  }

  bool isWithin(const std::string& path, const std::string& place) override {
    const std::vector<std::string> names = resolvedNames(path);
    const std::vector<std::string> placeNames = resolvedNames(place);
    return placeNames.size() <= names.size() &&
           std::equal(placeNames.begin(), placeNames.end(), names.begin());
  }

  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override {
    if (!folder.empty() && folder.back() != '/') return std::nullopt;
    const std::string where = folder.empty() ? "." : native(folder);
    DIR* dir = ::opendir(where.c_str());
    if (dir == nullptr) {
      if (errno == ENOENT) return std::vector<std::string>{};
      return std::nullopt;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
      if (isHiddenName(entry->d_name)) continue;
      struct stat info {};
      const std::string full = where + "/" + entry->d_name;
      if (::stat(full.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
      std::string name = utf8ToCodePage(entry->d_name);
      if (matchesPattern(name, pattern)) names.push_back(std::move(name));
    }
    ::closedir(dir);
    return names;
  }

  bool createFolder(const std::string& path) override {
    return !path.empty() && ::mkdir(native(path).c_str(), 0777) == 0;
  }

  bool canEnterFolder(const std::string& path) override {
    struct stat info {};
    const std::string name = native(path);
    return !path.empty() && ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(name.c_str(), X_OK) == 0;
  }

  std::unique_ptr<ReadFile> openRead(const std::string& path) override {
    return openPosixRead(native(path));
  }
  std::unique_ptr<WriteFile> openReplace(const std::string& path) override {
    return openPosixReplace(native(path));
  }
  std::unique_ptr<WriteFile> openAppend(const std::string& path) override {
    return openPosixAppend(native(path));
  }
  std::unique_ptr<WriteFile> openCreate(const std::string& path) override {
    return openPosixCreate(native(path));
  }
  LockAttempt lockFile(const std::string& path) override { return lockPosixFile(native(path)); }
  void removeStaleTemporaries(const std::string& folder, const std::string& pattern) override {
    removePosixStaleTemporaries(native(folder), pattern);
  }

  DateTime now() override {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
  }

  void pause(unsigned milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }

  double random() override { return random_.next(); }

  // Numbers follow LC_NUMERIC and dates LC_TIME; where only one of them names
  // a region, it stands for both.
  std::optional<RegionalSettings> regionalSettings() override {
    std::string numbers = localeName("LC_NUMERIC");
    std::string dates = localeName("LC_TIME");
    if (!localeNamesRegion(numbers)) numbers = dates;
    if (!localeNamesRegion(dates)) dates = numbers;
    if (!localeNamesRegion(numbers)) return std::nullopt;
    RegionalSettings settings = regionalSettingsFor(numbers);
    const RegionalSettings dateSettings = regionalSettingsFor(dates);
    if (dateSettings.name != settings.name) settings.name += "/" + dateSettings.name;
    settings.dateOrder = dateSettings.dateOrder;
    settings.dateSeparator = dateSettings.dateSeparator;
    settings.monthNames = dateSettings.monthNames;
    settings.monthAbbreviations = dateSettings.monthAbbreviations;
    return settings;
  }

 private:
  UnseededRandom random_;
};

}  // namespace

System& hostSystem() {
  static PosixSystem system;
  return system;
}

}  // namespace platform
