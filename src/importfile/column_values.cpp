#include "importfile/column_values.h"

#include <algorithm>
#include <array>
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

constexpr std::array<std::pair<std::string_view ImportRow::*, NumberColumn>, 6> kNumbers = {{
    {&ImportRow::Resturlaub, NumberColumn::kResturlaub},
    {&ImportRow::Urlaubsanspruch1, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch2, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch3, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch4, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Sonderurlaub, NumberColumn::kSonderurlaub},
}};

struct NumberForm {
  bool numeric = false;      // the empty value counts as a number
  std::string_view planner;  // Zahl_formatieren with every "." replaced by ","
};

// The forms of one column that the rows view. A column often repeats the form
// of the row before, whose copy is then viewed again.
template <std::size_t Size>
class ColumnForms {
 public:
  std::string_view keep(const std::array<char, Size>& form, ImportRows& rows) {
    if (kept_.empty() || form != last_) {
      kept_ = rows.keep({form.data(), Size});
      last_ = form;
    }
    return kept_;
  }

 private:
  std::array<char, Size> last_{};
  std::string_view kept_;
};

// What the values of the date and number columns stand for, read straight
// from their texts where they have the forms that users type most.
class ReadValues {
 public:
  ReadValues(const startup::Context& context, ImportRows& rows) : context_(context), rows_(rows) {}

  // The date stamp of `value` in date column `column` (from 0); nothing for a text that is no date.
  std::optional<std::string_view> stamp(std::size_t column, std::string_view value) {
    const auto date = startup::readDate(value, context_.region);
    if (!date) return std::nullopt;
    return stamps_[column].keep(startup::dateStamp(date->year, date->month, date->day), rows_);
  }

  // The number form of `value` in number column `column` (from 0).
  NumberForm number(std::size_t column, std::string_view value) {
    std::optional<std::array<char, 5>> form = startup::shortNumberForm(value, context_.region);
    const bool numeric =
        form || value.empty() || startup::readNumber(value, context_.region).has_value();
    if (!form) {
      const std::string general = startup::formatNumberGenerally(context_, value);
      form.emplace();
      general.copy(form->data(), form->size());  // always five characters
    }
    if ((*form)[3] == '.') (*form)[3] = ',';  // where the decimal separator stands
    return {numeric, numbers_[column].keep(*form, rows_)};
  }

 private:
  const startup::Context& context_;
  ImportRows& rows_;
  std::array<ColumnForms<6>, 2> stamps_;
  std::array<ColumnForms<5>, kNumbers.size()> numbers_;
};

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
    if (row_.VonDatum > row_.BisDatum && !ask({}, {}, texts::datesInWrongOrder(language()))) {
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
    const std::optional<std::string_view> stamp = values_.stamp(column, value);
    if (!stamp && !ask(kDateColumn + column, value, error(language(), std::string(value)))) {
      return false;
    }
    value = stamp ? *stamp : open;
    return true;
  }

  // An unreadable number stays as it is after Yes, and so becomes zero.
  bool checkNumbers() {
    for (std::size_t i = 0; i < kNumbers.size(); ++i) {
      const auto& [field, column] = kNumbers[i];
      std::string_view& value = row_.*field;
      const NumberForm form = values_.number(i, value);
      if (!form.numeric && !ask(kFirstNumberColumn + i, value,
                                texts::notNumeric(language(), column, std::string(value)))) {
        return false;
      }
      value = form.planner;
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
  ReadValues values(run.context, run.rows);
  ImportRows& rows = run.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!RowCheck(run, values, i + 1, rows[i]).run()) return false;
  }
  return true;
}

}  // namespace importfile
