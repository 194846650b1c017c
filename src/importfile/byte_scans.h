// Scans of the import file's text eight bytes at a time: the check asks of
// every byte of a file of 32,767 rows whether it is plain ASCII or a control
// character, and most texts answer no throughout.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace importfile {

// The index of the first byte of `text` at which `wanted(byte)` holds; npos
// for none. `marked(word)` gives the high bit of each byte of a word that may
// be wanted, and only those bytes are looked at alone.
static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

template <typename WordTest, typename ByteTest>
std::size_t findByte(std::string_view text, WordTest marked, ByteTest wanted) {
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= text.size(); i += sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    for (std::uint64_t marks = marked(word); marks != 0; marks &= marks - 1) {
      const std::size_t j = i + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
      if (wanted(static_cast<unsigned char>(text[j]))) return j;
    }
  }
  for (; i < text.size(); ++i) {
    if (wanted(static_cast<unsigned char>(text[i]))) return i;
  }
  return std::string_view::npos;
}

inline constexpr std::uint64_t kHighBits = 0x8080808080808080;
inline constexpr std::uint64_t kLowBits = 0x0101010101010101;

// The bytes of `word` that are 128 or above.
inline std::uint64_t highBytes(std::uint64_t word) { return word & kHighBits; }

// The bytes of `word` that may be below 32: a byte's high bit survives
// subtracting 32 from each byte and is clear in the byte itself when it is
// below 32, and a borrow from such a byte may mark the one above it too.
inline std::uint64_t bytesBelow32(std::uint64_t word) {
  return (word - 32 * kLowBits) & ~word & kHighBits;
}

// The bytes of `word` that are `c`, exactly: a byte that is `c` is zero after
// the xor, and only a zero byte keeps its high bit clear both in itself and
// after its low seven bits are added to 127, which carries into no other byte.
inline std::uint64_t bytesEqual(std::uint64_t word, char c) {
  const std::uint64_t zeroed = word ^ (kLowBits * static_cast<unsigned char>(c));
  return ~(((zeroed & ~kHighBits) + ~kHighBits) | zeroed) & kHighBits;
}

// How often `c` occurs in `text`; the positions of the first ones fill `at`.
inline std::size_t findAll(std::string_view text, char c, std::span<std::size_t> at) {
  std::size_t count = 0;
  const auto found = [&](std::size_t i) {
    if (count < at.size()) at[count] = i;
    ++count;
  };
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= text.size(); i += sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    for (std::uint64_t marks = bytesEqual(word, c); marks != 0; marks &= marks - 1) {
      found(i + static_cast<std::size_t>(std::countr_zero(marks)) / 8);
    }
  }
  for (; i < text.size(); ++i) {
    if (text[i] == c) found(i);
  }
  return count;
}

// True when every byte of `text` is plain ASCII.
inline bool isAscii(std::string_view text) {
  return findByte(text, highBytes, [](unsigned char c) { return c >= 0x80; }) ==
         std::string_view::npos;
}

// True when `text` holds a byte below 32 other than `allowed` ones.
template <typename Allowed>
bool holdsControlByte(std::string_view text, Allowed allowed) {
  return findByte(text, bytesBelow32, [&](unsigned char c) {
           return c < 32 && !allowed(static_cast<char>(c));
         }) != std::string_view::npos;
}

}  // namespace importfile
