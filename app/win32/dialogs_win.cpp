#include "dialogs_win.h"

#include <utility>

#include "list_dialogs_win.h"
#include "native_dialogs_win.h"
#include "platform/codepage.h"

namespace win32ui {

using platform::codePageToUtf16;
using platform::utf16ToCodePage;

// A beep, then the text with an OK button and the exclamation icon. A line
// break in a box's text is one carriage return.
void Win32Dialogs::notice(const std::string& title, const std::string& text) {
  MessageBeep(MB_ICONEXCLAMATION);
  MessageBoxW(owner_, codePageToUtf16(text).c_str(), codePageToUtf16(title).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}

// The text with Yes and No, No the default, and the question icon.
bool Win32Dialogs::question(const std::string& title, const std::string& text) {
  return MessageBoxW(owner_, codePageToUtf16(text).c_str(), codePageToUtf16(title).c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::string Win32Dialogs::browseForFolder(std::intptr_t ownerWindow,
                                          const std::string& instruction) {
  const HWND owner = reinterpret_cast<HWND>(ownerWindow);
  return utf16ToCodePage(win32ui::browseForFolder(owner, codePageToUtf16(instruction)));
}

std::optional<std::string> Win32Dialogs::openFile(const startup::OpenFileRequest& request) {
  const auto chosen =
      win32ui::openFile(owner_, {codePageToUtf16(request.title), codePageToUtf16(request.filter),
                                 codePageToUtf16(request.startFolder), request.fileMustExist});
  if (!chosen) return std::nullopt;
  return utf16ToCodePage(*chosen);
}

std::optional<std::string> Win32Dialogs::saveFile(const startup::SaveFileRequest& request) {
  const auto chosen = win32ui::saveFile(
      owner_,
      {codePageToUtf16(request.title), codePageToUtf16(request.filter),
       codePageToUtf16(request.startFolder), false},
      codePageToUtf16(request.defaultName), codePageToUtf16(request.defaultExtension));
  if (!chosen) return std::nullopt;
  return utf16ToCodePage(*chosen);
}

void Win32Dialogs::showLines(const startup::LinesRequest& request) {
  showLinesDialog(owner_, request, [&](HWND dialog) {
    const HWND owner = std::exchange(owner_, dialog);
    try {
      request.save();
    } catch (...) {
      owner_ = owner;
      throw;
    }
    owner_ = owner;
  });
}

startup::ListChoice Win32Dialogs::chooseFromList(const startup::ListChoiceRequest& request) {
  return listChoiceDialog(owner_, request);
}

}  // namespace win32ui
