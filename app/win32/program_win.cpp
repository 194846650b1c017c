#include "program_win.h"

#include <commctrl.h>

#include "hostfiles/installation_settings.h"
#include "startup/main.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace win32ui {

namespace {

int messageLoop(HWND window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Enter and the arrow keys move between the buttons as in a dialog.
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

std::unique_ptr<WizardWindow> openWizard(wizard::ProgramState& state,
                                         wizard::frmPersonallader& form, Win32Dialogs& dialogs,
                                         HINSTANCE instance) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  if (!InitCommonControlsEx(&controls)) startup::reportMissingPlanner(state);
  auto window = WizardWindow::create(form, instance);
  if (window == nullptr) startup::reportMissingPlanner(state);
  form.hWnd = reinterpret_cast<std::intptr_t>(window->handle());
  form.onChange = [&window = *window](const wizard::ControlChange& change) {
    window.redraw(change);
  };
  dialogs.setOwner(window->handle());
  window->addMenuCommand(kShowChangesCommand, wizard::texts::changesCommand(state.language));
  window->addMenuCommand(kSaveFaultsReportCommand,
                         wizard::texts::faultsReportCommand(state.language));
  window->addMenuCommand(kExportCommand, wizard::texts::exportCommand(state.language));
  window->addMenuCommand(kRestoreBackupCommand, wizard::texts::restoreCommand(state.language));
  form.Form_Load();
  window->showForm();
  return window;
}

int runProgram(HINSTANCE instance, int show) {
  Win32Dialogs dialogs;
  wizard::ProgramState state(platform::hostSystem(), dialogs);
  try {
    wizard::startProgram(state);
    wizard::frmPersonallader form(state);
    const auto window = openWizard(state, form, dialogs, instance);
    window->onEnd = [](int status) { PostQuitMessage(status); };
    ShowWindow(window->handle(), show);
    return messageLoop(window->handle());
  } catch (const startup::ProgramEnd& end) {
    return end.status;
  }
}

}  // namespace win32ui
