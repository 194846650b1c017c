// Everything the user sees or answers passes through this interface.
//
// Implemented by the Win32 message boxes and shell dialogs (app/win32), the
// terminal front-end (app/console) and the scripted fake of the tests
// (tests/support/scripted_dialogs.h). All texts are in the program's code page;
// a line break is one carriage return.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// Lines to read in a resizable box, with a button that saves them and one
// that closes the box. Captions mark their access key with "&".
struct LinesRequest {
  std::string title;
  std::vector<std::string> lines;
  std::string saveCaption;
  std::string closeCaption;
  std::function<void()> save;  // the box stays open while it runs
};

// A list to choose one row from, a button for a file elsewhere, and Cancel.
// A row that cannot be chosen is shown all the same.
struct ListRow {
  std::string text;
  bool choosable = true;
};
struct ListChoiceRequest {
  std::string title;
  std::vector<ListRow> rows;
  std::string emptyText;  // shown in place of the rows when there are none
  std::string chooseCaption;
  std::string otherCaption;
  std::string cancelCaption;
};
struct ListChoice {
  enum class Kind { kCancelled, kChosen, kOtherFile } kind = Kind::kCancelled;
  std::size_t row = 0;  // kChosen: always a choosable one
  // kOtherFile: a file the user already named with his choice, where the
  // front-end asks for one at once; empty: the caller asks with its file dialog.
  std::string otherFile;
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
  // Shows the lines until the user closes the box.
  virtual void showLines(const LinesRequest& request) = 0;
  // What the user chose in the list.
  virtual ListChoice chooseFromList(const ListChoiceRequest& request) = 0;
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
  void showLines(const LinesRequest&) override {}
  ListChoice chooseFromList(const ListChoiceRequest&) override { return {}; }
};

}  // namespace startup
