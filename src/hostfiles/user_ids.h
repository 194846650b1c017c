// User ids compared as the planner compares them: without regard to case, in
// the code page's own case mapping (Ä as ä). Without making a lower-cased copy:
// a check compares tens of thousands of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace hostfiles {

// Equal for ids that differ only in case.
std::uint32_t userIdHash(std::string_view userId);
// userIdHash() of `userId`, and whether `userId` holds `wanted`, a character
// of plain ASCII other than zero: in the same pass.
struct UserIdSearch {
  std::uint32_t hash;
  bool found;
};
UserIdSearch userIdHashFinding(std::string_view userId, char wanted);
bool sameUserId(std::string_view a, std::string_view b);

// User ids by their hashes, in one flat array probed from the hash on: the
// ids themselves stay with the caller, who numbers them. An id added twice is
// met by a search in the order of adding.
class UserIdTable {
 public:
  // Room for `ids` ids before the table grows.
  explicit UserIdTable(std::size_t ids);

  void add(std::uint32_t hash, std::uint32_t number) {
    if (2 * ++taken_ > slots_.size()) grow();
    place({hash, number});
  }

  // The first number under `hash` for which `same(number)` holds; otherwise
  // adds `number` under `hash`, in the slot where the search ended.
  template <typename Same>
  std::optional<std::uint32_t> findOrAdd(std::uint32_t hash, std::uint32_t number, Same same) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i].number != kEmpty; i = (i + 1) & mask) {
      if (slots_[i].hash == hash && same(slots_[i].number)) return slots_[i].number;
    }
    if (2 * ++taken_ > slots_.size()) {
      grow();
      place({hash, number});
    } else {
      slots_[i] = {hash, number};
    }
    return std::nullopt;
  }

  // The first number under `hash` for which `wanted(number)` holds.
  template <typename Wanted>
  std::optional<std::uint32_t> find(std::uint32_t hash, Wanted wanted) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask; slots_[i].number != kEmpty; i = (i + 1) & mask) {
      if (slots_[i].hash == hash && wanted(slots_[i].number)) return slots_[i].number;
    }
    return std::nullopt;
  }

 private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t number = kEmpty;
  };

  void place(Slot slot) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = slot.hash & mask;
    while (slots_[i].number != kEmpty) i = (i + 1) & mask;
    slots_[i] = slot;
  }
  // Doubles the slots.
  void grow();

  std::vector<Slot> slots_;  // a power of two in size, at most half of them taken
  std::size_t taken_ = 0;
};

}  // namespace hostfiles
