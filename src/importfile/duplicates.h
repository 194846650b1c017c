// The duplicate pass of the check: no Windows user name may occur twice.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "importfile/check_run.h"

namespace importfile {

// The user names seen so far. It answers as a search of "|" + name + "|" in
// the lower-cased list |anna||bernd|... would, without that search while the
// name holds no "|": the list's pieces between two "|" are then enough.
class Namensliste {
 public:
  // Room for `names` names without growing.
  explicit Namensliste(std::size_t names) { pieces_.reserve(names); }

  // Whether `Benutzerkennung` is in the list as described; then adds it.
  bool seenBefore(std::string_view Benutzerkennung);

 private:
  std::unordered_set<std::string> pieces_;  // lower-cased, of every name, split at "|"
  std::string text_;                        // the lower-cased list itself
};

// Asks about every row whose user name occurred in an earlier row, without
// regard to case. False when the user answered No.
bool checkDuplicates(CheckRun& run);

}  // namespace importfile
