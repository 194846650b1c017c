// What an import or a restore would change in the planner's employee list:
// the entries it writes compared with those of the present employee file, matched by
// user id without regard to case. Text lines are not counted.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hostfiles/employee_record.h"
#include "startup/context.h"

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

// The removed employees that a preview names, at most.
inline constexpr std::size_t kNamedRemoved = 10;

// What a check or a restore tells of the changes: the counts, and the first
// removed employees (kRemoved, without fields) in the order of the planner's file.
struct ChangePreview {
  std::size_t added = 0;
  std::size_t removed = 0;
  std::size_t changed = 0;
  std::size_t unchanged = 0;
  std::vector<EmployeeChange> firstRemoved;  // at most kNamedRemoved
};

// The entries that an import or a restore writes, read by position. The
// preview indexes the user id of every entry but compares whole entries only
// where ids match: a list need not make each of its entries to be indexed.
class WrittenEntries {
 public:
  virtual std::size_t size() const = 0;
  // The user id of entry `i`; nothing for a text line.
  virtual std::optional<std::string_view> userId(std::size_t i) const = 0;
  // Entry `i`; its texts outlive the comparison.
  virtual EntryView entry(std::size_t i) const = 0;

 protected:
  ~WrittenEntries() = default;
};

// Records or views as written entries.
template <typename Text>
class EntryList final : public WrittenEntries {
 public:
  explicit EntryList(std::span<const Entry<Text>> entries) : entries_(entries) {}
  std::size_t size() const override { return entries_.size(); }
  std::optional<std::string_view> userId(std::size_t i) const override {
    if (entries_[i].kind != EntryKind::kEmployee) return std::nullopt;
    return std::string_view(entries_[i].userId);
  }
  EntryView entry(std::size_t i) const override { return entryAs<std::string_view>(entries_[i]); }

 private:
  std::span<const Entry<Text>> entries_;
};

// The preview of writing `written` over the employee file in `dataFolder`;
// nothing when that file cannot be read.
std::optional<ChangePreview> previewChanges(const startup::Context& context,
                                            const std::string& dataFolder,
                                            const WrittenEntries& written);

// Every change of writing `after` over the employee file in `dataFolder`: new
// and changed employees in the order of `after`, then the removed ones in the
// order of the file; nothing when that file cannot be read. A second reading
// of the file, for the front-ends that show the whole list.
std::optional<std::vector<EmployeeChange>> listChanges(const startup::Context& context,
                                                       const std::string& dataFolder,
                                                       std::span<const EntryView> after);

}  // namespace hostfiles
