// The terminal front-end: the wizard, its batch commands, and the planner file tools.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "planner_file_tool.h"
#include "platform/system.h"
#include "platform/terminal.h"
#include "startup/language.h"
#include "usage.h"
#include "wizard_runs.h"

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
  if (const auto options = console::batchOptions(arguments)) {
    return console::runBatch(system, language, *options, std::cout);
  }
  if (args.size() >= 2 && args[0] == "decode") {
    return console::decodeFiles(system, language, {args.begin() + 1, args.end()}, std::cout,
                                std::cerr);
  }
  if (args.size() == 1 && args[0] == "encode") {
    return console::encodeLines(system, language, std::cin, std::cout, std::cerr);
  }
  std::cerr << console::usage(language);
  return console::kUsage;
}
