// The platform layer on Windows. Paths in the program's code page are
// converted to UTF-16 at this boundary, and only the W functions are called.
#include <windows.h>

#include <string_view>

#include "platform/codepage.h"
#include "platform/system.h"
#include "platform/unseeded_random.h"
#include "platform/wildcard.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_paths.h"

namespace platform {

namespace {

std::wstring native(const std::string& path) { return codePageToUtf16(path); }

// Entries that are no plain files for the program.
constexpr DWORD kHidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;

// "*" inside the folder, which ends with its separator (a drive alone, "C:",
// means that drive's current folder); nothing for a folder path without it,
// since a name appended to "C:\Daten" would not lie inside that folder.
std::optional<std::wstring> everythingIn(const std::string& folder) {
  std::wstring query = native(folder);
  if (!query.empty() && query.back() != L'\\' && query.back() != L'/' && query.back() != L':') {
    return std::nullopt;
  }
  return query + L'*';
}

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

std::wstring localeInfo(LCTYPE type) {
  const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), size);
  text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
  return text;
}

// The separator's byte in the code page; nothing when it is missing or the
// code page lacks it.
std::optional<char> separator(std::wstring_view text) {
  if (text.empty()) return std::nullopt;
  const std::string converted = utf16ToCodePage(text.substr(0, 1));
  if (converted.size() != 1 || (converted == "?" && text.front() != L'?')) return std::nullopt;
  return converted.front();
}

// French and others group thousands with a (narrow) no-break space; the code
// page's no-break space stands in for whatever it lacks.
char thousandsSeparator(std::wstring_view text) {
  if (!text.empty() && text.front() == L'\u202F') return '\xA0';
  return separator(text).value_or('\xA0');
}

bool isDateField(wchar_t c) { return c == L'd' || c == L'M' || c == L'y'; }

// Reads the order of day, month and year and the separator after the first
// field from a short date format such as "dd.MM.yyyy", "M/d/yyyy" or
// "yyyy-MM-dd"; text in single quotes is literal.
void readShortDate(std::wstring_view format, RegionalSettings& settings) {
  std::wstring fields;
  std::wstring afterFirstField;
  bool quoted = false;
  for (wchar_t c : format) {
    if (c == L'\'') {
      quoted = !quoted;
    } else if (!quoted && isDateField(c)) {
      if (fields.find(c) == std::wstring::npos) fields += c;
    } else if (fields.size() == 1 && afterFirstField.empty()) {
      afterFirstField += c;
    }
  }
  if (!fields.empty() && fields.front() == L'y') {
    settings.dateOrder = DateOrder::kYearMonthDay;
  } else if (fields.find(L'd') < fields.find(L'M')) {
    settings.dateOrder = DateOrder::kDayMonthYear;
  } else {
    settings.dateOrder = DateOrder::kMonthDayYear;
  }
  settings.dateSeparator = separator(afterFirstField).value_or(settings.dateSeparator);
}

class Win32System final : public System {
 public:
  std::optional<std::string> environment(const std::string& name) override {
    const std::wstring wideName = native(name);
    std::wstring value(64, L'\0');
    for (;;) {
      SetLastError(ERROR_SUCCESS);
      const DWORD length =
          GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
      if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      if (length < value.size()) {
        value.resize(length);
        return utf16ToCodePage(value);
      }
      value.resize(length);
    }
  }

  std::string executableFolder() override {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length =
          GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (length == 0) return ".";
      if (length < path.size()) {
        path.resize(length);
        break;
      }
      path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L'\\');
    path.resize(slash == std::wstring::npos ? 0 : slash);
    return utf16ToCodePage(path);
  }

  PathKind pathKind(const std::string& path) override {
    if (path.empty()) return PathKind::kMissing;
    const DWORD attributes = GetFileAttributesW(native(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::kFolder;
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) return PathKind::kOther;
    if ((attributes & kHidden) != 0) return PathKind::kHiddenFile;
    return PathKind::kNormalFile;
  }

  // Windows' own wildcards also match the 8.3 short names ("*.dat" finds
  // "x.data"), so every entry is listed and matched here.
  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override {
    const std::optional<std::wstring> query = everythingIn(folder);
    if (!query) return std::nullopt;
    WIN32_FIND_DATAW entry{};
    const FindHandle find(FindFirstFileExW(query->c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
    if (find.get() == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return std::vector<std::string>{};
      }
      return std::nullopt;
    }
    std::vector<std::string> names;
    do {
      if ((entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | kHidden)) != 0) continue;
      std::string name = utf16ToCodePage(entry.cFileName);
      if (matchesPattern(name, pattern)) names.push_back(std::move(name));
    } while (FindNextFileW(find.get(), &entry));
    if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return names;
  }

  bool isWithin(const std::string& path, const std::string& place) override {
    return isWithinWin32(native(path), native(place));
  }

  bool createFolder(const std::string& path) override {
    return !path.empty() && CreateDirectoryW(native(path).c_str(), nullptr);
  }

  // Opens the folder for passing through, as entering it would, and no more.
  bool canEnterFolder(const std::string& path) override {
    if (path.empty()) return false;
    const HANDLE folder = CreateFileW(native(path).c_str(), FILE_TRAVERSE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool isFolder = GetFileInformationByHandle(folder, &info) &&
                          (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    CloseHandle(folder);
    return isFolder;
  }

  std::unique_ptr<ReadFile> openRead(const std::string& path) override {
    return openWin32Read(native(path));
  }
  std::unique_ptr<WriteFile> openReplace(const std::string& path) override {
    return openWin32Replace(native(path));
  }
  std::unique_ptr<WriteFile> openAppend(const std::string& path) override {
    return openWin32Append(native(path));
  }
  std::unique_ptr<WriteFile> openCreate(const std::string& path) override {
    return openWin32Create(native(path));
  }
  LockAttempt lockFile(const std::string& path) override { return lockWin32File(native(path)); }
  void removeStaleTemporaries(const std::string& folder, const std::string& pattern) override {
    removeWin32StaleTemporaries(native(folder), pattern);
  }

  DateTime now() override {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
  }

  void pause(unsigned milliseconds) override { Sleep(milliseconds); }

  double random() override { return random_.next(); }

  // Windows always has regional settings of its own.
  std::optional<RegionalSettings> regionalSettings() override {
    RegionalSettings settings;
    settings.name = utf16ToCodePage(localeInfo(LOCALE_SNAME));
    settings.decimalSeparator = separator(localeInfo(LOCALE_SDECIMAL)).value_or('.');
    settings.thousandsSeparator = thousandsSeparator(localeInfo(LOCALE_STHOUSAND));
    readShortDate(localeInfo(LOCALE_SSHORTDATE), settings);
    for (LCTYPE i = 0; i < 12; ++i) {
      settings.monthNames[i] = utf16ToCodePage(localeInfo(LOCALE_SMONTHNAME1 + i));
      settings.monthAbbreviations[i] = utf16ToCodePage(localeInfo(LOCALE_SABBREVMONTHNAME1 + i));
    }
    return settings;
  }

 private:
  UnseededRandom random_;
};

}  // namespace

System& hostSystem() {
  static Win32System system;
  return system;
}

}  // namespace platform
