#include "hostfiles/change_preview.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <iterator>

#include "platform/codepage.h"

namespace hostfiles {

namespace {

std::size_t hashOf(const std::string& lowerCaseId) { return std::hash<std::string>()(lowerCaseId); }

std::vector<FieldChange> differences(const EntryView& before, const EntryView& after) {
  const auto old = fieldsOf(before);
  const auto now = fieldsOf(after);
  std::vector<FieldChange> changes;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    // The user id matched them, whatever its case.
    if (i != 1 && old[i] != now[i])
      changes.push_back({i, std::string(old[i]), std::string(now[i])});
  }
  return changes;
}

EmployeeChange change(EmployeeChange::Kind kind, const EntryView& entry) {
  return {kind, std::string(entry.name), std::string(entry.userId), {}};
}

}  // namespace

// A user id that both lists hold more than once matches in the order of each:
// each bucket chains its entries in ascending order.
EmployeeComparison::EmployeeComparison(std::vector<EntryView> after)
    : after_(std::move(after)),
      matched_(after_.size()),
      hashes_(after_.size()),
      next_(after_.size(), kNone),
      buckets_(std::bit_ceil(2 * after_.size() + 1), kNone) {
  for (std::size_t i = after_.size(); i-- > 0;) {
    if (after_[i].kind != EntryKind::kEmployee) continue;
    hashes_[i] = hashOf(platform::lowerCase(after_[i].userId));
    std::uint32_t& head = buckets_[hashes_[i] & (buckets_.size() - 1)];
    next_[i] = head;
    head = static_cast<std::uint32_t>(i);
  }
}

std::optional<std::size_t> EmployeeComparison::match(std::string_view userId) {
  const std::string lower = platform::lowerCase(userId);
  const std::size_t hash = hashOf(lower);
  for (std::uint32_t i = buckets_[hash & (buckets_.size() - 1)]; i != kNone; i = next_[i]) {
    if (!matched_[i] && hashes_[i] == hash && platform::lowerCase(after_[i].userId) == lower) {
      matched_[i] = true;
      return i;
    }
  }
  return std::nullopt;
}

void EmployeeComparison::add(const EntryView& before) {
  if (before.kind != EntryKind::kEmployee) return;
  const auto i = match(before.userId);
  if (!i) {
    removed_.push_back(change(EmployeeChange::Kind::kRemoved, before));
    return;
  }
  std::vector<FieldChange> fields = differences(before, after_[*i]);
  if (fields.empty()) {
    ++unchanged_;
    return;
  }
  changed_.emplace_back(*i, change(EmployeeChange::Kind::kChanged, after_[*i]));
  changed_.back().second.fields = std::move(fields);
}

ChangePreview EmployeeComparison::result() {
  ChangePreview preview;
  preview.unchanged = unchanged_;
  preview.changed = changed_.size();
  preview.removed = removed_.size();
  preview.changes.reserve(after_.size() - unchanged_ + removed_.size());
  std::sort(changed_.begin(), changed_.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  auto next = changed_.begin();
  for (std::size_t i = 0; i < after_.size(); ++i) {
    if (next != changed_.end() && next->first == i) {
      preview.changes.push_back(std::move(next++->second));
    } else if (!matched_[i] && after_[i].kind == EntryKind::kEmployee) {
      ++preview.added;
      preview.changes.push_back(change(EmployeeChange::Kind::kNew, after_[i]));
    }
  }
  std::move(removed_.begin(), removed_.end(), std::back_inserter(preview.changes));
  return preview;
}

}  // namespace hostfiles
