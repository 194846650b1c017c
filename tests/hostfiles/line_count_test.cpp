#include "hostfiles/line_count.h"

#include <gtest/gtest.h>

#include "hostfiles/scrambled_line.h"
#include "support/state_fixture.h"

namespace hostfiles {
namespace {

class LineCountTest : public testing_support::StateTest {
 protected:
  std::optional<std::size_t> count(const std::string& bytes) {
    folder.write("f.dat", bytes);
    FileChannel channel;
    EXPECT_TRUE(channel.open(system, folder.file("f.dat"), Modus::Input));
    return countWrittenLines(channel);
  }
};

// A line end split between two reads of the channel's buffer counts once; a
// file with any other line end, an empty line or one too long is left to the
// reading line by line.
TEST_F(LineCountTest, CountsOnlyLinesEndedAsThePlannerEndsThem) {
  const std::string longest(kMaxLineLength, 'x');
  EXPECT_EQ(count(""), 0u);
  EXPECT_EQ(count("a\r\n" + longest + "\r\nbc\r\n"), 3u);
  for (std::size_t size = 764; size <= 766; ++size) {  // its CR at bytes 65,534 to 65,536
    const std::string file =
        longest + "\r\n" + std::string(32000, 'x') + "\r\n" + std::string(size, 'y') + "\r\nz\r\n";
    EXPECT_EQ(count(file), 4u) << size;
  }
  for (const char* odd :
       {"a\nb\r\n", "a\r\nb\r", "a\rb\r\n", "a\r\nb", "a\r\n\r\nb\r\n", "\r\n", "\n"}) {
    EXPECT_EQ(count(odd), std::nullopt) << odd;
  }
  EXPECT_EQ(count(longest + "x\r\n"), std::nullopt);
}

}  // namespace
}  // namespace hostfiles
