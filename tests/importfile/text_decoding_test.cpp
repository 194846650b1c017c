#include "importfile/text_decoding.h"

#include <gtest/gtest.h>

#include "importfile/import_file.h"
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

struct EncodingCase {
  const char* label;
  std::string bytes;
  std::vector<std::string> rows;  // UTF-8, as they arrive in the code page
};

void PrintTo(const EncodingCase& c, std::ostream* out) { *out << c.label; }

class EncodingTest : public ImportFixture, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(EncodingTest, ArrivesInTheCodePage) {
  writeImport(GetParam().bytes);
  ASSERT_TRUE(Importdatei_lesen(state));
  std::vector<std::string> rows;
  for (const ImportRow& row : state.ImportRows) rows.push_back(row.Rohzeile);
  std::vector<std::string> expected;
  for (const std::string& row : GetParam().rows) expected.push_back(startup::cp(row));
  EXPECT_EQ(rows, expected);
}

const std::u16string kUnicodeText =
    u"Name;Kennung;Von;Bis;R;U1;U2;U3;U4;S\r\nMüller;č\r\nŁukasz Dvořák;中\nZoë\u0308;€\r";
const std::vector<std::string> kUnicodeRows = {"Müller;c;", "Lukasz Dvorák;?;", "Zoë;€;"};

INSTANTIATE_TEST_SUITE_P(
    Files, EncodingTest,
    ::testing::Values(
        EncodingCase{"Utf8WithMark",
                     "\xEF\xBB\xBF"
                     "a;M\xC3\xBCller\r\n",
                     {"a;Müller;"}},
        EncodingCase{
            "Utf8WithoutMark", "a;b\r\nc;M\xC3\xBCller \xC5\x81\r\n", {"a;b;", "c;Müller L;"}},
        EncodingCase{"Utf16LittleEndian", utf16(kUnicodeText, false), kUnicodeRows},
        EncodingCase{"Utf16BigEndian", utf16(kUnicodeText, true), kUnicodeRows},
        EncodingCase{"Utf16HalfCharacters", utf16(u"a;\xD800z", false) + "x", {"a;?z?;"}},
        EncodingCase{
            "CodePageAsItStands", "a;M\xFCller\r\nb;\xC3\xBC\r\n", {"a;Müller;", "b;Ã¼;"}}),
    testing_support::byLabel<EncodingCase>);

}  // namespace
}  // namespace importfile
