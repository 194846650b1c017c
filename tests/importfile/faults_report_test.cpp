#include "importfile/faults_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/state_fixture.h"

namespace importfile {
namespace {

using startup::cp;
using testing_support::nativePath;

class FaultsReportTest : public testing_support::StateTest {};

TEST_F(FaultsReportTest, Utf8WithByteOrderMarkAndCrLfQuotingWhatASpreadsheetWouldSplit) {
  useLanguage(startup::Language::DE);
  state.Dezimaltrenner = ",";
  folder.write("faults.csv", "an older report");
  writeFaultsReport(state, folder.file("faults.csv"),
                    {{7, 9, "", std::nullopt, "a;\"b\"", cp("Unzulässiges Zeichen")},
                     {3, 4, cp("Öztürk"), 2, "31.02.2024", "x\r\ry"}});
  EXPECT_EQ(folder.read("faults.csv"),
            "\xEF\xBB\xBFZeile;Zeile in der Datei;Name;Spalte;Wert;Fehler\r\n"
            "7;9;;;\"a;\"\"b\"\"\";Unzulässiges Zeichen\r\n"
            "3;4;Öztürk;Von-Datum;31.02.2024;\"x\r\ry\"\r\n");

  state.Dezimaltrenner = ".";
  EXPECT_EQ(faultsReportLines(state, {}),
            std::vector<std::string>{"Zeile,Zeile in der Datei,Name,Spalte,Wert,Fehler"});
}

TEST_F(FaultsReportTest, FieldsThatASpreadsheetWouldEvaluateBeginWithAnApostrophe) {
  useLanguage(startup::Language::EN);
  state.Dezimaltrenner = ".";
  const std::vector<std::string> lines = faultsReportLines(
      state, {{1, 1, "=HYPERLINK(\"x\")", std::nullopt, "=cmd|' /C calc'!A0", "+1"},
              {2, 2, "-1", std::nullopt, "@SUM(A1)", "\tx"},
              {3, 3, "a=1", std::nullopt, "\rx", ""}});
  EXPECT_EQ(lines[1], "1,1,\"'=HYPERLINK(\"\"x\"\")\",,'=cmd|' /C calc'!A0,'+1");
  EXPECT_EQ(lines[2], "2,2,'-1,,'@SUM(A1),'\tx");
  EXPECT_EQ(lines[3], "3,3,a=1,,\"'\rx\",");
}

// Where a report may go: never to the import file, into the data or log folder
// (however named), or over a file that is no earlier report.
struct Target {
  const char* label;
  std::string path;     // below the test's folder
  const char* refusal;  // part of the message; empty: allowed
};

void PrintTo(const Target& t, std::ostream* out) { *out << t.label; }

class ReportTargetTest : public testing_support::StateTest,
                         public ::testing::WithParamInterface<Target> {};

TEST_P(ReportTargetTest, IsRefusedWithItsReasonOrAllowed) {
  const char s = platform::kSeparator;
  for (const char* name : {"Data", "Logs", "Data/Backups", "Out"}) folder.makeFolder(name);
  folder.write("import.csv", "Meier;mm\r\n");
  folder.write("Out/other.csv", "Name;Kennung\r\n");
  // Reports of either header, the one before the line column (de, fr) and today's (en).
  folder.write("Out/de.csv", "\xEF\xBB\xBFZeile;Name;Spalte;Wert;Fehler\r\n1;...");
  folder.write("Out/en.csv", "\xEF\xBB\xBFRow,Line in file,Name,Column,Value,Fault\r\n");
  folder.write("Out/fr.csv", "\xEF\xBB\xBFLigne;Nom;Colonne;Valeur;Erreur\r\n");
  std::error_code noLinks;  // a system without symbolic links skips those cases
  std::filesystem::create_directory_symlink(nativePath(folder.file("Data")),
                                            nativePath(folder.file("DataLink")), noLinks);
  useLanguage(startup::Language::DE);
  const startup::ProtectedPlaces places{folder.file(noLinks ? "Data" : "DataLink") + s,
                                        folder.file("Logs") + s, folder.file("import.csv")};
  const Target& t = GetParam();
  if (noLinks && t.path.find("Link") != std::string::npos) GTEST_SKIP();

  const auto refused = faultsReportRefused(state, folder.file(t.path), places);
  if (*t.refusal == '\0') {
    EXPECT_EQ(refused, std::nullopt);
  } else {
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(t.refusal), std::string::npos) << *refused;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ReportTargetTest,
    ::testing::Values(
        Target{"import_file", "Out/../import.csv", "' ist die Datei, die gelesen wird."},
        Target{"konfigdaten", "Data/Konfigdaten.dat", "' liegt im Datenordner des Planers."},
        Target{"new_file_in_data", "Out/../Data/neu.csv", "' liegt im Datenordner"},
        Target{"backup", "Data/Backups/x.dat", "' liegt im Datenordner"},
        Target{"through_link", "DataLink/Konfigdaten.dat", "' liegt im Datenordner"},
        Target{"log_folder", "Logs", "' liegt im Log-Ordner des Planers."},
        Target{"log_book", "Logs/Import.log", "' liegt im Log-Ordner"},
        Target{"not_a_report", "Out/other.csv", "Out/other.csv' gibt es bereits und ist keine"},
        Target{"a_folder", "Out", "' gibt es bereits"}, Target{"earlier_de", "Out/de.csv", ""},
        Target{"earlier_en", "Out/en.csv", ""}, Target{"earlier_fr", "Out/fr.csv", ""},
        Target{"new_file", "Out/new.csv", ""}),
    testing_support::byLabel<Target>);

}  // namespace
}  // namespace importfile
