#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/codepage.h"
#include "platform/wildcard.h"

namespace platform {

namespace {

// The failure that errno names.
WriteResult failure() {
  return errno == ENOSPC || errno == EDQUOT ? WriteResult::kDiskFull : WriteResult::kFailed;
}

WriteResult writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return failure();
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return WriteResult::kDone;
}

class PosixReadFile final : public ReadFile {
 public:
  explicit PosixReadFile(int fd) : fd_(fd) {}
  ~PosixReadFile() override { ::close(fd_); }

  std::optional<std::size_t> read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(fd_, buffer, size);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) return std::nullopt;
    }
  }

 private:
  int fd_;
};

// Writes into a hidden temporary file beside the target and renames it over
// the target on commit, so the target is either the old file or the new one.
// The temporary file stays locked until it is gone or has become the target:
// the lock tells another run that the file is still in use.
class ReplacingFile final : public WriteFile {
 public:
  ReplacingFile(int fd, int lock, std::string temporary, std::string target)
      : fd_(fd), lock_(lock), temporary_(std::move(temporary)), target_(std::move(target)) {}
  ~ReplacingFile() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temporary_.c_str());
    ::close(lock_);
  }

  WriteResult write(const char* data, std::size_t size) override {
    return fd_ >= 0 ? writeAll(fd_, data, size) : WriteResult::kFailed;
  }

  WriteResult commit() override {
    if (fd_ < 0) return WriteResult::kFailed;
    const WriteResult synced = ::fsync(fd_) == 0 ? WriteResult::kDone : failure();
    const WriteResult closed = ::close(fd_) == 0 ? WriteResult::kDone : failure();
    fd_ = -1;
    if (synced != WriteResult::kDone) return synced;
    if (closed != WriteResult::kDone) return closed;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return failure();
    committed_ = true;
    return WriteResult::kDone;
  }

 private:
  int fd_;
  int lock_;  // the same open file, kept open for its lock after fd_ is closed
  std::string temporary_;
  std::string target_;
  bool committed_ = false;
};

// Unless commit() completes the append, the file is cut back to its length
// at the opening, and one that the append created is removed, so that a failed
// entry leaves nothing behind.
class AppendingFile final : public WriteFile {
 public:
  AppendingFile(int fd, std::string createdPath)
      : fd_(fd), start_(::lseek(fd, 0, SEEK_END)), created_(std::move(createdPath)) {}
  ~AppendingFile() override {
    if (fd_ < 0) return;
    if (start_ >= 0) (void)::ftruncate(fd_, start_);
    ::close(fd_);
    if (!created_.empty()) ::unlink(created_.c_str());
  }

  // A write that fails part way takes back what it wrote: half a line would
  // spoil the line written after it.
  WriteResult write(const char* data, std::size_t size) override {
    if (fd_ < 0) return WriteResult::kFailed;
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    const WriteResult result = writeAll(fd_, data, size);
    if (result != WriteResult::kDone && end >= 0) (void)::ftruncate(fd_, end);
    return result;
  }

  WriteResult commit() override {
    if (fd_ < 0) return WriteResult::kFailed;
    const WriteResult closed = ::close(fd_) == 0 ? WriteResult::kDone : failure();
    fd_ = -1;
    return closed;
  }

 private:
  int fd_;
  off_t start_;
  std::string created_;  // the path of a file that the append created
};

// ".NAME.personallader-XXXXXX" beside the target: hidden, matched by no pattern
// the program searches for, and told apart from any other program's files.
constexpr std::string_view kTemporaryMark = ".personallader-";
constexpr std::size_t kRandomLength = 6;  // the letters and digits mkostemp fills in

struct TargetName {
  std::string folder;  // with its final separator, or empty
  std::string name;
};

TargetName split(const std::string& target) {
  const auto slash = target.rfind('/');
  if (slash == std::string::npos) return {"", target};
  return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

std::string temporaryPrefix(const std::string& name) {
  return "." + name + std::string(kTemporaryMark);
}

// The name of the target whose temporary file `entry` is; nothing for any
// other name.
std::optional<std::string_view> targetOfTemporary(std::string_view entry) {
  const std::size_t tail = kTemporaryMark.size() + kRandomLength;
  if (entry.size() <= 1 + tail || entry.front() != '.' ||
      entry.substr(entry.size() - tail, kTemporaryMark.size()) != kTemporaryMark) {
    return std::nullopt;
  }
  for (const char c : entry.substr(entry.size() - kRandomLength)) {
    const bool letterOrDigit =
        (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letterOrDigit) return std::nullopt;
  }
  return entry.substr(1, entry.size() - 1 - tail);
}

// Removes a temporary file unless a run still holds its lock.
void removeIfStale(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened {};
  struct stat named {};
  // The name must still lead to the file that is locked.
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
      ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
      named.st_ino == opened.st_ino) {
    ::unlink(path.c_str());
  }
  ::close(fd);
}

// The temporary files that killed runs left in `folder` for the targets that
// `ofTarget` names; each can be as big as the file it was to replace.
void removeStaleTemporaries(const std::string& folder,
                            const std::function<bool(std::string_view)>& ofTarget) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const auto target = targetOfTemporary(entry->d_name);
    if (target && ofTarget(*target)) removeIfStale(folder + entry->d_name);
  }
  ::closedir(dir);
}

// A new temporary file, locked, with a second descriptor that keeps the lock.
// A file that another run removed before the lock was taken is given up.
bool createTemporary(const TargetName& target, std::string& temporary, int& fd, int& lock) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    temporary = target.folder + temporaryPrefix(target.name) + std::string(kRandomLength, 'X');
    fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) {
      lock = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
      if (lock >= 0) return true;
      ::unlink(temporary.c_str());
      ::close(fd);
      return false;
    }
    ::close(fd);
  }
  return false;
}

// A target that exists must be a file that its owner may write: a file without
// write permission counts as write protected, as a read-only file on Windows.
bool targetWritable(const std::string& path, mode_t& mode) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
    return errno == ENOENT;
  }
  mode = info.st_mode & 07777;
  return S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) != 0;
}

// False for a file made immutable or append-only (chattr +i, +a), which
// cannot be renamed over: opening it for writing, which changes nothing, fails
// with EPERM. Other failures are left to the permission test and the rename.
bool replaceable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) ::close(fd);
  return fd >= 0 || errno != EPERM;
}

}  // namespace

// Only a regular file: a device or a pipe may never end (and opening a pipe
// waits for a writer, hence the non-blocking open).
std::unique_ptr<ReadFile> openPosixRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixReadFile>(fd);
}

std::unique_ptr<WriteFile> openPosixReplace(const std::string& path) {
  mode_t mode = 0;
  if (path.empty() || path.back() == '/' || !targetWritable(path, mode) || !replaceable(path)) {
    return nullptr;
  }
  const TargetName target = split(path);
  removeStaleTemporaries(target.folder, [&](std::string_view name) { return name == target.name; });
  std::string temporary;
  int fd = -1;
  int lock = -1;
  if (!createTemporary(target, temporary, fd, lock)) return nullptr;
  ::fchmod(fd, mode);
  return std::make_unique<ReplacingFile>(fd, lock, std::move(temporary), path);
}

void removePosixStaleTemporaries(const std::string& folder, const std::string& pattern) {
  removeStaleTemporaries(
      folder, [&](std::string_view name) { return matchesPattern(utf8ToCodePage(name), pattern); });
}

std::unique_ptr<WriteFile> openPosixAppend(const std::string& path) {
  mode_t mode = 0;
  if (path.empty() || !targetWritable(path, mode)) return nullptr;
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  std::string created;
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0666);
    created = path;
  }
  if (fd < 0) return nullptr;
  return std::make_unique<AppendingFile>(fd, std::move(created));
}

}  // namespace platform
