// Numbers as the user's regional settings write them, read and written by the
// program's own rules rather than the C library's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/regional_settings.h"

namespace startup {

// Blanks around, an optional sign (a minus or an en dash), digits with the regional decimal
// separator, the regional thousands separator only between correct groups of three digits
// ("2.5" is no number under German settings), and an optional exponent.
std::optional<double> readNumber(std::string_view text, const platform::RegionalSettings& region);

// `value` as a single-precision number rounded to one decimal, halves away from
// zero on its shortest decimal form (1.15 gives 1.2), with at least
// `integerDigits` digits before the regional decimal separator. A result that
// rounds to zero carries no minus sign.
std::string formatTenths(float value, int integerDigits, const platform::RegionalSettings& region);

}  // namespace startup
