#include "hostfiles/scrambled_line.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// The shifts 0 to 63 twice over: the shifts of any 16 characters in a row lie
// in it one after another.
constexpr std::array<unsigned char, 128> kShifts = [] {
  std::array<unsigned char, 128> shifts{};
  for (std::size_t i = 0; i < shifts.size(); ++i) shifts[i] = static_cast<unsigned char>(i & 63);
  return shifts;
}();
constexpr std::size_t kBlock = 16;

// decodeChar under `from`, then encodeChar under `to`, in byte arithmetic
// throughout, which the compiler keeps in bytes. A decoded character is never
// below 32, so none is dropped.
inline unsigned char rekeyChar(unsigned char code, unsigned char from, unsigned char to) {
  const auto low = static_cast<unsigned char>(from + 32);
  const auto room = static_cast<unsigned char>(255 - to);
  const auto plain = static_cast<unsigned char>(code - from + (code < low ? 224 : 0));
  return static_cast<unsigned char>(plain + to + (plain > room ? 32 : 0));
}

// Rekeys the block at `block`, whose first character is character `index` of
// its line.
inline void rekeyBlock(unsigned char* block, std::size_t index, unsigned from, unsigned to) {
  const unsigned char* fromShifts = kShifts.data() + shiftAt(from, index);
  const unsigned char* toShifts = kShifts.data() + shiftAt(to, index);
  for (std::size_t j = 0; j < kBlock; ++j) {
    block[j] = rekeyChar(block[j], fromShifts[j], toShifts[j]);
  }
}

// The adding of 224 below 32 is the subtracting of 32 modulo 256: in bytes
// throughout, which the compiler keeps in bytes.
inline unsigned char decodeChar(unsigned char code, unsigned char shift) {
  const auto low = static_cast<unsigned char>(shift + 32);
  return static_cast<unsigned char>(code - shift - (code < low ? 32 : 0));
}

// Decodes the `size` characters (at most a block) at `in`, the first of them
// character `index` of its line, into `out`, which may be `in` itself.
inline void decodeBlock(const char* in, std::size_t size, std::size_t index, unsigned start,
                        char* out) {
  const unsigned char* shifts = kShifts.data() + shiftAt(start, index);
  unsigned char block[kBlock] = {};
  std::memcpy(block, in, size);
  for (std::size_t j = 0; j < kBlock; ++j) block[j] = decodeChar(block[j], shifts[j]);
  std::memcpy(out, block, size);
}

// The one decoding, into `out`, which may be `in` itself. Block by block with
// the shifts read from kShifts, as rekeyLine() does, so that the compiler
// decodes sixteen characters in a handful of instructions. The last block
// ends with the text, taken before the blocks in front of it are decoded in
// place: the characters that it shares with them come out the same. Only a
// text shorter than a block is decoded in a block filled up.
void decodeBytes(const char* in, std::size_t size, unsigned char key, char* out) {
  const unsigned start = key & 63u;
  if (size < kBlock) {
    decodeBlock(in, size, 0, start, out);
    return;
  }
  const std::size_t lastAt = size - kBlock;
  char last[kBlock];
  std::memcpy(last, in + lastAt, kBlock);
  for (std::size_t i = 0; i < lastAt; i += kBlock) decodeBlock(in + i, kBlock, i, start, out + i);
  decodeBlock(last, kBlock, lastAt, start, out + lastAt);
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
  text.resize(line.size() - 1);
  decodeBytes(line.data() + 1, text.size(), static_cast<unsigned char>(line.front()), text.data());
}

// Block by block, each copied out and back, so that the compiler works on a
// whole block at once with its shifts read from kShifts. The last block ends
// with the line, over characters rekeyed before: from the unchanged source
// they come out the same. A line shorter than a block is filled up to one.
void rekeyLine(const char* line, std::size_t size, unsigned char key, char* out) {
  const unsigned from = static_cast<unsigned char>(line[0]) & 63u;
  const unsigned to = key & 63u;
  out[0] = static_cast<char>(key);
  const char* text = line + 1;
  char* rekeyed = out + 1;
  const std::size_t length = size - 1;
  unsigned char block[kBlock] = {};
  if (length < kBlock) {
    std::memcpy(block, text, length);
    rekeyBlock(block, 0, from, to);
    std::memcpy(rekeyed, block, length);
    return;
  }
  for (std::size_t i = 0; i < length; i += kBlock) {
    const std::size_t at = std::min(i, length - kBlock);
    std::memcpy(block, text + at, kBlock);
    rekeyBlock(block, at, from, to);
    std::memcpy(rekeyed + at, block, kBlock);
  }
}

bool isScrambledLine(std::string_view line) {
  if (line.empty() || line.size() > kMaxLineLength) return false;
  for (char c : line.substr(1)) {
    if (static_cast<unsigned char>(c) < 32) return false;
  }
  return true;
}

std::string_view decodeLineInPlace(std::span<char> line) {
  char* text = line.data() + 1;
  decodeBytes(text, line.size() - 1, static_cast<unsigned char>(line.front()), text);
  return {text, line.size() - 1};
}

}  // namespace hostfiles
