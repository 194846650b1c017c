#include "hostfiles/log_book.h"

#include <gtest/gtest.h>

#include "hostfiles/planner_file_fixture.h"

namespace hostfiles {
namespace {

using startup::cp;

class LogBookTest : public PlannerFileFixture {};

TEST_F(LogBookTest, FirstEntryOfAMonthCreatesItsFileAndLaterOnesAreAppended) {
  state.Logpfad = folder.path();
  state.Datum_heute = "261130";  // the program started before midnight
  system.clock = {2026, 12, 1, 0, 0, 5};
  Logbuch_ergänzen(state, state.Logpfad, 2, "Mitarbeiterdaten importiert");
  system.clock = {2027, 1, 2, 9, 8, 7};
  Logbuch_ergänzen(state, state.Logpfad, 0, cp("a|b Jörg"));
  EXPECT_EQ(folder.entries(), Lines{"2611 Zentavo.log"});
  EXPECT_EQ(written("2611 Zentavo.log"),
            (Lines{"01.12.26 00:00:05|mueller|ZentaAdmin|Mitarbeiterdaten importiert",
                   cp("02.01.27 09:08:07|mueller|a|b Jörg")}));
  EXPECT_TRUE(dialogs.shown.empty());
}

// An entry that cannot be written is told, and leaves no file that it began.
TEST_F(LogBookTest, WithoutALogFolderNothingHappensAndAnEntryNotWrittenLeavesNothing) {
  std::filesystem::current_path(testing_support::nativePath(folder.path()));
  EXPECT_TRUE(Logbuch_ergänzen(state, state.Logpfad, 2, "x"));
  state.Logpfad = folder.file("fehlt") + platform::kSeparator;
  EXPECT_FALSE(Logbuch_ergänzen(state, state.Logpfad, 2, "x"));
  state.Logpfad = folder.path();
  system.refuseWrites = true;
  EXPECT_FALSE(Logbuch_ergänzen(state, state.Logpfad, 2, "x"));
  system.refuseWrites = false;
  system.fault = {system.operations + 2, false, platform::WriteResult::kDiskFull};  // the write
  EXPECT_FALSE(Logbuch_ergänzen(state, state.Logpfad, 2, "x"));
  EXPECT_TRUE(folder.entries().empty());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace hostfiles
