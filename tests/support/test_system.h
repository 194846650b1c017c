// The host system with what a test needs to control: the environment, the
// clock, the regional settings, the program's own folder, and failures of
// file operations.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/system.h"

namespace testing_support {

class TestSystem : public platform::System {
 public:
  TestSystem();

  // Variables not set here are unset for the program.
  std::map<std::string, std::string> variables;
  platform::DateTime clock{2026, 12, 4, 14, 5, 9};
  std::optional<platform::RegionalSettings> region;  // nothing: no region named
  std::string ownFolder;                             // code page, without trailing separator
  // Replacements and appends fail to open: all, or those of files in refusedFolder.
  bool refuseWrites = false;
  std::string refusedFolder;
  // One file operation that fails, or that ends the process as a kill would,
  // with nothing after it done. Counted are the opening of a file for writing
  // (openReplace, openAppend, openCreate), each write, the flush and, for a replacement, the
  // rename of a commit, and each read (openRead, read).
  struct Fault {
    std::size_t at = 0;  // the operation, counting from 1
    bool kill = false;
    platform::WriteResult result = platform::WriteResult::kFailed;  // of a failing write or commit
  };
  std::optional<Fault> fault;
  std::size_t operations = 0;               // counted so far
  static constexpr int kKilledStatus = 86;  // the exit status of a process the fault ended

  // Counts one operation; true when it is the one to fail. Ends the process
  // when it is the one to kill.
  bool failsNow();
  // Runs when a new file is opened (openCreate), as another run might act then.
  std::function<void(const std::string& path)> onCreate;
  // Files opened for reading give their size off by this many bytes, as a file
  // that grows (below zero) or shrinks while it is read would; nothing: unknown.
  std::optional<std::int64_t> sizeSkew = 0;
  // Listing this folder fails as for a folder that cannot be read.
  std::string unreadableFolder;

  std::optional<std::string> environment(const std::string& name) override;
  std::string executableFolder() override { return ownFolder; }
  platform::PathKind pathKind(const std::string& path) override;
  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override;
  bool isWithin(const std::string& path, const std::string& place) override {
    return host_.isWithin(path, place);
  }
  bool createFolder(const std::string& path) override;
  bool canEnterFolder(const std::string& path) override { return host_.canEnterFolder(path); }
  std::unique_ptr<platform::ReadFile> openRead(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> openReplace(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> openAppend(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> openCreate(const std::string& path) override;
  platform::LockAttempt lockFile(const std::string& path) override { return host_.lockFile(path); }
  void removeStaleTemporaries(const std::string& folder, const std::string& pattern) override {
    host_.removeStaleTemporaries(folder, pattern);
  }
  platform::DateTime now() override { return clock; }
  // The clock moves on by whole seconds as pauses add up to them.
  void pause(unsigned milliseconds) override;
  double random() override { return host_.random(); }
  std::optional<platform::RegionalSettings> regionalSettings() override { return region; }

 private:
  bool refused(const std::string& path) const;
  std::unique_ptr<platform::WriteFile> watch(std::unique_ptr<platform::WriteFile> file,
                                             bool replacement);

  platform::System& host_;
  unsigned pausedMilliseconds_ = 0;
};

}  // namespace testing_support
