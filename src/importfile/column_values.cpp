#include "importfile/column_values.h"

#include <array>
#include <optional>
#include <utility>

#include "hostfiles/employee_record.h"
#include "importfile/check_texts.h"
#include "importfile/remembered.h"
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

// What the values of the date and number columns stand for, read once each;
// the forms are kept by the rows, which view them.
struct ReadValues {
  ReadValues(const startup::Context& context, ImportRows& rows)
      : stamps(2,
               [&context, &rows](std::string_view value) -> std::optional<std::string_view> {
                 const auto date = startup::readDate(value, context.region);
                 if (!date) return std::nullopt;
                 return rows.keep(startup::FormatDatumDS(date->year, date->month, date->day));
               }),
        numbers(kNumbers.size(), [&context, &rows](std::string_view value) {
          return NumberForm{value.empty() || startup::readNumber(value, context.region).has_value(),
                            rows.keep(startup::Text_ersetzen(
                                startup::Zahl_formatieren(context, value), ".", ","))};
        }) {}

  Remembered<std::optional<std::string_view>> stamps;  // nothing for a text that is no date
  Remembered<NumberForm> numbers;
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
    const std::optional<std::string_view>& stamp = values_.stamps.of(column, value);
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
      const NumberForm& form = values_.numbers.of(i, value);
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
