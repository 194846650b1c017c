// A small strict UTF-8 decoder and encoder shared by the code page conversions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::utf8 {

inline constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes the character at `pos` and advances `pos` past it; an ill-formed
// sequence gives kInvalid and advances by one byte.
char32_t next(std::string_view text, std::size_t& pos);
void append(std::string& out, char32_t codePoint);

}  // namespace platform::utf8
