// The dialogs of batch use: every box is written to standard output and
// answered as the command line decided before the run.
// The batch commands' operations report to them.
#pragma once

#include <iosfwd>

#include "platform/system.h"
#include "startup/dialogs.h"
#include "startup/language.h"
#include "wizard/operations.h"

namespace console {

struct BatchAnswers {
  bool faultQuestions = false;  // the check's questions about faults
  bool overwrite = false;       // the question before existing data are overwritten
  std::string dataFolder;       // takes the place of the folder dialog
  std::string importFile;       // takes the place of the file dialog
  bool showRegion = false;      // a line names the regional settings of the run
};

class BatchDialogs : public wizard::OperationCallback {
 public:
  BatchDialogs(platform::System& system, startup::Language language, BatchAnswers answers,
               std::ostream& out)
      : system_(system), language_(language), answers_(std::move(answers)), out_(out) {}

  void notice(const std::string& title, const std::string& text) override;
  bool question(const std::string& title, const std::string& text) override;
  bool askOverwrite(const std::string& title, const std::string& text) override;
  std::string browseForFolder(std::intptr_t ownerWindow, const std::string& instruction) override;
  std::optional<std::string> openFile(const startup::OpenFileRequest& request) override;
  // A batch command names the files it writes on its command line: never asked.
  std::optional<std::string> saveFile(const startup::SaveFileRequest&) override {
    return std::nullopt;
  }
  // Nor does it show boxes of lines or lists: its output is the command's.
  void showLines(const startup::LinesRequest&) override {}
  startup::ListChoice chooseFromList(const startup::ListChoiceRequest&) override { return {}; }
  void regionChosen(const platform::RegionalSettings& region) override;

 private:
  platform::System& system_;
  startup::Language language_;
  BatchAnswers answers_;
  std::ostream& out_;
};

}  // namespace console
