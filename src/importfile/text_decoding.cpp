#include "importfile/text_decoding.h"

#include <algorithm>
#include <unordered_map>

#include "importfile/plain_form.h"
#include "platform/codepage.h"
#include "platform/utf8.h"

namespace importfile {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
