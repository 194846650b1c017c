// Fields as spreadsheet programs quote them: a field that begins with a double
// quote runs to its closing quote, separators and line ends included, and ""
// inside it stands for one quote. An opening quote that is never closed quotes
// nothing: its row is at fault, and the lines after it stay rows of their own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace importfile {

// The mark that begins a UTF-8 file, by which spreadsheet programs know it.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// `field` as a file that we write holds it: in quotes, with its quotes
// doubled, when it holds the separator, a quote or a line break.
std::string quotedField(std::string_view field, char separator);

// The index of the quote that closes the field opened by the quote at `open`;
// npos when no quote does.
std::size_t closingQuote(std::string_view text, std::size_t open);

// The record that begins at `position` in `text`, without its line end, and
// `position` moved past that line end. A record is a line, or several where a
// quoted field holds a line end.
std::string_view nextRecord(std::string_view text, std::size_t& position, char separator);

// How often `separator` occurs in `record` outside its quoted fields.
std::size_t separatorsIn(std::string_view record, char separator);

// The fields of a row as read with one separator appended, one at a time, as
// they stand in the row: quotes still in place.
class FieldScanner {
 public:
  FieldScanner(std::string_view row, char separator) : rest_(row), separator_(separator) {}

  // The next field; nothing at the end of the row.
  std::optional<std::string_view> next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t end = rest_.find(separator_, rest_.front() == '"' ? afterQuotes() : 0);
    const std::string_view field = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return field;
  }
  bool atEnd() const { return rest_.empty(); }
  // True once a field was met whose opening quote is never closed.
  bool unclosed() const { return unclosed_; }

 private:
  // Where the separator after a field that begins with a quote is looked for.
  std::size_t afterQuotes();

  std::string_view rest_;
  char separator_;
  bool unclosed_ = false;
};

}  // namespace importfile
