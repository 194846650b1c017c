#include "dialog_hook.h"

// after windows.h
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include "screen_shot.h"

namespace win32_testing {

namespace {

// Hooks and timers carry no data of their own.
thread_local DialogHook* current = nullptr;

constexpr UINT_PTR kAnswerTimer = 0xD1A;
// Long enough for a dialog to fill itself and be drawn.
constexpr UINT kAnswerDelayMilliseconds = 150;

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool isClass(HWND window, const wchar_t* name) {
  return lstrcmpiW(className(window).c_str(), name) == 0;
}

BoxIcon iconOf(HWND picture) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(picture, STM_GETICON, 0, 0));
  if (icon == nullptr) return BoxIcon::kNone;
  if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) return BoxIcon::kExclamation;
  if (icon == LoadIconW(nullptr, IDI_QUESTION)) return BoxIcon::kQuestion;
  return BoxIcon::kOther;
}

void describeChild(HWND child, SeenDialog& seen) {
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (isClass(child, L"Static")) {
    if ((style & SS_TYPEMASK) == SS_ICON) {
      seen.icon = iconOf(child);
    } else if (seen.text.empty()) {
      seen.text = textOf(child);
    }
  } else if (isClass(child, L"Button") && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
    seen.buttons.push_back(GetDlgCtrlID(child));
    // The default button is drawn as such and pressed by Enter.
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = GetDlgCtrlID(child);
  }
}

SeenDialog describe(HWND dialog) {
  SeenDialog seen;
  seen.title = textOf(dialog);
  seen.owner = GetWindow(dialog, GW_OWNER);
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) describeChild(child, seen);
  }
  if (const HWND fileTypes = GetDlgItem(dialog, cmb1)) {
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    seen.folder = folder;
    seen.fileType = textOf(fileTypes);
  }
  return seen;
}

void click(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void cancel(HWND dialog) {
  for (int button : {IDCANCEL, IDNO, IDOK}) {
    if (GetDlgItem(dialog, button) != nullptr) return click(dialog, button);
  }
}

}  // namespace

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring wide(const std::string& utf8) {
  std::wstring text(utf8.size(), L'\0');
  text.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                          static_cast<int>(text.size()))));
  return text;
}

void PrintTo(const SeenDialog& dialog, std::ostream* out) {
  *out << "{title " << testing::PrintToString(dialog.title) << ", text "
       << testing::PrintToString(dialog.text) << ", icon " << static_cast<int>(dialog.icon)
       << ", buttons " << testing::PrintToString(dialog.buttons) << ", default "
       << dialog.defaultButton << ", owner " << dialog.owner << ", folder "
       << testing::PrintToString(dialog.folder) << ", file type "
       << testing::PrintToString(dialog.fileType) << "}";
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
    HWND name = GetDlgItem(dialog, cmb13);
    if (name == nullptr) name = GetDlgItem(dialog, edt1);
    SetWindowTextW(name, path.c_str());
    click(dialog, IDOK);
  };
}

Answer screenshotThen(const std::string& name, HWND window, Answer answer) {
  return [name, window, answer](HWND dialog) {
    settle();
    RECT windowArea, dialogArea, both;
    GetWindowRect(window, &windowArea);
    GetWindowRect(dialog, &dialogArea);
    UnionRect(&both, &windowArea, &dialogArea);
    saveScreenshot(name, both);
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

LRESULT CALLBACK DialogHook::onEvent(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  // A dialog is activated when it opens, and again when a box over it closes.
  if (code == HCBT_ACTIVATE && current != nullptr && className(window) == L"#32770") {
    SetTimer(window, kAnswerTimer, kAnswerDelayMilliseconds, onTimer);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogHook::onTimer(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  if (current != nullptr && IsWindow(dialog)) current->answer(dialog);
}

void DialogHook::answer(HWND dialog) {
  seen.push_back(describe(dialog));
  if (answers.empty()) {
    ADD_FAILURE() << "a dialog without an answer: " << testing::PrintToString(seen.back().title)
                  << " " << testing::PrintToString(seen.back().text);
    cancel(dialog);
    return;
  }
  const Answer next = std::move(answers.front());
  answers.pop_front();
  next(dialog);
}

}  // namespace win32_testing
