// The start of the Windows program and its wizard window.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs_win.h"
#include "window_win.h"
#include "wizard/program_state.h"
#include "wizard/wizard_window.h"

namespace win32ui {

// Creates the window over `form` with the restore entry in its system menu,
// connects it with the form and the dialogs, runs Form_Load and draws the
// outcome; the window stays hidden. When Windows cannot create it, ends the
// program with the message that the planner must be installed first.
std::unique_ptr<WizardWindow> openWizard(wizard::ProgramState& state,
                                         wizard::frmPersonallader& form, Win32Dialogs& dialogs,
                                         HINSTANCE instance);

// Main, then the wizard window until it is closed; the program's exit status.
int runProgram(HINSTANCE instance, int show);

}  // namespace win32ui
