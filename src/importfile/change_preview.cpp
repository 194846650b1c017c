#include "importfile/change_preview.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <utility>

#include "platform/codepage.h"

namespace importfile {

namespace {

using hostfiles::EmployeeRecord;

// The compared fields in the order of the check's columns, with their column.
std::array<std::pair<std::size_t, const std::string*>, 9> comparedFields(
    const EmployeeRecord& record) {
  return {{{0, &record.name},
           {2, &record.fromDate},
           {3, &record.toDate},
           {4, &record.residual},
           {5, &record.entitlements[0]},
           {6, &record.entitlements[1]},
           {7, &record.entitlements[2]},
           {8, &record.entitlements[3]},
           {9, &record.additional}}};
}

std::vector<FieldChange> differences(const EmployeeRecord& before, const EmployeeRecord& after) {
  std::vector<FieldChange> changes;
  const auto old = comparedFields(before);
  const auto now = comparedFields(after);
  for (std::size_t i = 0; i < old.size(); ++i) {
    if (*old[i].second != *now[i].second) {
      changes.push_back({old[i].first, *old[i].second, *now[i].second});
    }
  }
  return changes;
}

// The planner's employees by lower-cased user id; a user id that the file
// holds twice matches one import row each, in the order of the file.
class PlannerIndex {
 public:
  explicit PlannerIndex(const std::vector<EmployeeRecord>& planner) : matched_(planner.size()) {
    for (std::size_t i = 0; i < planner.size(); ++i) {
      if (planner[i].kind == EmployeeRecord::Kind::kEmployee) {
        byId_[platform::lowerCase(planner[i].userId)].entries.push_back(i);
      }
    }
  }

  // The first unmatched entry of `userId`, now matched.
  std::optional<std::size_t> match(const std::string& userId) {
    const auto found = byId_.find(platform::lowerCase(userId));
    if (found == byId_.end()) return std::nullopt;
    Entries& same = found->second;
    if (same.next == same.entries.size()) return std::nullopt;
    const std::size_t i = same.entries[same.next++];
    matched_[i] = true;
    return i;
  }

  bool matched(std::size_t i) const { return matched_[i]; }

 private:
  struct Entries {
    std::vector<std::size_t> entries;
    std::size_t next = 0;  // entries before it are matched
  };
  std::unordered_map<std::string, Entries> byId_;
  std::vector<bool> matched_;
};

}  // namespace

ChangePreview compareEmployees(const std::vector<EmployeeRecord>& planner,
                               const hostfiles::EntrySource& after) {
  ChangePreview preview;
  PlannerIndex index(planner);
  for (std::size_t i = 0; i < after.count; ++i) {
    const EmployeeRecord record = after.entry(i);
    if (record.kind != EmployeeRecord::Kind::kEmployee) continue;
    const auto match = index.match(record.userId);
    if (!match) {
      ++preview.added;
      preview.changes.push_back({EmployeeChange::Kind::kNew, record.name, record.userId, {}});
      continue;
    }
    std::vector<FieldChange> fields = differences(planner[*match], record);
    if (fields.empty()) {
      ++preview.unchanged;
      continue;
    }
    ++preview.changed;
    preview.changes.push_back(
        {EmployeeChange::Kind::kChanged, record.name, record.userId, std::move(fields)});
  }
  for (std::size_t i = 0; i < planner.size(); ++i) {
    if (planner[i].kind != EmployeeRecord::Kind::kEmployee || index.matched(i)) continue;
    ++preview.removed;
    preview.changes.push_back(
        {EmployeeChange::Kind::kRemoved, planner[i].name, planner[i].userId, {}});
  }
  return preview;
}

}  // namespace importfile
