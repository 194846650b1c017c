// The duplicate pass of the check: no Windows user name may occur twice.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hostfiles/user_ids.h"
#include "importfile/import_check.h"

namespace importfile {

// The user names seen so far. It answers as a search of "|" + name + "|" in
// the lower-cased list |anna||bernd|... would, without that search while the
// name holds no "|": the list's pieces between two "|" are then enough.
class Namensliste {
 public:
  using NameAt = std::function<std::string_view(std::size_t)>;

  // Room for `names` names without growing; `nameAt(k)` gives name k, which
  // outlives the list. It is asked only when hashes match or a name holds "|".
  Namensliste(std::size_t names, NameAt nameAt);

  // Whether `name`, name `number`, is in the list as described; then adds it.
  // The numbers ascend, and the names between two numbers asked about are empty.
  bool seenBefore(std::size_t number, std::string_view name);

 private:
  // The pieces of names holding "|" are numbered after every name.
  static constexpr std::uint32_t kSplit = std::uint32_t{1} << 31;

  std::string_view pieceAt(std::uint32_t number) const;
  // Adds `piece`, of user-id hash `hash`, unless the set holds it; true when it did.
  bool holds(std::string_view piece, std::uint32_t hash, std::uint32_t number);
  // The search itself, for a name holding "|".
  bool inText(std::size_t number) const;

  NameAt nameAt_;
  hostfiles::UserIdTable pieces_;
  std::vector<std::string_view> split_;  // the pieces of names holding "|"
};

// Asks about every row whose user name occurred in an earlier row, without
// regard to case. False when the user answered No.
bool checkDuplicates(CheckRun& run);

}  // namespace importfile
