#include "startup/dates.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/codepage.h"
#include "startup/characters.h"

namespace startup {

namespace {

constexpr std::array<std::string_view, 12> kEnglishMonths = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};
constexpr std::array<std::string_view, 12> kEnglishAbbreviations = {
    "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};

bool isDelimiter(char c) { return c == ' ' || c == '.' || c == '/' || c == '-' || c == ','; }

// Letters of the code page: ASCII and the accented letters from 0xC0 on.
bool isLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
}

struct Token {
  bool number = false;
  std::string_view text;
  std::string_view delimiter;  // what stands between the previous token and this one
};
using Tokens = std::array<Token, 3>;

// Exactly three numbers or words, joined by delimiters, with nothing before
// the first or after the last.
std::optional<Tokens> tokenize(std::string_view text) {
  Tokens tokens;
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t delimiterStart = pos;
    while (pos < text.size() && isDelimiter(text[pos])) ++pos;
    if (pos == text.size() || count == tokens.size()) return std::nullopt;
    const bool number = isDigit(text[pos]);
    const std::size_t start = pos;
    while (pos < text.size() && (number ? isDigit(text[pos]) : isLetter(text[pos]))) ++pos;
    if (pos == start) return std::nullopt;
    tokens[count++] = {number, text.substr(start, pos - start),
                       text.substr(delimiterStart, start - delimiterStart)};
  }
  if (count != tokens.size() || !tokens[0].delimiter.empty()) return std::nullopt;
  return tokens;
}

int valueOf(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// Day or month: one or two digits; 0 for anything else.
int smallNumber(const Token& token) {
  return token.number && token.text.size() <= 2 ? valueOf(token.text) : 0;
}

// A two-digit year as 1930 to 2029.
int fullYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

// Four digits as written, or two read as 1930 to 2029; 0 for anything else.
int yearOf(const Token& token) {
  if (!token.number || (token.text.size() != 4 && token.text.size() != 2)) return 0;
  const int value = valueOf(token.text);
  if (token.text.size() == 4) return value >= 1000 ? value : 0;
  return fullYear(value);
}

std::string withoutDot(std::string_view name) {
  if (!name.empty() && name.back() == '.') name.remove_suffix(1);
  return platform::lowerCase(name);
}

// 1 to 12 for a month name or abbreviation of the region or of English, else 0.
int monthOf(const Token& token, const platform::RegionalSettings& region) {
  if (token.number) return 0;
  const std::string word = platform::lowerCase(token.text);
  for (std::size_t i = 0; i < 12; ++i) {
    if (word == kEnglishMonths[i] || word == kEnglishAbbreviations[i] ||
        word == withoutDot(region.monthNames[i]) ||
        word == withoutDot(region.monthAbbreviations[i])) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

int daysIn(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::optional<CalendarDate> validDate(int year, int month, int day) {
  if (year == 0 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month)) {
    return std::nullopt;
  }
  return CalendarDate{year, month, day};
}

// Three numbers with the same one-character separator between them.
std::optional<CalendarDate> numericDate(const Tokens& t, const platform::RegionalSettings& region) {
  const std::string_view separator = t[1].delimiter;
  if (separator.size() != 1 || t[2].delimiter != separator || separator.find_first_of("./-") != 0) {
    return std::nullopt;
  }
  if (t[0].text.size() == 4) return validDate(yearOf(t[0]), smallNumber(t[1]), smallNumber(t[2]));
  switch (region.dateOrder) {
    case platform::DateOrder::kDayMonthYear:
      return validDate(yearOf(t[2]), smallNumber(t[1]), smallNumber(t[0]));
    case platform::DateOrder::kMonthDayYear:
      return validDate(yearOf(t[2]), smallNumber(t[0]), smallNumber(t[1]));
    case platform::DateOrder::kYearMonthDay:
      break;
  }
  return validDate(yearOf(t[0]), smallNumber(t[1]), smallNumber(t[2]));
}

// The tokens of a date of three numbers with one delimiter character between
// them and nothing else, as nearly every export writes its dates; nothing for
// any other text, which the general rules read.
std::optional<Tokens> plainNumericTokens(std::string_view text) {
  Tokens tokens;
  std::size_t pos = 0;
  for (std::size_t count = 0; count < tokens.size(); ++count) {
    const std::size_t delimiterStart = pos;
    if (count > 0 && (pos == text.size() || !isDelimiter(text[pos++]))) return std::nullopt;
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    if (pos == start) return std::nullopt;
    tokens[count] = {true, text.substr(start, pos - start),
                     text.substr(delimiterStart, start - delimiterStart)};
  }
  if (pos != text.size()) return std::nullopt;
  return tokens;
}

}  // namespace

std::optional<CalendarDate> readDate(std::string_view text,
                                     const platform::RegionalSettings& region) {
  if (const auto plain = plainNumericTokens(text)) return numericDate(*plain, region);
  const auto tokens = tokenize(trimBlanks(text));
  if (!tokens) return std::nullopt;
  const Tokens& t = *tokens;
  if (t[0].number && t[1].number && t[2].number) return numericDate(t, region);
  if (t[0].number && t[2].number) {
    return validDate(yearOf(t[2]), monthOf(t[1], region), smallNumber(t[0]));
  }
  if (t[1].number && t[2].number) {
    return validDate(yearOf(t[2]), monthOf(t[0], region), smallNumber(t[1]));
  }
  return std::nullopt;
}

std::optional<CalendarDate> stampDate(std::string_view stamp) {
  if (stamp.size() != 6 || !std::all_of(stamp.begin(), stamp.end(), isDigit)) return std::nullopt;
  return validDate(fullYear(valueOf(stamp.substr(0, 2))), valueOf(stamp.substr(2, 2)),
                   valueOf(stamp.substr(4, 2)));
}

bool isDateStamp(std::string_view stamp) { return stampDate(stamp).has_value(); }

}  // namespace startup
