#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
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
  if (errno == EEXIST) return WriteResult::kNameTaken;
  return errno == ENOSPC || errno == EDQUOT ? WriteResult::kDiskFull : WriteResult::kFailed;
}

// Gives the complete temporary file the name `to` unless a file has it:
// renameat2 where the file system knows it, else a second link, which also
// fails for a name that is taken.
bool moveWithoutReplacing(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  if (::link(from, to) != 0) return false;
  ::unlink(from);
  return true;
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

  std::optional<std::uint64_t> size() override {
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
  }

 private:
  int fd_;
};

// Writes into a hidden temporary file beside the target and renames it over
// the target on commit, so the target is either the old file or the new one;
// an exclusive file takes the target's name only when no file has it.
// The temporary file stays locked until it is gone or has become the target:
// the lock tells another run that the file is still in use.
class ReplacingFile final : public WriteFile {
 public:
  ReplacingFile(int fd, int lock, std::string temporary, std::string target, bool exclusive)
      : fd_(fd),
        lock_(lock),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        exclusive_(exclusive) {}
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
    const bool moved = exclusive_ ? moveWithoutReplacing(temporary_.c_str(), target_.c_str())
                                  : ::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!moved) return failure();
    committed_ = true;
    return WriteResult::kDone;
  }

 private:
  int fd_;
  int lock_;  // the same open file, kept open for its lock after fd_ is closed
  std::string temporary_;
  std::string target_;
  bool exclusive_;
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

// What a new file takes over from the file it replaces; a new name gets the
// mode that the umask leaves and the creator as owner.
struct Heritage {
  mode_t mode = 0;
  std::optional<struct stat> old;
};

Heritage ofNewName() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return {static_cast<mode_t>(0666 & ~mask), std::nullopt};
}

// A target that exists must be a file that its owner may write: a file without
// write permission counts as write protected, as a read-only file on Windows.
std::optional<Heritage> writableTarget(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno != ENOENT) return std::nullopt;
    return ofNewName();
  }
  if (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0) return std::nullopt;
  return Heritage{static_cast<mode_t>(info.st_mode & 07777), info};
}

// The old file's owner and group where the system allows it (only root gives a
// file away; others may give it a group of their own), then its mode, which a
// change of owner may have cut: planner users may reach the files through
// their group.
bool inherit(int fd, const Heritage& heritage) {
  if (heritage.old && ::fchown(fd, heritage.old->st_uid, heritage.old->st_gid) != 0) {
    (void)::fchown(fd, static_cast<uid_t>(-1), heritage.old->st_gid);
  }
  return ::fchmod(fd, heritage.mode) == 0;
}

std::unique_ptr<WriteFile> openReplacing(const std::string& path, const Heritage& heritage,
                                         bool exclusive) {
  const TargetName target = split(path);
  removeStaleTemporaries(target.folder, [&](std::string_view name) { return name == target.name; });
  std::string temporary;
  int fd = -1;
  int lock = -1;
  if (!createTemporary(target, temporary, fd, lock)) return nullptr;
  auto file = std::make_unique<ReplacingFile>(fd, lock, temporary, path, exclusive);
  if (!inherit(fd, heritage)) return nullptr;
  return file;
}

// Holds the lock of an open file; the name goes before the lock, so that a
// run that opens the name afterwards makes a new file of its own.
class PosixFileLock final : public FileLock {
 public:
  PosixFileLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixFileLock() override {
    ::unlink(path_.c_str());
    ::close(fd_);
  }

 private:
  int fd_;
  std::string path_;
};

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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
  if (path.empty() || path.back() == '/') return nullptr;
  const std::optional<Heritage> heritage = writableTarget(path);
  if (!heritage || !replaceable(path)) return nullptr;
  return openReplacing(path, *heritage, false);
}

std::unique_ptr<WriteFile> openPosixCreate(const std::string& path) {
  if (path.empty() || path.back() == '/') return nullptr;
  return openReplacing(path, ofNewName(), true);
}

// A lock taken on a file that lost its name to the holder before counts for
// nothing: the name is opened again.
LockAttempt lockPosixFile(const std::string& path) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const bool held = errno == EWOULDBLOCK;
      ::close(fd);
      return {nullptr, held};
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
        sameFile(opened, named)) {
      return {std::make_unique<PosixFileLock>(fd, path), false};
    }
    ::close(fd);
  }
  return {nullptr, true};
}

void removePosixStaleTemporaries(const std::string& folder, const std::string& pattern) {
  removeStaleTemporaries(
      folder, [&](std::string_view name) { return matchesPattern(utf8ToCodePage(name), pattern); });
}

std::unique_ptr<WriteFile> openPosixAppend(const std::string& path) {
  if (path.empty() || !writableTarget(path)) return nullptr;
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
