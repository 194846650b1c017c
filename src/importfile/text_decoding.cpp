#include "importfile/text_decoding.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <utility>

#include "importfile/byte_scans.h"
#include "importfile/quoted_fields.h"
#include "platform/codepage.h"
#include "platform/utf8.h"

namespace importfile {

namespace {

constexpr char32_t kLatinStart = 0xC0;
// The base letter of each character from U+00C0 to U+017F; "*" marks one
// written with two letters (kSingles), " " one without a plain form.
constexpr std::string_view kLatin =
    "AAAAAA*CEEEEIIIIDNOOOOO OUUUUY**aaaaaa*ceeeeiiiidnooooo ouuuuy*y"   // U+00C0
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"   // U+0100
    "lLlNnNnNn*NnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";  // U+0140

// Single characters with a plain form outside the ranges handled below, sorted.
constexpr std::array<std::pair<char32_t, std::string_view>, 20> kSingles = {{
    {0x00A0, " "},  {0x00C6, "AE"}, {0x00DE, "TH"}, {0x00DF, "ss"}, {0x00E6, "ae"},
    {0x00FE, "th"}, {0x0132, "IJ"}, {0x0133, "ij"}, {0x0149, "'n"}, {0x0152, "OE"},
    {0x0153, "oe"}, {0x0218, "S"},  {0x0219, "s"},  {0x021A, "T"},  {0x021B, "t"},
    {0x2018, "'"},  {0x2019, "'"},  {0x201A, "'"},  {0x201B, "'"},  {0x2026, "..."},
}};

// A Latin letter without its accent (Ł as L, č as c, Œ as OE), typographic
// blanks, dashes and quotes as their ASCII kin; nothing when there is no plain
// form. A combining accent gives the empty text: its letter stands alone.
std::optional<std::string_view> plainForm(char32_t code) {
  const auto single =
      std::lower_bound(kSingles.begin(), kSingles.end(), code,
                       [](const auto& entry, char32_t c) { return entry.first < c; });
  if (single != kSingles.end() && single->first == code) return single->second;
  if (code >= kLatinStart && code < kLatinStart + kLatin.size()) {
    const std::string_view letter = kLatin.substr(code - kLatinStart, 1);
    if (letter != " " && letter != "*") return letter;
    return std::nullopt;
  }
  if (code >= 0x0300 && code <= 0x036F) return "";    // combining accents
  if (code >= 0x2002 && code <= 0x200A) return " ";   // typographic blanks
  if (code >= 0x2010 && code <= 0x2015) return "-";   // hyphens and dashes
  if (code >= 0x201C && code <= 0x201F) return "\"";  // double quotes
  if (code == 0x2212) return "-";                     // minus sign
  return std::nullopt;
}

// Writes Unicode characters in the code page: each one as itself where the
// code page has it, else in its plain form, else as "?".
class CodePageWriter {
 public:
  void append(std::string& out, char32_t code);

 private:
  std::unordered_map<char32_t, std::string> known_;  // characters beyond ASCII met so far
};

// One character beyond ASCII in the code page: itself, its plain form or "?".
std::string inCodePage(char32_t code) {
  if (code == platform::utf8::kInvalid) return "?";
  std::string utf8;
  platform::utf8::append(utf8, code);
  std::string converted = platform::utf8ToCodePage(utf8);
  if (converted != "?") return converted;
  const auto plain = plainForm(code);
  return plain ? std::string(*plain) : "?";
}

void CodePageWriter::append(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
    return;
  }
  auto known = known_.find(code);
  if (known == known_.end()) known = known_.emplace(code, inCodePage(code)).first;
  out += known->second;
}

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

Encoding byteOrderMark(std::string_view bytes) {
  if (bytes.substr(0, 3) == kUtf8Mark) return Encoding::kUtf8;
  if (bytes.substr(0, 2) == "\xFF\xFE") return Encoding::kUtf16LittleEndian;
  if (bytes.substr(0, 2) == "\xFE\xFF") return Encoding::kUtf16BigEndian;
  return Encoding::kCodePage;
}

bool looksLikeUtf8(std::string_view text) { return !isAscii(text) && platform::isValidUtf8(text); }

std::string utf8ToCodePage(std::string_view text) {
  if (byteOrderMark(text) == Encoding::kUtf8) text.remove_prefix(kUtf8Mark.size());
  CodePageWriter writer;
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) writer.append(out, platform::utf8::next(text, pos));
  return out;
}

std::string utf16ToCodePage(std::string_view bytes, bool bigEndian) {
  const auto unitAt = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  CodePageWriter writer;
  std::string text;
  text.reserve(bytes.size() / 2);
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    char32_t code = unitAt(i);
    if (isHighSurrogate(code) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
      i += 2;
    } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
      code = platform::utf8::kInvalid;
    }
    writer.append(text, code);
  }
  if (i < bytes.size()) writer.append(text, platform::utf8::kInvalid);  // half a character
  return text;
}

}  // namespace importfile
