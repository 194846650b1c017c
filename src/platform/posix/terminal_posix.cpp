#include "platform/terminal.h"

#include <unistd.h>

#include <filesystem>

#include "platform/codepage.h"

namespace platform {

namespace fs = std::filesystem;

std::vector<Argument> commandLineArguments(int argc, char** argv) {
  std::vector<Argument> args;
  for (int i = 1; i < argc; ++i) {
    std::string text = utf8ToCodePage(argv[i]);
    const bool lost = codePageToUtf8(text) != argv[i];
    args.push_back({std::move(text), lost});
  }
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
