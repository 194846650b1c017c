#include "startup/formatting.h"

#include <cfloat>
#include <cmath>

#include "startup/numbers.h"

namespace startup {

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string FormatDatumDS(int year, int month, int day) {
  std::string stamp(6, '0');  // in place: the check writes one for every date of the file
  std::size_t at = 0;
  for (const int value : {year % 100, month, day}) {
    stamp[at++] = static_cast<char>('0' + value / 10 % 10);
    stamp[at++] = static_cast<char>('0' + value % 10);
  }
  return stamp;
}

std::string Zahl_formatieren(const Context& context, std::string_view t) {
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
