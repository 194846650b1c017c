#include "hostfiles/scrambled_line.h"

#include <gtest/gtest.h>

namespace hostfiles {
namespace {

std::string bytes(std::initializer_list<int> codes) {
  std::string out;
  for (int c : codes) out += static_cast<char>(c);
  return out;
}

TEST(ScrambledLineTest, WorkedExamples) {
  EXPECT_EQ(encodeLine('A', "abc"), "Aceg");
  EXPECT_EQ(encodeLine('~', "abc"), bytes({126, 160, 98, 100}));
  // Key 4 starts at shift 4, so the first character uses shift 5: 255 + 5 wraps to 36.
  EXPECT_EQ(encodeLine(4, bytes({255})), bytes({4, 36}));
  EXPECT_EQ(decodeLine(bytes({4, 36})), bytes({255}));
  EXPECT_EQ(encodeLine('x', ""), "x");
  EXPECT_EQ(decodeLine("x"), "");
  // Starting shift 63 stores the first character unchanged.
  EXPECT_EQ(encodeLine(127, "Z").substr(1), "Z");
  // Control characters are dropped without advancing the shift.
  EXPECT_EQ(encodeLine('A', "a\tb"), encodeLine('A', "ab"));
  // Keys spread over the whole range.
  EXPECT_EQ(keyFromRandom(0.0), 32);
  EXPECT_EQ(keyFromRandom(0.999999999), 254);
  EXPECT_EQ(keyFromRandom(0.5), 143);
}

TEST(ScrambledLineTest, EveryCharacterSurvivesUnderEveryShift) {
  std::string all;
  for (int c = 32; c <= 255; ++c) all += static_cast<char>(c);
  for (int key = 0; key <= 255; ++key) {
    // Rotate the text so that every character meets every shift.
    for (std::size_t start = 0; start < 64; ++start) {
      const std::string text = all.substr(start) + all.substr(0, start);
      const std::string line = encodeLine(static_cast<unsigned char>(key), text);
      ASSERT_EQ(decodeLine(line), text) << "key " << key;
      // In place, at every length of the last of some blocks, nothing past the line's end.
      std::string inPlace = line.substr(0, 2 + start) + "~";
      ASSERT_EQ(decodeLineInPlace(std::span(inPlace).first(2 + start)), text.substr(0, 1 + start));
      ASSERT_EQ(inPlace.back(), '~');
      for (char c : line.substr(1)) ASSERT_GE(static_cast<unsigned char>(c), 32);
    }
  }
}

TEST(ScrambledLineTest, RekeyingGivesWhatDecodingAndEncodingGiveAtEveryLengthAroundABlock) {
  std::string codes;  // those below 32 stand in a damaged line
  for (int c = 0; c <= 255; ++c) codes += static_cast<char>(c);
  for (std::size_t length : {0, 1, 15, 16, 17, 31, 32, 33, 255}) {
    for (int from = 64; from < 128; ++from) {
      for (int to = 64; to < 128; ++to) {
        std::string line = static_cast<char>(from) + codes.substr((from * to) % 256, length);
        line.resize(length + 1, 'x');
        const std::string expected = encodeLine(static_cast<unsigned char>(to), decodeLine(line));
        std::string rekeyed(line.size(), '\0');
        rekeyLine(line.data(), line.size(), static_cast<unsigned char>(to), rekeyed.data());
        ASSERT_EQ(rekeyed, expected) << length << " " << from << " " << to;
      }
    }
  }
}

}  // namespace
}  // namespace hostfiles
