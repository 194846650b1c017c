#include "platform/terminal.h"

#include <unistd.h>

#include <filesystem>

#include "platform/codepage.h"

namespace platform {

namespace fs = std::filesystem;

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(utf8ToCodePage(argv[i]));
  return args;
}

void useUtf8Console() {}

bool inputIsTerminal() { return ::isatty(STDIN_FILENO) == 1; }

std::string absolutePath(const std::string& path) {
  std::error_code ignored;
  return utf8ToCodePage(fs::absolute(codePageToUtf8(path), ignored).string());
}

std::string pathIn(const std::string& folder, const std::string& name) {
  return utf8ToCodePage((fs::path(codePageToUtf8(folder)) / codePageToUtf8(name)).string());
}

}  // namespace platform
