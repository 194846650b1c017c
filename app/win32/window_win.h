// The wizard window frmPersonallader on the screen. It draws the model, hands
// the clicks of its five buttons and of its system menu's entries to it
// and follows the DPI of its monitor; everything the steps do happens in the
// model.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "window_controls.h"
#include "window_look_win.h"
#include "wizard/wizard_window.h"

namespace win32ui {

// The commands of the system menu's own entries: below the system's own
// commands, and their low four bits clear, as Windows uses them itself.
inline constexpr UINT kSaveFaultsReportCommand = 0x0100;
inline constexpr UINT kExportCommand = 0x0110;
inline constexpr UINT kRestoreBackupCommand = 0x0120;
inline constexpr UINT kShowChangesCommand = 0x0130;

class WizardWindow {
 public:
  // Creates the window, hidden, with every control of `form`, which must
  // outlive the window; nothing when Windows cannot create it.
  static std::unique_ptr<WizardWindow> create(wizard::frmPersonallader& form, HINSTANCE instance);
  ~WizardWindow();
  WizardWindow(const WizardWindow&) = delete;
  WizardWindow& operator=(const WizardWindow&) = delete;

  // Called once when the window is gone: with 0 when the user closed it, or
  // with the status of the fatal message or error report that ended the program.
  std::function<void(int status)> onEnd;

  HWND handle() const { return hwnd_; }
  HWND control(const ControlChange& control) const;
  // Adds the entry of `command` with `caption` (in the code page) to the
  // system menu, the first one after a separator; nothing for an empty
  // caption. Each is enabled while the model can act on it.
  void addMenuCommand(UINT command, const std::string& caption);
  // Draws the whole model (title, size, places, states and pictures) and puts
  // the window in the middle of its monitor.
  void showForm();
  // Draws one control of the model as it is now.
  void redraw(const ControlChange& control);
  // The icon that a step picture shows for `picture`.
  HICON picture(wizard::StepPicture picture) const { return pictures_.of(picture); }

 private:
  WizardWindow(wizard::frmPersonallader& form, HINSTANCE instance)
      : form_(form), instance_(instance) {}

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool createControls();
  void layout(UINT dpi);
  void resizeWindow(UINT dpi);
  void centerOnMonitor();
  void click(int index);
  // Runs the entry of `command`; false for a command that is not ours.
  bool runMenuCommand(UINT command);
  void enableMenuCommands();
  void pressFocusedButton();
  void focusFirstUsable();
  void end(int status);

  wizard::frmPersonallader& form_;
  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  Font font_;
  StepPictures pictures_;
  int status_ = 0;
  bool menuExtended_ = false;
};

}  // namespace win32ui
