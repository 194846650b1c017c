// The batch commands' command lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/terminal.h"
#include "wizard_runs.h"

namespace console {

// The arguments' texts in the code page.
std::vector<std::string> argumentTexts(const std::vector<platform::Argument>& arguments);

// "--help" and "--version" ask for a text and nothing else.
enum class TextRequest { kHelp, kVersion };
std::optional<TextRequest> textRequest(const std::vector<std::string>& args);

// "check [--data FOLDER] [--report FAULTS] FILE",
// "import [--data FOLDER] [--yes | --dry-run] FILE", "backups [--data FOLDER]" and
// "restore [--data FOLDER] [--yes] BACKUP", the three with a file also with
// "--region CODE"; nothing for any other command line, an empty FAULTS or an
// unknown CODE included.
std::optional<BatchOptions> batchOptions(const std::vector<platform::Argument>& args);

}  // namespace console
