// The program's single-byte code page (codePageFor), converted by Windows
// itself through UTF-16. UTF-8 is decoded by our own strict decoder, so that
// ill-formed input gives the same "?" as on POSIX.
#include <windows.h>

#include <algorithm>
#include <array>
#include <limits>

#include "platform/codepage.h"
#include "platform/utf8.h"
#include "platform/win32/codepage_win32.h"

namespace platform {

namespace win32 {

unsigned codePageFor(unsigned activeCodePage) {
  constexpr unsigned kWestern = 1252;
  CPINFO info{};
  return GetCPInfo(activeCodePage, &info) && info.MaxCharSize == 1 ? activeCodePage : kWestern;
}

}  // namespace win32

namespace {

unsigned programCodePage() {
  static const unsigned page = win32::codePageFor(GetACP());
  return page;
}

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

bool isPair(std::wstring_view text, std::size_t i) {
  return text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
}

// No single-byte code page has characters beyond the Basic Multilingual Plane:
// each becomes one "?", not one per surrogate.
std::wstring withoutSurrogates(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isSurrogate(text[i])) {
      out += text[i];
      continue;
    }
    if (isPair(text, i)) ++i;
    out += L'?';
  }
  return out;
}

int length(std::size_t size) {
  return static_cast<int>(std::min<std::size_t>(size, std::numeric_limits<int>::max()));
}

// One byte per character, so that positions in the text stay where they were.
std::array<char, 256> lowerCaseTable() {
  const unsigned page = programCodePage();
  std::array<char, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const char byte = static_cast<char>(i);
    table[i] = byte;
    wchar_t upper = 0;
    wchar_t lower = 0;
    char back = 0;
    BOOL lacking = FALSE;
    if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, &byte, 1, &upper, 1) == 1 &&
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, &upper, 1, &lower, 1, nullptr,
                      nullptr, 0) == 1 &&
        WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, &lower, 1, &back, 1, nullptr, &lacking) ==
            1 &&
        !lacking) {
      table[i] = back;
    }
  }
  return table;
}

}  // namespace

namespace win32 {

std::wstring toUtf16(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
  const int size = length(text.size());
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  const int written = MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), size);
  out.resize(static_cast<std::size_t>(written));
  return out;
}

std::string fromUtf16(std::wstring_view text, unsigned codePage) {
  const std::wstring plain = withoutSurrogates(text);
  if (plain.empty()) return {};
  const int size = length(plain.size());
  const int needed = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, plain.data(), size,
                                         nullptr, 0, "?", nullptr);
  std::string out(static_cast<std::size_t>(needed), '\0');
  const int written = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, plain.data(), size,
                                          out.data(), needed, "?", nullptr);
  out.resize(static_cast<std::size_t>(written));
  return out;
}

}  // namespace win32

std::wstring codePageToUtf16(std::string_view text) {
  return win32::toUtf16(text, programCodePage());
}

std::string utf16ToCodePage(std::wstring_view text) {
  return win32::fromUtf16(text, programCodePage());
}

std::string codePageToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  // A single-byte code page yields no surrogates.
  for (wchar_t c : codePageToUtf16(text)) utf8::append(out, static_cast<char32_t>(c));
  return out;
}

std::string utf8ToCodePage(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t code = utf8::next(text, pos);
    wide += code == utf8::kInvalid || code > 0xFFFF ? L'?' : static_cast<wchar_t>(code);
  }
  return utf16ToCodePage(wide);
}

std::string lowerCase(std::string_view text) {
  static const std::array<char, 256> table = lowerCaseTable();
  std::string out(text);
  for (char& c : out) c = table[static_cast<unsigned char>(c)];
  return out;
}

}  // namespace platform
