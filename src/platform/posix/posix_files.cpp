#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
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
class ReplacingFile final : public WriteFile {
 public:
  ReplacingFile(int fd, std::string temporary, std::string target)
      : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}
  ~ReplacingFile() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temporary_.c_str());
  }

  bool write(const char* data, std::size_t size) override { return writeAll(fd_, data, size); }

  bool commit() override {
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed || ::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return true;
  }

 private:
  int fd_;
  std::string temporary_;
  std::string target_;
  bool committed_ = false;
};

class AppendingFile final : public WriteFile {
 public:
  explicit AppendingFile(int fd) : fd_(fd) {}
  ~AppendingFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  bool write(const char* data, std::size_t size) override { return writeAll(fd_, data, size); }

  bool commit() override {
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
  }

 private:
  int fd_;
};

std::string temporaryNameFor(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name + ".XXXXXX";
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

}  // namespace

std::unique_ptr<ReadFile> openPosixRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixReadFile>(fd);
}

std::unique_ptr<WriteFile> openPosixReplace(const std::string& path) {
  mode_t mode = 0;
  if (path.empty() || path.back() == '/' || !targetWritable(path, mode)) return nullptr;
  std::string temporary = temporaryNameFor(path);
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return nullptr;
  ::fchmod(fd, mode);
  return std::make_unique<ReplacingFile>(fd, std::move(temporary), path);
}

std::unique_ptr<WriteFile> openPosixAppend(const std::string& path) {
  mode_t mode = 0;
  if (path.empty() || !targetWritable(path, mode)) return nullptr;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  return std::make_unique<AppendingFile>(fd);
}

}  // namespace platform
