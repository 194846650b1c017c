#include "importfile/plain_form.h"

#include <algorithm>
#include <array>
#include <utility>

namespace importfile {

namespace {

constexpr char32_t kLatinStart = 0xC0;
// The base letter of each character from U+00C0 to U+017F; "*" marks one
// written with two letters (kPairs), " " one without a plain form.
constexpr std::string_view kLatin =
    "AAAAAA*CEEEEIIIIDNOOOOO OUUUUY**aaaaaa*ceeeeiiiidnooooo ouuuuy*y"   // U+00C0
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"   // U+0100
    "lLlNnNnNn*NnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";  // U+0140

// Single characters with a plain form outside the ranges handled below, sorted.
constexpr std::array<std::pair<char32_t, std::string_view>, 20> kSingles = {{
    {0x00A0, " "},  {0x00C6, "AE"}, {0x00DE, "TH"}, {0x00DF, "ss"}, {0x00E6, "ae"},
    {0x00FE, "th"}, {0x0132, "IJ"}, {0x0133, "ij"}, {0x0149, "'n"}, {0x0152, "OE"},
    {0x0153, "oe"}, {0x0218, "S"},  {0x0219, "s"},  {0x021A, "T"},  {0x021B, "t"},
    {0x2018, "'"},  {0x2019, "'"},  {0x201A, "'"},  {0x201B, "'"},  {0x2026, "..."},
}};

}  // namespace

std::optional<std::string_view> plainForm(char32_t code) {
  const auto single =
      std::lower_bound(kSingles.begin(), kSingles.end(), code,
                       [](const auto& entry, char32_t c) { return entry.first < c; });
  if (single != kSingles.end() && single->first == code) return single->second;
  if (code >= kLatinStart && code < kLatinStart + kLatin.size()) {
    const std::string_view letter = kLatin.substr(code - kLatinStart, 1);
    if (letter != " " && letter != "*") return letter;
    return std::nullopt;
  }
  if (code >= 0x0300 && code <= 0x036F) return "";    // combining accents
  if (code >= 0x2002 && code <= 0x200A) return " ";   // typographic blanks
  if (code >= 0x2010 && code <= 0x2015) return "-";   // hyphens and dashes
  if (code >= 0x201C && code <= 0x201F) return "\"";  // double quotes
  if (code == 0x2212) return "-";                     // minus sign
  return std::nullopt;
}

}  // namespace importfile
