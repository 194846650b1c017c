// The batch commands' command lines.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/terminal.h"
#include "wizard_runs.h"

namespace console {

// The arguments' texts in the code page.
std::vector<std::string> argumentTexts(const std::vector<platform::Argument>& arguments);

// "--help" (or "help", "-h", "/?", or "--help" after a command) and "--version"
// ask for a text and nothing else.
enum class TextRequest { kHelp, kVersion };
std::optional<TextRequest> textRequest(const std::vector<std::string>& args);

// What is wrong with a command line; `word` is the argument at fault, `other`
// the command it does not go with or the option it excludes.
enum class MistakeKind {
  kUnknownCommand,
  kUnknownOption,
  kNotForCommand,
  kMissingValue,
  kEmptyValue,
  kMissingArgument,  // `word` is the command
  kExtraArgument,
  kConflict,
  kUnknownRegion,    // `word` is the code
  kUnknownEncoding,  // `word` is the name
};
struct CommandLineMistake {
  MistakeKind kind;
  std::string word;
  std::string other = "";
  bool operator==(const CommandLineMistake&) const = default;
};

// "check [--data FOLDER] [--report FAULTS] FILE",
// "import [--data FOLDER] [--yes | --dry-run] FILE", "backups [--data FOLDER]" and
// "restore [--data FOLDER] [--yes] BACKUP" and
// "export [--data FOLDER] [--encoding cp|utf-8] FILE", the four with a file also
// with "--region CODE"; the first mistake of any other.
std::variant<BatchOptions, CommandLineMistake> batchOptions(
    const std::vector<platform::Argument>& args);

}  // namespace console
