// The shell's dialogs, each one function that shows its dialog, waits for the
// user and returns what he chose. Texts are UTF-16.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace win32ui {

// The shell's folder dialog, in which only file-system folders can be
// confirmed. The chosen folder as the shell names it (a drive root ends with a
// backslash, any other folder does not); empty when the user cancelled.
std::wstring browseForFolder(HWND owner, const std::wstring& instruction);

struct FileDialogRequest {
  std::wstring title;
  std::wstring filter;  // display names and patterns separated by "|"
  std::wstring startFolder;
  bool fileMustExist = true;
};

// The file-open dialog without a read-only box; the chosen file's full path,
// or nothing when the user cancelled.
std::optional<std::wstring> openFile(HWND owner, const FileDialogRequest& request);

// The Save dialog, proposing `defaultName` and adding `defaultExtension` to a
// name typed without one. It does not ask before replacing a file: whether one
// may be replaced is the program's rule. The path, or nothing when cancelled.
std::optional<std::wstring> saveFile(HWND owner, const FileDialogRequest& request,
                                     const std::wstring& defaultName,
                                     const std::wstring& defaultExtension);

}  // namespace win32ui
