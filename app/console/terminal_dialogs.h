// The dialogs of the wizard in a terminal: notices wait for Enter, questions
// default to No, the folder and file dialogs become prompts.
#pragma once

#include <iosfwd>

#include "platform/system.h"
#include "startup/dialogs.h"
#include "startup/language.h"

namespace console {

class TerminalDialogs : public startup::Dialogs {
 public:
  // With `echo`, every line read is written out, as a terminal would show it.
  TerminalDialogs(platform::System& system, startup::Language language, std::istream& in,
                  std::ostream& out, bool echo)
      : system_(system), language_(language), in_(in), out_(out), echo_(echo) {}

  void notice(const std::string& title, const std::string& text) override;
  bool question(const std::string& title, const std::string& text) override;
  std::string browseForFolder(std::intptr_t ownerWindow, const std::string& instruction) override;
  std::optional<std::string> openFile(const startup::OpenFileRequest& request) override;
  std::optional<std::string> saveFile(const startup::SaveFileRequest& request) override;
  // The lines, then the save button's caption as a question.
  void showLines(const startup::LinesRequest& request) override;
  // The rows numbered; a row is chosen by its number, another file by its name.
  startup::ListChoice chooseFromList(const startup::ListChoiceRequest& request) override;

  // The next line typed, in the code page; nothing at the end of the input.
  std::optional<std::string> readLine();

 private:
  void showBox(const std::string& title, const std::string& text);
  // Asks for Yes or No after a question's text; true for Yes.
  bool yes();
  void showFileDialog(const std::string& title, const std::string& filter);
  // The prompt for a file's name; its full path, or nothing for Enter.
  std::optional<std::string> promptForPath();

  platform::System& system_;
  startup::Language language_;
  std::istream& in_;
  std::ostream& out_;
  bool echo_;
};

// A backup named as in the list lies in the backup folder; any other is a path.
std::string absoluteUnlessName(const std::string& backup);

}  // namespace console
