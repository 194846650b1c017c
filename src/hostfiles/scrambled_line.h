// The line encoding of the planner's files.
//
// A scrambled line is a key character followed by one encoded character per
// plain character. The key's code AND 63 is the starting shift; the shift
// advances by one (wrapping from 63 to 0) before each character. Encoding adds
// the shift and wraps above 255 back by 224, decoding subtracts it and wraps
// below 32 up by 224, so neither side ever holds a control character.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace hostfiles {

// The longest line, key character included, that the planner's files hold.
// The writer refuses a text whose line would be longer, so that every line it
// writes can be read back.
inline constexpr std::size_t kMaxLineLength = 32766;

// The key code for a uniform random number in [0, 1): 32 to 254.
unsigned char keyFromRandom(double random);

// Plain characters below code 32 cannot be stored: they are dropped, and the
// shift does not advance for them.
std::string encodeLine(unsigned char key, std::string_view text);
// The same, appended to `out`.
void appendEncodedLine(std::string& out, unsigned char key, std::string_view text);
// The length of the scrambled line of `text`, key character included.
std::size_t encodedLength(std::string_view text);
// `line` holds at least the key character.
std::string decodeLine(std::string_view line);
// The same into `text`, whose memory is used again.
void decodeLine(std::string_view line, std::string& text);
// Writes at `out` the line at `line` (`size` bytes, key character included,
// at least 1) scrambled again under `key`: encodeLine(key, decodeLine(...)),
// of the same size, without the plain text being made. `out` lies apart from
// `line`. A copy of a planner file passes each line through here.
void rekeyLine(const char* line, std::size_t size, unsigned char key, char* out);
// True when `line` can be a scrambled line: a key character and at most
// kMaxLineLength characters in all, none after the key below code 32.
bool isScrambledLine(std::string_view line);

// decodeLine() in the line's own memory: the text where the line had it,
// after the key character.
std::string_view decodeLineInPlace(std::span<char> line);

}  // namespace hostfiles
