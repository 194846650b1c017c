#include <windows.h>
// after windows.h
#include <commdlg.h>

#include <algorithm>

#include "native_dialogs_win.h"

namespace win32ui {

namespace {

// "name|pattern|..." as the dialog takes it: each part ended by a NUL and the
// whole by another one (the string's own terminator).
std::wstring filterList(std::wstring filter) {
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  filter.push_back(L'\0');
  return filter;
}

// Long enough for any path that Windows can open.
constexpr DWORD kPathCapacity = 32768;

}  // namespace

std::optional<std::wstring> openFile(HWND owner, const FileDialogRequest& request) {
  const std::wstring filter = request.filter.empty() ? L"" : filterList(request.filter);
  std::wstring file(kPathCapacity, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathCapacity;
  dialog.lpstrInitialDir = request.startFolder.empty() ? nullptr : request.startFolder.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = OFN_HIDEREADONLY | (request.fileMustExist ? OFN_FILEMUSTEXIST : 0);
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  file.resize(file.find(L'\0'));
  return file;
}

}  // namespace win32ui
