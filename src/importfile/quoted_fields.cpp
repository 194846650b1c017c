#include "importfile/quoted_fields.h"

#include <algorithm>

#include "hostfiles/file_channel.h"

namespace importfile {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where the field that begins at `start` can end: behind its closing quote
// when it is a closed quoted field, else at its start. `unclosed` tells of an
// opening quote that no quote closes.
std::size_t searchFrom(std::string_view text, std::size_t start, bool& unclosed) {
  if (start >= text.size() || text[start] != '"') return start;
  const std::size_t close = closingQuote(text, start);
  if (close != kNone) return close + 1;
  unclosed = true;
  return start;
}

}  // namespace

std::size_t closingQuote(std::string_view text, std::size_t open) {
  for (std::size_t i = text.find('"', open + 1); i != kNone; i = text.find('"', i + 2)) {
    if (i + 1 == text.size() || text[i + 1] != '"') return i;
  }
  return kNone;
}

std::string_view nextRecord(std::string_view text, std::size_t& position, char separator) {
  const std::size_t start = position;
  const std::string_view line = hostfiles::nextLine(text, position);
  if (line.find('"') == kNone) return line;  // the common case
  const char stops[] = {separator, '\r', '\n'};
  bool unclosed = false;
  std::size_t end = start;
  for (;;) {
    end = text.find_first_of(stops, searchFrom(text, end, unclosed), sizeof stops);
    if (end == kNone || text[end] != separator) break;
    ++end;
  }
  if (end == kNone) end = text.size();
  position = end;
  hostfiles::nextLine(text, position);  // past the line end
  return text.substr(start, end - start);
}

std::size_t separatorsIn(std::string_view record, char separator) {
  if (record.find('"') == kNone) {
    return static_cast<std::size_t>(std::count(record.begin(), record.end(), separator));
  }
  std::size_t count = 0;
  bool unclosed = false;
  for (std::size_t i = record.find(separator, searchFrom(record, 0, unclosed)); i != kNone;
       i = record.find(separator, searchFrom(record, i + 1, unclosed))) {
    ++count;
  }
  return count;
}

std::size_t FieldScanner::afterQuotes() { return searchFrom(rest_, 0, unclosed_); }

std::string quotedField(std::string_view field, char separator) {
  if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
    return std::string(field);
  }
  std::string quoted = "\"";
  for (const char c : field) {
    quoted += c;
    if (c == '"') quoted += c;
  }
  return quoted + "\"";
}

}  // namespace importfile
