// The terminal front-end: the wizard, its batch commands, and the planner file tools.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "console_texts.h"
#include "planner_file_tool.h"
#include "platform/system.h"
#include "platform/terminal.h"
#include "startup/language.h"
#include "usage.h"
#include "wizard_runs.h"

namespace {

using console::CommandLineMistake;
using console::MistakeKind;

// The mistake of a "decode" without files or an "encode" with arguments.
std::optional<CommandLineMistake> toolMistake(const std::vector<std::string>& args) {
  if (args[0] == "decode") return CommandLineMistake{MistakeKind::kMissingArgument, args[0]};
  if (args[0] == "encode") return CommandLineMistake{MistakeKind::kExtraArgument, args[1]};
  return std::nullopt;
}

int refused(startup::Language language, const CommandLineMistake& mistake) {
  std::cerr << console::texts::mistake(language, mistake) << "\n"
            << console::texts::helpPointer(language) << "\n";
  return console::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  platform::useUtf8Console();
  const startup::Language language = startup::buildLanguage();
  platform::System& system = platform::hostSystem();
  const std::vector<platform::Argument> arguments = platform::commandLineArguments(argc, argv);
  const std::vector<std::string> args = console::argumentTexts(arguments);
  if (args.empty()) {
    // Answers from a pipe are shown, so that the output reads as a dialogue.
    return console::runInteractive(system, language, std::cin, std::cout,
                                   !platform::inputIsTerminal());
  }
  if (const auto request = console::textRequest(args)) {
    std::cout << (*request == console::TextRequest::kHelp ? console::usage(language)
                                                          : console::version(language));
    return console::kDone;
  }
  if (args[0] == "decode" && args.size() > 1) {
    return console::decodeFiles(system, language, {args.begin() + 1, args.end()}, std::cout,
                                std::cerr);
  }
  if (args[0] == "encode" && args.size() == 1) {
    return console::encodeLines(system, language, std::cin, std::cout, std::cerr);
  }
  const auto parsed = console::batchOptions(arguments);
  if (const auto* options = std::get_if<console::BatchOptions>(&parsed)) {
    return console::runBatch(system, language, *options, std::cout);
  }
  return refused(language,
                 toolMistake(args).value_or(std::get<console::CommandLineMistake>(parsed)));
}
