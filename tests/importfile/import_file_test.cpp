#include "importfile/import_file.h"

#include <gtest/gtest.h>

#include "importfile/import_fixture.h"

namespace importfile {
namespace {

using startup::Language;
using testing_support::endingNotice;
using testing_support::errorReport;

class ImportFileTest : public ImportFixture {
 protected:
  Lines rawLines() const {
    Lines lines;
    for (const ImportRow& row : state.ImportRows) lines.push_back(row.Rohzeile);
    return lines;
  }
};

TEST_F(ImportFileTest, OnlyTheFirstLineDecidesAndTiesGoToTheLaterCandidate) {
  const std::pair<const char*, const char*> cases[] = {
      {"a;b,c", ";"}, {"a,b,c;d;e", ";"}, {"a,b\tc", "\t"}, {"a:b:c:d;e;f", ":"}, {"a,b", ","}};
  for (const auto& [line, separator] : cases) {
    EXPECT_TRUE(Trennzeichen(state, line)) << line;
    EXPECT_EQ(state.Trennzeichen_Import, separator) << line;
  }
  EXPECT_FALSE(Trennzeichen(state, "abc"));
  EXPECT_FALSE(Trennzeichen(state, ""));
  EXPECT_EQ(state.Trennzeichen_Import, ",");
}

struct RowsCase {
  const char* label;
  Language language;
  Lines file;
  Lines rows;
};

void PrintTo(const RowsCase& c, std::ostream* out) { *out << c.label; }

class StoredRowsTest : public ImportFileTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(StoredRowsTest, KeepDataLinesWithTheSeparatorAppended) {
  useLanguage(GetParam().language);
  writeImportLines(GetParam().file);
  ASSERT_TRUE(Importdatei_lesen(state));
  EXPECT_EQ(rawLines(), GetParam().rows);
  EXPECT_FALSE(state.Datei1.isOpen());
  EXPECT_TRUE(dialogs.shown.empty());
}

const std::string kHeader9 = "Name;B;C;D;E;F;G;H;I";

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredRowsTest,
    ::testing::Values(
        RowsCase{"NoHeader", Language::DE, {"Meier;mm", "Huber;hh"}, {"Meier;mm;", "Huber;hh;"}},
        RowsCase{"HeaderOfNineColumns", Language::DE, {kHeader9, "a;b"}, {"a;b;"}},
        RowsCase{
            "HeaderOverTwoLines", Language::DE, {"Name;B;C;D;E;F", ";H;I;J;K", "a;b"}, {"a;b;"}},
        RowsCase{"FrenchHeaderNeedsTenColumns", Language::FR, {kHeader9, "a;b", "c;d"}, {"c;d;"}},
        RowsCase{"SurnameTakenForHeader",
                 Language::DE,
                 {"Nomura;n;1;2;3", "Huber;h;1;2;3", "c;d"},
                 {"c;d;"}},
        RowsCase{"LinesWithoutSeparatorDropped",
                 Language::DE,
                 {"a;b", "", "plain text", ";;;", "\"q\";x"},
                 {"a;b;", ";;;;", "\"q\";x;"}},
        RowsCase{"TabSeparated", Language::EN, {"a\tb\tc"}, {"a\tb\tc\t"}}),
    testing_support::byLabel<RowsCase>);

struct ReadMessages {
  Language language;
  std::string empty, noSeparator;  // around the quoted file name
};

class ReadMessageTest : public ImportFileTest, public ::testing::WithParamInterface<ReadMessages> {
 protected:
  // `pieces` with the quoted file name in place of "%".
  std::string expected(std::string pieces) {
    const std::string& name = state.Importdatei;
    const bool french = GetParam().language == Language::FR;
    return pieces.replace(pieces.find('%'), 1, french ? "« " + name + " »" : "'" + name + "'");
  }
  void expectFailure(const std::string& bytes, const std::string& message) {
    writeImport(bytes);
    dialogs.shown.clear();
    EXPECT_FALSE(Importdatei_lesen(state));
    EXPECT_EQ(boxes(), Lines{expected(message)});
    EXPECT_EQ(state.ImportRows.size(), 1u);
    EXPECT_EQ(state.ImportRows[0].Rohzeile, "");
  }
};

TEST_P(ReadMessageTest, EmptyFilesAndFirstLinesWithoutSeparator) {
  useLanguage(GetParam().language);
  expectFailure("", GetParam().empty);
  expectFailure("Name;B;C;D;E;F;G;H;I;J\r\n", GetParam().empty);
  expectFailure("\xEF\xBB\xBF", GetParam().empty);
  expectFailure("Meier\r\nHuber;h\r\n", GetParam().noSeparator);
  expectFailure("\r\nHuber;h\r\n", GetParam().noSeparator);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ReadMessageTest,
    ::testing::Values(
        ReadMessages{Language::DE, "Importdatei % ist leer",
                     "Kein Trennzeichen ',', ';', ':' oder 'Tabulator' in erster Zeile der "
                     "Importdatei % gefunden"},
        ReadMessages{Language::FR, "Le fichier d'import % est vide",
                     "Aucun séparateur « , », « ; », « : » ou « Tab » trouvé dans le fichier "
                     "d'import %"}));

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
