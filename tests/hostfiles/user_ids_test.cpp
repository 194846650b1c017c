#include "hostfiles/user_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hostfiles {
namespace {

// Ids are folded a word at a time: a change of case at any position of ids of
// any length up to three words matches, and the bytes next to A and Z don't.
TEST(UserIdsTest, CaseMatchesAtEveryPositionAndOnlyCase) {
  const std::string letters = "abcdefghijklmnopqrstuvwx";
  for (std::size_t size = 1; size <= 17; ++size) {
    const std::string id = letters.substr(0, size);
    for (std::size_t at = 0; at < size; ++at) {
      const auto with = [&](char c) { return std::string(id).replace(at, 1, 1, c); };
      for (const auto& [lower, upper] : {std::pair('a', 'A'), {'z', 'Z'}, {'\xE4', '\xC4'}}) {
        EXPECT_TRUE(sameUserId(with(lower), with(upper))) << size << " " << at;
        EXPECT_EQ(userIdHash(with(lower)), userIdHash(with(upper))) << size << " " << at;
      }
      for (const auto& [one, other] : {std::pair('`', '@'), {'{', '['}, {'a', 'b'}}) {
        EXPECT_FALSE(sameUserId(with(one), with(other))) << size << " " << at;
      }
    }
  }
}

// Equal ids are met in the order of adding, also where their probes wrap
// around the table's end and after the table grew.
TEST(UserIdsTest, EqualIdsAreFoundInTheOrderAdded) {
  UserIdTable table(1);
  for (std::uint32_t i = 0; i < 40; ++i) table.add(i % 2 == 0 ? UINT32_MAX : 5, i);
  std::vector<std::uint32_t> met;
  table.find(UINT32_MAX, [&](std::uint32_t i) { return met.push_back(i), false; });
  std::vector<std::uint32_t> even;
  for (std::uint32_t i = 0; i < 40; i += 2) even.push_back(i);
  EXPECT_EQ(met, even);
}

}  // namespace
}  // namespace hostfiles
