#include "memory_system.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/wildcard.h"

namespace fuzzing {

namespace {

class MemoryReadFile : public platform::ReadFile {
 public:
  MemoryReadFile(std::string content, std::size_t chunk)
      : content_(std::move(content)), chunk_(std::max<std::size_t>(chunk, 1)) {}

  std::optional<std::size_t> read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min({size, chunk_, content_.size() - position_});
    std::memcpy(buffer, content_.data() + position_, count);
    position_ += count;
    return count;
  }

  std::optional<std::uint64_t> size() override { return content_.size(); }

 private:
  std::string content_;
  std::size_t chunk_;
  std::size_t position_ = 0;
};

// A replacement collects its bytes and puts them in the target's place on
// commit(), an exclusive one only when the name is free; an append writes in place.
class MemoryWriteFile : public platform::WriteFile {
 public:
  enum class Kind { kReplace, kCreate, kAppend };
  MemoryWriteFile(std::map<std::string, std::string>& files, std::string path, Kind kind)
      : files_(files),
        path_(std::move(path)),
        append_(kind == Kind::kAppend),
        exclusive_(kind == Kind::kCreate) {
    if (append_) files_[path_];
  }

  platform::WriteResult write(const char* data, std::size_t size) override {
    (append_ ? files_[path_] : pending_).append(data, size);
    return platform::WriteResult::kDone;
  }
  platform::WriteResult commit() override {
    if (append_) return platform::WriteResult::kDone;
    if (exclusive_ && files_.contains(path_)) return platform::WriteResult::kNameTaken;
    files_[path_] = std::move(pending_);
    return platform::WriteResult::kDone;
  }

 private:
  std::map<std::string, std::string>& files_;
  std::string path_;
  bool append_;
  bool exclusive_;
  std::string pending_;
};

std::string folderOf(const std::string& path) {
  return path.substr(0, path.rfind(platform::kSeparator) + 1);
}

}  // namespace

std::string MemorySystem::asFolder(std::string path) {
  if (path.empty() || path.back() != platform::kSeparator) path += platform::kSeparator;
  return path;
}

platform::PathKind MemorySystem::pathKind(const std::string& path) {
  if (files.contains(path)) return platform::PathKind::kNormalFile;
  if (folders.contains(asFolder(path))) return platform::PathKind::kFolder;
  return platform::PathKind::kMissing;
}

std::optional<std::vector<std::string>> MemorySystem::listFiles(const std::string& folder,
                                                                const std::string& pattern) {
  std::vector<std::string> names;
  const std::string prefix = asFolder(folder);
  for (const auto& [path, content] : files) {
    if (folderOf(path) != prefix) continue;
    const std::string name = path.substr(prefix.size());
    if (platform::matchesPattern(name, pattern)) names.push_back(name);
  }
  return names;
}

bool MemorySystem::createFolder(const std::string& path) {
  const std::string folder = asFolder(path);
  return folders.contains(folderOf(folder.substr(0, folder.size() - 1))) &&
         folders.insert(folder).second;
}

std::unique_ptr<platform::ReadFile> MemorySystem::openRead(const std::string& path) {
  const auto file = files.find(path);
  if (file == files.end()) return nullptr;
  return std::make_unique<MemoryReadFile>(file->second, readChunk);
}

std::unique_ptr<platform::WriteFile> MemorySystem::openReplace(const std::string& path) {
  if (!folders.contains(folderOf(path))) return nullptr;
  return std::make_unique<MemoryWriteFile>(files, path, MemoryWriteFile::Kind::kReplace);
}

std::unique_ptr<platform::WriteFile> MemorySystem::openCreate(const std::string& path) {
  if (!folders.contains(folderOf(path))) return nullptr;
  return std::make_unique<MemoryWriteFile>(files, path, MemoryWriteFile::Kind::kCreate);
}

std::unique_ptr<platform::WriteFile> MemorySystem::openAppend(const std::string& path) {
  if (!folders.contains(folderOf(path))) return nullptr;
  return std::make_unique<MemoryWriteFile>(files, path, MemoryWriteFile::Kind::kAppend);
}

double MemorySystem::random() {
  random_ = random_ * 1103515245u + 12345u;
  return static_cast<double>(random_ >> 8) / static_cast<double>(1u << 24);
}

}  // namespace fuzzing
