// One data row of the import file, as read and then split and normalised by the
// check, and the entry of the planner's employee file that it becomes.
#pragma once

#include <algorithm>
#include <cstddef>
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

  // The file's text as held; empty before there is one.
  std::string_view text() const { return text_ ? std::string_view(*text_) : std::string_view(); }

  // Room for `size` characters that live as long as the rows, for a value to
  // be written into.
  std::span<char> room(std::size_t size);
  // A copy of `value` that lives as long as the rows.
  std::string_view keep(std::string_view value) {
    const std::span<char> copy = room(value.size());
    std::ranges::copy(value, copy.begin());
    return {copy.data(), copy.size()};
  }

 private:
  std::unique_ptr<std::string> text_;  // on the heap, where it stays however short
  // The kept values, packed into blocks that never move: a string each would
  // cost six times what a five-character number takes.
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::span<char> free_;  // the rest of the last block
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
