#include "importfile/text_decoding.h"

#include <gtest/gtest.h>

#include "importfile/import_fixture.h"

namespace importfile {
namespace {

// `text` in UTF-16 with its byte order mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

class EncodingTest : public ImportFixture {};

TEST_F(EncodingTest, ArrivesInTheCodePage) {
  const std::u16string unicode =
      u"Name;Kennung;Von;Bis;R;U1;U2;U3;U4;S\r\nMüller;č\r\nŁukasz Dvořák;中\nZoë\u0308;€\r";
  const Lines unicodeRows = {"Müller;c;", "Lukasz Dvorák;?;", "Zoë;€;"};
  const struct {
    const char* label;
    std::string bytes;
    Lines rows;  // UTF-8, as they arrive in the code page
  } cases[] = {{"Utf8WithMark", std::string("\xEF\xBB\xBF") + "a;M\xC3\xBCller\r\n", {"a;Müller;"}},
               {"Utf8WithoutMark",
                "a;b\r\nc;M\xC3\xBCller \xC5\x81;\xE2\x88\x92"
                "1\r\n",  // U+2212 minus
                {"a;b;", "c;Müller L;-1;"}},
               {"Utf16LittleEndian", utf16(unicode, false), unicodeRows},
               {"Utf16BigEndian", utf16(unicode, true), unicodeRows},
               {"Utf16HalfCharacters", utf16(u"a;\xD800z", false) + "x", {"a;?z?;"}},
               {"CodePageAsItStands", "a;M\xFCller\r\nb;\xC3\xBC\r\n", {"a;Müller;", "b;Ã¼;"}}};
  for (const auto& c : cases) {
    writeImport(c.bytes);
    ASSERT_TRUE(read()) << c.label;
    Lines expected;
    for (const std::string& row : c.rows) expected.push_back(startup::cp(row));
    EXPECT_EQ(rawLines(), expected) << c.label;
  }
}

}  // namespace
}  // namespace importfile
