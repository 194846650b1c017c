#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>

namespace platform {

namespace {

// ReadFile and WriteFile take a 32-bit count.
constexpr std::size_t kChunk = std::size_t{1} << 30;

// What a replacement keeps of the old file's attributes.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool writeAll(HANDLE file, const char* data, std::size_t size) {
  while (size > 0) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min(size, kChunk));
    if (!::WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
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

 private:
  HANDLE file_;
};

// Writes into a hidden temporary file beside the target and moves it over the
// target on commit, so the target is either the old file or the new one.
class ReplacingFile final : public WriteFile {
 public:
  ReplacingFile(HANDLE file, std::wstring temporary, std::wstring target, DWORD attributes)
      : file_(file),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        attributes_(attributes) {}
  ~ReplacingFile() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileW(temporary_.c_str());
  }

  bool write(const char* data, std::size_t size) override { return writeAll(file_, data, size); }

  bool commit() override {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file_);
    const bool closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!flushed || !closed || !SetFileAttributesW(temporary_.c_str(), attributes_) ||
        !MoveFileExW(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    committed_ = true;
    return true;
  }

 private:
  HANDLE file_;
  std::wstring temporary_;
  std::wstring target_;
  DWORD attributes_;
  bool committed_ = false;
};

class AppendingFile final : public WriteFile {
 public:
  explicit AppendingFile(HANDLE file) : file_(file) {}
  ~AppendingFile() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }

  bool write(const char* data, std::size_t size) override { return writeAll(file_, data, size); }

  // Closes only, as on POSIX: FlushFileBuffers wants more access than appending.
  bool commit() override {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    const bool closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE file_;
};

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

// "~name.1a2b3c4d.tmp" beside the target, which no pattern the program
// searches for ("*.dat", "*.log") matches.
std::wstring temporaryNameFor(const std::wstring& target, std::uint32_t number) {
  const auto slash = target.find_last_of(L"\\/:");
  const std::size_t start = slash == std::wstring::npos ? 0 : slash + 1;
  return target.substr(0, start) + L"~" + target.substr(start) + L"." + hex(number) + L".tmp";
}

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

std::unique_ptr<WriteFile> openWin32Replace(const std::wstring& path) {
  const std::optional<DWORD> attributes = targetAttributes(path);
  if (!attributes) return nullptr;
  std::wstring temporary;
  const HANDLE file = createTemporary(path, temporary);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<ReplacingFile>(file, std::move(temporary), path, *attributes);
}

std::unique_ptr<WriteFile> openWin32Append(const std::wstring& path) {
  if (!targetAttributes(path)) return nullptr;
  const HANDLE file = checked(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<AppendingFile>(file);
}

}  // namespace platform
