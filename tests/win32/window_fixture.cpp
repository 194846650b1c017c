#include "window_fixture.h"

#include "hostfiles/installation_settings.h"
#include "program_win.h"
#include "startup/main.h"

namespace win32_testing {

void WindowTest::open(startup::Language language) {
  state.language = language;
  wizard::startProgram(state);
  form = std::make_unique<wizard::frmPersonallader>(state);
  window = win32ui::openWizard(state, *form, dialogs, GetModuleHandleW(nullptr));
  window->onEnd = [this](int status) { endStatus = status; };
  ShowWindow(window->handle(), SW_SHOW);
  settle();
}

void WindowTest::click(int index) {
  SendMessageW(button(index), BM_CLICK, 0, 0);
  settle(100);
}

void WindowTest::pressKey(UINT key) {
  MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(handle(), &message));
  settle(100);
}

int WindowTest::shownStep() {
  using wizard::ControlKind;
  int current = 5;
  for (int n = 4; n >= 1; --n) {
    EXPECT_EQ(IsWindowEnabled(button(n)) != FALSE, form->cmdAuswahl(n).Enabled) << "button " << n;
    EXPECT_EQ(IsWindowEnabled(window->control({ControlKind::Frame, n})) != FALSE,
              form->fraRahmen(n).Enabled)
        << "frame " << n;
    EXPECT_EQ(SendMessageW(window->control({ControlKind::Picture, n}), STM_GETICON, 0, 0),
              reinterpret_cast<LRESULT>(window->picture(form->imgIcon(n).picture)))
        << "picture " << n;
    if (IsWindowEnabled(button(n))) current = n;
  }
  EXPECT_TRUE(IsWindowEnabled(button(5)));
  return current;
}

}  // namespace win32_testing
