#include "startup/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "startup/characters.h"

namespace startup {

namespace {

class NumberScanner {
 public:
  NumberScanner(std::string_view text, const platform::RegionalSettings& region)
      : text_(text), region_(region) {}

  // The number in the C locale's form for from_chars, or nothing.
  std::optional<std::string> scan() {
    if (text_.empty()) return std::nullopt;
    std::string plain;
    if (text_[0] == '+' || isMinus(text_[0])) {
      if (text_[0] != '+') plain += '-';
      ++pos_;
    }
    const std::size_t integerDigits = scanIntegerPart(plain);
    if (integerDigits == kBadGrouping) return std::nullopt;
    std::size_t fractionDigits = 0;
    if (pos_ < text_.size() && text_[pos_] == region_.decimalSeparator) {
      ++pos_;
      plain += '.';
      fractionDigits = scanDigits(plain);
    }
    if (integerDigits + fractionDigits == 0) return std::nullopt;
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      plain += 'e';
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) plain += text_[pos_++];
      if (scanDigits(plain) == 0) return std::nullopt;
    }
    if (pos_ != text_.size()) return std::nullopt;
    return plain;
  }

 private:
  static constexpr std::size_t kBadGrouping = static_cast<std::size_t>(-1);

  std::size_t scanDigits(std::string& out) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && isDigit(text_[pos_])) out += text_[pos_++];
    return pos_ - start;
  }

  bool isThousandsSeparator(char c) const {
    return startup::isThousandsSeparator(c, region_.thousandsSeparator);
  }

  // Digits, grouped by three after the first group when separators are used.
  std::size_t scanIntegerPart(std::string& out) {
    std::size_t count = scanDigits(out);
    if (count == 0 || count > 3) return count;
    while (pos_ + 1 < text_.size() && isThousandsSeparator(text_[pos_])) {
      ++pos_;
      const std::size_t group = scanDigits(out);
      if (group != 3) return kBadGrouping;
      count += group;
    }
    if (pos_ < text_.size() && isThousandsSeparator(text_[pos_])) return kBadGrouping;
    return count;
  }

  std::string_view text_;
  const platform::RegionalSettings& region_;
  std::size_t pos_ = 0;
};

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::optional<double> readNumber(std::string_view text, const platform::RegionalSettings& region) {
  const auto plain = NumberScanner(trimBlanks(text), region).scan();
  if (!plain) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain->data(), plain->data() + plain->size(), value);
  if (error != std::errc() || end != plain->data() + plain->size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string formatTenths(float value, int integerDigits, const platform::RegionalSettings& region) {
  // The shortest decimal form, d.ddddde±x, rounded in decimal.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const auto e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (isDigit(c)) digits += c;
  }
  const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
  // Place the decimal point: `integer` digits before it, then the fraction.
  const int pointAt = exponent + 1;
  if (pointAt <= 0) digits.insert(0, static_cast<std::size_t>(1 - pointAt), '0');
  const std::size_t integerLength = static_cast<std::size_t>(std::max(pointAt, 1));
  if (digits.size() < integerLength + 2) digits.resize(integerLength + 2, '0');
  std::string tenths = digits.substr(0, integerLength + 1);
  if (digits[integerLength + 1] >= '5') incrementDigits(tenths);

  std::string integer = tenths.substr(0, tenths.size() - 1);
  const char tenth = tenths.back();
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
  const bool zero = integer.empty() && tenth == '0';
  if (integer.size() < static_cast<std::size_t>(integerDigits)) {
    integer.insert(0, static_cast<std::size_t>(integerDigits) - integer.size(), '0');
  }
  return (value < 0 && !zero ? "-" : "") + integer + region.decimalSeparator + tenth;
}

}  // namespace startup
