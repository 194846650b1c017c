#include "command_line.h"

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

std::optional<TextRequest> textRequest(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  if (args[0] == "--help") return TextRequest::kHelp;
  if (args[0] == "--version") return TextRequest::kVersion;
  return std::nullopt;
}

std::optional<BatchOptions> batchOptions(const std::vector<std::string>& args) {
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
    } else if (args[i] == "--report" && valueFollows && check) {
      options.faultsReport = args[++i];
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
  return options;
}

}  // namespace console
