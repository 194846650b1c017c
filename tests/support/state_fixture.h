// A program state connected to a TestSystem and ScriptedDialogs, in a given language.
#pragma once

#include <gtest/gtest.h>

#include "startup/messages.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "support/test_system.h"
#include "wizard/program_state.h"

namespace testing_support {

class StateTest : public ::testing::Test {
 protected:
  // The tests' texts are German, whatever the build's language.
  StateTest() {
    state.region = *system.region;
    state.language = startup::Language::DE;
  }

  void useLanguage(startup::Language language) {
    state.language = language;
    state.Programmtitel = "Titel";
  }

  TestSystem system;
  ScriptedDialogs dialogs;
  wizard::ProgramState state{system, dialogs};
  TempFolder folder;
  // A test that enters the temporary folder, to see that nothing looks in the
  // current one, leaves it before the folder goes.
  KeepCurrentFolder keepCurrentFolder;
};

// Runs `body`, which must end the program, and gives the one notice it showed
// (empty when it showed none).
template <typename Body>
std::string endingNotice(const ScriptedDialogs& dialogs, Body&& body) {
  const std::size_t before = dialogs.shown.size();
  try {
    body();
  } catch (const startup::ProgramEnd& end) {
    EXPECT_EQ(end.status, startup::kFatalExitStatus);
    if (dialogs.shown.size() == before) return "";
    EXPECT_EQ(dialogs.shown.size(), before + 1);
    return dialogs.shown.back().text;
  }
  ADD_FAILURE() << "the program did not end";
  return "";
}

// The error report of the German build.
inline std::string errorReport(const std::string& context, int number, const std::string& what) {
  return "Es ist folgender Fehler aufgetreten in Modul '" + context + "':\n\nFehler Nr. " +
         std::to_string(number) + "\n" + what + "\n\nDas Programm wird beendet.";
}

// Names a parameterised test after the label of its case.
template <typename Case>
std::string byLabel(const ::testing::TestParamInfo<Case>& info) {
  return info.param.label;
}

}  // namespace testing_support
