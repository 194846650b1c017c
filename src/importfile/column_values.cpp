#include "importfile/column_values.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "hostfiles/employee_record.h"
#include "importfile/check_texts.h"
#include "startup/characters.h"
#include "startup/dates.h"
#include "startup/formatting.h"
#include "startup/numbers.h"

namespace importfile {

namespace {

using texts::NumberColumn;

// Where the dates and the numbers begin among the columns.
constexpr std::size_t kDateColumn = 2;
constexpr std::size_t kFirstNumberColumn = 4;

constexpr std::array<std::pair<Column, NumberColumn>, 6> kNumbers = {{
    {Column::Resturlaub, NumberColumn::kResturlaub},
    {Column::Urlaubsanspruch1, NumberColumn::kUrlaubsanspruch},
    {Column::Urlaubsanspruch2, NumberColumn::kUrlaubsanspruch},
    {Column::Urlaubsanspruch3, NumberColumn::kUrlaubsanspruch},
    {Column::Urlaubsanspruch4, NumberColumn::kUrlaubsanspruch},
    {Column::Sonderurlaub, NumberColumn::kSonderurlaub},
}};

// Whether date stamp `a` comes after `b` as texts compare, both of six
// digits, without a call of memcmp.
bool later(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return a[i] > b[i];
  }
  return false;
}

// What a value stands for: whether it could be read, and the form that the
// import writes for it, readable or not.
template <std::size_t Size>
struct Reading {
  bool valid = false;
  std::array<char, Size> form{};
};

// The copies of forms of `Size` characters that the rows view, one for many
// rows: a form takes the slot of its hash, from whatever form held it before.
// A form's characters, packed into a number, are its key; a form holds
// digits, so no key is 0, the empty slot's.
template <std::size_t Size>
class KeptForms {
  static_assert(Size <= sizeof(std::uint64_t));

 public:
  explicit KeptForms(ImportRows& rows) : rows_(rows) {}

  std::string_view keep(const std::array<char, Size>& form) {
    std::uint64_t key = 0;
    std::memcpy(&key, form.data(), Size);
    Slot& slot = slots_[(key * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits)];
    if (slot.key != key) slot = {key, rows_.keep({form.data(), Size})};
    return slot.text;
  }

 private:
  static constexpr int kSlotBits = 10;
  struct Slot {
    std::uint64_t key = 0;
    std::string_view text;
  };

  ImportRows& rows_;
  std::array<Slot, std::size_t{1} << kSlotBits> slots_{};
};

// A text of up to 15 characters and its length, as the key of its slot.
class TextKey {
 public:
  static constexpr std::size_t kMaxLength = 15;

  explicit TextKey(std::string_view text) {
    if (!text.empty()) std::memcpy(bytes_.data(), text.data(), text.size());
    bytes_.back() = static_cast<char>(text.size());
  }

  bool operator==(const TextKey& other) const {
    return word(0) == other.word(0) && word(1) == other.word(1);
  }
  std::uint64_t hash() const { return (word(0) ^ word(1)) * 0x9E3779B97F4A7C15u; }

 private:
  std::uint64_t word(std::size_t i) const {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes_.data() + i * sizeof value, sizeof value);
    return value;
  }

  std::array<char, 16> bytes_{};
};

// The readings of the values of one kind, their forms kept for the rows to
// view. Values recur, in a column and across columns: a value of up to 15
// characters takes the slot of its hash, from whatever value held it before,
// and is read again only when it has lost its slot.
template <std::size_t Size>
class Readings {
 public:
  struct Result {
    bool valid = false;
    std::string_view form;  // empty only in a slot that holds no value
  };

  explicit Readings(ImportRows& rows) : forms_(rows) {}

  // The result for `value`, from `read` unless the value is in its slot.
  template <typename Read>
  Result get(std::string_view value, Read read) {
    if (value.size() > TextKey::kMaxLength) return fresh(value, read);
    const TextKey key(value);
    Slot& slot = slots_[key.hash() >> (64 - kSlotBits)];
    if (slot.result.form.empty() || !(slot.key == key)) slot = {key, fresh(value, read)};
    return slot.result;
  }

 private:
  static constexpr int kSlotBits = 10;
  struct Slot {
    TextKey key{std::string_view()};
    Result result;
  };

  template <typename Read>
  Result fresh(std::string_view value, Read read) {
    const Reading<Size> reading = read(value);
    return {reading.valid, forms_.keep(reading.form)};
  }

  KeptForms<Size> forms_;
  std::array<Slot, std::size_t{1} << kSlotBits> slots_{};
};

// What the values of the date and number columns stand for, read straight
// from their texts where they have the forms that users type most.
class ReadValues {
 public:
  ReadValues(const startup::Context& context, ImportRows& rows)
      : context_(context), stamps_(rows), numbers_(rows) {}

  // The date stamp of `value`; not valid for a text that is no date.
  Readings<6>::Result stamp(std::string_view value) {
    return stamps_.get(value, [this](std::string_view text) {
      const auto date = startup::readDate(text, context_.region);
      if (!date) return Reading<6>{false, {'0', '0', '0', '0', '0', '0'}};
      return Reading<6>{true, startup::dateStamp(date->year, date->month, date->day)};
    });
  }

  // The number form of `value`.
  Readings<5>::Result number(std::string_view value) {
    return numbers_.get(value, [this](std::string_view text) {
      Reading<5> reading;
      const auto form = startup::shortNumberForm(text, context_.region);
      // The empty value counts as a number.
      reading.valid = form || text.empty() || startup::readNumber(text, context_.region);
      if (form) reading.form = *form;
      if (!form) startup::formatNumberGenerally(context_, text).copy(reading.form.data(), 5);
      // Zahl_formatieren with "." replaced by ",", where the decimal separator stands.
      if (reading.form[3] == '.') reading.form[3] = ',';
      return reading;
    });
  }

 private:
  const startup::Context& context_;
  Readings<6> stamps_;
  Readings<5> numbers_;
};

using DateError = std::string (*)(startup::Language, const std::string&);

// The dates that stand for open ones, kept once for the rows to view.
struct OpenDates {
  std::string_view start;
  std::string_view end;
};

// The check of one row, on a copy of its values that goes back to the row
// however the check ends: the repairs made so far stay.
class RowCheck {
 public:
  RowCheck(CheckRun& run, ReadValues& values, const OpenDates& open, std::size_t number,
           WritableRow row)
      : run_(run),
        values_(values),
        open_(open),
        number_(number),
        row_(row),
        fields_(row.fields()) {}

  bool run() {
    const bool passed = check();
    row_.setFields(fields_);
    return passed;
  }

 private:
  bool check() {
    std::string_view& name = field(Column::Name);
    if (name.empty()) {
      if (!run_.ask({.row = number_,
                     .name = {},
                     .column = 0,
                     .value = {},
                     .text = texts::emptyName(language())})) {
        return false;
      }
      name = run_.rows.keep("Name " + std::to_string(number_));
    }
    name = name.substr(0, hostfiles::kMaxNameLength);
    if (name.starts_with('>')) return true;  // a text row
    std::string_view& userId = field(Column::Benutzerkennung);
    userId = userId.substr(0, hostfiles::kMaxNameLength);
    if (userId.empty()) userId = name;
    if (!checkDate(0, field(Column::VonDatum), texts::invalidFromDate, open_.start) ||
        !checkDate(1, field(Column::BisDatum), texts::invalidToDate, open_.end)) {
      return false;
    }
    if (later(field(Column::VonDatum), field(Column::BisDatum)) &&
        !ask({}, {}, texts::datesInWrongOrder(language()))) {
      return false;
    }
    return checkNumbers();
  }

  startup::Language language() const { return run_.context.language; }

  std::string_view& field(Column column) { return fields_[static_cast<std::size_t>(column)]; }

  // A fault of the row, whose head shows its name.
  bool ask(std::optional<std::size_t> column, std::string_view value, std::string error) {
    return run_.ask({.row = number_,
                     .name = std::string(field(Column::Name)),
                     .column = column,
                     .value = std::string(value),
                     .text = std::move(error)});
  }

  // An unreadable date is emptied after Yes; an empty one stands for `open`.
  bool checkDate(std::size_t column, std::string_view& value, DateError error,
                 std::string_view open) {
    if (value.empty()) {
      value = open;
      return true;
    }
    const auto stamp = values_.stamp(value);
    if (!stamp.valid && !ask(kDateColumn + column, value, error(language(), std::string(value)))) {
      return false;
    }
    value = stamp.valid ? stamp.form : open;
    return true;
  }

  // An unreadable number stays as it is after Yes, and so becomes zero.
  bool checkNumbers() {
    for (std::size_t i = 0; i < kNumbers.size(); ++i) {
      const auto& [column, kind] = kNumbers[i];
      std::string_view& value = field(column);
      const auto form = values_.number(value);
      if (!form.valid && !ask(kFirstNumberColumn + i, value,
                              texts::notNumeric(language(), kind, std::string(value)))) {
        return false;
      }
      value = form.form;
    }
    return true;
  }

  CheckRun& run_;
  ReadValues& values_;
  const OpenDates& open_;
  std::size_t number_;
  WritableRow row_;
  std::array<std::string_view, kColumns> fields_;
};

}  // namespace

bool checkColumnValues(CheckRun& run) {
  // On the heap: the tables of readings and forms take 128 KB.
  const auto values = std::make_unique<ReadValues>(run.context, run.rows);
  ImportRows& rows = run.rows;
  const OpenDates open{rows.keep(hostfiles::kNoStartDate), rows.keep(hostfiles::kNoEndDate)};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!RowCheck(run, *values, open, i + 1, rows[i]).run()) return false;
  }
  return true;
}

}  // namespace importfile
