// One data row of the import file, as read and then split and normalised by the
// check, and the entry of the planner's employee file that it becomes.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hostfiles/employee_record.h"

namespace importfile {

// The fields view texts that the rows hold: a file of 32,767 rows would
// otherwise cost a string per field per row.
struct ImportRow {
  std::string_view Name;
  std::string_view Benutzerkennung;
  std::string_view VonDatum;
  std::string_view BisDatum;
  std::string_view Resturlaub;
  std::string_view Urlaubsanspruch1;
  std::string_view Urlaubsanspruch2;
  std::string_view Urlaubsanspruch3;
  std::string_view Urlaubsanspruch4;
  std::string_view Sonderurlaub;
  std::string_view Rohzeile;  // the line as read, followed by one copy of the separator
  std::size_t fileLine = 0;   // the line of the file where the row begins, from 1
};

// Row n of the file is element n - 1. The rows hold the texts that they view,
// apart from texts that outlive them (literals): the file's text, read once,
// and the values that the check made. No text moves while the rows live,
// moving the rows included; a copy would view the texts of the original, so
// there is none.
class ImportRows : public std::vector<ImportRow> {
 public:
  using std::vector<ImportRow>::vector;
  ImportRows() = default;
  ImportRows(ImportRows&&) = default;
  ImportRows& operator=(ImportRows&&) = default;

  // Holds the file's text and gives it for the rows to view and to change in place.
  std::span<char> holdText(std::string text) {
    text_ = std::make_unique<std::string>(std::move(text));
    return *text_;
  }

  // A copy of `value` that lives as long as the rows.
  std::string_view keep(std::string value) { return kept_.emplace_back(std::move(value)); }

 private:
  std::unique_ptr<std::string> text_;  // on the heap, where it stays however short
  std::deque<std::string> kept_;
};

// What the import file holds: its data rows and the separator that splits them.
struct ImportData {
  ImportRows rows;
  char Trennzeichen_Import = ',';
};

// The entry that the import writes for `row`, viewing the row's texts: a row
// without a user id (only text rows, once checked) becomes a text line
// without its ">".
hostfiles::EntryView plannerEntry(const ImportRow& row);
// The entries of `rows`, which must outlive them.
std::vector<hostfiles::EntryView> plannerEntries(const ImportRows& rows);

}  // namespace importfile
