// The closest plain form of a character that the code page may lack.
#pragma once

#include <optional>
#include <string_view>

namespace importfile {

// A Latin letter without its accent (Ł as L, č as c, Œ as OE), typographic
// blanks, dashes and quotes as their ASCII kin; nothing when there is no plain
// form. A combining accent gives the empty text: its letter stands alone.
std::optional<std::string_view> plainForm(char32_t code);

}  // namespace importfile
