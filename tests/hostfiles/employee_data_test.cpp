#include "hostfiles/employee_data.h"

#include <gtest/gtest.h>

#include "hostfiles/employee_record.h"
#include "hostfiles/planner_file_test.h"

namespace hostfiles {
namespace {

using startup::cp;
using startup::Language;
using testing_support::endingNotice;
using testing_support::readable;

const std::string kCurrent =
    "170101:999999:025,5:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:Mitarbeiter A:ma";

class EmployeeDataTest : public PlannerFileTest {
 protected:
  void store(const std::string& number, const Lines& entries) {
    Lines lines = {"[Mitarbeiterdaten]", "Kopf", number};
    lines.insert(lines.end(), entries.begin(), entries.end());
    folder.write("Mitarbeiterdaten.dat", scrambledFile(lines));
  }
};

TEST_F(EmployeeDataTest, ReadsCurrentOlderAndTextLines) {
  store("12,7", {kCurrent, cp("Verwaltung Süd, Bäckerei"),
                 "170101:999999:025:030:030:030:030:Mitarbeiter A:ma",  // the older form
                 "180202:991231:-02,5:030:031:032:033:" + cp("Jörg Weiß:jweiß"),
                 "000000:999999:000:030,0:030,0:030,0:030,0:001,0:000,0:000,0:000,0:B:"});
  Mitarbeiterdaten_lesen(state);
  EXPECT_EQ(state.Mitarbeiter_Kopf, "Kopf");
  EXPECT_EQ(state.Mitarbeiter_Zahl, 12);
  EXPECT_EQ(state.Mitarbeiter_Name, (Lines{"Mitarbeiter A", cp("Verwaltung Süd, Bäckerei"),
                                           "Mitarbeiter A", cp("Jörg Weiß"), "B"}));
  EXPECT_EQ(state.Mitarbeiter_Kennung, (Lines{"ma", "", "ma", cp("jweiß"), ""}));
  EXPECT_EQ(state.Mitarbeiter_Von, (Lines{"170101", "", "170101", "180202", "000000"}));
  EXPECT_EQ(state.Mitarbeiter_Bis, (Lines{"999999", "", "999999", "991231", "999999"}));
  EXPECT_EQ(state.Mitarbeiter_Urlaub,
            (Lines{"025,5:030,0:030,0:030,0:030,0", "", "025,0:030,0:030,0:030,0:030,0",
                   "-02,5:030,0:031,0:032,0:033,0", "000,0:030,0:030,0:030,0:030,0"}));
  EXPECT_EQ(state.Mitarbeiter_Sonderurlaub, (Lines{"002,5", "", "000,0", "000,0", "001,0"}));
  EXPECT_FALSE(state.Datei1.isOpen());
}

TEST_F(EmployeeDataTest, OlderFormsBecomeTheCurrentLine) {
  EXPECT_EQ(currentEmployeeLine("170101:999999:025:030:030:030:030:Mitarbeiter A:ma"),
            "170101:999999:025,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Mitarbeiter A:ma");
  EXPECT_EQ(currentEmployeeLine(kCurrent), kCurrent);
  EXPECT_EQ(currentEmployeeLine("a:b"), "a:b,0,0,0,0,0:000,0:000,0:000,0:000,0");
}

TEST_F(EmployeeDataTest, ValuesTakeTheRegionalSeparatorAndTheNumberIsRoundedDown) {
  state.Region = platform::regionalSettingsFor("en_US");
  state.Dezimaltrenner = ".";
  const std::string longest = kCurrent + std::string(32765 - kCurrent.size(), 'x');
  for (const auto& [text, number] : {std::pair{"-3.5", -4}, {"32767", 32767}, {" 7 ", 7}}) {
    store(text, {longest});
    Mitarbeiterdaten_lesen(state);
    EXPECT_EQ(state.Mitarbeiter_Zahl, number) << text;
  }
  EXPECT_EQ(state.Mitarbeiter_Kennung, Lines{longest.substr(kCurrent.size() - 2)});
  EXPECT_EQ(state.Mitarbeiter_Urlaub, Lines{"025.5:030.0:030.0:030.0:030.0"});
  EXPECT_EQ(state.Mitarbeiter_Sonderurlaub, Lines{"002.5"});
}

TEST_F(EmployeeDataTest, AFileWithoutEntriesGivesNoNames) {
  store("0", {});
  state.Mitarbeiter_Name = {"alt", "alt"};
  Mitarbeiterdaten_lesen(state);
  EXPECT_EQ(state.Mitarbeiter_Name, Lines{"NoNames"});
  for (const Lines* field :
       {&state.Mitarbeiter_Kennung, &state.Mitarbeiter_Von, &state.Mitarbeiter_Bis,
        &state.Mitarbeiter_Urlaub, &state.Mitarbeiter_Sonderurlaub}) {
    EXPECT_EQ(*field, Lines{""});
  }
}

struct DamagedCase {
  const char* label;
  Language language;
  std::optional<std::string> bytes;  // nothing: no file
  std::string notice;                // UTF-8; "%" stands for the data folder
};

class DamagedEmployeeDataTest : public EmployeeDataTest,
                                public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedEmployeeDataTest, EndsTheProgramWithItsMessage) {
  const DamagedCase& c = GetParam();
  useLanguage(c.language);
  if (c.bytes) folder.write("Mitarbeiterdaten.dat", *c.bytes);
  std::string expected = c.notice;
  if (const auto at = expected.find('%'); at != std::string::npos) {
    expected.replace(at, 1, readable(folder.path()));
  }
  EXPECT_EQ(endingNotice(dialogs, [&] { Mitarbeiterdaten_lesen(state); }), expected);
  EXPECT_FALSE(state.Datei1.isOpen());
}

std::string employeeFile(const std::string& number, const std::string& entry) {
  return scrambledFile({"[Mitarbeiterdaten]", "", number, kCurrent, entry});
}

const std::string kLineIn = "modPersonallader - LineIn";
const std::string kReader = "modPersonallader - Mitarbeiterdaten_lesen";

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedEmployeeDataTest,
    ::testing::Values(
        DamagedCase{"MissingDE", Language::DE, std::nullopt,
                    "Die Datei '%Mitarbeiterdaten.dat' wurde nicht gefunden.\n\nDas Programm "
                    "wird beendet."},
        DamagedCase{"MissingEN", Language::EN, std::nullopt,
                    "File '%Mitarbeiterdaten.dat' not found.\n\nProgram will be closed."},
        DamagedCase{"MissingFR", Language::FR, std::nullopt,
                    "Fichier « %Mitarbeiterdaten.dat » non trouvé.\n\nLe programme va être "
                    "fermé."},
        DamagedCase{"HeaderDE", Language::DE, scrambledFile({"[Mitarbeiter]", "", "0"}),
                    "Der Dateiheader in 'Mitarbeiterdaten.dat' wurde nicht erkannt.\n\nDas "
                    "Programm wird beendet."},
        DamagedCase{"HeaderEN", Language::EN, scrambledFile({""}),
                    "Header of file 'Mitarbeiterdaten.dat' not detected.\n\nProgram will be "
                    "closed."},
        DamagedCase{"HeaderFR", Language::FR, scrambledFile({"[mitarbeiterdaten]"}),
                    "Le header du fichier « Mitarbeiterdaten.dat » n'a pas été détecté.\n\nLe "
                    "programme va être fermé."},
        DamagedCase{"TwoLines", Language::DE, scrambledFile({"[Mitarbeiterdaten]", "1"}),
                    errorReport(kLineIn, 62, "Einlesen hinter Dateiende")},
        DamagedCase{"NumberIsNoNumber", Language::DE, employeeFile("zwölf", kCurrent),
                    errorReport(kReader, 13, "Typen unverträglich")},
        DamagedCase{"NumberAbove16Bits", Language::DE, employeeFile("32768", kCurrent),
                    errorReport(kReader, 6, "Überlauf")},
        DamagedCase{"NumberBelow16Bits", Language::DE, employeeFile("-32768,5", kCurrent),
                    errorReport(kReader, 6, "Überlauf")},
        DamagedCase{
            "NoSeparatorAfterTheName", Language::DE, employeeFile("0", kCurrent.substr(0, 80)),
            errorReport(kReader, 5, "Unzulässiger Prozeduraufruf oder ungültiges Argument")},
        DamagedCase{
            "EmptyLineBetweenEntries", Language::DE,
            employeeFile("0", kCurrent) + "\r\n" + scrambledFile({kCurrent}),
            errorReport(kLineIn, 5, "Unzulässiger Prozeduraufruf oder ungültiges Argument")},
        DamagedCase{"LineOf32767Characters", Language::DE,
                    employeeFile("0", kCurrent + std::string(32766 - kCurrent.size(), 'x')),
                    errorReport(kLineIn, 6, "Überlauf")}),
    byLabel<DamagedCase>);

class EmployeeDataWriterTest : public EmployeeDataTest {
 protected:
  void SetUp() override {
    importfile::ImportRow employee;
    employee.Name = "Mitarbeiter A";
    employee.Benutzerkennung = "ma";
    employee.VonDatum = "170101";
    employee.BisDatum = "999999";
    employee.Resturlaub = "005,0";
    employee.Urlaubsanspruch1 = employee.Urlaubsanspruch2 = "030,0";
    employee.Urlaubsanspruch3 = "-02,5";
    employee.Urlaubsanspruch4 = "030,5";
    employee.Sonderurlaub = "001,5";
    importfile::ImportRow text;
    text.Name = cp(">Team Süd");
    state.ImportRows = {employee, text, employee};
    state.ImportRows[2].Name = cp("Jörg Weiß");
    state.ImportRows[2].Benutzerkennung = cp("jweiß");
    state.Mitarbeiter_Zahl = -7;
  }
};

TEST_F(EmployeeDataWriterTest, WritesTheLayoutThatTheReaderReads) {
  Lines expected = {"[Mitarbeiterdaten]",
                    "99999999",
                    "-7",
                    "170101:999999:005,0:030,0:030,0:-02,5:030,5:001,5:000,0:000,0:000,0:"
                    "Mitarbeiter A:ma",
                    cp("Team Süd"),
                    "170101:999999:005,0:030,0:030,0:-02,5:030,5:001,5:000,0:000,0:000,0:" +
                        cp("Jörg Weiß:jweiß")};
  writeEmployeeData(state);
  EXPECT_EQ(writtenTexts(folder.read("Mitarbeiterdaten.dat")), expected);
  EXPECT_FALSE(state.Datei1.isOpen());

  Mitarbeiterdaten_lesen(state);
  EXPECT_EQ(state.Mitarbeiter_Name, (Lines{"Mitarbeiter A", cp("Team Süd"), cp("Jörg Weiß")}));
  EXPECT_EQ(state.Mitarbeiter_Urlaub[2], "005,0:030,0:030,0:-02,5:030,5");

  state.Mitarbeiter_Kopf = "12345678";
  writeEmployeeData(state);
  expected[1] = "12345678";
  EXPECT_EQ(writtenTexts(folder.read("Mitarbeiterdaten.dat")), expected);
}

TEST_F(EmployeeDataWriterTest, AFailureWhileWritingKeepsTheOldFile) {
  store("0", {kCurrent});
  const std::string before = folder.read("Mitarbeiterdaten.dat");
  system.writeFailsAfter = 100;
  EXPECT_THROW(writeEmployeeData(state), startup::RunTimeError);  // for the import's handler
  EXPECT_EQ(folder.read("Mitarbeiterdaten.dat"), before);
  EXPECT_EQ(folder.entries(), Lines{"Mitarbeiterdaten.dat"});
  EXPECT_FALSE(state.Datei1.isOpen());
}

}  // namespace
}  // namespace hostfiles
