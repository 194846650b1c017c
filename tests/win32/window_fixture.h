// The real wizard window of a test: the program's start over a test system,
// the window shown on the screen, its dialogs answered by a hook.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

#include "dialog_hook.h"
#include "dialogs_win.h"
#include "screen_shot.h"
#include "support/temp_folder.h"
#include "support/test_system.h"
#include "window_win.h"

namespace win32_testing {

class WindowTest : public ::testing::Test {
 protected:
  // Runs the program's start in `language` and shows the window.
  void open(startup::Language language = startup::Language::DE);
  // Clicks button `index` and waits until its step has run.
  void click(int index);
  // Presses `key` on the control with the focus, through the dialog keys of
  // the program's message loop.
  void pressKey(UINT key);
  HWND button(int index) const { return window->control({wizard::ControlKind::Button, index}); }
  // Checks that the window shows each step's frame, button and picture as the
  // form has them, and the close button enabled; gives the step whose button
  // is enabled, 5 when all four are done.
  int shownStep();
  HWND handle() const { return window->handle(); }
  void screenshot(const std::string& name) { saveScreenshot(name, handle()); }

  testing_support::TestSystem system;
  win32ui::Win32Dialogs dialogs;
  wizard::ProgramState state{system, dialogs};
  testing_support::TempFolder folder;
  DialogHook hook;
  std::unique_ptr<wizard::frmPersonallader> form;
  std::unique_ptr<win32ui::WizardWindow> window;
  std::optional<int> endStatus;  // set when the window is gone
};

}  // namespace win32_testing
