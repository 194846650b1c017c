#include "importfile/import_row.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "startup/formatting.h"

namespace importfile {

namespace {

// The most rows a file can have: row numbers are 16-bit signed integers.
constexpr std::size_t kMaxRows = std::numeric_limits<std::int16_t>::max();

// What the check keeps for a row at most: a made-up "Name 32767", two date
// stamps of six characters and six number forms of five.
constexpr std::size_t kKeptPerRow = 10 + 2 * 6 + 6 * 5;

// Values that the check keeps once: the open dates and the plain number forms.
constexpr std::size_t kKeptOnce = 64 + startup::kPlainNumberForms.size();

// The room for what the check can keep of the rows of `text`. A row needs a
// separator, and a line end unless it is the last. Quoted fields lose their
// quotes: their values are shorter than the text they stand in.
std::size_t roomFor(std::string_view text) {
  const std::size_t rows = std::min(kMaxRows, text.size() / 2 + 1);
  const bool quotes = text.find('"') != std::string_view::npos;
  return rows * kKeptPerRow + (quotes ? text.size() : 0) + kKeptOnce;
}

}  // namespace

ImportRows::ImportRows(const std::vector<Fields>& fields) {
  std::size_t room = 0;
  for (const Fields& row : fields) {
    for (const std::string_view value : row) room += value.size();
  }
  allocate({}, room);
  for (const Fields& row : fields) {
    rows_.emplace_back();
    for (std::size_t column = 0; column < kColumns; ++column) {
      WritableRow(*this, size() - 1).set(static_cast<Column>(column), row[column]);
    }
  }
}

void ImportRows::allocate(std::string_view text, std::size_t room) {
  textSize_ = text.size();
  used_ = textSize_ + 1;  // the byte that may close a last line
  capacity_ = used_ + room;
  if (capacity_ > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("rows");
  buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
  if (!text.empty()) std::memcpy(buffer_.get(), text.data(), text.size());
}

std::span<char> ImportRows::holdText(std::string_view text) {
  allocate(text, roomFor(text));
  return {buffer_.get(), textSize_ + 1};
}

WritableRow ImportRows::addLine(std::string_view Rohzeile, std::size_t fileLine) {
  rows_.emplace_back().fileLine = static_cast<std::uint32_t>(fileLine);
  const WritableRow row(*this, size() - 1);
  row.setRohzeile(Rohzeile);
  return row;
}

void ImportRows::addSplitLine(std::size_t start, std::size_t size,
                              std::span<const std::size_t> ends, Split split,
                              std::size_t fileLine) {
  Stored& stored = rows_.emplace_back();
  stored.fileLine = static_cast<std::uint32_t>(fileLine);
  stored.split = split;
  const std::size_t row = rows_.size() - 1;
  if (size >= kLong) {  // a long line, and perhaps a long value
    setValue(row, kRohzeile, {buffer_.get() + start, size});
    std::size_t from = 0;
    for (std::size_t column = 0; column < ends.size(); ++column) {
      setValue(row, column, {buffer_.get() + start + from, ends[column] - from});
      from = ends[column] + 1;
    }
    return;
  }
  // Offsets and sizes of a short line fit as they are.
  stored.at[kRohzeile] = static_cast<std::uint32_t>(start);
  stored.size[kRohzeile] = static_cast<Size>(size);
  std::uint32_t from = 0;
  for (std::size_t column = 0; column < ends.size(); ++column) {
    const auto end = static_cast<std::uint32_t>(ends[column]);
    stored.at[column] = static_cast<std::uint32_t>(start) + from;
    stored.size[column] = static_cast<Size>(end - from);
    from = end + 1;
  }
}

std::array<std::string_view, kColumns> ImportRows::fieldsWithLong(std::size_t row) const {
  std::array<std::string_view, kColumns> values;
  for (std::size_t column = 0; column < kColumns; ++column) values[column] = value(row, column);
  return values;
}

void ImportRows::throwRoomExhausted() { throw std::length_error("kept values"); }

void ImportRows::setOtherValue(std::size_t row, std::size_t slot, std::string_view value) {
  if (value.empty()) {
    rows_[row].size[slot] = 0;
    return;
  }
  const auto at = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(value.data()) -
                                           reinterpret_cast<std::uintptr_t>(buffer_.get()));
  const bool inBuffer = at < used_ && value.size() <= used_ - at;
  rows_[row].at[slot] = static_cast<std::uint32_t>(
      inBuffer ? at : static_cast<std::size_t>(keep(value).data() - buffer_.get()));
  const std::size_t key = row * kSlots + slot;
  if (value.size() >= kLong) {
    longSizes_[key] = value.size();
    rows_[row].size[slot] = kLong;
    longValues_ = longValues_ || slot != kRohzeile;
  } else {
    rows_[row].size[slot] = static_cast<Size>(value.size());
  }
}

hostfiles::EntryView plannerEntry(const ImportRow& row) {
  const auto [name, userId, from, to, residual, first, second, third, fourth, additional] =
      row.fields();
  if (userId.empty()) {
    hostfiles::EntryView text;
    text.name = name.substr(name.starts_with('>') ? 1 : 0);
    return text;
  }
  return {hostfiles::EntryKind::kEmployee, name,      userId, from, to, residual,
          {first, second, third, fourth},  additional};
}

std::vector<hostfiles::EntryView> plannerEntries(const ImportRows& rows) {
  std::vector<hostfiles::EntryView> entries;
  entries.reserve(rows.size());
  for (const ImportRow row : rows) entries.push_back(plannerEntry(row));
  return entries;
}

}  // namespace importfile
