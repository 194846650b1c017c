// The terminal front-end: the wizard, its batch commands, and the planner file tools.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>
#endif

#include "command_line.h"
#include "planner_file_tool.h"
#include "platform/codepage.h"
#include "platform/system.h"
#include "startup/language.h"
#include "usage.h"
#include "wizard_runs.h"

namespace {

// Arguments in the code page; on Windows from the UTF-16 command line.
std::vector<std::string> arguments(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) args.push_back(platform::utf16ToCodePage(wide[i]));
  LocalFree(wide);
#else
  for (int i = 1; i < argc; ++i) args.push_back(platform::utf8ToCodePage(argv[i]));
#endif
  return args;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const startup::Language language = startup::buildLanguage();
  platform::System& system = platform::hostSystem();
  const std::vector<std::string> args = arguments(argc, argv);
  if (args.empty()) return console::runInteractive(system, language, std::cin, std::cout);
  if (args[0] == "--help") {
    std::cout << console::usage(language);
    return console::kDone;
  }
  if (const auto options = console::batchOptions(args)) {
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
