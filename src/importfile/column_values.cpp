#include "importfile/column_values.h"

#include <array>
#include <memory>
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

constexpr std::array<std::pair<std::string_view ImportRow::*, NumberColumn>, 6> kNumbers = {{
    {&ImportRow::Resturlaub, NumberColumn::kResturlaub},
    {&ImportRow::Urlaubsanspruch1, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch2, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch3, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch4, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Sonderurlaub, NumberColumn::kSonderurlaub},
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

class RowCheck {
 public:
  RowCheck(CheckRun& run, ReadValues& values, std::size_t number, ImportRow& row)
      : run_(run), values_(values), number_(number), row_(row) {}

  bool run() {
    if (row_.Name.empty()) {
      if (!run_.ask({.row = number_,
                     .name = {},
                     .column = 0,
                     .value = {},
                     .text = texts::emptyName(language())})) {
        return false;
      }
      row_.Name = run_.rows.keep("Name " + std::to_string(number_));
    }
    row_.Name = row_.Name.substr(0, hostfiles::kMaxNameLength);
    if (isTextRow(row_)) return true;
    row_.Benutzerkennung = row_.Benutzerkennung.substr(0, hostfiles::kMaxNameLength);
    if (row_.Benutzerkennung.empty()) row_.Benutzerkennung = row_.Name;
    if (!checkDate(0, row_.VonDatum, texts::invalidFromDate, hostfiles::kNoStartDate) ||
        !checkDate(1, row_.BisDatum, texts::invalidToDate, hostfiles::kNoEndDate)) {
      return false;
    }
    if (later(row_.VonDatum, row_.BisDatum) && !ask({}, {}, texts::datesInWrongOrder(language()))) {
      return false;
    }
    return checkNumbers();
  }

 private:
  startup::Language language() const { return run_.context.language; }

  // A fault of the row, whose head shows its name.
  bool ask(std::optional<std::size_t> column, std::string_view value, std::string error) {
    return run_.ask({.row = number_,
                     .name = std::string(row_.Name),
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
      const auto& [field, column] = kNumbers[i];
      std::string_view& value = row_.*field;
      const auto form = values_.number(value);
      if (!form.valid && !ask(kFirstNumberColumn + i, value,
                              texts::notNumeric(language(), column, std::string(value)))) {
        return false;
      }
      value = form.form;
    }
    return true;
  }

  CheckRun& run_;
  ReadValues& values_;
  std::size_t number_;
  ImportRow& row_;
};

}  // namespace

bool checkColumnValues(CheckRun& run) {
  // On the heap: the tables of readings and forms take 300 KB.
  const auto values = std::make_unique<ReadValues>(run.context, run.rows);
  ImportRows& rows = run.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!RowCheck(run, *values, i + 1, rows[i]).run()) return false;
  }
  return true;
}

}  // namespace importfile
