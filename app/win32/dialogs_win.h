// The dialogs interface over the Windows dialogs: the program's code-page
// texts cross into Windows as UTF-16.
#pragma once

#include <windows.h>

#include "startup/dialogs.h"

namespace win32ui {

class Win32Dialogs : public startup::Dialogs {
 public:
  // The window that message boxes and the file dialog belong to: while one of
  // them is open, that window takes no clicks. None before the window exists.
  void setOwner(HWND owner) { owner_ = owner; }

  void notice(const std::string& title, const std::string& text) override;
  bool question(const std::string& title, const std::string& text) override;
  std::string browseForFolder(std::intptr_t ownerWindow, const std::string& instruction) override;
  std::optional<std::string> openFile(const startup::OpenFileRequest& request) override;
  std::optional<std::string> saveFile(const startup::SaveFileRequest& request) override;
  // While the lines' Save runs, its dialogs belong to the box of lines.
  void showLines(const startup::LinesRequest& request) override;
  startup::ListChoice chooseFromList(const startup::ListChoiceRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace win32ui
