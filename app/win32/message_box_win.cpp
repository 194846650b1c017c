#include "native_dialogs_win.h"

namespace win32ui {

void showNotice(HWND owner, const std::wstring& title, const std::wstring& text) {
  MessageBeep(MB_ICONEXCLAMATION);
  MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool askYesNo(HWND owner, const std::wstring& title, const std::wstring& text) {
  return MessageBoxW(owner, text.c_str(), title.c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace win32ui
