#include "platform/terminal.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cstdio>
#include <filesystem>

#include "platform/codepage.h"

namespace platform {

namespace fs = std::filesystem;

std::vector<Argument> commandLineArguments(int, char**) {
  std::vector<Argument> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) {
    std::string text = utf16ToCodePage(wide[i]);
    const bool lost = codePageToUtf16(text) != wide[i];
    args.push_back({std::move(text), lost});
  }
  LocalFree(wide);
  return args;
}

void useUtf8Console() {
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

bool inputIsTerminal() { return _isatty(_fileno(stdin)) != 0; }

std::string absolutePath(const std::string& path) {
  std::error_code ignored;
  return utf16ToCodePage(fs::absolute(codePageToUtf16(path), ignored).wstring());
}

std::string pathIn(const std::string& folder, const std::string& name) {
  return utf16ToCodePage((fs::path(codePageToUtf16(folder)) / codePageToUtf16(name)).wstring());
}

}  // namespace platform
