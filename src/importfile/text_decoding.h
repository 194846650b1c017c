// Import files that spreadsheet programs write in Unicode, recognised by a byte
// order mark or by their UTF-8 content and brought into the program's code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace importfile {

enum class Encoding { kCodePage, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

// The encoding that a byte order mark at the start of `bytes` announces;
// kCodePage when there is none.
Encoding byteOrderMark(std::string_view bytes);

// True when every line is well-formed UTF-8 and one of them holds a character
// beyond ASCII: such a file is no plain code-page text.
bool looksLikeUtf8(const std::vector<std::string>& lines);

// Converts UTF-8 lines to the code page in place; a byte order mark at the
// start of the first line is dropped.
void utf8LinesToCodePage(std::vector<std::string>& lines);

// The lines of UTF-16 text that follows a byte order mark, in the code page;
// lines end with CR LF, LF or CR.
std::vector<std::string> utf16ToCodePageLines(std::string_view bytes, bool bigEndian);

}  // namespace importfile
