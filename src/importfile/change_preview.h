// What an import would change in the planner's employee list: the entries
// it writes compared with those of the present employee file, matched by
// user id without regard to case. Text lines are not counted.
#pragma once

#include <cstddef>
#include <string>
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

// What replacing the entries `before` by `after` changes.
ChangePreview compareEmployees(const std::vector<hostfiles::EmployeeRecord>& before,
                               const hostfiles::EntrySource& after);

}  // namespace importfile
