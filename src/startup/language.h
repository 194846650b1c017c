// The language of the program's texts and the pieces messages are made of.
#pragma once

#include <string>
#include <string_view>

namespace startup {

// "DE", "EN" or "FR"; any other code shows no texts at all.
enum class Language { DE, EN, FR, Other };

// The language the program was built for (CMake option PERSONALLADER_LANGUAGE).
Language buildLanguage();

// The line break of messages: one carriage return.
inline constexpr char CR = '\r';

// The break between two paragraphs of a message.
inline std::string paragraph() { return std::string(2, CR); }

// A text written as a UTF-8 literal in the sources, in the program's code page.
std::string cp(std::string_view utf8);

// The text of `language`, in the code page; empty for a code other than the
// three, where the program shows nothing.
std::string textOrEmpty(Language language, std::string_view de, std::string_view en,
                        std::string_view fr);

}  // namespace startup
