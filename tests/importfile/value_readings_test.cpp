#include "importfile/value_readings.h"

#include <gtest/gtest.h>

#include <string>

namespace importfile {
namespace {

// Keys load a text in overlapping pieces: texts of every length a key holds,
// alike but for their length or one character at any position, all differ.
TEST(TextKeyTest, TellsApartEveryLengthAndEveryPosition) {
  for (std::size_t length = 0; length <= TextKey::kMaxLength; ++length) {
    const std::string text(length, 'a');
    SCOPED_TRACE(length);
    if (length > 0) {
      EXPECT_FALSE(TextKey(text) == TextKey(text.substr(1)));
    }
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed = text;
      changed[at] = 'b';
      EXPECT_FALSE(TextKey(changed) == TextKey(text)) << at;
    }
  }
}

}  // namespace
}  // namespace importfile
