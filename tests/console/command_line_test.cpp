// Command lines that name no run give back their first mistake.
#include "console/command_line.h"

#include <gtest/gtest.h>

namespace console {
namespace {

struct Case {
  std::vector<std::string> args;
  CommandLineMistake mistake;
};

class CommandLineMistakeTest : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineMistakeTest, NamesTheArgumentAtFault) {
  std::vector<platform::Argument> arguments;
  for (const std::string& text : GetParam().args) arguments.push_back({text});
  const auto parsed = batchOptions(arguments);
  ASSERT_TRUE(std::holds_alternative<CommandLineMistake>(parsed));
  EXPECT_EQ(std::get<CommandLineMistake>(parsed), GetParam().mistake);
}

using enum MistakeKind;
INSTANTIATE_TEST_SUITE_P(
    Mistakes, CommandLineMistakeTest,
    ::testing::Values(
        Case{{"--reprot"}, {kUnknownOption, "--reprot"}},
        Case{{"chek", "a.csv"}, {kUnknownCommand, "chek"}},
        Case{{"check", "--reprot", "f", "a.csv"}, {kUnknownOption, "--reprot"}},
        Case{{"check", "-y", "a.csv"}, {kUnknownOption, "-y"}},
        Case{{"check", "--yes", "a.csv"}, {kNotForCommand, "--yes", "check"}},
        Case{{"backups", "--data"}, {kMissingValue, "--data"}},
        Case{{"check", "--report", "--data", "d", "a.csv"}, {kMissingValue, "--report"}},
        Case{{"check", "--report", "", "a.csv"}, {kEmptyValue, "--report"}},
        Case{{"restore", "--yes"}, {kMissingArgument, "restore"}},
        Case{{"import", "a.csv", "b.csv"}, {kExtraArgument, "b.csv"}},
        Case{{"backups", "a"}, {kExtraArgument, "a"}},
        Case{{"import", "--dry-run", "--yes", "a.csv"}, {kConflict, "--yes", "--dry-run"}},
        Case{{"check", "--region", "xx-XX", "a.csv"}, {kUnknownRegion, "xx-XX"}},
        Case{{"backups", "--region", "de-DE"}, {kNotForCommand, "--region", "backups"}}));

}  // namespace
}  // namespace console
