// What an import or a restore would change in the planner's employee list:
// the entries it writes compared with those of the present employee file, matched by
// user id without regard to case. Text lines are not counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hostfiles/employee_record.h"

namespace hostfiles {

// A field that an import or a restore would change, in its written form.
struct FieldChange {
  std::size_t field;  // as fieldsOf() counts them: 0 (the name), 2 to 9
  std::string before;
  std::string after;
};

struct EmployeeChange {
  enum class Kind { kNew, kRemoved, kChanged };
  Kind kind;
  std::string name;  // the import's, the planner's for a removed employee
  std::string userId;
  std::vector<FieldChange> fields;  // only for kChanged
};

struct ChangePreview {
  std::size_t added = 0;
  std::size_t removed = 0;
  std::size_t changed = 0;
  std::size_t unchanged = 0;
  // New and changed employees in the order of the import file, then the
  // removed ones in the order of the planner's file.
  std::vector<EmployeeChange> changes;
};

// What replacing the present entries by `after`, the entries that an import
// or a restore writes, changes. The present ones arrive one at a time, in the
// order of their file, so that none of them need be kept. The texts that
// `after` views must outlive the comparison.
class EmployeeComparison {
 public:
  explicit EmployeeComparison(std::vector<EntryView> after);

  // The next present entry.
  void add(const EntryView& before);
  // Once, after the last present entry.
  ChangePreview result();

 private:
  // The first entry of `after` with the user id of `before` that is not matched yet.
  std::optional<std::size_t> match(std::string_view userId);

  static constexpr std::uint32_t kNone = UINT32_MAX;

  std::vector<EntryView> after_;
  std::vector<bool> matched_;
  // The entries of `after` by the hash of their lower-cased user id: the
  // first of each bucket, and behind each entry the next of its bucket.
  std::vector<std::size_t> hashes_;
  std::vector<std::uint32_t> next_;
  std::vector<std::uint32_t> buckets_;
  std::vector<std::pair<std::size_t, EmployeeChange>> changed_;  // by entry of `after`
  std::vector<EmployeeChange> removed_;
  std::size_t unchanged_ = 0;
};

}  // namespace hostfiles
