// Import files that spreadsheet programs write in Unicode, recognised by a byte
// order mark or by their UTF-8 content and brought into the program's code page.
#pragma once

#include <string>
#include <string_view>

namespace importfile {

enum class Encoding { kCodePage, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

// The encoding that a byte order mark at the start of `bytes` announces;
// kCodePage when there is none.
Encoding byteOrderMark(std::string_view bytes);

// True when `text` is well-formed UTF-8 and holds a character beyond ASCII:
// such a file is no plain code-page text.
bool looksLikeUtf8(std::string_view text);

// UTF-8 text in the code page; a byte order mark at its start is dropped.
std::string utf8ToCodePage(std::string_view text);

// The UTF-16 text that follows a byte order mark, in the code page.
std::string utf16ToCodePage(std::string_view bytes, bool bigEndian);

}  // namespace importfile
