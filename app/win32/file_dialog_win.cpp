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

// Runs the dialog that `show` opens over `dialog`, with `file` as the name
// it starts with; the chosen path, or nothing when the user cancelled.
std::optional<std::wstring> runFileDialog(HWND owner, const FileDialogRequest& request,
                                          std::wstring file, OPENFILENAMEW& dialog,
                                          BOOL(WINAPI* show)(OPENFILENAMEW*)) {
  const std::wstring filter = request.filter.empty() ? L"" : filterList(request.filter);
  file.resize(kPathCapacity, L'\0');
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathCapacity;
  dialog.lpstrInitialDir = request.startFolder.empty() ? nullptr : request.startFolder.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags |= OFN_HIDEREADONLY;
  if (!show(&dialog)) return std::nullopt;
  file.resize(file.find(L'\0'));
  return file;
}

}  // namespace

std::optional<std::wstring> openFile(HWND owner, const FileDialogRequest& request) {
  OPENFILENAMEW dialog{};
  dialog.Flags = request.fileMustExist ? OFN_FILEMUSTEXIST : 0;
  return runFileDialog(owner, request, L"", dialog, GetOpenFileNameW);
}

std::optional<std::wstring> saveFile(HWND owner, const FileDialogRequest& request,
                                     const std::wstring& defaultName,
                                     const std::wstring& defaultExtension) {
  OPENFILENAMEW dialog{};
  dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
  return runFileDialog(owner, request, defaultName, dialog, GetSaveFileNameW);
}

}  // namespace win32ui
