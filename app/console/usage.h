// The help and version texts of the terminal program.
#pragma once

#include <string>

#include "startup/language.h"

namespace console {

std::string usage(startup::Language language);
// The program's name and version, the build's language and the commit when known.
std::string version(startup::Language language);

}  // namespace console
