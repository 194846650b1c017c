// Conversions between the program's single-byte code page and Unicode.
//
// The code page is the system's active ANSI code page on Windows when that is
// a single-byte one, and Windows-1252 otherwise and elsewhere. Characters that
// the code page lacks become "?".
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string codePageToUtf8(std::string_view text);
std::string utf8ToCodePage(std::string_view utf8);
// True when `utf8` is well-formed UTF-8.
bool isValidUtf8(std::string_view utf8);
// The code page's own lower-case mapping (Ä to ä, É to é).
std::string lowerCase(std::string_view text);

#ifdef _WIN32
std::wstring codePageToUtf16(std::string_view text);
std::string utf16ToCodePage(std::wstring_view text);
#endif

}  // namespace platform
