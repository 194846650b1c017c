// What an import would change in the planner's employee list: the entries
// it writes compared with those of the present employee file, matched by
// user id without regard to case. Text lines are not counted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hostfiles/employee_record.h"

namespace importfile {

// A field that an import would change, in its written form.
struct FieldChange {
  std::size_t column;  // as the check counts columns: 0 (Name), 2 to 9
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

// The fields of an employee entry that the preview compares, as views.
struct ComparedFields {
  std::string_view name;
  std::string_view userId;
  std::array<std::string_view, 8> values;  // columns 2 to 9
};

ComparedFields comparedFields(const hostfiles::EmployeeRecord& employee);
ComparedFields comparedFields(const hostfiles::EntryView& employee);

// The entries that an import or a restore writes: nothing for a text line.
struct WrittenEntries {
  std::size_t count = 0;
  std::function<std::optional<ComparedFields>(std::size_t)> employee;
};

// The entries of a list that is written as it stands, a backup's say; they
// must outlive the result.
WrittenEntries writtenEntries(const std::vector<hostfiles::EmployeeRecord>& entries);

// What replacing the present entries by `after` changes. The present ones
// arrive one at a time, in the order of their file, so that none of them
// need be kept.
class EmployeeComparison {
 public:
  explicit EmployeeComparison(WrittenEntries after);

  // The next present entry.
  void add(const hostfiles::EntryView& before);
  // Once, after the last present entry.
  ChangePreview result();

 private:
  // The first entry of `after` with the user id of `before` that is not matched yet.
  std::optional<std::size_t> match(std::string_view userId);

  static constexpr std::uint32_t kNone = UINT32_MAX;

  WrittenEntries after_;
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

}  // namespace importfile
