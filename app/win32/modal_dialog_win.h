// What the program's own modal dialogs share: a dialog built in memory over
// its owner, one content control above a row of buttons at the bottom right,
// the window's font and places for the owner's DPI, resizable, with the
// dialog keys (Tab, Enter for the default button, Esc for IDCANCEL, "&" keys).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace win32ui {

// The content control's id; the buttons have their own.
inline constexpr int kDialogContent = 100;

struct DialogButton {
  int id;
  std::wstring caption;  // "&" marks the access key
};

struct DialogDescription {
  std::wstring title;
  const wchar_t* contentClass;        // a system class, as L"EDIT"
  DWORD contentStyle;                 // beside WS_CHILD, WS_VISIBLE, WS_TABSTOP and WS_BORDER
  std::vector<DialogButton> buttons;  // left to right
  int defaultButton;
  SIZE size;  // at 96 DPI
  // Fills the content once the controls exist.
  std::function<void(HWND dialog)> fill;
  // A command of a control; false leaves it to the dialog, which ends with
  // IDCANCEL for Esc and the Cancel or Close button.
  std::function<bool(HWND dialog, int id, int code)> command;
};

// Shows the dialog over `owner` until EndDialog; its result. An exception
// thrown by `fill` or `command` ends the dialog and is thrown on from here.
INT_PTR runModalDialog(HWND owner, const DialogDescription& description);

// The width of the widest of `texts` in the font of the dialog's controls, in pixels.
int textWidth(HWND dialog, const std::vector<std::wstring>& texts);

}  // namespace win32ui
