// Where a path leads on Windows; paths are UTF-16.
#pragma once

#include <string>

namespace platform {

// System::isWithin: Windows resolves ".." by the text of the path, and then
// the links and short names of the part that exists lead to the final path.
bool isWithinWin32(const std::wstring& path, const std::wstring& place);

}  // namespace platform
