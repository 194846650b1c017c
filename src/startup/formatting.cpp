#include "startup/formatting.h"

#include <cfloat>
#include <cmath>

#include "startup/characters.h"
#include "startup/numbers.h"

namespace startup {

namespace {

constexpr char digit(int value) { return static_cast<char>('0' + value); }

}  // namespace

// Made as the program is built.
constexpr std::array<char, 50000> kPlainNumberForms = [] {
  std::array<char, 50000> forms{};
  for (int n = 0; n < 10000; ++n) {
    const auto at = static_cast<std::size_t>(5 * n);
    forms[at] = digit(n / 1000);
    forms[at + 1] = digit(n / 100 % 10);
    forms[at + 2] = digit(n / 10 % 10);
    forms[at + 3] = ',';
    forms[at + 4] = digit(n % 10);
  }
  return forms;
}();

namespace {

// Up to three digits from `p` on, read into `value`; how many there were.
int readThreeDigits(const char*& p, const char* end, int& value) {
  const char* const start = p;
  for (; p != end && p - start < 3 && isDigit(*p); ++p) value = value * 10 + (*p - '0');
  return static_cast<int>(p - start);
}

// The forms with a sign or several decimals (`t` is not empty). Three
// decimals at most keep six digits at most, which a single-precision number
// holds exactly in its shortest decimal form: rounding the digits as typed
// gives what the general rules give.
std::optional<std::array<char, 5>> roundedShortForm(std::string_view t,
                                                    const platform::RegionalSettings& region) {
  const char sep = region.decimalSeparator;
  // Blanks around the text are the general rules' to trim.
  if (isBlank(sep)) return std::nullopt;
  const char* p = t.data();
  const char* const end = p + t.size();
  const bool negative = isMinus(*p);
  if (negative || *p == '+') ++p;
  int integer = 0;
  const int integerDigits = readThreeDigits(p, end, integer);
  if (p != end && isThousandsSeparator(*p, region.thousandsSeparator)) return std::nullopt;
  int fraction = 0;
  int fractionDigits = 0;
  if (p != end && *p == sep) fractionDigits = readThreeDigits(++p, end, fraction);
  if (p != end || integerDigits + fractionDigits == 0) return std::nullopt;

  static constexpr std::array<int, 4> kThousandthsPerUnit = {1000, 100, 10, 1};
  const int thousandths =
      integer * 1000 + fraction * kThousandthsPerUnit[static_cast<std::size_t>(fractionDigits)];
  const int tenths = (thousandths + 50) / 100;  // halves away from zero
  // Only the integer part is held at the limits; the tenths digit stays.
  if (!negative || tenths == 0) {
    const int whole = thousandths > 999000 ? 999 : tenths / 10;
    return std::array{digit(whole / 100), digit(whole / 10 % 10), digit(whole % 10), sep,
                      digit(tenths % 10)};
  }
  const int whole = thousandths > 99000 ? 99 : tenths / 10;
  return std::array{'-', digit(whole / 10), digit(whole % 10), sep, digit(tenths % 10)};
}

}  // namespace

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string FormatDatumDS(int year, int month, int day) {
  const std::array<char, 6> stamp = dateStamp(year, month, day);
  return {stamp.begin(), stamp.end()};
}

std::string Zahl_formatieren(const Context& context, std::string_view t) {
  if (const auto form = shortNumberForm(t, context.region)) return {form->begin(), form->end()};
  return formatNumberGenerally(context, t);
}

std::optional<std::array<char, 5>> shortNumberForm(std::string_view t,
                                                   const platform::RegionalSettings& region) {
  const char sep = region.decimalSeparator;
  std::array<char, 5> form = {'0', '0', '0', sep, '0'};
  // The most common forms, such as "30" and "2,5": the digits as typed, in their places.
  const bool tenth = t.size() >= 3 && t[t.size() - 2] == sep && isDigit(t.back()) &&
                     !isThousandsSeparator(sep, region.thousandsSeparator);
  const std::size_t digits = tenth ? t.size() - 2 : t.size();
  std::size_t i = 0;
  for (; i < digits && digits <= 3 && isDigit(t[i]); ++i) form[3 - digits + i] = t[i];
  if (i == digits && digits > 0) {
    if (tenth) form[4] = t.back();
    return form;
  }
  return t.empty() ? form : roundedShortForm(t, region);
}

std::string formatNumberGenerally(const Context& context, std::string_view t) {
  const std::string zero = "000" + std::string(1, context.region.decimalSeparator) + "0";
  const auto number = readNumber(t, context.region);         // blanks only: zero as well
  if (!number || std::fabs(*number) > FLT_MAX) return zero;  // no single-precision number
  const auto value = static_cast<float>(*number);
  std::string formatted = formatTenths(value, 3, context.region);
  if (formatted.front() == '-') formatted = formatTenths(value, 2, context.region);
  // Only the integer part is held at the limits; the tenths digit stays.
  // (A value just inside a limit rounds to the limit itself, which reads the same.)
  const std::string tail = formatted.substr(formatted.size() - 2);
  if (value < -99) return "-99" + tail;
  if (value > 999) return "999" + tail;
  return formatted;
}

std::string Text_ersetzen(std::string s, std::string_view f, std::string_view r) {
  std::size_t p = 0;
  for (;;) {
    const std::size_t k = s.find(f, p);
    if (k == std::string::npos) return s;
    s.replace(k, f.size(), r);
    p = k + 1 + (r.size() > f.size() ? r.size() - f.size() : 0);
  }
}

}  // namespace startup
