// The texts of the start, the folders and the program's end, in the code page.
// Values are inserted as they stand. For a language other than the three the
// fixed parts are empty; the callers show nothing then.
#pragma once

#include <string>

#include "startup/language.h"
#include "startup/write_target.h"

namespace startup::texts {

std::string programTitle(Language language);
std::string plannerMissing(Language language);
// The data folder the planner installs, named in its language.
std::string defaultDataFolder(Language language);
std::string browseForDataFolder(Language language);

// `quoted` is the folder's name in the language's quotation marks.
std::string noAccess(Language language, const std::string& quoted);
std::string folderNotCreated(Language language, const std::string& quoted);
std::string folderNotAccessible(Language language, const std::string& quoted);

// `name` between the language's quotation marks.
std::string quoted(Language language, const std::string& name);

// The last line of every message that ends the program.
std::string closing(Language language);
// The report of run-time error `number` in the procedure `where`, with the
// error's description and the closing line.
std::string errorReport(Language language, const std::string& where, int number);
// The run-time error's description.
std::string errorDescription(Language language, int number);

// Why the file the user named (`quoted`) is not written.
std::string targetRefused(Language language, TargetRefusal refusal, const std::string& quoted);

// The closing question of a question about a fault.
std::string continueQuestion(Language language);

}  // namespace startup::texts
