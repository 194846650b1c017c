// The readers of dates and numbers on the fuzz bytes as typed text, in every
// region of the built-in table. What they recognise must read back the same
// when written in the region's own forms; the planner's five-character form
// of any text must be five characters that read back to themselves.
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "memory_system.h"
#include "platform/regional_settings.h"
#include "require.h"
#include "startup/dates.h"
#include "startup/dialogs.h"
#include "startup/formatting.h"
#include "startup/numbers.h"

namespace {

using fuzzing::require;
using platform::RegionalSettings;
using startup::CalendarDate;

bool operator==(const CalendarDate& a, const CalendarDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool readsAs(const std::string& text, const CalendarDate& date, const RegionalSettings& region) {
  const auto read = startup::readDate(text, region);
  return read && *read == date;
}

void checkDate(std::string_view text, const RegionalSettings& region) {
  const auto date = startup::readDate(text, region);
  if (!date) return;
  require(date->year >= 1000 && date->year <= 9999, "a year of four digits");
  const std::string d = std::to_string(date->day);
  const std::string m = std::to_string(date->month);
  const std::string y = std::to_string(date->year);
  const std::string s(1, region.dateSeparator);
  const std::string numeric =
      region.dateOrder == platform::DateOrder::kDayMonthYear   ? d + s + m + s + y
      : region.dateOrder == platform::DateOrder::kMonthDayYear ? m + s + d + s + y
                                                               : y + s + m + s + d;
  require(readsAs(numeric, *date, region), "a date reads back in the region's numeric form");
  require(readsAs(y + "-" + m + "-" + d, *date, region), "a date reads back with the year first");
  const auto month = static_cast<std::size_t>(date->month - 1);
  require(readsAs(d + " " + region.monthNames[month] + " " + y, *date, region),
          "a date reads back with the region's month name");
  require(readsAs(region.monthAbbreviations[month] + " " + d + ", " + y, *date, region),
          "a date reads back with the region's month abbreviation");
}

void checkNumber(std::string_view text, const RegionalSettings& region) {
  const auto number = startup::readNumber(text, region);
  if (!number) return;
  // The shortest form that reads back exactly, with the regional decimal separator.
  std::array<char, 64> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *number).ptr;
  std::string shortest(buffer.data(), end);
  for (char& c : shortest) {
    if (c == '.') c = region.decimalSeparator;
  }
  const auto again = startup::readNumber(shortest, region);
  require(again && *again == *number, "a number reads back from its shortest form");
}

void checkPlannerNumber(std::string_view text, const startup::Context& context) {
  const std::string formatted = startup::Zahl_formatieren(context, text);
  require(formatted.size() == 5, "the planner's number has five characters");
  const auto value = startup::readNumber(formatted, context.region);
  require(value && *value > -100 && *value < 1000, "the planner's number reads back in range");
  require(startup::Zahl_formatieren(context, formatted) == formatted,
          "the planner's number keeps its form");
}

struct Region {
  explicit Region(std::string_view localeName) {
    context.region = platform::regionalSettingsFor(localeName);
  }
  fuzzing::MemorySystem system;
  startup::UnwatchedDialogs dialogs;
  startup::Context context{system, dialogs};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // German, French, British and US English, and the C locale.
  static std::array<Region, 5> regions = {Region("de_DE"), Region("fr_FR"), Region("en_GB"),
                                          Region("en_US"), Region("C")};
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (Region& region : regions) {
    checkDate(text, region.context.region);
    checkNumber(text, region.context.region);
    checkPlannerNumber(text, region.context);
  }
  return 0;
}
