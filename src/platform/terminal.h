// What the terminal program needs of the system besides platform::System: its
// command line, its console, and paths of the current folder, all in the
// program's code page.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct Argument {
  std::string text;              // in the code page: a character that it lacks is "?"
  bool outsideCodePage = false;  // the text lost characters
};
// The arguments after the program's name; on Windows from the UTF-16 command
// line, which holds characters that argv would have lost.
std::vector<Argument> commandLineArguments(int argc, char** argv);
// Makes standard input and output carry UTF-8 bytes unchanged.
void useUtf8Console();
// True when standard input is a terminal rather than a pipe or a file.
bool inputIsTerminal();
// `path` made absolute against the current folder.
std::string absolutePath(const std::string& path);
// `name` inside `folder`, unless `name` is an absolute path itself.
std::string pathIn(const std::string& folder, const std::string& name);

}  // namespace platform
