#include "importfile/column_values.h"

#include <array>
#include <optional>
#include <utility>

#include "hostfiles/employee_record.h"
#include "importfile/check_texts.h"
#include "importfile/value_readings.h"

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
  ReadValues values(run.context, run.rows);
  ImportRows& rows = run.rows;
  const OpenDates open{rows.keep(hostfiles::kNoStartDate), rows.keep(hostfiles::kNoEndDate)};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!RowCheck(run, values, open, i + 1, rows[i]).run()) return false;
  }
  return true;
}

}  // namespace importfile
