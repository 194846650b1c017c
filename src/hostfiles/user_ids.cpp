#include "hostfiles/user_ids.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

#include "platform/codepage.h"

namespace hostfiles {

namespace {

using FoldTable = std::array<unsigned char, 256>;

// The code page maps each character on its own, so one lower-casing of every
// byte gives the mapping of any text.
FoldTable foldTable() {
  std::string every(256, '\0');
  for (std::size_t i = 0; i < every.size(); ++i) every[i] = static_cast<char>(i);
  const std::string lower = platform::lowerCase(every);
  FoldTable table{};
  std::ranges::copy(lower, table.begin());
  return table;
}

const FoldTable& folded() {
  static const FoldTable table = foldTable();
  return table;
}

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

// Up to eight bytes of `text` from `at` on, the rest zero. The last bytes of
// a text of eight or more come from the word that ends with them.
inline std::uint64_t wordAt(std::string_view text, std::size_t at) {
  std::uint64_t word = 0;
  const std::size_t left = text.size() - at;
  if (left >= sizeof word) {
    std::memcpy(&word, text.data() + at, sizeof word);
  } else if (text.size() >= sizeof word) {
    std::memcpy(&word, text.data() + text.size() - sizeof word, sizeof word);
    word >>= 8 * (sizeof word - left);
  } else {
    for (std::size_t i = at; i < text.size(); ++i) {
      word |= std::uint64_t{static_cast<unsigned char>(text[i])} << 8 * (i - at);
    }
  }
  return word;
}

std::uint64_t foldedBytes(std::uint64_t word) {
  unsigned char bytes[sizeof word];
  std::memcpy(bytes, &word, sizeof word);
  for (unsigned char& byte : bytes) byte = folded()[byte];
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// `word` lower-cased, for plain ASCII: every code page lower-cases A to Z
// alone there. A zero byte stays zero, as the padding must.
inline std::uint64_t foldedAscii(std::uint64_t word) {
  const std::uint64_t upper = (word + 0x3F * kOnes) & ~(word + 0x25 * kOnes) & kHighBits;
  return word | upper >> 2;  // 'A' and above but below '[', given 32 more
}

// The same for any word. Nearly every id is plain ASCII, folded a word at a time.
inline std::uint64_t foldedWord(std::string_view text, std::size_t at) {
  const std::uint64_t word = wordAt(text, at);
  return (word & kHighBits) != 0 ? foldedBytes(word) : foldedAscii(word);
}

template <typename Word>
inline std::uint64_t load(const char* bytes) {
  Word word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;
constexpr std::uint64_t kOtherMultiplier = 0xC2B2AE3D27D4EB4F;

// The first and the last eight bytes (four below eight, the two words then
// overlapping) are read whole, as are the words between them: no byte is
// read alone but in ids of one to three. Each word goes through `fold`. A
// multiplication carries a change only upwards, and the digits that tell ids
// apart stand high in their word: the end mixes the high bits down.
template <typename Fold>
std::uint32_t hashOf(std::string_view userId, Fold fold) {
  const char* bytes = userId.data();
  const std::size_t size = userId.size();
  std::uint64_t first = 0;
  std::uint64_t last = 0;
  if (size >= 8) {
    first = load<std::uint64_t>(bytes);
    last = load<std::uint64_t>(bytes + size - 8);
  } else if (size >= 4) {
    first = load<std::uint32_t>(bytes) | load<std::uint32_t>(bytes + size - 4) << 32;
  } else if (size > 0) {
    first = wordAt(userId, 0);
  }
  std::uint64_t hash = (fold(first) ^ size) * kMultiplier;
  for (std::size_t at = 8; at + 8 < size; at += 8) {
    hash = (hash ^ fold(load<std::uint64_t>(bytes + at))) * kMultiplier;
  }
  hash ^= fold(last) * kOtherMultiplier;
  hash ^= hash >> 32;
  hash *= kMultiplier;
  return static_cast<std::uint32_t>(hash >> 32);
}

// Plain ASCII is folded first, each word handed to `look` as read: only an id
// with other characters is hashed again, through the table. In plain ASCII
// the cases of a letter differ in one bit, which the hash sets in every byte:
// characters that differ in that bit alone share a hash, which only costs a
// comparison of ids that differ there.
constexpr std::uint64_t kCaseBits = 0x20 * kOnes;
template <typename Look>
std::uint32_t hashLooking(std::string_view userId, Look look) {
  std::uint64_t seen = 0;
  const std::uint32_t hash = hashOf(userId, [&](std::uint64_t word) {
    seen |= word;
    look(word);
    return word | kCaseBits;
  });
  if ((seen & kHighBits) == 0) return hash;
  return hashOf(userId, foldedBytes);
}

}  // namespace

std::uint32_t userIdHash(std::string_view userId) {
  return hashLooking(userId, [](std::uint64_t) {});
}

// The words of the hash cover every byte, padded with zeros below eight. A
// byte equal to `wanted` is zero in `word ^ pattern`, which then keeps a high
// bit through subtracting one from each byte while the byte itself has none.
UserIdSearch userIdHashFinding(std::string_view userId, char wanted) {
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(wanted);
  std::uint64_t found = 0;
  const std::uint32_t hash = hashLooking(userId, [&](std::uint64_t word) {
    const std::uint64_t bytes = word ^ pattern;
    found |= (bytes - kOnes) & ~bytes & kHighBits;
  });
  return {hash, found != 0};
}

// Most ids compared are equal byte for byte, and most are eight to sixteen
// bytes long: compared in their first and last words without a call.
bool sameUserId(std::string_view a, std::string_view b) {
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  if (size >= 8 && size <= 16) {
    const std::size_t last = size - 8;
    if (load<std::uint64_t>(a.data()) == load<std::uint64_t>(b.data()) &&
        load<std::uint64_t>(a.data() + last) == load<std::uint64_t>(b.data() + last)) {
      return true;
    }
  } else if (a == b) {
    return true;
  }
  for (std::size_t at = 0; at < a.size(); at += 8) {
    if (foldedWord(a, at) != foldedWord(b, at)) return false;
  }
  return true;
}

UserIdTable::UserIdTable(std::size_t ids)
    : slots_(std::bit_ceil(std::max<std::size_t>(16, 2 * ids))) {}

// Growing keeps the order of adding among equal ids: read from an empty slot
// on, around, each run of taken slots comes in the order of its probes.
void UserIdTable::grow() {
  std::vector<Slot> old(2 * slots_.size());
  old.swap(slots_);
  const auto empty = std::ranges::find(old, kEmpty, &Slot::number);
  const std::size_t first = static_cast<std::size_t>(empty - old.begin());
  for (std::size_t i = 0; i < old.size(); ++i) {
    const Slot& slot = old[(first + i) & (old.size() - 1)];
    if (slot.number != kEmpty) place(slot);
  }
}

}  // namespace hostfiles
