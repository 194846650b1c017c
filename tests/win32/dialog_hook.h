// Answers the dialogs that open on the test's thread, in order, and records
// what each one showed: message boxes, the folder dialog and the file dialog.
//
// A CBT hook notices each dialog window when it is activated; a timer then
// answers it from inside the dialog's own message loop, once it is drawn.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace win32_testing {

enum class BoxIcon { kNone, kExclamation, kQuestion, kOther };

struct SeenDialog {
  std::wstring title;
  // A message box's text, or the first text of any other dialog (the folder
  // dialog's instruction).
  std::wstring text;
  BoxIcon icon = BoxIcon::kNone;
  std::vector<int> buttons;  // ids of the visible buttons, in order
  int defaultButton = 0;
  HWND owner = nullptr;
  // File dialogs only: the folder shown and the file type chosen.
  std::wstring folder;
  std::wstring fileType;
  bool operator==(const SeenDialog&) const = default;
};

// For the test's failure messages.
void PrintTo(const SeenDialog& dialog, std::ostream* out);

using Answer = std::function<void(HWND dialog)>;

// Clicks the button with this id (IDOK, IDCANCEL, IDYES, IDNO).
Answer press(int button);
// Selects `folder` (without a trailing backslash, except for a drive root) in
// the folder dialog and confirms it.
Answer chooseFolder(const std::wstring& folder);
// Types `path` as the file name of the file dialog and confirms it.
Answer chooseFile(const std::wstring& path);
// Saves a screenshot of the dialog over `window` as `name`, then answers.
Answer screenshotThen(const std::string& name, HWND window, Answer answer);

class DialogHook {
 public:
  DialogHook();
  ~DialogHook();
  DialogHook(const DialogHook&) = delete;
  DialogHook& operator=(const DialogHook&) = delete;

  // Used in order; a dialog without an answer left fails the test and is
  // cancelled.
  std::deque<Answer> answers;
  std::vector<SeenDialog> seen;

 private:
  static LRESULT CALLBACK onEvent(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK onTimer(HWND dialog, UINT, UINT_PTR, DWORD);
  void answer(HWND dialog);

  HHOOK hook_;
};

// The window's title or a control's text.
std::wstring textOf(HWND window);

// `utf8` in UTF-16, for the texts the tests expect.
std::wstring wide(const std::string& utf8);

}  // namespace win32_testing
