// The help text of the terminal program.
#pragma once

#include "startup/language.h"

namespace console {

const char* usage(startup::Language language);

}  // namespace console
