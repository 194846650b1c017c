#include "importfile/import_file.h"

#include <gtest/gtest.h>

#include "importfile/import_fixture.h"

namespace importfile {
namespace {

using startup::Language;
using testing_support::endingNotice;
using testing_support::errorReport;

class ImportFileTest : public ImportFixture {};

TEST_F(ImportFileTest, OnlyTheFirstLineDecidesAndTiesGoToTheLaterCandidate) {
  const std::pair<const char*, const char*> cases[] = {
      {"a;b,c", ";"},         {"a,b,c;d;e", ";"},   {"a,b\tc", "\t"}, {"a:b:c:d;e;f", ":"},
      {"a,b", ","},           {"\"a,b,c\";d", ";"},  // separators in quotes do not count
      {"\"a\nb;c;d\",e", ","}};                      // nor in a quoted line break
  for (const auto& [line, separator] : cases) {
    EXPECT_TRUE(Trennzeichen(state, line)) << line;
    EXPECT_EQ(state.Trennzeichen_Import, separator) << line;
  }
  EXPECT_FALSE(Trennzeichen(state, "abc"));
  EXPECT_FALSE(Trennzeichen(state, ""));
  EXPECT_EQ(state.Trennzeichen_Import, ",");
}

TEST_F(ImportFileTest, StoredRowsKeepDataLinesWithTheSeparatorAppended) {
  const std::string header9 = "Name;B;C;D;E;F;G;H;I";
  const struct {
    const char* label;
    Language language;
    Lines file, rows;
  } cases[] = {
      {"NoHeader", Language::DE, {"Meier;mm", "Huber;hh"}, {"Meier;mm;", "Huber;hh;"}},
      {"HeaderOfNineColumns", Language::DE, {header9, "a;b"}, {"a;b;"}},
      {"HeaderOverTwoLines", Language::DE, {"Name;B;C;D;E;F", ";H;I;J;K", "a;b"}, {"a;b;"}},
      {"FrenchHeaderNeedsTenColumns", Language::FR, {header9, "a;b", "c;d"}, {"c;d;"}},
      {"SurnameTakenForHeader", Language::DE, {"Nomura;n;1;2;3", "Huber;h;1;2;3", "c;d"}, {"c;d;"}},
      {"LinesWithoutSeparatorDropped",
       Language::DE,
       {"a;b", "", "plain text", ";;;", "\"q\";x"},
       {"a;b;", ";;;;", "\"q\";x;"}},
      {"QuotedLineBreakJoinsLines",
       Language::DE,
       {"\"a", "b;c\";x", "\"d;e\"", "\"f;g", "h;i"},
       {"\"a\r\nb;c\";x;", "\"f;g;", "h;i;"}},
      {"TabSeparated", Language::EN, {"a\tb\tc"}, {"a\tb\tc\t"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    useLanguage(c.language);
    writeImportLines(c.file);
    ASSERT_TRUE(Importdatei_lesen(state));
    EXPECT_EQ(rawLines(), c.rows);
    EXPECT_FALSE(state.Datei1.isOpen());
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

// Quoting the file name in each language is Name_zitieren's.
TEST_F(ImportFileTest, EmptyFilesAndFirstLinesWithoutSeparatorAreReported) {
  const std::string empty = "Importdatei '" + state.Importdatei + "' ist leer";
  const std::string noSeparator =
      "Kein Trennzeichen ',', ';', ':' oder 'Tabulator' in erster Zeile der Importdatei '" +
      state.Importdatei + "' gefunden";
  for (const auto& [bytes, message] : {std::pair{"", empty},
                                       {"Name;B;C;D;E;F;G;H;I;J\r\n", empty},
                                       {"\xEF\xBB\xBF", empty},
                                       {"Meier\r\nHuber;h\r\n", noSeparator},
                                       {"\r\nHuber;h\r\n", noSeparator}}) {
    writeImport(bytes);
    dialogs.shown.clear();
    EXPECT_FALSE(Importdatei_lesen(state)) << bytes;
    EXPECT_EQ(dialogs.texts(), Lines{message});
    EXPECT_EQ(rawLines(), Lines{""});
  }
}

// A header and `rows` valid ten-column data lines.
std::string validRows(std::size_t rows) {
  std::string bytes = "Name;Kennung;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n";
  for (std::size_t i = 1; i <= rows; ++i) {
    bytes += "Mitarbeiter " + std::to_string(i) + ";user" + std::to_string(i) +
             ";01.01.2020;31.12.2030;2,5;30;30;30;30;1\r\n";
  }
  return bytes;
}

TEST_F(ImportFileTest, SixteenBitLimits) {
  writeImport(validRows(32767));
  ASSERT_TRUE(Importdatei_lesen(state));
  EXPECT_EQ(state.ImportRows.size(), 32767u);
  EXPECT_EQ(state.ImportRows.back().Rohzeile,
            "Mitarbeiter 32767;user32767;01.01.2020;31.12.2030;2,5;30;30;30;30;1;");

  writeImport(validRows(32768));
  EXPECT_EQ(endingNotice(dialogs, [&] { Importdatei_lesen(state); }),
            errorReport("frmPersonallader - Importdatei_lesen", 6, "Überlauf"));
  EXPECT_FALSE(state.Datei1.isOpen());

  writeImport(std::string(32767, ';') + "\r\n");
  EXPECT_TRUE(Importdatei_lesen(state));
  writeImport(std::string(32768, ';') + "\r\n");
  EXPECT_EQ(endingNotice(dialogs, [&] { Importdatei_lesen(state); }),
            errorReport("frmPersonallader - Trennzeichen", 6, "Überlauf"));
}

}  // namespace
}  // namespace importfile
