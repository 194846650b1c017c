#include "dialog_hook.h"

// after windows.h
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include "screen_shot.h"

namespace win32_testing {

namespace {

// Hooks and timers carry no data of their own.
thread_local DialogHook* current = nullptr;
constexpr UINT_PTR kAnswerTimer = 0xD1A;

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

SeenDialog describe(HWND dialog) {
  SeenDialog seen;
  seen.title = textOf(dialog);
  seen.owner = GetWindow(dialog, GW_OWNER);
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (!IsWindowVisible(child)) continue;
    if (className(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
      seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    } else if (className(child) == L"Static" && seen.text.empty()) {
      seen.text = textOf(child);
    } else if (className(child) == L"Button" && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
      seen.buttons.push_back(GetDlgCtrlID(child));
      // The default button is drawn as such and pressed by Enter.
      if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = GetDlgCtrlID(child);
    }
  }
  if (const HWND fileTypes = GetDlgItem(dialog, cmb1)) seen.fileType = textOf(fileTypes);
  return seen;
}

void click(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void CALLBACK onTimer(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  if (current == nullptr || !IsWindow(dialog)) return;
  current->seen.push_back(describe(dialog));
  if (current->answers.empty()) {
    ADD_FAILURE() << "a dialog without an answer: "
                  << testing::PrintToString(current->seen.back().text);
    return click(dialog, IDCANCEL);
  }
  const Answer next = std::move(current->answers.front());
  current->answers.pop_front();
  next(dialog);
}

LRESULT CALLBACK onEvent(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  // A dialog is activated when it opens, and again when a box over it closes.
  // The delay is long enough for a dialog to fill itself and be drawn.
  if (code == HCBT_ACTIVATE && current != nullptr && className(window) == L"#32770") {
    SetTimer(window, kAnswerTimer, 150, onTimer);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

Answer press(int button) {
  return [button](HWND dialog) { click(dialog, button); };
}

Answer chooseFolder(const std::wstring& folder) {
  return [folder](HWND dialog) {
    // The dialog fills its tree of folders lazily, the first time in a
    // process more slowly: select until the tree has taken the folder.
    const HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    for (int attempt = 0; attempt < 50; ++attempt) {
      SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
      if (SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0) break;
      settle(100);
    }
    click(dialog, IDOK);
  };
}

Answer chooseFile(const std::wstring& path) {
  return [path](HWND dialog) {
    SetWindowTextW(GetDlgItem(dialog, cmb13), path.c_str());
    click(dialog, IDOK);
  };
}

Answer screenshotThen(const std::string& name, HWND window, Answer answer) {
  return [name, window, answer](HWND dialog) {
    saveScreenshot(name, window, dialog);
    answer(dialog);
  };
}

DialogHook::DialogHook()
    : hook_(SetWindowsHookExW(WH_CBT, onEvent, nullptr, GetCurrentThreadId())) {
  current = this;
}

DialogHook::~DialogHook() {
  UnhookWindowsHookEx(hook_);
  current = nullptr;
  EXPECT_TRUE(answers.empty()) << answers.size() << " answers left for dialogs that never came";
}

}  // namespace win32_testing
