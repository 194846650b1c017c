#include "platform/wildcard.h"

#include <string>

#include "platform/codepage.h"

namespace platform {

namespace {

// Greedy matching with one back-tracking point: linear in practice, and never
// worse than name length times pattern length.
bool matchLower(std::string_view name, std::string_view pattern) {
  std::size_t n = 0, p = 0;
  std::size_t starPattern = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starPattern = p++;
      starName = n;
    } else if (starPattern != std::string_view::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool matchesPattern(std::string_view name, std::string_view pattern) {
  return matchLower(lowerCase(name), lowerCase(pattern));
}

}  // namespace platform
