// The message for a planner file that is not in the data folder.
#pragma once

#include <string>

#include "startup/language.h"

namespace hostfiles {

// The text for Programm_beenden; `path` is the file's full path, inserted
// unchanged. Empty for a language other than the three.
std::string fileNotFoundText(startup::Language language, const std::string& path);

}  // namespace hostfiles
