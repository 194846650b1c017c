#include "platform/win32/win32_paths.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace platform {

namespace {

std::wstring fullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  return full;
}

// The final path of an existing file or folder, without the "\\?\" prefix;
// nothing when it cannot be opened.
std::optional<std::wstring> finalPath(const std::wstring& path) {
  const HANDLE handle =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::wstring final(32768, L'\0');
  const DWORD length =
      GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()), 0);
  CloseHandle(handle);
  if (length == 0 || length >= final.size()) return std::nullopt;
  final.resize(length);
  if (final.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + final.substr(8);
  if (final.starts_with(L"\\\\?\\")) return final.substr(4);
  return final;
}

// The longest existing start of the full path resolved, and the rest as it
// stands. A start is tried with its separator, so that "C:\" is the root and
// not the drive's current folder.
std::wstring resolved(const std::wstring& path) {
  const std::wstring full = fullPath(path);
  if (const auto whole = finalPath(full)) return *whole;
  for (std::size_t end = full.rfind(L'\\'); end != std::wstring::npos && end > 0;
       end = full.rfind(L'\\', end - 1)) {
    if (const auto start = finalPath(full.substr(0, end + 1))) {
      return *start + L'\\' + full.substr(end + 1);
    }
  }
  return full;
}

std::vector<std::wstring> names(const std::wstring& path) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find(L'\\', start), path.size());
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool sameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

bool isWithinWin32(const std::wstring& path, const std::wstring& place) {
  const std::vector<std::wstring> pathNames = names(resolved(path));
  const std::vector<std::wstring> placeNames = names(resolved(place));
  if (placeNames.size() > pathNames.size()) return false;
  for (std::size_t i = 0; i < placeNames.size(); ++i) {
    if (!sameName(pathNames[i], placeNames[i])) return false;
  }
  return true;
}

}  // namespace platform
