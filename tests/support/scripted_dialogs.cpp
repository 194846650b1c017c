#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace testing_support {

std::string readable(const std::string& text) {
  std::string out = platform::codePageToUtf8(text);
  for (char& c : out) {
    if (c == '\r') c = '\n';
  }
  return out;
}

void ScriptedDialogs::notice(const std::string& title, const std::string& text) {
  shown.push_back({ShownBox::Kind::kNotice, readable(title), readable(text)});
}

namespace {

// The next answer of `script`; without one, the test fails and gets `none`.
template <typename T>
T next(std::deque<T>& script, const std::string& what, T none) {
  if (script.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    return none;
  }
  T answer = std::move(script.front());
  script.pop_front();
  return answer;
}

}  // namespace

bool ScriptedDialogs::question(const std::string& title, const std::string& text) {
  shown.push_back({ShownBox::Kind::kQuestion, readable(title), readable(text)});
  return next(answers, "question: " + readable(text), false);
}

std::string ScriptedDialogs::browseForFolder(std::intptr_t, const std::string& instruction) {
  shown.push_back({ShownBox::Kind::kFolderDialog, "", readable(instruction)});
  return next(folders, "folder dialog", std::string());
}

std::optional<std::string> ScriptedDialogs::openFile(const startup::OpenFileRequest& request) {
  shown.push_back({ShownBox::Kind::kFileDialog, "", readable(request.title)});
  lastFileRequest = request;
  return next(files, "file dialog", std::optional<std::string>());
}

std::optional<std::string> ScriptedDialogs::saveFile(const startup::SaveFileRequest& request) {
  shown.push_back({ShownBox::Kind::kSaveDialog, "", readable(request.title)});
  lastSaveRequest = request;
  return next(files, "save dialog", std::optional<std::string>());
}

void ScriptedDialogs::showLines(const startup::LinesRequest& request) {
  shown.push_back({ShownBox::Kind::kLines, "", readable(request.title)});
  lastLinesRequest = request;
  if (next(lineSaves, "lines box", false)) request.save();
}

startup::ListChoice ScriptedDialogs::chooseFromList(const startup::ListChoiceRequest& request) {
  shown.push_back({ShownBox::Kind::kList, "", readable(request.title)});
  lastListRequest = request;
  return next(choices, "list box", startup::ListChoice{});
}

std::vector<std::string> ScriptedDialogs::texts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : shown) texts.push_back(box.text);
  return texts;
}

std::vector<std::string> ScriptedDialogs::notices() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : shown) {
    if (box.kind == ShownBox::Kind::kNotice) texts.push_back(box.text);
  }
  return texts;
}

}  // namespace testing_support
