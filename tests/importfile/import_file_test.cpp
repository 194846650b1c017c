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
    EXPECT_EQ(Trennzeichen(state, line), separator[0]) << line;
  }
  EXPECT_EQ(Trennzeichen(state, "abc"), std::nullopt);
  EXPECT_EQ(Trennzeichen(state, ""), std::nullopt);
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
    ASSERT_TRUE(read());
    EXPECT_EQ(rawLines(), c.rows);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

// Quoting the file name in each language is Name_zitieren's.
TEST_F(ImportFileTest, EmptyFilesAndFirstLinesWithoutSeparatorAreReported) {
  const std::string empty = "Importdatei '" + state.Importdatei + "' ist leer";
  const std::string noSeparator =
      "Kein Trennzeichen ',', ';', ':' oder 'Tabulator' in erster Zeile der Importdatei '" +
      state.Importdatei + "' gefunden";
  // A header that took the rows after it is the likely cause.
  const std::string swallowed =
      "\n\nDie Kopfzeile hatte 2 der 9 erwarteten Trennzeichen ';', und 3 weitere Zeilen wurden "
      "als Teil der Kopfzeile gelesen.";
  const std::string swallowedOne =
      "\n\nDie Kopfzeile hatte 3 der 9 erwarteten Trennzeichen ';', und 1 weitere Zeile wurde "
      "als Teil der Kopfzeile gelesen.";
  for (const auto& [bytes, message] :
       {std::pair{"", empty},
        {"Name;B;C;D;E;F;G;H;I;J\r\n", empty},
        {"Name;B;C\r\nM;m;1\r\n\r\n\"H\r\nx\";h;2\r\n", empty + swallowed},
        {"Name;B;C;D\r\nM,m,1\r\n", empty + swallowedOne},
        {"\xEF\xBB\xBF", empty},
        {"Meier\r\nHuber;h\r\n", noSeparator},
        {"\r\nHuber;h\r\n", noSeparator}}) {
    writeImport(bytes);
    dialogs.shown.clear();
    EXPECT_FALSE(read()) << bytes;
    EXPECT_EQ(dialogs.texts(), Lines{message});
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

TEST_F(ImportFileTest, RowsKnowTheFileLineWhereTheyBegin) {
  writeImportLines({"Name;B;C;D;E", "F;G;H;I;J", "", "a;b", "\"c", "d\";e", "f;g"});
  ASSERT_TRUE(read());
  std::vector<std::size_t> lines;
  for (const ImportRow row : rows) lines.push_back(row.fileLine());
  EXPECT_EQ(lines, (std::vector<std::size_t>{4, 5, 7}));
}

// Beyond them the user is told, and the program goes on.
TEST_F(ImportFileTest, SixteenBitLimits) {
  useLanguage(Language::EN);
  const std::string file = "Import file " + startup::Name_zitieren(state, state.Importdatei);
  writeImport(validRows(32767));
  ASSERT_TRUE(read());
  EXPECT_EQ(rows.size(), 32767u);
  EXPECT_EQ(rows.back().Rohzeile(),
            "Mitarbeiter 32767;user32767;01.01.2020;31.12.2030;2,5;30;30;30;30;1;");

  writeImport(validRows(32768));
  EXPECT_FALSE(read());

  writeImport(std::string(32767, ';') + "\r\n");
  EXPECT_TRUE(read());
  writeImport(std::string(32768, ';') + "\r\n");
  EXPECT_FALSE(read());
  EXPECT_EQ(
      dialogs.texts(),
      (Lines{file + " holds more than 32,767 rows; the planner takes at most 32,767 employees.",
             file + " begins with a line of more than 32,767 characters; the planner reads "
                    "at most 32,767 characters per line there."}));
}

}  // namespace
}  // namespace importfile
