// The real wizard window of a test: the program's start over a test system,
// the window shown on the screen, its dialogs answered by a hook.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <array>
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

// Of one step: frame enabled, button enabled, the picture it shows.
struct StepState {
  bool frame, button;
  wizard::Bild picture;
  bool operator==(const StepState&) const = default;
};
using WindowState = std::array<StepState, 4>;
void PrintTo(const StepState& step, std::ostream* out);

inline constexpr StepState kDone{true, false, wizard::Bild::OK};
inline constexpr StepState kCurrent{true, true, wizard::Bild::Pfeil};
inline constexpr StepState kInactive{false, false, wizard::Bild::Inaktiv};
inline const WindowState S1{kCurrent, kInactive, kInactive, kInactive};
inline const WindowState S2{kDone, kCurrent, kInactive, kInactive};
inline const WindowState S3{kDone, kDone, kCurrent, kInactive};
inline const WindowState S4{kDone, kDone, kDone, kCurrent};
inline const WindowState S5{kDone, kDone, kDone, kDone};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  // Runs the program's start in `language` and shows the window.
  void open(startup::Language language = startup::Language::DE);
  // Clicks button `index` and waits until its step has run.
  void click(int index);
  // Presses `key` on the control with the focus, through the dialog keys of
  // the program's message loop.
  void pressKey(UINT key);
  HWND button(int index) const { return window->control({wizard::ControlKind::Button, index}); }
  // What the window shows of the four steps; the close button is checked too.
  WindowState shown();
  HWND handle() const { return window->handle(); }
  void screenshot(const std::string& name) { saveScreenshot(name, handle()); }

  // A planner data folder "Daten" with one employee, with its trailing separator.
  std::string plannerFolder();
  // The planner's settings file in the installation folder, naming `dataFolder`.
  void writeSettings(const std::string& dataFolder);
  // A CSV file in the code page with a header line and `rows`.
  std::string csvFile(const std::string& name, const std::string& rows);

  // What the boxes of the window in its build's language look like.
  SeenDialog notice(const std::string& utf8) const;
  SeenDialog question(const std::string& utf8) const;

  testing_support::TestSystem system;
  win32ui::Win32Dialogs dialogs;
  startup::ProgramState state{system, dialogs};
  testing_support::TempFolder folder;
  DialogHook hook;
  std::unique_ptr<wizard::frmPersonallader> form;
  std::unique_ptr<win32ui::WizardWindow> window;
  std::optional<int> endStatus;  // set when the window is gone
};

}  // namespace win32_testing
