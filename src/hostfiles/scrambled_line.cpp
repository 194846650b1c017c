#include "hostfiles/scrambled_line.h"

namespace hostfiles {

unsigned char keyFromRandom(double random) {
  return static_cast<unsigned char>(static_cast<int>(random * 223 + 32));
}

std::string encodeLine(unsigned char key, std::string_view text) {
  std::string line;
  line.reserve(text.size() + 1);
  line += static_cast<char>(key);
  unsigned shift = key & 63u;
  for (char c : text) {
    const unsigned code = static_cast<unsigned char>(c);
    if (code < 32) continue;
    shift = (shift + 1) & 63u;
    unsigned encoded = code + shift;
    if (encoded > 255) encoded -= 224;
    line += static_cast<char>(encoded);
  }
  return line;
}

std::string decodeLine(std::string_view line) {
  std::string text;
  text.reserve(line.size());
  unsigned shift = static_cast<unsigned char>(line.front()) & 63u;
  for (char c : line.substr(1)) {
    shift = (shift + 1) & 63u;
    int decoded = static_cast<int>(static_cast<unsigned char>(c)) - static_cast<int>(shift);
    if (decoded < 32) decoded += 224;
    text += static_cast<char>(decoded);
  }
  return text;
}

}  // namespace hostfiles
