// File-name patterns with "*" and "?", matched as the Windows file system
// matches long names, but on every platform without regard to letter case.
#pragma once

#include <string_view>

namespace platform {

// `name` and `pattern` are in the code page.
bool matchesPattern(std::string_view name, std::string_view pattern);

}  // namespace platform
