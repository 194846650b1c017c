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

bool ScriptedDialogs::question(const std::string& title, const std::string& text) {
  shown.push_back({ShownBox::Kind::kQuestion, readable(title), readable(text)});
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << readable(text);
    return false;
  }
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedDialogs::browseForFolder(std::intptr_t, const std::string& instruction) {
  shown.push_back({ShownBox::Kind::kFolderDialog, "", readable(instruction)});
  if (folders.empty()) {
    ADD_FAILURE() << "unexpected folder dialog";
    return {};
  }
  std::string folder = folders.front();
  folders.pop_front();
  return folder;
}

std::optional<std::string> ScriptedDialogs::openFile(const startup::OpenFileRequest& request) {
  shown.push_back({ShownBox::Kind::kFileDialog, "", readable(request.title)});
  lastFileRequest = request;
  if (files.empty()) {
    ADD_FAILURE() << "unexpected file dialog";
    return std::nullopt;
  }
  auto file = files.front();
  files.pop_front();
  return file;
}

std::vector<std::string> ScriptedDialogs::notices() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : shown) {
    if (box.kind == ShownBox::Kind::kNotice) texts.push_back(box.text);
  }
  return texts;
}

}  // namespace testing_support
