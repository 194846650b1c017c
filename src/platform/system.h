// The one seam between the program and the operating system.
//
// Implemented by PosixSystem (posix/) and Win32System (win32/); tests wrap it to
// change the environment, the clock or the regional settings, or to make a file
// operation fail. All paths and names are text in the program's code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/regional_settings.h"

namespace platform {

// The platform's folder separator; every folder path of the program ends with it.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

struct DateTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

enum class PathKind {
  kMissing,     // nothing there, or the path is empty or malformed
  kFolder,      // an existing folder
  kNormalFile,  // an existing file that is neither hidden nor a system file
  kHiddenFile,  // an existing hidden or system file
  kOther,       // anything else: a device, a pipe, a socket
};

// A file opened for reading from its start.
class ReadFile {
 public:
  virtual ~ReadFile() = default;
  // Reads up to `size` bytes; returns the count, 0 at the end of the file and
  // nothing when the read fails.
  virtual std::optional<std::size_t> read(char* buffer, std::size_t size) = 0;
  // The file's size as it stands now, for a reader that takes it whole;
  // nothing when the system cannot tell. The file may still grow or shrink.
  virtual std::optional<std::uint64_t> size() = 0;
};

// What became of a write or a commit: a full disk or quota, and a new file's
// name that another file took first, are told apart from every other failure.
enum class WriteResult { kDone, kDiskFull, kNameTaken, kFailed };

// A file opened for writing. For a replacement the bytes go to a temporary file
// beside the target, and only commit() puts them in the target's place; a
// WriteFile destroyed without commit() leaves the target as it was and removes
// the temporary file. Opening a replacement removes the temporary files of the
// same target that an ended run of the program left. An appending file writes
// in place.
class WriteFile {
 public:
  virtual ~WriteFile() = default;
  virtual WriteResult write(const char* data, std::size_t size) = 0;
  // Flushes to disk and, for a replacement, moves the new file over the target.
  virtual WriteResult commit() = 0;
};

// A lock that an open file stands for, held until it is destroyed; the system
// gives it up when the process ends, however it ends.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

struct LockAttempt {
  std::unique_ptr<FileLock> lock;  // empty when the lock was not taken
  bool heldElsewhere = false;      // taken by another; else the file could not be made
};

class System {
 public:
  virtual ~System() = default;

  // The value of an environment variable; nothing when it is not set.
  virtual std::optional<std::string> environment(const std::string& name) = 0;
  // The folder of the program's own executable, without a trailing separator.
  virtual std::string executableFolder() = 0;

  virtual PathKind pathKind(const std::string& path) = 0;
  // The names (without folder) of the plain files in `folder` whose names match
  // `pattern` ("*" and "?" wildcards, letter case ignored), in the order the
  // system lists them; hidden and system files and sub-folders are left out.
  // `folder` ends with the separator, as a path that a name is appended to for
  // opening; the empty text is the current folder. A missing folder gives an
  // empty list; a folder that exists but cannot be read, or a folder path
  // without its final separator, gives nothing.
  virtual std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                            const std::string& pattern) = 0;
  // True when `path` is `place` or lies beneath it, both made absolute and
  // resolved as far as they exist (".", "..", symbolic links) and compared by
  // the system's rules for names (on Windows without regard to letter case).
  virtual bool isWithin(const std::string& path, const std::string& place) = 0;
  // Creates one folder level; false when it exists already or cannot be made.
  virtual bool createFolder(const std::string& path) = 0;
  // True when `path` is a folder that could be entered, as a current folder
  // is: it exists and may be passed through. Enters nothing.
  virtual bool canEnterFolder(const std::string& path) = 0;

  virtual std::unique_ptr<ReadFile> openRead(const std::string& path) = 0;
  // Fails for a target that is write protected or a folder that cannot be written.
  virtual std::unique_ptr<WriteFile> openReplace(const std::string& path) = 0;
  virtual std::unique_ptr<WriteFile> openAppend(const std::string& path) = 0;
  // A new file, written as a replacement is, that never replaces one: commit()
  // gives kNameTaken when a file has the name by then, and leaves that file.
  virtual std::unique_ptr<WriteFile> openCreate(const std::string& path) = 0;
  // Takes, without waiting, the lock that the file `path` stands for. The file
  // is made for the lock and removed when the lock is given up.
  virtual LockAttempt lockFile(const std::string& path) = 0;
  // Removes the temporary files that ended runs of this program left in
  // `folder` (ending with the separator) for targets whose names match
  // `pattern`, as a replacement does for its own target; one that a running
  // program still writes stays, and nothing else is touched.
  virtual void removeStaleTemporaries(const std::string& folder, const std::string& pattern) = 0;

  virtual DateTime now() = 0;
  // Waits for about `milliseconds`.
  virtual void pause(unsigned milliseconds) = 0;
  // A uniform pseudo-random number in [0, 1); the sequence is not seeded.
  virtual double random() = 0;
  // The user's regional settings; nothing where the system names no region.
  virtual std::optional<RegionalSettings> regionalSettings() = 0;
};

// The system the program runs on.
System& hostSystem();

}  // namespace platform
