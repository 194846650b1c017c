#include "hostfiles/employee_data.h"

#include <gtest/gtest.h>

#include <tuple>

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

  EmployeeFileHead head() { return Mitarbeiterdaten_lesen(state, folder.path()); }

  // Each entry in its current form: name, user id, dates, residual, last
  // entitlement, additional vacation.
  Lines entries() {
    Lines read;
    EXPECT_TRUE(readEmployeeEntries(state, folder.path(), [&](const EntryView& entry) {
      std::string fields(entry.name);
      for (const std::string_view field :
           {entry.userId, entry.fromDate, entry.toDate, entry.residual, entry.entitlements[3],
            entry.additional}) {
        (fields += '|') += field;
      }
      read.push_back(fields);
    }));
    return read;
  }
};

TEST_F(EmployeeDataTest, ReadsCurrentOlderAndTextLinesOrNone) {
  store("12,7", {kEmployee, cp("Verwaltung Süd, Bäckerei"),
                 "170101:999999:025:030:030:030:030:Mitarbeiter A:ma",  // the older form
                 "180202:991231:-02,5:030:031:032:033:" + cp("Jörg Weiß:jweiß"),
                 "000000:999999:000:030,0:030,0:030,0:030,0:001,0:000,0:000,0:000,0:B:"});
  const EmployeeFileHead read = head();
  EXPECT_EQ(std::tuple(read.value, read.number, read.holdsEntries), std::tuple("Kopf", 12, true));
  EXPECT_EQ(entries(), (Lines{"Mitarbeiter A|ma|170101|999999|025,5|030,0|002,5",
                              cp("Verwaltung Süd, Bäckerei||||||"),
                              "Mitarbeiter A|ma|170101|999999|025,0|030,0|000,0",
                              cp("Jörg Weiß|jweiß|180202|991231|-02,5|033,0|000,0"),
                              "B||000000|999999|000,0|030,0|001,0"}));

  // The planner marks a file without entries by a first entry "NoNames".
  for (const Lines& none : {Lines{}, Lines{"NoNames", kEmployee}}) {
    store("0", none);
    EXPECT_FALSE(head().holdsEntries);
  }
}

TEST_F(EmployeeDataTest, TheNumberIsRoundedDownInTheRegionsFormAndLinesMayBeLong) {
  state.region = platform::regionalSettingsFor("en_US");
  const std::string longest = kEmployee + std::string(32765 - kEmployee.size(), 'x');
  for (const auto& [text, number] : {std::pair{"-3.5", -4}, {"32767", 32767}, {" 7 ", 7}}) {
    store(text, {longest});
    EXPECT_EQ(head().number, number) << text;
  }
  EXPECT_EQ(entries(), Lines{"Mitarbeiter A|" + longest.substr(kEmployee.size() - 2) +
                             "|170101|999999|025,5|030,0|002,5"});
}

TEST_F(EmployeeDataTest, TheWriterWritesTheLayoutThatTheReaderReads) {
  EmployeeFileHead present{.value = "", .number = -7};
  const std::string values = "170101:999999:005,0:030,0:030,0:-02,5:030,5:001,5:000,0:000,0:000,0:";
  Lines expected = {"[Mitarbeiterdaten]",        "99999999",     "-7",
                    values + "Mitarbeiter A:ma", cp("Team Süd"), values + cp("Jörg Weiß:jweiß")};
  std::vector<EntryView> entries;  // as the reader views the lines
  for (std::size_t i = 3; i < expected.size(); ++i) entries.push_back(viewEntry(expected[i]));
  writeEmployeeData(state, folder.path(), present, entries);
  EXPECT_EQ(written("Mitarbeiterdaten.dat"), expected);

  present.value = "12345678";
  writeEmployeeData(state, folder.path(), present, entries);
  expected[1] = "12345678";
  EXPECT_EQ(written("Mitarbeiterdaten.dat"), expected);
}

}  // namespace
}  // namespace hostfiles
