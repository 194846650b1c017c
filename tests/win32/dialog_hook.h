// Answers the dialogs that open on the test's thread, in order, and records
// what each one showed: message boxes, the folder dialog and the file dialog.
//
// A CBT hook notices each dialog window when it is activated; a timer then
// answers it from inside the dialog's own message loop, once it is drawn.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace win32_testing {

struct SeenDialog {
  std::wstring title;
  // A message box's text, or the first text of any other dialog (the folder
  // dialog's instruction).
  std::wstring text;
  HICON icon = nullptr;
  std::vector<int> buttons;  // ids of the visible buttons, in order
  int defaultButton = 0;
  HWND owner = nullptr;
  std::wstring fileType;  // the file dialog's chosen file type
};

using Answer = std::function<void(HWND dialog)>;

// Clicks the button with this id (IDOK, IDCANCEL, IDYES, IDNO).
Answer press(int button);
// Selects `folder` in the folder dialog and confirms it.
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
  HHOOK hook_;
};

// The window's title or a control's text.
std::wstring textOf(HWND window);

}  // namespace win32_testing
