// Everything the user sees or answers passes through this interface.
//
// Implemented by the Win32 message boxes and shell dialogs (app/win32), the
// terminal front-end (app/console) and the scripted fake of the tests
// (tests/support/scripted_dialogs.h). All texts are in the program's code page;
// a line break is one carriage return.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace startup {

struct OpenFileRequest {
  std::string title;
  std::string filter;  // display name and pattern separated by "|"
  std::string startFolder;
  bool fileMustExist = true;
};

struct SaveFileRequest {
  std::string title;
  std::string filter;  // display name and pattern separated by "|"
  std::string startFolder;
  std::string defaultName;       // the name the dialog proposes
  std::string defaultExtension;  // added to a name typed without one, without the dot
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Beeps, shows `text` with an OK button and the exclamation icon, waits for OK.
  virtual void notice(const std::string& title, const std::string& text) = 0;
  // Shows `text` with Yes and No (No the default) and the question icon; true for Yes.
  virtual bool question(const std::string& title, const std::string& text) = 0;
  // The question before existing data are overwritten: a question like any
  // other, which batch use answers by its own flag rather than with the faults.
  virtual bool askOverwrite(const std::string& title, const std::string& text) {
    return question(title, text);
  }
  // The folder the user picked, or the empty text when he cancelled. A drive
  // root ends with the separator, any other folder does not.
  virtual std::string browseForFolder(std::intptr_t ownerWindow,
                                      const std::string& instruction) = 0;
  // The full path of the file the user picked, or nothing when he cancelled.
  virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
  // The full path of the file the user named to be written, or nothing when
  // he cancelled. Whether it may be written is the caller's to decide.
  virtual std::optional<std::string> saveFile(const SaveFileRequest& request) = 0;
};

// The dialogs of a run that no one watches: every question answered Yes,
// nothing shown, no file or folder chosen.
class UnwatchedDialogs : public Dialogs {
 public:
  void notice(const std::string&, const std::string&) override {}
  bool question(const std::string&, const std::string&) override { return true; }
  std::string browseForFolder(std::intptr_t, const std::string&) override { return ""; }
  std::optional<std::string> openFile(const OpenFileRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const SaveFileRequest&) override { return std::nullopt; }
};

}  // namespace startup
