#include "importfile/change_preview.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <iterator>

#include "platform/codepage.h"

namespace importfile {

namespace {

using hostfiles::EmployeeRecord;

std::size_t hashOf(const std::string& lowerCaseId) { return std::hash<std::string>()(lowerCaseId); }

std::vector<FieldChange> differences(const ComparedFields& before, const ComparedFields& after) {
  std::vector<FieldChange> changes;
  if (before.name != after.name) {
    changes.push_back({0, std::string(before.name), std::string(after.name)});
  }
  for (std::size_t i = 0; i < before.values.size(); ++i) {
    if (before.values[i] != after.values[i]) {
      changes.push_back({2 + i, std::string(before.values[i]), std::string(after.values[i])});
    }
  }
  return changes;
}

// A record and a view of an entry name the same fields alike.
template <typename Entry>
ComparedFields fieldsOf(const Entry& employee) {
  return {employee.name,
          employee.userId,
          {employee.fromDate, employee.toDate, employee.residual, employee.entitlements[0],
           employee.entitlements[1], employee.entitlements[2], employee.entitlements[3],
           employee.additional}};
}

EmployeeChange change(EmployeeChange::Kind kind, const ComparedFields& fields) {
  return {kind, std::string(fields.name), std::string(fields.userId), {}};
}

}  // namespace

ComparedFields comparedFields(const hostfiles::EntryView& employee) { return fieldsOf(employee); }

ComparedFields comparedFields(const EmployeeRecord& employee) { return fieldsOf(employee); }

// A user id that both lists hold more than once matches in the order of each:
// each bucket chains its entries in ascending order.
EmployeeComparison::EmployeeComparison(WrittenEntries after)
    : after_(std::move(after)),
      matched_(after_.count),
      hashes_(after_.count),
      next_(after_.count, kNone),
      buckets_(std::bit_ceil(2 * after_.count + 1), kNone) {
  for (std::size_t i = after_.count; i-- > 0;) {
    const auto fields = after_.employee(i);
    if (!fields) continue;
    hashes_[i] = hashOf(platform::lowerCase(fields->userId));
    std::uint32_t& head = buckets_[hashes_[i] & (buckets_.size() - 1)];
    next_[i] = head;
    head = static_cast<std::uint32_t>(i);
  }
}

std::optional<std::size_t> EmployeeComparison::match(std::string_view userId) {
  const std::string lower = platform::lowerCase(userId);
  const std::size_t hash = hashOf(lower);
  for (std::uint32_t i = buckets_[hash & (buckets_.size() - 1)]; i != kNone; i = next_[i]) {
    if (!matched_[i] && hashes_[i] == hash &&
        platform::lowerCase(after_.employee(i)->userId) == lower) {
      matched_[i] = true;
      return i;
    }
  }
  return std::nullopt;
}

void EmployeeComparison::add(const hostfiles::EntryView& before) {
  if (before.kind != EmployeeRecord::Kind::kEmployee) return;
  const ComparedFields old = comparedFields(before);
  const auto i = match(before.userId);
  if (!i) {
    removed_.push_back(change(EmployeeChange::Kind::kRemoved, old));
    return;
  }
  const ComparedFields now = *after_.employee(*i);
  std::vector<FieldChange> fields = differences(old, now);
  if (fields.empty()) {
    ++unchanged_;
    return;
  }
  changed_.emplace_back(*i, change(EmployeeChange::Kind::kChanged, now));
  changed_.back().second.fields = std::move(fields);
}

ChangePreview EmployeeComparison::result() {
  ChangePreview preview;
  preview.unchanged = unchanged_;
  preview.changed = changed_.size();
  preview.removed = removed_.size();
  preview.changes.reserve(after_.count - unchanged_ + removed_.size());
  std::sort(changed_.begin(), changed_.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  auto next = changed_.begin();
  for (std::size_t i = 0; i < after_.count; ++i) {
    if (next != changed_.end() && next->first == i) {
      preview.changes.push_back(std::move(next++->second));
    } else if (!matched_[i]) {
      const auto fields = after_.employee(i);
      if (!fields) continue;
      ++preview.added;
      preview.changes.push_back(change(EmployeeChange::Kind::kNew, *fields));
    }
  }
  std::move(removed_.begin(), removed_.end(), std::back_inserter(preview.changes));
  return preview;
}

WrittenEntries writtenEntries(const std::vector<EmployeeRecord>& entries) {
  return {entries.size(), [&entries](std::size_t i) -> std::optional<ComparedFields> {
            if (entries[i].kind != EmployeeRecord::Kind::kEmployee) return std::nullopt;
            return comparedFields(entries[i]);
          }};
}

}  // namespace importfile
