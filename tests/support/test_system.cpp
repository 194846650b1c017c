#include "support/test_system.h"

namespace testing_support {

namespace {

class FailingWriteFile : public platform::WriteFile {
 public:
  FailingWriteFile(std::unique_ptr<platform::WriteFile> file, std::size_t budget)
      : file_(std::move(file)), budget_(budget) {}

  bool write(const char* data, std::size_t size) override {
    if (size > budget_) {
      file_->write(data, budget_);
      budget_ = 0;
      return false;
    }
    budget_ -= size;
    return file_->write(data, size);
  }
  bool commit() override { return file_->commit(); }

 private:
  std::unique_ptr<platform::WriteFile> file_;
  std::size_t budget_;
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

bool TestSystem::changeFolder(const std::string& path) { return host_.changeFolder(path); }

std::unique_ptr<platform::ReadFile> TestSystem::openRead(const std::string& path) {
  return host_.openRead(path);
}

std::unique_ptr<platform::WriteFile> TestSystem::openReplace(const std::string& path) {
  return refuseWrites ? nullptr : limit(host_.openReplace(path));
}

std::unique_ptr<platform::WriteFile> TestSystem::openAppend(const std::string& path) {
  return refuseWrites ? nullptr : limit(host_.openAppend(path));
}

void TestSystem::pause(unsigned milliseconds) {
  pausedMilliseconds_ += milliseconds;
  clock.second += static_cast<int>(pausedMilliseconds_ / 1000);  // tests stay below a minute
  pausedMilliseconds_ %= 1000;
}

std::unique_ptr<platform::WriteFile> TestSystem::limit(std::unique_ptr<platform::WriteFile> file) {
  if (file == nullptr || !writeFailsAfter) return file;
  return std::make_unique<FailingWriteFile>(std::move(file), *writeFailsAfter);
}

}  // namespace testing_support
