#include "platform/codepage.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/codepage_win32.h"
#endif

namespace {

using platform::codePageToUtf8;
using platform::lowerCase;
using platform::utf8ToCodePage;

std::string printableBytes() {
  std::string bytes;
  for (int byte = 0x20; byte <= 0xFF; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

TEST(CodepageTest, EveryPrintableByteSurvivesTheWayThroughUtf8) {
  const std::string bytes = printableBytes();
  const std::string utf8 = codePageToUtf8(bytes);
  EXPECT_TRUE(platform::isValidUtf8(utf8));
  EXPECT_EQ(utf8ToCodePage(utf8), bytes);
}

#ifdef _WIN32
TEST(CodepageTest, EveryPrintableByteSurvivesTheWayThroughUtf16) {
  const std::string bytes = printableBytes();
  const std::wstring utf16 = platform::codePageToUtf16(bytes);
  EXPECT_EQ(utf16.size(), bytes.size());
  EXPECT_EQ(platform::utf16ToCodePage(utf16), bytes);
  EXPECT_EQ(platform::codePageToUtf16("\xC4\x80"), L"\u00C4\u20AC");
}

TEST(CodepageTest, WindowsWithoutASingleByteCodePageGetsWindows1252) {
  using namespace platform::win32;
  EXPECT_EQ(codePageFor(1252), 1252u);
  EXPECT_EQ(codePageFor(1250), 1250u);
  EXPECT_EQ(codePageFor(65001), 1252u);  // UTF-8
  EXPECT_EQ(codePageFor(932), 1252u);    // Japanese, double-byte
  const std::string bytes = printableBytes();
  EXPECT_EQ(fromUtf16(toUtf16(bytes, 1250), 1250), bytes);
  EXPECT_EQ(toUtf16("\xA3", 1250), L"\u0141");
}
#endif

TEST(CodepageTest, WesternCharactersHaveTheirWindows1252BytesAndOthersAQuestionMark) {
  EXPECT_EQ(utf8ToCodePage("Müller € Šťa"), "M\xFCller \x80 \x8A?a");
  EXPECT_EQ(codePageToUtf8("Gr\xF6\xDFte \x84\x93"), "Größte „“");
  // Each character the code page lacks becomes one question mark.
  EXPECT_EQ(utf8ToCodePage("a\u0416b"), "a?b");      // Cyrillic
  EXPECT_EQ(utf8ToCodePage("a\U0001F600b"), "a?b");  // beyond 16 bits
  EXPECT_EQ(utf8ToCodePage("a\xC3z"), "a?z");        // ill-formed UTF-8
#ifdef _WIN32
  EXPECT_EQ(platform::utf16ToCodePage(L"a\U0001F600b\u0416"), "a?b?");
#endif
}

TEST(CodepageTest, LowerCaseFollowsTheCodePage) {
  EXPECT_EQ(lowerCase(utf8ToCodePage("ÄÖÜ É Š Œ Ž Ÿ ABC")), utf8ToCodePage("äöü é š œ ž ÿ abc"));
  const std::string upper = utf8ToCodePage("ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ");
  EXPECT_EQ(lowerCase(upper), utf8ToCodePage("àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ"));
  const std::string unchanged = utf8ToCodePage("ß µ × ÷ ÿ äöü 0-9 @[`{ ?");
  EXPECT_EQ(lowerCase(unchanged), unchanged);
  // One byte per character, whatever the byte.
  const std::string lower = lowerCase(printableBytes());
  EXPECT_EQ(lower.size(), printableBytes().size());
  EXPECT_EQ(lowerCase(lower), lower);
}

}  // namespace
