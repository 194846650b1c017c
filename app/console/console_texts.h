// The texts of the terminal program's command line and of its wizard's menu,
// in UTF-8 for the terminal.
#pragma once

#include <string>

#include "command_line.h"
#include "startup/language.h"

namespace console::texts {

using startup::Language;

// The mistake of a command line, then the line that points to the help.
std::string mistake(Language language, const CommandLineMistake& mistake);
std::string helpPointer(Language language);

// After a No: nothing was imported (or restored) and nothing changed; with
// `yesConfirms`, that --yes would have confirmed it.
std::string nothingImported(Language language, bool yesConfirms);
std::string nothingRestored(Language language, bool yesConfirms);

// A menu choice that is not one of the numbers shown.
std::string invalidChoice(Language language, const std::string& choice);

// The prompt below a numbered list to choose from, as the backups to restore.
std::string listPrompt(Language language);
// A batch restore's backup that is not there.
std::string noSuchBackup(Language language);

}  // namespace console::texts
