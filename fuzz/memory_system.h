// An in-memory file system behind the system interface: a fuzz run needs
// thousands of data folders a second, and must not leave files behind.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>

#include "platform/system.h"

namespace fuzzing {

class MemorySystem : public platform::System {
 public:
  // Path to content; folders are paths with a trailing separator.
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  // The most bytes one read gives, so that readers meet every split of their input.
  std::size_t readChunk = 1 << 16;
  platform::RegionalSettings region;

  std::optional<std::string> environment(const std::string&) override { return std::nullopt; }
  std::string executableFolder() override { return "/program"; }
  platform::PathKind pathKind(const std::string& path) override;
  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override;
  // Memory paths are absolute and hold no links.
  bool isWithin(const std::string& path, const std::string& place) override {
    return path == place || path.starts_with(asFolder(place));
  }
  bool createFolder(const std::string& path) override;
  bool canEnterFolder(const std::string& path) override {
    return pathKind(path) == platform::PathKind::kFolder;
  }
  std::unique_ptr<platform::ReadFile> openRead(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> openReplace(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> openAppend(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> openCreate(const std::string& path) override;
  // One run at a time: the lock is always free.
  platform::LockAttempt lockFile(const std::string&) override {
    return {std::make_unique<platform::FileLock>(), false};
  }
  // Nothing is left half written in memory.
  void removeStaleTemporaries(const std::string&, const std::string&) override {}
  platform::DateTime now() override { return {2026, 12, 4, 14, 5, 9 + pausedSeconds_}; }
  // Lets a second pass, so that a wait for the next second ends.
  void pause(unsigned) override { ++pausedSeconds_; }
  // The same sequence in every run, so that a finding reproduces.
  double random() override;
  std::optional<platform::RegionalSettings> regionalSettings() override { return region; }

 private:
  static std::string asFolder(std::string path);
  unsigned random_ = 1;
  int pausedSeconds_ = 0;
};

}  // namespace fuzzing
