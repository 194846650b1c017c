// Folder tests, creation, the current folder, parent folders and the folder dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "startup/program_state.h"

namespace startup {

bool Ordner_vorhanden(const Context& context, const std::string& path);
// Creates one folder level and makes it the current folder; ends the program
// with a message when either fails.
void Ordner_anlegen(const Context& context, const std::string& path);
// Makes `path` the current folder (and its drive the current drive), or ends
// the program with a message.
void Ordner_pruefen(const Context& context, const std::string& path);
// `folder` with the separator appended unless it already ends with it.
std::string withSeparator(std::string folder);
// The containing folder with its trailing separator, or the empty text; a
// trailing separator of `path` itself does not count.
std::string ParentDir(std::string_view path);
// The folder the user picks, or the empty text when he cancels.
std::string BrowseForFolder(ProgramState& state, std::intptr_t ownerWindow);

}  // namespace startup
