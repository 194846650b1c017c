#include "command_line.h"

#include <algorithm>

namespace console {

namespace {

std::optional<BatchCommand> commandNamed(const std::string& name) {
  if (name == "check") return BatchCommand::kCheck;
  if (name == "import") return BatchCommand::kImport;
  if (name == "backups") return BatchCommand::kBackups;
  if (name == "restore") return BatchCommand::kRestore;
  return std::nullopt;
}

}  // namespace

std::vector<std::string> argumentTexts(const std::vector<platform::Argument>& arguments) {
  std::vector<std::string> texts;
  for (const platform::Argument& argument : arguments) texts.push_back(argument.text);
  return texts;
}

std::optional<TextRequest> textRequest(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  if (args[0] == "--help") return TextRequest::kHelp;
  if (args[0] == "--version") return TextRequest::kVersion;
  return std::nullopt;
}

std::optional<BatchOptions> batchOptions(const std::vector<platform::Argument>& arguments) {
  const std::vector<std::string> args = argumentTexts(arguments);
  const auto command = args.empty() ? std::nullopt : commandNamed(args[0]);
  if (!command) return std::nullopt;
  BatchOptions options;
  options.command = *command;
  const bool check = *command == BatchCommand::kCheck;
  const bool import = *command == BatchCommand::kImport;
  const bool takesFile = *command != BatchCommand::kBackups;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const bool valueFollows = i + 1 < args.size();
    if (args[i] == "--data" && valueFollows) {
      options.dataFolder = args[++i];
    } else if (args[i] == "--report" && valueFollows && check && !args[i + 1].empty()) {
      options.faultsReport = args[++i];
    } else if (args[i] == "--region" && valueFollows && takesFile) {
      options.region = platform::regionalSettingsNamed(args[++i]);
      if (!options.region) return std::nullopt;
    } else if (args[i] == "--yes" && !check && takesFile) {
      options.yes = true;
    } else if (args[i] == "--dry-run" && import) {
      options.dryRun = true;
    } else if (takesFile && options.importFile.empty() && !args[i].starts_with("--")) {
      options.importFile = args[i];
    } else {
      return std::nullopt;
    }
  }
  if ((takesFile && options.importFile.empty()) || (options.yes && options.dryRun)) {
    return std::nullopt;
  }
  // Every value of these command lines is a path.
  const auto lost = std::find_if(arguments.begin(), arguments.end(),
                                 [](const platform::Argument& a) { return a.outsideCodePage; });
  if (lost != arguments.end()) options.nameOutsideCodePage = lost->text;
  return options;
}

}  // namespace console
