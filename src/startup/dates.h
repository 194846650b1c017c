// Dates as users type them under their regional settings, read by the
// program's own rules rather than the C library's locale.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/regional_settings.h"

namespace startup {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
};

// A date in one of these forms, blanks around it allowed (text in the code page):
// - day, month and year as numbers in the region's order, separated by ".", "/"
//   or "-", the same each time: 1.3.2024 (German), 3/1/2024 (US English);
// - a four-digit year first, then month and day: 2024-03-01, in every region;
// - a month name or abbreviation of the region or of English, before or after
//   the day: "1. März 2024", "1 Mar 2024", "01-Mar-24", "March 1, 2024".
// A year has four digits, or two, read as 1930 to 2029. A date that does not
// exist (31.02.2024) gives nothing.
std::optional<CalendarDate> readDate(std::string_view text,
                                     const platform::RegionalSettings& region);
// readDate's two paths. The quick one reads the form that nearly every export
// writes, three numbers of up to four digits with ".", "/" or "-" between them
// and nothing else, straight from the text; it gives nothing for any other
// text and for a date that does not exist, which the general rules then read.
std::optional<CalendarDate> readPlainDate(std::string_view text,
                                          const platform::RegionalSettings& region);
std::optional<CalendarDate> readDateGenerally(std::string_view text,
                                              const platform::RegionalSettings& region);
// Gives `stamp` the date stamp (yymmdd) of the date that readDate reads, for
// the form of ten characters that most exports write, read by position: day
// and month of two digits in the region's order and a four-digit year
// (01.03.2024), or the year first (2024-03-01), with ".", "/" or "-" between
// them, the same both times. False, `stamp` left as it was, for any other
// text and for a date that does not exist. (The caller's array, since an
// optional one costs a copy byte by byte for every date of a file.)
bool readTenCharacterDate(std::string_view text, const platform::RegionalSettings& region,
                          std::array<char, 6>& stamp);

// True when `stamp` is a date stamp as FormatDatumDS writes it: six digits,
// year, month and day, of a date that exists (the year read as 1930 to 2029).
bool isDateStamp(std::string_view stamp);
// The date of such a stamp; nothing for any other text.
std::optional<CalendarDate> stampDate(std::string_view stamp);

}  // namespace startup
