// The dialogs of the tests: records every box and answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "startup/dialogs.h"

namespace testing_support {

struct ShownBox {
  enum class Kind {
    kNotice,
    kQuestion,
    kFolderDialog,
    kFileDialog,
    kSaveDialog,
    kLines,
    kList
  } kind;
  std::string title;  // UTF-8, like everything recorded here
  // The box's text, the folder dialog's instruction, the other dialogs' title.
  std::string text;
};

class ScriptedDialogs : public startup::Dialogs {
 public:
  // Answers, taken in order; a box without an answer left fails the test and
  // gets No, or a cancel.
  std::deque<bool> answers;
  std::deque<std::string> folders;               // code page; "" cancels
  std::deque<std::optional<std::string>> files;  // both file dialogs; code page; nothing cancels
  std::deque<bool> lineSaves;                    // the lines' box: Save pressed once before Close
  std::deque<startup::ListChoice> choices;       // the list's box
  std::vector<ShownBox> shown;
  std::optional<startup::OpenFileRequest> lastFileRequest;
  std::optional<startup::SaveFileRequest> lastSaveRequest;
  std::optional<startup::LinesRequest> lastLinesRequest;
  std::optional<startup::ListChoiceRequest> lastListRequest;

  void notice(const std::string& title, const std::string& text) override;
  bool question(const std::string& title, const std::string& text) override;
  std::string browseForFolder(std::intptr_t ownerWindow, const std::string& instruction) override;
  std::optional<std::string> openFile(const startup::OpenFileRequest& request) override;
  std::optional<std::string> saveFile(const startup::SaveFileRequest& request) override;
  void showLines(const startup::LinesRequest& request) override;
  startup::ListChoice chooseFromList(const startup::ListChoiceRequest& request) override;

  // The texts of all boxes, or of the notices only, in UTF-8 with "\n" for
  // each carriage return.
  std::vector<std::string> texts() const;
  std::vector<std::string> notices() const;
};

// `text` (code page) in UTF-8, every carriage return turned into "\n".
std::string readable(const std::string& text);

}  // namespace testing_support
