// The duplicate pass of the check: no Windows user name may occur twice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "importfile/import_check.h"

namespace importfile {

// The user names seen so far. It answers as a search of "|" + name + "|" in
// the lower-cased list |anna||bernd|... would, without that search while the
// name holds no "|": the list's pieces between two "|" are then enough.
class Namensliste {
 public:
  // Room for `names` names without growing.
  explicit Namensliste(std::size_t names);

  // Whether `Benutzerkennung` is in the list as described; then adds it.
  bool seenBefore(std::string_view Benutzerkennung);

 private:
  // Every piece lies in the list and ends at a "|": a piece is where it starts.
  std::string_view pieceAt(std::uint32_t start) const;
  // The slot of `piece`, or the empty one where it belongs.
  std::uint32_t& slotOf(std::string_view piece);
  // Adds the piece at `start` unless the set holds it; true when it did.
  bool holds(std::uint32_t start);

  std::string text_;  // the lower-cased list itself
  // The pieces of every name, split at "|", by where they start in the list,
  // plus one; 0 for an empty slot. A power of two in size, at most half full.
  std::vector<std::uint32_t> slots_;
  std::size_t pieces_ = 0;
};

// Asks about every row whose user name occurred in an earlier row, without
// regard to case. False when the user answered No.
bool checkDuplicates(CheckRun& run);

}  // namespace importfile
