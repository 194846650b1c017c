#include "importfile/import_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "importfile/import_fixture.h"
#include "support/temp_folder.h"

namespace importfile {
namespace {

using startup::Language;

const std::string kHeader = "Name;Kennung;Von;Bis;Rest;U1;U2;U3;U4;Sonder";

// Every kind of question, in the order the passes ask them.
const Lines kEveryFault = {kHeader,
                           "Meier;mm;01.01.2020;31.12.2030;1;2;3;4;5;6",
                           "Huber|x;h\th",
                           ";ee",
                           "Kurz;kk;32.01.2020;01.13.2020",
                           "Lang;ll;02.01.2021;01.01.2021",
                           "Zahl;zz;;;x;y;;;;z",
                           ">Abteilung;;;;;;;;;;;;;;",
                           "Doppel;MM"};
// Row, name in the head, column (none: the whole row), value and error of each question.
const struct Asked {
  std::size_t row;
  std::string name;
  std::optional<std::size_t> column;
  std::string value, error;
} kAsked[] = {{2, "", {}, "Huber|x;h\th", "Unzulässiges Zeichen ':' oder '|' enthalten"},
              {2, "", 1, "h\th", "Unzulässiges Steuerzeichen im Feld 'Benutzerkennung' enthalten"},
              {3, "", 0, "", "Feld Name ist leer"},
              {4, "Kurz", 2, "32.01.2020", "'Von-Datum' 32.01.2020 ist fehlerhaft"},
              {4, "Kurz", 3, "01.13.2020", "'Bis-Datum' 01.13.2020 ist fehlerhaft"},
              {5, "Lang", {}, "", "'Von-Datum' ist größer als 'Bis-Datum'"},
              {6, "Zahl", 4, "x", "Resturlaub x nicht nummerisch"},
              {6, "Zahl", 5, "y", "Urlaubsanspruch y nicht nummerisch"},
              {6, "Zahl", 9, "z", "Sonderurlaub z nicht nummerisch"},
              {8, "Doppel", 1, "MM", "Name/Benutzerkennung MM ist doppelt vorhanden"}};

class ImportCheckTest : public ImportFixture {};

TEST_F(ImportCheckTest, EveryQuestionWithItsRowAndTheVerdictWithErrorsOrNoAtOnce) {
  writeImportLines(kEveryFault);
  dialogs.answers.assign(std::size(kAsked), true);
  check();
  EXPECT_EQ(outcome.verdict, Verdict::kFaultsFound);
  ASSERT_EQ(outcome.faults.size(), std::size(kAsked));
  Lines expected;
  for (std::size_t i = 0; i < std::size(kAsked); ++i) {
    const Asked& asked = kAsked[i];
    expected.push_back("Fehler in Zeile " + std::to_string(asked.row) +
                       (asked.name.empty() ? "" : ", " + asked.name) + "\n\n" + asked.error +
                       "\n\nMöchten Sie fortsetzen?");
    const Fault& fault = outcome.faults[i];
    EXPECT_EQ(std::tie(fault.row, fault.name, fault.column, fault.value),
              std::tie(asked.row, asked.name, asked.column, asked.value));
    EXPECT_EQ(fault.fileLine, asked.row + 1);  // below the header line
  }
  expected.push_back(
      "Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie die Fehler in den "
      "Importdaten und wiederholen Sie die Prüfung.");
  EXPECT_EQ(dialogs.texts(), expected);
  EXPECT_EQ(dialogs.shown.front().kind, testing_support::ShownBox::Kind::kQuestion);
  EXPECT_EQ(dialogs.shown.front().title, "Titel");

  dialogs.shown.clear();  // No ends the run at once
  dialogs.answers = {true, true, true, false};
  EXPECT_FALSE(check());
  EXPECT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(rows[2].Name(), "Name 3");  // the repairs made so far stay
}

// The fixture's employee list is empty ("NoNames"): every employee is new.
TEST_F(ImportCheckTest, TheOtherMessages) {
  writeImportLines({"Meier;mm", "Huber;hh;;;;;;;;;"});
  check();
  EXPECT_EQ(outcome.verdict, Verdict::kStopped);
  // Kept for the faults report, though not asked.
  EXPECT_EQ(outcome.faults.at(0).value, "Huber;hh;;;;;;;;;");
  EXPECT_EQ(outcome.faults.at(0).fileLine, 2u);
  writeImportLines({"Meier;mm"});
  EXPECT_TRUE(check());
  // Without a readable employee file the verdict tells no changes.
  std::filesystem::remove(testing_support::nativePath(folder.file("Mitarbeiterdaten.dat")));
  EXPECT_TRUE(check());
  EXPECT_EQ(
      dialogs.texts(),
      (Lines{"Fehler in Zeile 2, Huber\n\nUngültige Anzahl an Spalten\n\nVermutlicher Fehler: "
             "Das Trennzeichen der Importdatei ';' ist in den Daten enthalten. Verwenden Sie "
             "dieses Zeichen nicht in den Importdaten oder verwenden Sie ein anderes "
             "Trennzeichen in der Importdatei.",
             "Prüfen der Importdaten fehlerfrei\n\nBeim Import: neu 1, entfallen 0, geändert 0, "
             "unverändert 0",
             "Prüfen der Importdaten fehlerfrei"}));
}

// French puts « » around the field and the separator.
TEST_F(ImportCheckTest, FrenchQuotesTheFieldAndTheSeparator) {
  useLanguage(Language::FR);
  writeImportLines({"Huber;h\x01h;;", "Huber;hh;;;;;;;;;"});
  dialogs.answers = {true};
  EXPECT_FALSE(check());
  EXPECT_EQ(dialogs.texts(),
            (Lines{"Erreur à l'enregistrement numéro 1\n\nCaractère de contrôle non valide "
                   "dans le champ « Nom d'Utilisateur Windows »\n\nVoulez-vous continuer ?",
                   "Erreur à l'enregistrement numéro 2, Huber\n\nNombre de colonnes invalide\n\nLe "
                   "séparateur « ; » du fichier d'import est probablement inclus dans les données. "
                   "N'utilisez pas ce séparateur dans les données à importer ou utilisez un "
                   "séparateur différent."}));
}

TEST_F(ImportCheckTest, YesRepairsAndNormalises) {
  writeImportLines({";;x;01.02.2024;viel;12;-5;1500;2,5;", "Meier;;1.2.2024;;;;;;;",
                    ">" + std::string(260, 't') + ";"});
  dialogs.answers.assign(3, true);
  EXPECT_FALSE(check());
  EXPECT_EQ(columns(rows[0]), "Name 1|Name 1|000000|240201|000,0|012,0|-05,0|999,0|002,5|000,0");
  EXPECT_EQ(rows[1].Benutzerkennung(), "Meier");
  EXPECT_EQ(std::string(rows[1].VonDatum()) + std::string(rows[1].BisDatum()), "240201999999");
  EXPECT_EQ(rows[2].Name(), ">" + std::string(39, 't'));
  EXPECT_EQ(rows[2].Benutzerkennung(), "");
}

TEST_F(ImportCheckTest, QuotedColumnsLoseTheirQuotesAndUnquotedOnesKeepThem) {
  writeImport(testing_support::readFile(TEST_DATA_DIR "quoted_by_spreadsheet.csv"));
  EXPECT_TRUE(check());
  EXPECT_EQ(rows[1].Name(), ">Team \"Nord\"");
  EXPECT_EQ(rows[2].Name(), "\"Kiki\" Ng");

  // Quotes inside unquoted columns stay.
  writeImportLines({"c;d\"\"e\"f"});
  EXPECT_TRUE(check());
  EXPECT_EQ(rows[0].Benutzerkennung(), "d\"\"e\"f");
}

// Exports by a spreadsheet program (Gnumeric) of one sheet: "Last, First"
// names, a name with a line break, a quote in a name, a negative number
// written with a typographic minus.
TEST_F(ImportCheckTest, QuotedFieldsHoldSeparatorsAndLineBreaks) {
  const std::pair<const char*, const char*> files[] = {
      {"last_first_line_break_minus_comma_utf8.csv", "en_US"},
      {"last_first_line_break_minus_semicolon_cp1252.csv", "de_DE"}};
  for (const auto& [file, locale] : files) {
    SCOPED_TRACE(file);
    state.region = platform::regionalSettingsFor(locale);
    writeImport(testing_support::readFile(std::string(TEST_DATA_DIR) + file));
    dialogs.answers = {true};
    check();
    ASSERT_EQ(outcome.faults.size(), 1u);  // the line break, a control character of the name
    const Fault& fault = outcome.faults[0];
    EXPECT_EQ(std::tuple(fault.row, fault.column, fault.value), std::tuple(2u, 0u, "Meier,\nHans"));
    Lines checked;
    for (const ImportRow row : rows) checked.push_back(columns(row));
    EXPECT_EQ(checked,
              (Lines{"Berger, Anna|aberger|170201|999999|-01,5|030,0|030,0|000,0|000,0|002,0",
                     "Meier,\nHans|hmeier|180101|251231|002,5|028,0|028,0|000,0|000,0|000,0",
                     "O'Neil \"Jack\"|joneil|000000|999999|000,0|030,0|000,0|000,0|000,0|000,0",
                     startup::cp("Müller; Eva") +
                         "|emueller|210101|999999|012,0|030,0|030,0|030,0|030,0|-00,5"}));
  }

  writeImportLines({"\"Berger, Anna,aberger", "Huber,hh"});  // a quote never closed
  EXPECT_FALSE(check());
  EXPECT_EQ(
      dialogs.texts().back(),
      "Fehler in Zeile 1, \"Berger\n\nUngültige Anzahl an Spalten\n\nVermutlicher Fehler: Ein "
      "Feld der Importdatei beginnt mit einem Anführungszeichen (\"), das nicht geschlossen "
      "wird. Schließen Sie das Feld mit einem Anführungszeichen ab oder verdoppeln Sie jedes "
      "Anführungszeichen im Feld.");
}

// The sample files of the three editions, as spreadsheets of their regions
// write them: a header, a text row and five employees.
TEST_F(ImportCheckTest, SamplesAreFaultFreeInTheirEditionsAndRegions) {
  const std::tuple<const char*, Language, const char*> samples[] = {
      {"Mitarbeiter-Beispiel.csv", Language::DE, "de_DE"},
      {"Employees-sample.csv", Language::EN, "en_GB"},
      {"Employes-exemple.csv", Language::FR, "fr_FR"}};
  for (const auto& [file, language, locale] : samples) {
    SCOPED_TRACE(file);
    useLanguage(language);
    state.region = platform::regionalSettingsFor(locale);
    writeImport(testing_support::readFile(std::string(SAMPLES_DIR) + file));
    EXPECT_TRUE(check());
    EXPECT_EQ(rows.size(), 6u);
  }
}

TEST_F(ImportCheckTest, ColonsAreForbiddenUnlessTheyAreTheSeparator) {
  writeImportLines({"Meier:mm:01.01.2020:::::::", "Huber:hh"});
  EXPECT_TRUE(check());
  writeImportLines({"Meier;mm;01.01.2020 08:00"});
  dialogs.answers = {true, true};
  EXPECT_FALSE(check());
  EXPECT_EQ(dialogs.shown.size(), 4u);  // fault-free verdict, forbidden character, date, verdict
  // Quoted, a colon is no separator: the row's fault, not a date's.
  writeImportLines({"\"Meier:Hans\":mm"});
  dialogs.answers = {true};
  check();
  EXPECT_EQ(outcome.faults.at(0).column, std::nullopt);
}

TEST_F(ImportCheckTest, AControlCharacterIsAFaultOfTheColumnItIsIn) {
  const auto asked = [](int row, const std::string& field) {
    return "Fehler in Zeile " + std::to_string(row) + "\n\nUnzulässiges Steuerzeichen im Feld '" +
           field + "' enthalten\n\nMöchten Sie fortsetzen?";
  };
  // A NUL byte in the first field is the console's malformed-input case.
  dialogs.answers = {true, true, false};
  writeImportLines({"Anna;ab", "Bert;a\tb", ">Text\x01;", ">Text;\x01", "Carl;cc;;;;;\x1f"});
  EXPECT_FALSE(check());
  EXPECT_EQ(dialogs.texts(),
            (Lines{asked(2, "Benutzerkennung"), asked(3, "Name"), asked(5, "Urlaubsanspruch 2")}));

  writeImportLines({"Dora\tdd\t01.01.2024"});  // the tab as separator
  EXPECT_TRUE(check());
}

// Bytes below 32 at every position of the first eight-byte block of a line or
// of its second; bytes from 32 on are none.
TEST_F(ImportCheckTest, ControlBytesAtEveryPositionOfAWord) {
  std::string file;  // bytes: no UTF-8 to convert
  std::size_t row = 0;
  std::vector<std::size_t> expected;
  for (const char byte : {'\x00', '\x01', '\x1f', ' ', '\x7f', '\xa0', '\xff'}) {
    for (std::size_t position = 0; position < 16; ++position) {
      std::string line(16, 'a');
      line[position] = byte;
      file += line + ";u" + std::to_string(++row) + "\r\n";
      if (static_cast<unsigned char>(byte) < 32) expected.push_back(row);
    }
  }
  writeImport(file);
  dialogs.answers.assign(expected.size(), true);
  std::vector<std::size_t> asked;
  check();
  for (const Fault& fault : outcome.faults) asked.push_back(fault.row);
  EXPECT_EQ(asked, expected);
}

TEST_F(ImportCheckTest, NineTenAndElevenColumns) {
  writeImportLines({"a;b;;;1;2;3;4;5", "a2;b2;;;;;;;;1", ">a;b;c;d;e;f;g;h;i;j;k;l"});
  EXPECT_TRUE(check());
  EXPECT_EQ(rows[0].Sonderurlaub(), "000,0");
  EXPECT_EQ(rows[1].Sonderurlaub(), "001,0");
  // Eleven columns stop the check even after a question answered Yes.
  writeImportLines({"a|x;b", "a;b;c;d;e;f;g;h;i;j;k", "a;b;c"});
  dialogs.shown.clear();
  dialogs.answers = {true};
  EXPECT_FALSE(check());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown.back().kind, testing_support::ShownBox::Kind::kNotice);
}

TEST_F(ImportCheckTest, AnotherLanguageShowsNothingAndAnswersYes) {
  useLanguage(Language::Other);
  writeImport("");
  EXPECT_FALSE(check());
  writeImport("abc\r\n");
  EXPECT_FALSE(check());
  writeImportLines(kEveryFault);
  EXPECT_FALSE(check());
  EXPECT_EQ(rows[2].Name(), "Name 3");
  writeImportLines({"Meier;mm"});
  EXPECT_TRUE(check());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace importfile
