// A program state over a data folder in a temporary folder, for the tests of
// the planner's files.
#pragma once

#include "support/planner_files.h"
#include "support/state_fixture.h"

namespace hostfiles {

using testing_support::errorReport;
using testing_support::Lines;
using testing_support::scrambledFile;

// An employee line of the current form.
inline const std::string kEmployee =
    "170101:999999:025,5:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:Mitarbeiter A:ma";

class PlannerFileFixture : public testing_support::StateTest {
 protected:
  PlannerFileFixture() {
    state.Datenpfad = folder.path();
    state.Dezimaltrenner.assign(1, ',');  // not = ",": a false -Wrestrict of mingw GCC 12
    state.Datum_heute = "261204";
    state.Benutzername = "mueller";
  }

  // The plain lines of a file in the folder.
  Lines written(const std::string& name) {
    return testing_support::readScrambledFile(folder.file(name));
  }
};

}  // namespace hostfiles
