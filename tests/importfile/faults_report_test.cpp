#include "importfile/faults_report.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace importfile {
namespace {

using startup::cp;

class FaultsReportTest : public testing_support::StateTest {};

TEST_F(FaultsReportTest, Utf8WithByteOrderMarkAndCrLfQuotingWhatASpreadsheetWouldSplit) {
  useLanguage(startup::Language::DE);
  state.Dezimaltrenner = ",";
  folder.write("faults.csv", "an older report");
  writeFaultsReport(state, folder.file("faults.csv"),
                    {{7, "", std::nullopt, "a;\"b\"", cp("Unzulässiges Zeichen")},
                     {3, cp("Öztürk"), 2, "31.02.2024", "x\r\ry"}});
  EXPECT_EQ(folder.read("faults.csv"),
            "\xEF\xBB\xBFZeile;Name;Spalte;Wert;Fehler\r\n"
            "7;;;\"a;\"\"b\"\"\";Unzulässiges Zeichen\r\n"
            "3;Öztürk;Von-Datum;31.02.2024;\"x\r\ry\"\r\n");

  state.Dezimaltrenner = ".";
  EXPECT_EQ(faultsReportLines(state, {}),
            std::vector<std::string>{"Zeile,Name,Spalte,Wert,Fehler"});
}

}  // namespace
}  // namespace importfile
