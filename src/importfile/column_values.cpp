#include "importfile/column_values.h"

#include <array>
#include <utility>

#include "importfile/check_texts.h"
#include "startup/dates.h"
#include "startup/formatting.h"
#include "startup/numbers.h"

namespace importfile {

namespace {

using texts::NumberColumn;

constexpr std::size_t kNameLength = 40;

constexpr std::array<std::pair<std::string ImportRow::*, NumberColumn>, 6> kNumbers = {{
    {&ImportRow::Resturlaub, NumberColumn::kResturlaub},
    {&ImportRow::Urlaubsanspruch1, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch2, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch3, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Urlaubsanspruch4, NumberColumn::kUrlaubsanspruch},
    {&ImportRow::Sonderurlaub, NumberColumn::kSonderurlaub},
}};

class RowCheck {
 public:
  RowCheck(CheckRun& run, std::size_t number, ImportRow& row)
      : run_(run), number_(number), row_(row) {}

  bool run() {
    if (row_.Name.empty()) {
      if (!ask(nullptr, texts::emptyName(language()))) return false;
      row_.Name = "Name " + std::to_string(number_);
    }
    row_.Name.resize(std::min(row_.Name.size(), kNameLength));
    if (isTextRow(row_)) return true;
    row_.Benutzerkennung.resize(std::min(row_.Benutzerkennung.size(), kNameLength));
    if (row_.Benutzerkennung.empty()) row_.Benutzerkennung = row_.Name;
    if (!checkDate(row_.VonDatum, texts::invalidFromDate, "000000") ||
        !checkDate(row_.BisDatum, texts::invalidToDate, "999999")) {
      return false;
    }
    if (row_.VonDatum > row_.BisDatum && !ask(&row_.Name, texts::datesInWrongOrder(language()))) {
      return false;
    }
    return checkNumbers();
  }

 private:
  startup::Language language() const { return run_.state.Sprache; }

  bool ask(const std::string* name, const std::string& error) {
    return run_.ask(number_, name, error);
  }

  // An unreadable date is emptied after Yes; an empty one stands for `open`.
  bool checkDate(std::string& value, std::string (*error)(startup::Language, const std::string&),
                 const char* open) {
    std::optional<startup::CalendarDate> date;
    if (!value.empty()) {
      date = startup::readDate(value, run_.state.Region);
      if (!date && !ask(&row_.Name, error(language(), value))) return false;
    }
    value = date ? startup::FormatDatumDS(date->year, date->month, date->day) : open;
    return true;
  }

  // An unreadable number stays as it is after Yes, and so becomes zero.
  bool checkNumbers() {
    for (const auto& [field, column] : kNumbers) {
      std::string& value = row_.*field;
      if (!value.empty() && !startup::readNumber(value, run_.state.Region) &&
          !ask(&row_.Name, texts::notNumeric(language(), column, value))) {
        return false;
      }
      value = startup::Text_ersetzen(startup::Zahl_formatieren(run_.state, value), ".", ",");
    }
    return true;
  }

  CheckRun& run_;
  std::size_t number_;
  ImportRow& row_;
};

}  // namespace

bool checkColumnValues(CheckRun& run) {
  ImportRows& rows = run.state.ImportRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!RowCheck(run, i + 1, rows[i]).run()) return false;
  }
  return true;
}

}  // namespace importfile
