#include "importfile/value_readings.h"

#include <gtest/gtest.h>

#include <string>

namespace importfile {
namespace {

// Keys load a text in overlapping pieces. For every length a key holds: texts
// of NUL characters, which load as nothing, differ by their length alone; and
// a character changed at any position to one with fewer bits ("c" to "a"),
// which two pieces laid over each other would hide, gives another key.
TEST(TextKeyTest, TellsApartEveryLengthAndEveryPosition) {
  for (std::size_t length = 0; length <= TextKey::kMaxLength; ++length) {
    SCOPED_TRACE(length);
    if (length > 0) {
      EXPECT_FALSE(TextKey(std::string(length, '\0')) == TextKey(std::string(length - 1, '\0')));
    }
    const std::string text(length, 'c');
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed = text;
      changed[at] = 'a';
      EXPECT_FALSE(TextKey(changed) == TextKey(text)) << at;
    }
  }
}

}  // namespace
}  // namespace importfile
