#include "hostfiles/user_ids.h"

#include <array>
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
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(lower[i]);
  return table;
}

const FoldTable& folded() {
  static const FoldTable table = foldTable();
  return table;
}

}  // namespace

// FNV-1a over the lower-cased bytes.
std::uint32_t userIdHash(std::string_view userId) {
  const FoldTable& fold = folded();
  std::uint32_t hash = 2166136261u;
  for (const char c : userId) hash = (hash ^ fold[static_cast<unsigned char>(c)]) * 16777619u;
  return hash;
}

bool sameUserId(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const FoldTable& fold = folded();
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold[static_cast<unsigned char>(a[i])] != fold[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

}  // namespace hostfiles
