// The Windows dialogs, each one function that shows its dialog, waits for the
// user and returns what he chose. Texts are UTF-16; a line break in a box's
// text is one carriage return.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace win32ui {

// A beep, then the text with an OK button and the exclamation icon.
void showNotice(HWND owner, const std::wstring& title, const std::wstring& text);
// The text with Yes and No, No the default, and the question icon; true for Yes.
bool askYesNo(HWND owner, const std::wstring& title, const std::wstring& text);

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

}  // namespace win32ui
