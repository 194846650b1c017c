#include "support/test_system.h"

#include <cstdlib>

namespace testing_support {

namespace {

using platform::WriteResult;

class WatchedReadFile : public platform::ReadFile {
 public:
  WatchedReadFile(std::unique_ptr<platform::ReadFile> file, TestSystem& system)
      : file_(std::move(file)), system_(system) {}

  std::optional<std::size_t> read(char* buffer, std::size_t size) override {
    if (system_.failsNow()) return std::nullopt;
    return file_->read(buffer, size);
  }

  std::optional<std::uint64_t> size() override {
    const auto size = file_->size();
    if (!size || !system_.sizeSkew) return std::nullopt;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(*size) + *system_.sizeSkew);
  }

 private:
  std::unique_ptr<platform::ReadFile> file_;
  TestSystem& system_;
};

class WatchedWriteFile : public platform::WriteFile {
 public:
  WatchedWriteFile(std::unique_ptr<platform::WriteFile> file, TestSystem& system, bool replacement)
      : file_(std::move(file)), system_(system), replacement_(replacement) {}

  WriteResult write(const char* data, std::size_t size) override {
    if (system_.failsNow()) return system_.fault->result;
    return file_->write(data, size);
  }

  // The flush and the rename happen in the one commit of the system below.
  WriteResult commit() override {
    if (system_.failsNow() || (replacement_ && system_.failsNow())) return system_.fault->result;
    return file_->commit();
  }

 private:
  std::unique_ptr<platform::WriteFile> file_;
  TestSystem& system_;
  bool replacement_;
};

}  // namespace

TestSystem::TestSystem()
    : region(platform::regionalSettingsFor("de_DE")),
      ownFolder(platform::hostSystem().executableFolder()),
      host_(platform::hostSystem()) {}

std::optional<std::string> TestSystem::environment(const std::string& name) {
  const auto found = variables.find(name);
  if (found == variables.end()) return std::nullopt;
  return found->second;
}

platform::PathKind TestSystem::pathKind(const std::string& path) { return host_.pathKind(path); }

std::optional<std::vector<std::string>> TestSystem::listFiles(const std::string& folder,
                                                              const std::string& pattern) {
  if (!unreadableFolder.empty() && folder == unreadableFolder) return std::nullopt;
  return host_.listFiles(folder, pattern);
}

bool TestSystem::createFolder(const std::string& path) { return host_.createFolder(path); }

bool TestSystem::failsNow() {
  ++operations;
  if (!fault || fault->at != operations) return false;
  if (fault->kill) std::_Exit(kKilledStatus);
  return true;
}

std::unique_ptr<platform::ReadFile> TestSystem::openRead(const std::string& path) {
  if (failsNow()) return nullptr;
  auto file = host_.openRead(path);
  if (file == nullptr) return nullptr;
  return std::make_unique<WatchedReadFile>(std::move(file), *this);
}

bool TestSystem::refused(const std::string& path) const {
  return refuseWrites || (!refusedFolder.empty() && path.starts_with(refusedFolder));
}

std::unique_ptr<platform::WriteFile> TestSystem::openReplace(const std::string& path) {
  return refused(path) || failsNow() ? nullptr : watch(host_.openReplace(path), true);
}

std::unique_ptr<platform::WriteFile> TestSystem::openAppend(const std::string& path) {
  return refused(path) || failsNow() ? nullptr : watch(host_.openAppend(path), false);
}

std::unique_ptr<platform::WriteFile> TestSystem::openCreate(const std::string& path) {
  if (refuseWrites || failsNow()) return nullptr;
  auto file = watch(host_.openCreate(path), true);
  if (onCreate) onCreate(path);
  return file;
}

void TestSystem::pause(unsigned milliseconds) {
  pausedMilliseconds_ += milliseconds;
  clock.second += static_cast<int>(pausedMilliseconds_ / 1000);  // tests stay below a minute
  pausedMilliseconds_ %= 1000;
}

std::unique_ptr<platform::WriteFile> TestSystem::watch(std::unique_ptr<platform::WriteFile> file,
                                                       bool replacement) {
  if (file == nullptr) return nullptr;
  return std::make_unique<WatchedWriteFile>(std::move(file), *this, replacement);
}

}  // namespace testing_support
