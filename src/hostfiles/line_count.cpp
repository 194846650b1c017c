#include "hostfiles/line_count.h"

#include <algorithm>
#include <cstring>

#include "hostfiles/scrambled_line.h"

namespace hostfiles {

namespace {

// In blocks whose count fits a byte, which the compiler counts sixteen bytes
// at a time; a wider count would cost it more than the comparisons.
std::size_t countReturns(std::string_view text) {
  constexpr std::size_t kBlock = 240;
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += kBlock) {
    const std::size_t end = std::min(text.size(), at + kBlock);
    unsigned char block = 0;
    for (std::size_t i = at; i < end; ++i) block += text[i] == '\r';
    count += block;
  }
  return count;
}

}  // namespace

// One search for each LF, whose line must end in CR; the CRs are counted in
// bulk apart: as many CRs as LFs leave none inside a line.
std::optional<std::size_t> countWrittenLines(FileChannel& channel) {
  std::size_t lines = 0;
  std::size_t returns = 0;
  std::size_t length = 0;  // of the line read so far, its CR included
  char last = '\0';        // the byte before the piece
  for (std::string_view piece = channel.readPiece(); !piece.empty(); piece = channel.readPiece()) {
    returns += countReturns(piece);
    for (const char* at = piece.data(); at != piece.data() + piece.size();) {
      const auto left = static_cast<std::size_t>(piece.data() + piece.size() - at);
      const auto* end = static_cast<const char*>(std::memchr(at, '\n', left));
      if (end == nullptr) {
        length += left;
        break;
      }
      length += static_cast<std::size_t>(end - at);
      const char before = end == piece.data() ? last : end[-1];
      if (before != '\r' || length < 2 || length > kMaxLineLength + 1) return std::nullopt;
      ++lines;
      length = 0;
      at = end + 1;
    }
    last = piece.back();
  }
  if (length != 0 || returns != lines) return std::nullopt;
  return lines;
}

}  // namespace hostfiles
