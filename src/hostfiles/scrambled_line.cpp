#include "hostfiles/scrambled_line.h"

namespace hostfiles {

namespace {

// The shift of the character at `index` of a line whose key gives `start`.
inline unsigned shiftAt(unsigned start, std::size_t index) {
  return static_cast<unsigned>(start + 1 + index) & 63u;
}

inline char encodeChar(unsigned code, unsigned shift) {
  const unsigned encoded = code + shift;
  return static_cast<char>(encoded > 255 ? encoded - 224 : encoded);
}

inline char decodeChar(unsigned code, unsigned shift) {
  const int decoded = static_cast<int>(code) - static_cast<int>(shift);
  return static_cast<char>(decoded < 32 ? decoded + 224 : decoded);
}

// The loops over whole lines carry no state from one character to the next, so
// that the compiler can encode and decode many characters at once: the
// planner's files run to many megabytes.
void encodePrintable(const unsigned char* in, std::size_t size, unsigned start, char* out) {
  for (std::size_t i = 0; i < size; ++i) out[i] = encodeChar(in[i], shiftAt(start, i));
}

bool hasControlCharacter(const unsigned char* in, std::size_t size) {
  unsigned char lowest = 255;
  for (std::size_t i = 0; i < size; ++i) lowest = in[i] < lowest ? in[i] : lowest;
  return lowest < 32;
}

}  // namespace

unsigned char keyFromRandom(double random) {
  return static_cast<unsigned char>(static_cast<int>(random * 223 + 32));
}

std::size_t encodedLength(std::string_view text) {
  std::size_t length = 1;
  for (char c : text) length += static_cast<unsigned char>(c) >= 32;
  return length;
}

void appendEncodedLine(std::string& out, unsigned char key, std::string_view text) {
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t begin = out.size();
  out.resize(begin + 1 + text.size());
  out[begin] = static_cast<char>(key);
  const unsigned start = key & 63u;
  if (!hasControlCharacter(in, text.size())) {
    encodePrintable(in, text.size(), start, out.data() + begin + 1);
    return;
  }
  // Control characters are dropped and do not advance the shift.
  std::size_t written = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (in[i] >= 32) {
      out[begin + 1 + written] = encodeChar(in[i], shiftAt(start, written));
      ++written;
    }
  }
  out.resize(begin + 1 + written);
}

std::string encodeLine(unsigned char key, std::string_view text) {
  std::string line;
  appendEncodedLine(line, key, text);
  return line;
}

std::string decodeLine(std::string_view line) {
  std::string text;
  decodeLine(line, text);
  return text;
}

void decodeLine(std::string_view line, std::string& text) {
  const auto* in = reinterpret_cast<const unsigned char*>(line.data()) + 1;
  text.resize(line.size() - 1);
  const unsigned start = static_cast<unsigned char>(line.front()) & 63u;
  char* out = text.data();
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) out[i] = decodeChar(in[i], shiftAt(start, i));
}

bool isScrambledLine(std::string_view line) {
  if (line.empty() || line.size() > kMaxLineLength) return false;
  for (char c : line.substr(1)) {
    if (static_cast<unsigned char>(c) < 32) return false;
  }
  return true;
}

// In bytes throughout, the shift counted in a byte that wraps with it, so that
// the compiler decodes sixteen characters in a handful of instructions: the
// adding of 224 below 32 is the subtracting of 32 modulo 256.
std::string_view decodeLineInPlace(std::span<char> line) {
  auto* text = reinterpret_cast<unsigned char*>(line.data()) + 1;
  const std::size_t size = line.size() - 1;
  auto step = static_cast<unsigned char>(line.front() + 1);
  for (std::size_t i = 0; i < size; ++i, ++step) {
    const unsigned char shift = step & 63u;
    const unsigned char code = text[i];
    text[i] = static_cast<unsigned char>(code - shift - (code < shift + 32 ? 32 : 0));
  }
  return {line.data() + 1, size};
}

}  // namespace hostfiles
