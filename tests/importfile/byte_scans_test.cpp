#include "importfile/byte_scans.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace importfile {
namespace {

// A byte that the scans look for at every offset of a text that spans two
// words and a tail, behind bytes that a borrow between bytes could mark.
TEST(ByteScansTest, FindTheByteAtEveryOffsetOfWordAndTail) {
  const auto lineEnd = [](char c) { return c == '\n'; };
  for (std::size_t at = 0; at < 19; ++at) {
    SCOPED_TRACE(at);
    std::string text(19, ' ');
    for (std::size_t i = 0; i < at; ++i) text[i] = i % 2 == 0 ? '\n' : '!';
    EXPECT_TRUE(isAscii(text));
    EXPECT_FALSE(holdsControlByte(text, lineEnd));
    text[at] = '\x80';
    EXPECT_FALSE(isAscii(text));
    text[at] = '\x1F';
    EXPECT_TRUE(holdsControlByte(text, lineEnd));
    // ":" differs from ";" in its lowest bit: a borrow from the ";" would mark it.
    std::string separators(19, ':');
    separators[at] = ';';
    std::array<std::size_t, 1> found{};
    EXPECT_EQ(findAll(separators, ';', found), 1u);
    EXPECT_EQ(found[0], at);
  }
}

}  // namespace
}  // namespace importfile
