#include "startup/dates.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
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

// A number of a date: its value, when it has four digits at most, and how
// many digits it has; no digits for a word.
struct DateNumber {
  int value = 0;
  std::size_t digits = 0;
};

DateNumber numberOf(const Token& token) {
  if (!token.number) return {};
  int value = 0;
  if (token.text.size() <= 4) {
    for (char c : token.text) value = value * 10 + (c - '0');
  }
  return {value, token.text.size()};
}

// Day or month: one or two digits; 0 for anything else.
int smallNumber(DateNumber number) { return number.digits <= 2 ? number.value : 0; }

// A two-digit year as 1930 to 2029.
int fullYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

// Four digits as written, or two read as 1930 to 2029; 0 for anything else.
int yearOf(DateNumber number) {
  if (number.digits == 4) return number.value >= 1000 ? number.value : 0;
  return number.digits == 2 ? fullYear(number.value) : 0;
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

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x80 * kOnes;

// Eight characters from `p` on, the first in the lowest byte.
static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");
std::uint64_t load(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The high bit of each byte of `word` that is no digit. Digits become 0 to 9
// and any other byte 10 or more, to which adding 118 gives a high bit; the
// high bit is cleared before, so that no byte carries into the next.
std::uint64_t nonDigits(std::uint64_t word) {
  const std::uint64_t x = word ^ '0' * kOnes;
  return (((x & ~kHighBits) + 0x76 * kOnes) | x) & kHighBits;
}

// The ten characters of a date: 0 to 7 in the head, 2 to 9 in the tail.
struct Characters {
  std::uint64_t head;
  std::uint64_t tail;

  // The character at `at` and those of the `count` that follow, up to eight.
  std::uint64_t at(int at, int count) const {
    const std::uint64_t word = at <= 2 ? head >> 8 * at : tail >> 8 * (at - 2);
    return count == 8 ? word : word & ((std::uint64_t{1} << 8 * count) - 1);
  }
};

// Where the parts of a date of ten characters begin: the first of the two
// separators, the year's first two digits and its last two, month and day.
struct Layout {
  int separator;
  int century;
  int year;
  int month;
  int day;
};
constexpr Layout kYearFirst{4, 0, 2, 5, 8};
constexpr Layout kDayFirst{2, 6, 8, 3, 0};
constexpr Layout kMonthFirst{2, 6, 8, 0, 3};

// True when ".", "/" or "-" stands at both separators of `layout`.
template <Layout layout>
bool separatedAt(const Characters& date) {
  const std::uint64_t first = date.at(layout.separator, 1);
  return first - '-' <= '/' - '-' && date.at(layout.separator + 3, 1) == first;
}

// The value of the two digits at the low end of `pair`.
int twoDigitNumber(std::uint64_t pair) {
  return static_cast<int>((pair & 0xF) * 10 + (pair >> 8 & 0xF));
}

int daysIn(int year, int month);

// Gives `stamp` the date at the places of `layout`, its separators checked,
// when it is one. (A template, so that the places are constants.)
template <Layout layout>
bool stampOf(const Characters& date, std::array<char, 6>& stamp) {
  const std::uint64_t separators = std::uint64_t{0xFF} << 8 * layout.separator |
                                   std::uint64_t{0xFF} << 8 * (layout.separator + 3);
  if ((nonDigits(date.head | separators) & ~separators) != 0 || nonDigits(date.tail) >> 48 != 0) {
    return false;
  }
  const std::uint64_t century = date.at(layout.century, 2);
  const std::uint64_t digits =
      date.at(layout.year, 2) | date.at(layout.month, 2) << 16 | date.at(layout.day, 2) << 32;
  const int month = twoDigitNumber(digits >> 16);
  const int day = twoDigitNumber(digits >> 32);
  // The year matters only to the 29th of February.
  const int year =
      month == 2 && day == 29 ? twoDigitNumber(century) * 100 + twoDigitNumber(digits) : 1;
  if ((century & 0xFF) == '0' || month < 1 || month > 12 || day < 1 || day > daysIn(year, month)) {
    return false;
  }
  std::memcpy(stamp.data(), &digits, stamp.size());
  return true;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysIn(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month != 2) return kDays[static_cast<std::size_t>(month - 1)];
  return isLeapYear(year) ? 29 : 28;
}

std::optional<CalendarDate> validDate(int year, int month, int day) {
  if (year == 0 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month)) {
    return std::nullopt;
  }
  return CalendarDate{year, month, day};
}

// Three numbers of a date: a four-digit year first, else in the region's order.
std::optional<CalendarDate> orderedDate(const std::array<DateNumber, 3>& n,
                                        platform::DateOrder order) {
  if (n[0].digits == 4) return validDate(yearOf(n[0]), smallNumber(n[1]), smallNumber(n[2]));
  switch (order) {
    case platform::DateOrder::kDayMonthYear:
      return validDate(yearOf(n[2]), smallNumber(n[1]), smallNumber(n[0]));
    case platform::DateOrder::kMonthDayYear:
      return validDate(yearOf(n[2]), smallNumber(n[0]), smallNumber(n[1]));
    case platform::DateOrder::kYearMonthDay:
      break;
  }
  return validDate(yearOf(n[0]), smallNumber(n[1]), smallNumber(n[2]));
}

// Three numbers with the same one-character separator between them.
std::optional<CalendarDate> numericDate(const Tokens& t, const platform::RegionalSettings& region) {
  const std::string_view separator = t[1].delimiter;
  if (separator.size() != 1 || t[2].delimiter != separator || separator.find_first_of("./-") != 0) {
    return std::nullopt;
  }
  return orderedDate({numberOf(t[0]), numberOf(t[1]), numberOf(t[2])}, region.dateOrder);
}

}  // namespace

std::optional<CalendarDate> readDate(std::string_view text,
                                     const platform::RegionalSettings& region) {
  if (const auto date = readPlainDate(text, region)) return date;
  return readDateGenerally(text, region);
}

std::optional<CalendarDate> readPlainDate(std::string_view text,
                                          const platform::RegionalSettings& region) {
  const char* p = text.data();
  const char* const end = p + text.size();
  // One to four digits; more leave the text to the general rules.
  const auto number = [&p, end](DateNumber& n) {
    const char* const start = p;
    unsigned value = 0;  // wraps, unused, for more than four digits
    for (; p != end && isDigit(*p); ++p) value = value * 10 + static_cast<unsigned>(*p - '0');
    n = {static_cast<int>(value), static_cast<std::size_t>(p - start)};
    return n.digits - 1 < 4;
  };
  std::array<DateNumber, 3> n;
  if (!number(n[0]) || p == end || (*p != '.' && *p != '/' && *p != '-')) return std::nullopt;
  const char separator = *p++;
  if (!number(n[1]) || p == end || *p++ != separator || !number(n[2]) || p != end) {
    return std::nullopt;
  }
  return orderedDate(n, region.dateOrder);
}

std::optional<CalendarDate> readDateGenerally(std::string_view text,
                                              const platform::RegionalSettings& region) {
  const auto tokens = tokenize(trimBlanks(text));
  if (!tokens) return std::nullopt;
  const Tokens& t = *tokens;
  if (t[0].number && t[1].number && t[2].number) return numericDate(t, region);
  if (t[0].number && t[2].number) {
    return validDate(yearOf(numberOf(t[2])), monthOf(t[1], region), smallNumber(numberOf(t[0])));
  }
  if (t[1].number && t[2].number) {
    return validDate(yearOf(numberOf(t[2])), monthOf(t[0], region), smallNumber(numberOf(t[1])));
  }
  return std::nullopt;
}

bool readTenCharacterDate(std::string_view text, const platform::RegionalSettings& region,
                          std::array<char, 6>& stamp) {
  if (text.size() != 10) return false;
  const Characters date{load(text.data()), load(text.data() + 2)};
  if (separatedAt<kYearFirst>(date)) return stampOf<kYearFirst>(date, stamp);
  switch (region.dateOrder) {
    case platform::DateOrder::kDayMonthYear:
      return separatedAt<kDayFirst>(date) && stampOf<kDayFirst>(date, stamp);
    case platform::DateOrder::kMonthDayYear:
      return separatedAt<kMonthFirst>(date) && stampOf<kMonthFirst>(date, stamp);
    case platform::DateOrder::kYearMonthDay:
      break;  // a year of two digits before four digits
  }
  return false;
}

std::optional<CalendarDate> stampDate(std::string_view stamp) {
  if (stamp.size() != 6 || !std::all_of(stamp.begin(), stamp.end(), isDigit)) return std::nullopt;
  const auto twoDigits = [stamp](std::size_t at) {
    return (stamp[at] - '0') * 10 + stamp[at + 1] - '0';
  };
  return validDate(fullYear(twoDigits(0)), twoDigits(2), twoDigits(4));
}

bool isDateStamp(std::string_view stamp) { return stampDate(stamp).has_value(); }

}  // namespace startup
