// The code page behind the Windows conversions, and the conversions for any
// given single-byte code page.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The planner's files hold one byte per character. Windows set to UTF-8 (65001)
// or to a double-byte page (East Asian) offers no such page, and refuses the
// conversion flags that keep characters apart: there Windows-1252 serves.
unsigned codePageFor(unsigned activeCodePage);

std::wstring toUtf16(std::string_view text, unsigned codePage);
std::string fromUtf16(std::wstring_view text, unsigned codePage);

}  // namespace platform::win32
