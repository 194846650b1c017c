#include "command_line.h"

#include <algorithm>
#include <string_view>

#include "platform/regional_settings.h"

namespace console {

namespace {

std::optional<BatchCommand> commandNamed(const std::string& name) {
  if (name == "check") return BatchCommand::kCheck;
  if (name == "import") return BatchCommand::kImport;
  if (name == "backups") return BatchCommand::kBackups;
  if (name == "restore") return BatchCommand::kRestore;
  if (name == "export") return BatchCommand::kExport;
  return std::nullopt;
}

constexpr unsigned bit(BatchCommand command) { return 1u << static_cast<unsigned>(command); }
constexpr unsigned kCheck = bit(BatchCommand::kCheck);
constexpr unsigned kImport = bit(BatchCommand::kImport);
constexpr unsigned kRestore = bit(BatchCommand::kRestore);
constexpr unsigned kExport = bit(BatchCommand::kExport);
constexpr unsigned kEvery = kCheck | kImport | kRestore | kExport | bit(BatchCommand::kBackups);

// An option, the commands it goes with, and the field it sets: a value, or a flag.
struct Option {
  std::string_view name;
  unsigned commands;
  std::string BatchOptions::*value = nullptr;
  bool BatchOptions::*flag = nullptr;
};

constexpr Option kOptions[] = {
    {"--data", kEvery, &BatchOptions::dataFolder},
    {"--report", kCheck, &BatchOptions::faultsReport},
    {"--yes", kImport | kRestore, nullptr, &BatchOptions::yes},
    {"--dry-run", kImport, nullptr, &BatchOptions::dryRun},
    {"--region", kCheck | kImport | kRestore | kExport, &BatchOptions::regionCode},
    {"--encoding", kExport, &BatchOptions::encodingName},
};

const Option* optionNamed(const std::string& name) {
  const auto found = std::find_if(std::begin(kOptions), std::end(kOptions),
                                  [&](const Option& option) { return option.name == name; });
  return found == std::end(kOptions) ? nullptr : found;
}

// Fills `options` from the arguments after the command; the first mistake, if any.
std::optional<CommandLineMistake> readArguments(const std::vector<std::string>& args,
                                                BatchOptions& options) {
  const bool takesFile = options.command != BatchCommand::kBackups;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // A lone "-" is a name; "-x" is a mistyped option rather than a file.
    if (!arg.starts_with("-") || arg == "-") {
      if (!takesFile || !options.importFile.empty()) {
        return CommandLineMistake{MistakeKind::kExtraArgument, arg};
      }
      options.importFile = arg;
      continue;
    }
    const Option* option = optionNamed(arg);
    if (option == nullptr) return CommandLineMistake{MistakeKind::kUnknownOption, arg};
    if ((option->commands & bit(options.command)) == 0) {
      return CommandLineMistake{MistakeKind::kNotForCommand, arg, args[0]};
    }
    if (option->flag != nullptr) {
      options.*option->flag = true;
    } else if (i + 1 == args.size() || args[i + 1].starts_with("--")) {
      return CommandLineMistake{MistakeKind::kMissingValue, arg};
    } else if (args[i + 1].empty()) {
      return CommandLineMistake{MistakeKind::kEmptyValue, arg};
    } else {
      options.*option->value = args[++i];
    }
  }
  if (takesFile && options.importFile.empty()) {
    return CommandLineMistake{MistakeKind::kMissingArgument, args[0]};
  }
  if (options.yes && options.dryRun) {
    return CommandLineMistake{MistakeKind::kConflict, "--yes", "--dry-run"};
  }
  if (!options.regionCode.empty()) {
    options.region = platform::regionalSettingsNamed(options.regionCode);
    if (!options.region) return CommandLineMistake{MistakeKind::kUnknownRegion, options.regionCode};
  }
  if (options.encodingName == "cp") {
    options.encoding = importfile::ExportEncoding::kCodePage;
  } else if (!options.encodingName.empty() && options.encodingName != "utf-8") {
    return CommandLineMistake{MistakeKind::kUnknownEncoding, options.encodingName};
  }
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
  for (const char* help : {"--help", "help", "-h", "/?"}) {
    if (args[0] == help) return TextRequest::kHelp;
  }
  if (args[0] == "--version") return TextRequest::kVersion;
  if (std::find(args.begin(), args.end(), "--help") != args.end()) return TextRequest::kHelp;
  return std::nullopt;
}

std::variant<BatchOptions, CommandLineMistake> batchOptions(
    const std::vector<platform::Argument>& arguments) {
  const std::vector<std::string> args = argumentTexts(arguments);
  if (args.empty()) return CommandLineMistake{MistakeKind::kUnknownCommand, ""};
  const auto command = commandNamed(args[0]);
  if (!command) {
    const bool option = args[0].starts_with("-");
    return CommandLineMistake{option ? MistakeKind::kUnknownOption : MistakeKind::kUnknownCommand,
                              args[0]};
  }
  BatchOptions options;
  options.command = *command;
  if (const auto mistake = readArguments(args, options)) return *mistake;
  // Every value of these command lines is a path.
  const auto lost = std::find_if(arguments.begin(), arguments.end(),
                                 [](const platform::Argument& a) { return a.outsideCodePage; });
  if (lost != arguments.end()) options.nameOutsideCodePage = lost->text;
  return options;
}

}  // namespace console
