#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string_view>

#include "platform/codepage.h"
#include "platform/wildcard.h"

namespace platform {

namespace {

// ReadFile and WriteFile take a 32-bit count.
constexpr std::size_t kChunk = std::size_t{1} << 30;

// What a replacement keeps of the old file's attributes.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The failure that GetLastError() names.
WriteResult failure() {
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return WriteResult::kNameTaken;
  return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL ? WriteResult::kDiskFull
                                                                     : WriteResult::kFailed;
}

WriteResult writeAll(HANDLE file, const char* data, std::size_t size) {
  if (file == INVALID_HANDLE_VALUE) return WriteResult::kFailed;
  while (size > 0) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min(size, kChunk));
    if (!::WriteFile(file, data, chunk, &written, nullptr)) return failure();
    if (written == 0) return WriteResult::kFailed;
    data += written;
    size -= written;
  }
  return WriteResult::kDone;
}

// Only files on a disk: "CON.csv" names the console, and a folder is no file.
bool isPlainFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

HANDLE checked(HANDLE file) {
  if (file == INVALID_HANDLE_VALUE || isPlainFile(file)) return file;
  CloseHandle(file);
  return INVALID_HANDLE_VALUE;
}

class Win32ReadFile final : public ReadFile {
 public:
  explicit Win32ReadFile(HANDLE file) : file_(file) {}
  ~Win32ReadFile() override { CloseHandle(file_); }

  std::optional<std::size_t> read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const auto chunk = static_cast<DWORD>(std::min(size, kChunk));
    if (!::ReadFile(file_, buffer, chunk, &got, nullptr)) return std::nullopt;
    return got;
  }

  std::optional<std::uint64_t> size() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_, &size) || size.QuadPart < 0) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

 private:
  HANDLE file_;
};

// Writes into a hidden temporary file beside the target and moves it over the
// target on commit, so the target is either the old file or the new one; an
// exclusive file is moved without MOVEFILE_REPLACE_EXISTING, which fails when
// the name is taken.
class ReplacingFile final : public WriteFile {
 public:
  ReplacingFile(HANDLE file, std::wstring temporary, std::wstring target, DWORD attributes,
                bool exclusive)
      : file_(file),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        attributes_(attributes),
        exclusive_(exclusive) {}
  ~ReplacingFile() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileW(temporary_.c_str());
  }

  WriteResult write(const char* data, std::size_t size) override {
    return writeAll(file_, data, size);
  }

  WriteResult commit() override {
    if (file_ == INVALID_HANDLE_VALUE) return WriteResult::kFailed;
    const WriteResult flushed = FlushFileBuffers(file_) ? WriteResult::kDone : failure();
    const bool closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (flushed != WriteResult::kDone) return flushed;
    if (!closed || !SetFileAttributesW(temporary_.c_str(), attributes_) ||
        !MoveFileExW(temporary_.c_str(), target_.c_str(),
                     (exclusive_ ? 0 : MOVEFILE_REPLACE_EXISTING) | MOVEFILE_WRITE_THROUGH)) {
      return failure();
    }
    committed_ = true;
    return WriteResult::kDone;
  }

 private:
  HANDLE file_;
  std::wstring temporary_;
  std::wstring target_;
  DWORD attributes_;
  bool exclusive_;
  bool committed_ = false;
};

// Writes at the end of the file. Unless commit() completes the append, the
// file is cut back to its length at the opening, and one that the append
// created is removed, so that a failed entry leaves nothing behind.
class AppendingFile final : public WriteFile {
 public:
  AppendingFile(HANDLE file, std::wstring createdPath)
      : file_(file), created_(std::move(createdPath)) {
    if (!SetFilePointerEx(file_, LARGE_INTEGER{}, &start_, FILE_END)) start_.QuadPart = -1;
  }
  ~AppendingFile() override {
    if (file_ == INVALID_HANDLE_VALUE) return;
    if (start_.QuadPart >= 0 && SetFilePointerEx(file_, start_, nullptr, FILE_BEGIN)) {
      SetEndOfFile(file_);
    }
    CloseHandle(file_);
    if (!created_.empty()) DeleteFileW(created_.c_str());
  }

  WriteResult write(const char* data, std::size_t size) override {
    return writeAll(file_, data, size);
  }

  // Closes only, as on POSIX.
  WriteResult commit() override {
    if (file_ == INVALID_HANDLE_VALUE) return WriteResult::kFailed;
    const bool closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return closed ? WriteResult::kDone : failure();
  }

 private:
  HANDLE file_;
  LARGE_INTEGER start_{};
  std::wstring created_;  // the path of a file that the append created
};

// False when an existing target cannot be moved over: the move opens it for
// DELETE, which fails while another program holds it open without delete
// sharing (the planner, a virus scanner). Opened that way and closed unchanged.
bool replaceable(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  CloseHandle(file);
  return true;
}

// The attributes for the file that takes the target's place; nothing when the
// target is a folder or read-only. Checked here and not left to CreateFileW:
// Wine lets a process running as root write a read-only file.
std::optional<DWORD> targetAttributes(const std::wstring& path) {
  if (path.empty() || path.back() == L'\\' || path.back() == L'/') return std::nullopt;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    if (GetLastError() != ERROR_FILE_NOT_FOUND) return std::nullopt;
    return FILE_ATTRIBUTE_ARCHIVE;
  }
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return std::nullopt;
  }
  const DWORD kept = attributes & kKeptAttributes;
  return kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
}

std::wstring hex(std::uint32_t number) {
  std::wstring out(8, L'0');
  for (auto digit = out.rbegin(); digit != out.rend(); ++digit, number >>= 4) {
    *digit = L"0123456789abcdef"[number & 0xF];
  }
  return out;
}

constexpr std::size_t kHexDigits = 8;
constexpr std::wstring_view kTemporaryEnd = L".tmp";

std::size_t nameStart(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? 0 : slash + 1;
}

// "~name." of "~name.1a2b3c4d.tmp" beside the target, which no pattern the
// program searches for ("*.dat", "*.log") matches.
std::wstring temporaryPrefix(const std::wstring& target) {
  return L"~" + target.substr(nameStart(target)) + L".";
}

std::wstring temporaryNameFor(const std::wstring& target, std::uint32_t number) {
  return target.substr(0, nameStart(target)) + temporaryPrefix(target) + hex(number) +
         std::wstring(kTemporaryEnd);
}

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The name of the target whose temporary file `entry` is; nothing for any
// other name. Letter case counts for nothing in names on Windows.
std::optional<std::wstring_view> targetOfTemporary(std::wstring_view entry) {
  const std::size_t tail = 1 + kHexDigits + kTemporaryEnd.size();  // ".1a2b3c4d.tmp"
  if (entry.size() <= 1 + tail || entry.front() != L'~' || entry[entry.size() - tail] != L'.' ||
      !sameIgnoringCase(entry.substr(entry.size() - kTemporaryEnd.size()), kTemporaryEnd) ||
      entry.substr(entry.size() - tail + 1, kHexDigits)
              .find_first_not_of(L"0123456789abcdefABCDEF") != std::wstring_view::npos) {
    return std::nullopt;
  }
  return entry.substr(1, entry.size() - 1 - tail);
}

// The temporary files that ended runs left in `folder` for the targets that
// `ofTarget` names; each can be as big as the file it was to replace. One
// that another run still writes is open without sharing, so DeleteFileW
// leaves it alone.
void removeStaleTemporaries(const std::wstring& folder,
                            const std::function<bool(std::wstring_view)>& ofTarget) {
  WIN32_FIND_DATAW entry{};
  const HANDLE find = FindFirstFileExW((folder + L"~*").c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const auto target = targetOfTemporary(entry.cFileName);
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && target && ofTarget(*target)) {
      DeleteFileW((folder + entry.cFileName).c_str());
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

// Share mode 0 keeps every other open out, and the system deletes the file
// when the handle closes, also when the process is ended.
class Win32FileLock final : public FileLock {
 public:
  explicit Win32FileLock(HANDLE file) : file_(file) {}
  ~Win32FileLock() override { CloseHandle(file_); }

 private:
  HANDLE file_;
};

HANDLE createTemporary(const std::wstring& target, std::wstring& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = temporaryNameFor(target, random());
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::unique_ptr<ReadFile> openWin32Read(const std::wstring& path) {
  const HANDLE file =
      checked(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32ReadFile>(file);
}

namespace {

std::unique_ptr<WriteFile> openReplacing(const std::wstring& path, DWORD attributes,
                                         bool exclusive) {
  const std::wstring name = path.substr(nameStart(path));
  removeStaleTemporaries(path.substr(0, nameStart(path)),
                         [&](std::wstring_view target) { return sameIgnoringCase(target, name); });
  std::wstring temporary;
  const HANDLE file = createTemporary(path, temporary);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<ReplacingFile>(file, std::move(temporary), path, attributes, exclusive);
}

}  // namespace

std::unique_ptr<WriteFile> openWin32Replace(const std::wstring& path) {
  const std::optional<DWORD> attributes = targetAttributes(path);
  if (!attributes || !replaceable(path)) return nullptr;
  return openReplacing(path, *attributes, false);
}

std::unique_ptr<WriteFile> openWin32Create(const std::wstring& path) {
  if (path.empty() || path.back() == L'\\' || path.back() == L'/') return nullptr;
  return openReplacing(path, FILE_ATTRIBUTE_ARCHIVE, true);
}

// The handle asks for reading and writing: an open that asks for no access
// would ignore the sharing of others.
LockAttempt lockWin32File(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {nullptr, GetLastError() == ERROR_SHARING_VIOLATION};
  return {std::make_unique<Win32FileLock>(file), false};
}

void removeWin32StaleTemporaries(const std::wstring& folder, const std::string& pattern) {
  removeStaleTemporaries(folder, [&](std::wstring_view target) {
    return matchesPattern(utf16ToCodePage(target), pattern);
  });
}

std::unique_ptr<WriteFile> openWin32Append(const std::wstring& path) {
  if (!targetAttributes(path)) return nullptr;
  // Write access beside appending, so that a failed write can be cut off again.
  const HANDLE opened =
      CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_WRITE_DATA, FILE_SHARE_READ, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  const HANDLE file = checked(opened);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<AppendingFile>(file, created ? path : std::wstring());
}

}  // namespace platform
