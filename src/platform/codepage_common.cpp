#include "platform/codepage.h"
#include "platform/utf8.h"

namespace platform {

bool isValidUtf8(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (utf8::next(text, pos) == utf8::kInvalid) return false;
  }
  return true;
}

}  // namespace platform
