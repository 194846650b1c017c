// What the tests of the planner's files share: scrambled fixtures built in the
// test, and a strict reading of the files we write.
#pragma once

#include <string>
#include <vector>

#include "support/state_fixture.h"

namespace hostfiles {

using Lines = std::vector<std::string>;

// A scrambled file holding `texts`, with keys from the whole range of codes.
std::string scrambledFile(const Lines& texts);
// The texts of a file that we wrote. Fails the test unless every line ends with
// CR LF and is a scrambled line with a key from 32 to 254.
Lines writtenTexts(const std::string& bytes);

// The error report of the German build.
std::string errorReport(const std::string& context, int number, const std::string& description);

// Names a parameterised test after the label of its case.
template <typename Case>
std::string byLabel(const ::testing::TestParamInfo<Case>& info) {
  return info.param.label;
}

class PlannerFileTest : public testing_support::StateTest {
 protected:
  PlannerFileTest() {
    state.Datenpfad = folder.path();
    state.Dezimaltrenner.assign(1, ',');  // not = ",": a false -Wrestrict of mingw GCC 12
    state.Datum_heute = "261204";
    state.Benutzername = "mueller";
  }
};

}  // namespace hostfiles
