#include "hostfiles/employee_data.h"

#include <gtest/gtest.h>

#include "hostfiles/planner_file_fixture.h"

namespace hostfiles {
namespace {

using startup::cp;

class EmployeeDataTest : public PlannerFileFixture {
 protected:
  void store(const std::string& number, const Lines& entries) {
    Lines lines = {"[Mitarbeiterdaten]", "Kopf", number};
    lines.insert(lines.end(), entries.begin(), entries.end());
    folder.write("Mitarbeiterdaten.dat", scrambledFile(lines));
  }
};

TEST_F(EmployeeDataTest, ReadsCurrentOlderAndTextLinesOrNone) {
  store("12,7", {kEmployee, cp("Verwaltung Süd, Bäckerei"),
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

  // A file without entries gives no names.
  store("0", {});
  Mitarbeiterdaten_lesen(state);
  EXPECT_EQ(state.Mitarbeiter_Name, Lines{"NoNames"});
  for (const Lines* field :
       {&state.Mitarbeiter_Kennung, &state.Mitarbeiter_Von, &state.Mitarbeiter_Bis,
        &state.Mitarbeiter_Urlaub, &state.Mitarbeiter_Sonderurlaub}) {
    EXPECT_EQ(*field, Lines{""});
  }
}

TEST_F(EmployeeDataTest, ValuesTakeTheRegionalSeparatorAndTheNumberIsRoundedDown) {
  state.Region = platform::regionalSettingsFor("en_US");
  state.Dezimaltrenner = ".";
  const std::string longest = kEmployee + std::string(32765 - kEmployee.size(), 'x');
  for (const auto& [text, number] : {std::pair{"-3.5", -4}, {"32767", 32767}, {" 7 ", 7}}) {
    store(text, {longest});
    Mitarbeiterdaten_lesen(state);
    EXPECT_EQ(state.Mitarbeiter_Zahl, number) << text;
  }
  EXPECT_EQ(state.Mitarbeiter_Kennung, Lines{longest.substr(kEmployee.size() - 2)});
  EXPECT_EQ(state.Mitarbeiter_Urlaub, Lines{"025.5:030.0:030.0:030.0:030.0"});
  EXPECT_EQ(state.Mitarbeiter_Sonderurlaub, Lines{"002.5"});
}

TEST_F(EmployeeDataTest, TheWriterWritesTheLayoutThatTheReaderReads) {
  state.Mitarbeiter_Zahl = -7;
  const std::string values = "170101:999999:005,0:030,0:030,0:-02,5:030,5:001,5:000,0:000,0:000,0:";
  Lines expected = {"[Mitarbeiterdaten]",        "99999999",     "-7",
                    values + "Mitarbeiter A:ma", cp("Team Süd"), values + cp("Jörg Weiß:jweiß")};
  std::vector<EntryView> entries;  // as the reader views the lines
  for (std::size_t i = 3; i < expected.size(); ++i) entries.push_back(viewEntry(expected[i]));
  writeEmployeeData(state, entries);
  EXPECT_EQ(written("Mitarbeiterdaten.dat"), expected);
  EXPECT_FALSE(state.Datei1.isOpen());

  Mitarbeiterdaten_lesen(state);
  EXPECT_EQ(state.Mitarbeiter_Name, (Lines{"Mitarbeiter A", cp("Team Süd"), cp("Jörg Weiß")}));
  EXPECT_EQ(state.Mitarbeiter_Urlaub[2], "005,0:030,0:030,0:-02,5:030,5");

  state.Mitarbeiter_Kopf = "12345678";
  writeEmployeeData(state, entries);
  expected[1] = "12345678";
  EXPECT_EQ(written("Mitarbeiterdaten.dat"), expected);
}

}  // namespace
}  // namespace hostfiles
