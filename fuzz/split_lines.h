// The lines of a file read whole: the reference that the file channel must match.
#pragma once

#include <string_view>
#include <vector>

namespace fuzzing {

// Lines ended by CR LF, LF or CR; a final line end starts no further line.
inline std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

}  // namespace fuzzing
