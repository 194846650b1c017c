// Windows-1252, the code page of the planner's files on Western European systems.
#include <array>

#include "platform/codepage.h"
#include "platform/utf8.h"

namespace platform {

namespace {

// Unicode of the bytes 0x80 to 0x9F; the five unassigned bytes keep their own
// value, as Windows maps them.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t toUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
  return byte;
}

char fromUnicode(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string codePageToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) utf8::append(out, toUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string utf8ToCodePage(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t code = utf8::next(text, pos);
    out += code == utf8::kInvalid ? '?' : fromUnicode(code);
  }
  return out;
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
      c = static_cast<char>(byte + 0x20);
    } else if (byte == 0x8A || byte == 0x8C || byte == 0x8E) {
      c = static_cast<char>(byte + 0x10);  // Š Œ Ž
    } else if (byte == 0x9F) {
      c = static_cast<char>(0xFF);  // Ÿ
    }
  }
  return out;
}

}  // namespace platform
