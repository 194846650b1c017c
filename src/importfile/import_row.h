// The data rows of the import file, as read and then split and normalised by
// the check, and the entries of the planner's employee file that they become.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "hostfiles/employee_record.h"

namespace importfile {

// The columns of a row, in the order of the file.
enum class Column : std::uint8_t {
  Name,
  Benutzerkennung,
  VonDatum,
  BisDatum,
  Resturlaub,
  Urlaubsanspruch1,
  Urlaubsanspruch2,
  Urlaubsanspruch3,
  Urlaubsanspruch4,
  Sonderurlaub,
};
inline constexpr std::size_t kColumns = 10;

// How far a row is split: a row without a quote is split as it is read.
enum class Split : std::uint8_t { kPending, kFits, kTooManyColumns };

class ImportRows;

// A row of ImportRows, read through them: valid while they live and keep
// their number of rows.
class ImportRow {
 public:
  ImportRow(const ImportRows& rows, std::size_t index) : rows_(&rows), index_(index) {}

  std::string_view field(Column column) const;
  std::string_view Name() const { return field(Column::Name); }
  std::string_view Benutzerkennung() const { return field(Column::Benutzerkennung); }
  std::string_view VonDatum() const { return field(Column::VonDatum); }
  std::string_view BisDatum() const { return field(Column::BisDatum); }
  std::string_view Resturlaub() const { return field(Column::Resturlaub); }
  std::string_view Urlaubsanspruch1() const { return field(Column::Urlaubsanspruch1); }
  std::string_view Urlaubsanspruch2() const { return field(Column::Urlaubsanspruch2); }
  std::string_view Urlaubsanspruch3() const { return field(Column::Urlaubsanspruch3); }
  std::string_view Urlaubsanspruch4() const { return field(Column::Urlaubsanspruch4); }
  std::string_view Sonderurlaub() const { return field(Column::Sonderurlaub); }
  // The line as read, followed by one copy of the separator; empty once split.
  std::string_view Rohzeile() const;
  // The line of the file where the row begins, from 1.
  std::size_t fileLine() const;
  // The values of all columns.
  std::array<std::string_view, kColumns> fields() const;
  Split split() const;

 protected:
  const ImportRows* rows_;
  std::size_t index_;
};

// A row whose fields may be set.
class WritableRow : public ImportRow {
 public:
  WritableRow(ImportRows& rows, std::size_t index) : ImportRow(rows, index), writable_(&rows) {}

  // `value` views the rows' texts, or is kept by them.
  void set(Column column, std::string_view value) const;
  void setRohzeile(std::string_view value) const;
  void setFields(const std::array<std::string_view, kColumns>& values) const;
  void useUpRohzeile() const;

 private:
  ImportRows* writable_;
};

// Row n of the file is element n - 1. A row is offsets into one buffer that
// the rows hold: the file's text, read once and changed in place, and after
// it room for every value the check can make. A string_view per field would
// cost more than the file itself; one buffer maps an offset back by one
// addition. The room is allocated once and never moves, and the part of it
// never written costs no memory. A copy would view the texts of the
// original, so there is none.
class ImportRows {
 public:
  // A row's values in the order of the columns, as a row is added whole.
  using Fields = std::array<std::string_view, kColumns>;

  ImportRows() = default;
  // Rows of `fields` alone, without a file's text.
  explicit ImportRows(const std::vector<Fields>& fields);
  ImportRows(ImportRows&&) = default;
  ImportRows& operator=(ImportRows&&) = default;

  // Holds the file's text, before anything is kept, and gives it, and one
  // byte after it for a separator that closes a last line without a line end,
  // for the rows to view and to change in place.
  std::span<char> holdText(std::string_view text);
  // The file's text as held; empty before there is one.
  std::string_view text() const { return {buffer_.get(), textSize_}; }

  // Adds a row that begins on line `fileLine` of the file, with its Rohzeile.
  WritableRow addLine(std::string_view Rohzeile, std::size_t fileLine);
  // Adds a row that begins on line `fileLine` of the file, with the `size`
  // characters at `start` of the text as its Rohzeile, split already: its
  // columns end at `ends` in it.
  void addSplitLine(std::size_t start, std::size_t size, std::span<const std::size_t> ends,
                    Split split, std::size_t fileLine);
  void reserve(std::size_t rows) { rows_.reserve(rows); }

  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  ImportRow operator[](std::size_t i) const { return {*this, i}; }
  WritableRow operator[](std::size_t i) { return {*this, i}; }
  ImportRow back() const { return {*this, size() - 1}; }

  class Iterator {
   public:
    Iterator(const ImportRows& rows, std::size_t index) : rows_(&rows), index_(index) {}
    ImportRow operator*() const { return {*rows_, index_}; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const ImportRows* rows_;
    std::size_t index_;
  };
  Iterator begin() const { return {*this, 0}; }
  Iterator end() const { return {*this, size()}; }

  // A copy of `value` that lives as long as the rows. Raises std::length_error
  // beyond the room that holdText made: a value the check makes never is.
  std::string_view keep(std::string_view value) {
    if (value.size() > capacity_ - used_) throwRoomExhausted();
    char* const copy = buffer_.get() + used_;
    std::ranges::copy(value, copy);
    used_ += value.size();
    return {copy, value.size()};
  }

 private:
  friend class ImportRow;
  friend class WritableRow;

  // The columns, then Rohzeile.
  static constexpr std::size_t kSlots = kColumns + 1;
  static constexpr std::size_t kRohzeile = kColumns;
  // Where each value begins in the buffer and how long it is; kLong for a
  // longer value, whose size is kept aside. Values that the check made are
  // short, and so are most lines: a byte per size keeps a row at 60 bytes.
  using Size = std::uint8_t;
  struct Stored {
    std::array<std::uint32_t, kSlots> at{};
    std::array<Size, kSlots> size{};
    Split split = Split::kPending;
    std::uint32_t fileLine = 0;
  };
  static constexpr Size kLong = std::numeric_limits<Size>::max();

  [[noreturn]] static void throwRoomExhausted();
  // Allocates the buffer with `text` and room for `room` kept characters.
  void allocate(std::string_view text, std::size_t room);
  std::string_view value(std::size_t row, std::size_t slot) const;
  // ImportRow::fields once a value is long.
  std::array<std::string_view, kColumns> fieldsWithLong(std::size_t row) const;
  void setValue(std::size_t row, std::size_t slot, std::string_view value);
  // setValue for a value that does not lie in the buffer, or is long.
  void setOtherValue(std::size_t row, std::size_t slot, std::string_view value);

  std::vector<Stored> rows_;
  std::unique_ptr<char[]> buffer_;
  std::size_t textSize_ = 0;
  std::size_t used_ = 0;      // the text, its closing byte and the values kept so far
  std::size_t capacity_ = 0;  // at most what 32-bit offsets reach
  std::unordered_map<std::size_t, std::size_t> longSizes_;  // by row * kSlots + slot
  bool longValues_ = false;                                 // a column has a long value, or had one
};

inline std::string_view ImportRows::value(std::size_t row, std::size_t slot) const {
  const Stored& stored = rows_[row];
  const std::size_t size =
      stored.size[slot] == kLong ? longSizes_.at(row * kSlots + slot) : stored.size[slot];
  return {buffer_.get() + stored.at[slot], size};
}

inline void ImportRows::setValue(std::size_t row, std::size_t slot, std::string_view value) {
  const std::size_t at = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(value.data()) -
                                                  reinterpret_cast<std::uintptr_t>(buffer_.get()));
  if (at >= used_ || value.size() > used_ - at || value.size() >= kLong) {
    setOtherValue(row, slot, value);
    return;
  }
  rows_[row].at[slot] = static_cast<std::uint32_t>(at);
  rows_[row].size[slot] = static_cast<Size>(value.size());
}

inline std::string_view ImportRow::field(Column column) const {
  return rows_->value(index_, static_cast<std::size_t>(column));
}

inline std::string_view ImportRow::Rohzeile() const {
  return rows_->value(index_, ImportRows::kRohzeile);
}

inline std::size_t ImportRow::fileLine() const { return rows_->rows_[index_].fileLine; }

inline Split ImportRow::split() const { return rows_->rows_[index_].split; }

inline std::array<std::string_view, kColumns> ImportRow::fields() const {
  if (rows_->longValues_) return rows_->fieldsWithLong(index_);
  const ImportRows::Stored& stored = rows_->rows_[index_];
  const char* const base = rows_->buffer_.get();
  // Written out for each column: a loop would clear the array first.
  return [&]<std::size_t... Column>(std::index_sequence<Column...>) {
    return std::array<std::string_view, kColumns>{
        std::string_view(base + stored.at[Column], stored.size[Column])...};
  }
  (std::make_index_sequence<kColumns>());
}

inline void WritableRow::setFields(const std::array<std::string_view, kColumns>& values) const {
  ImportRows::Stored& stored = writable_->rows_[index_];
  const auto base = reinterpret_cast<std::uintptr_t>(writable_->buffer_.get());
  const std::size_t used = writable_->used_;
  const auto set = [&](std::size_t column) {
    const std::string_view value = values[column];
    const auto at = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(value.data()) - base);
    // A value that begins among the rows' texts lies in them.
    if (at < used && value.size() < ImportRows::kLong) {
      stored.at[column] = static_cast<std::uint32_t>(at);
      stored.size[column] = static_cast<ImportRows::Size>(value.size());
    } else {
      writable_->setOtherValue(index_, column, value);
    }
  };
  [&]<std::size_t... Column>(std::index_sequence<Column...>) { (set(Column), ...); }
  (std::make_index_sequence<kColumns>());
}

inline void WritableRow::useUpRohzeile() const {
  writable_->rows_[index_].size[ImportRows::kRohzeile] = 0;
}

inline void WritableRow::set(Column column, std::string_view value) const {
  writable_->setValue(index_, static_cast<std::size_t>(column), value);
}

inline void WritableRow::setRohzeile(std::string_view value) const {
  writable_->setValue(index_, ImportRows::kRohzeile, value);
}

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
