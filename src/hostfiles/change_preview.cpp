#include "hostfiles/change_preview.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

#include "hostfiles/employee_data.h"
#include "hostfiles/user_ids.h"

namespace hostfiles {

namespace {

// The written employees by user id, without regard to case. A user id that
// both lists hold more than once matches in the order of each. `written` must
// outlive the index.
//
// The import writes the employee file in the order of its list, so the file
// mostly comes in the order of the list that would replace it: the next
// employee in order is tried first, and the ids are hashed into a table only
// when the orders part. Orders that keep parting are not tried any more.
class UserIdIndex {
 public:
  explicit UserIdIndex(const WrittenEntries& written)
      : written_(written), count_(written.size()), matched_(count_) {}

  // The first written employee with `userId` that is not matched yet, now matched.
  std::optional<std::size_t> match(std::string_view userId) {
    std::optional<std::size_t> found;
    if (misses_ < kMisses && inOrder(userId)) {
      misses_ = 0;
      found = next_;
    } else {
      ++misses_;
      found = lookUp(userId);
    }
    if (found) matched_[*found] = true;
    return found;
  }

  bool matched(std::size_t i) const { return matched_[i]; }
  // The written employees, matched or not.
  std::size_t employees() const {
    if (table_) return employees_;
    std::size_t employees = 0;
    for (std::size_t i = 0; i < count_; ++i) employees += written_.userId(i).has_value();
    return employees;
  }

 private:
  // Whether the first written employee not matched yet, at next_, has
  // `userId`: every employee before it is matched.
  bool inOrder(std::string_view userId) {
    for (; next_ < count_; ++next_) {
      if (matched_[next_]) continue;
      if (const auto id = written_.userId(next_)) return sameUserId(*id, userId);
    }
    return false;
  }

  std::optional<std::size_t> lookUp(std::string_view userId) {
    if (!table_) {
      table_.emplace(count_);
      for (std::size_t i = 0; i < count_; ++i) {
        if (const auto id = written_.userId(i)) {
          ++employees_;
          table_->add(userIdHash(*id), static_cast<std::uint32_t>(i));
        }
      }
    }
    return table_->find(userIdHash(userId), [&](std::uint32_t i) {
      return !matched_[i] && sameUserId(*written_.userId(i), userId);
    });
  }

  // The lookups in a row after which the order is not tried any more.
  static constexpr std::size_t kMisses = 8;

  const WrittenEntries& written_;
  std::size_t count_;
  std::vector<bool> matched_;
  std::size_t next_ = 0;  // every written employee before it is matched
  std::size_t misses_ = 0;
  std::optional<UserIdTable> table_;  // made at the first lookup
  std::size_t employees_ = 0;         // counted with the table
};

// The dates and values of an entry have one width each, at which the compiler
// compares them in a load or two instead of a call of memcmp.
template <std::size_t kWidth>
bool same(std::string_view a, std::string_view b) {
  if (a.size() != kWidth || b.size() != kWidth) return a == b;
  return std::memcmp(a.data(), b.data(), kWidth) == 0;
}

// The user id matched them, whatever its case.
bool differ(const EntryView& before, const EntryView& after) {
  using columns::kDateWidth;
  using columns::kValueWidth;
  return before.name != after.name || !same<kDateWidth>(before.fromDate, after.fromDate) ||
         !same<kDateWidth>(before.toDate, after.toDate) ||
         !same<kValueWidth>(before.residual, after.residual) ||
         !same<kValueWidth>(before.entitlements[0], after.entitlements[0]) ||
         !same<kValueWidth>(before.entitlements[1], after.entitlements[1]) ||
         !same<kValueWidth>(before.entitlements[2], after.entitlements[2]) ||
         !same<kValueWidth>(before.entitlements[3], after.entitlements[3]) ||
         !same<kValueWidth>(before.additional, after.additional);
}

std::vector<FieldChange> differences(const EntryView& before, const EntryView& after) {
  const auto old = fieldsOf(before);
  const auto now = fieldsOf(after);
  std::vector<FieldChange> changes;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (i != 1 && old[i] != now[i])
      changes.push_back({i, std::string(old[i]), std::string(now[i])});
  }
  return changes;
}

EmployeeChange change(EmployeeChange::Kind kind, const EntryView& entry) {
  return {kind, std::string(entry.name), std::string(entry.userId), {}};
}

}  // namespace

std::optional<ChangePreview> previewChanges(const startup::Context& context,
                                            const std::string& dataFolder,
                                            const WrittenEntries& written) {
  UserIdIndex index(written);
  ChangePreview preview;
  const auto add = [&](const EntryView& before) {
    if (before.kind != EntryKind::kEmployee) return;
    const auto match = index.match(before.userId);
    if (!match) {
      if (preview.removed++ < kNamedRemoved) {
        preview.firstRemoved.push_back(change(EmployeeChange::Kind::kRemoved, before));
      }
    } else {
      ++(differ(before, written.entry(*match)) ? preview.changed : preview.unchanged);
    }
  };
  if (!readEmployeeEntries(context, dataFolder, add)) return std::nullopt;
  preview.added = index.employees() - preview.changed - preview.unchanged;
  return preview;
}

std::optional<std::vector<EmployeeChange>> listChanges(const startup::Context& context,
                                                       const std::string& dataFolder,
                                                       std::span<const EntryView> after) {
  const EntryList<std::string_view> written(after);
  UserIdIndex index(written);
  std::vector<std::pair<std::size_t, EmployeeChange>> changed;  // by entry of `after`
  std::vector<EmployeeChange> removed;
  const auto add = [&](const EntryView& before) {
    if (before.kind != EntryKind::kEmployee) return;
    const auto match = index.match(before.userId);
    if (!match) {
      removed.push_back(change(EmployeeChange::Kind::kRemoved, before));
    } else if (auto fields = differences(before, after[*match]); !fields.empty()) {
      changed.emplace_back(*match, change(EmployeeChange::Kind::kChanged, after[*match]));
      changed.back().second.fields = std::move(fields);
    }
  };
  if (!readEmployeeEntries(context, dataFolder, add)) return std::nullopt;
  std::ranges::sort(changed, {}, &std::pair<std::size_t, EmployeeChange>::first);
  std::vector<EmployeeChange> changes;
  auto next = changed.begin();
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (next != changed.end() && next->first == i) {
      changes.push_back(std::move(next++->second));
    } else if (!index.matched(i) && after[i].kind == EntryKind::kEmployee) {
      changes.push_back(change(EmployeeChange::Kind::kNew, after[i]));
    }
  }
  std::ranges::move(removed, std::back_inserter(changes));
  return changes;
}

}  // namespace hostfiles
