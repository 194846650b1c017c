#include "modal_dialog_win.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "window_look_win.h"

namespace win32ui {

namespace {

// Windows' dialog measures at 96 DPI: margins and gaps, a button's least
// width and its height, the room beside its caption.
constexpr int kMargin = 11;
constexpr int kGap = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kCaptionRoom = 24;

struct Running {
  const DialogDescription& description;
  HWND owner;
  Font font;
  UINT dpi = 96;
  int buttonWidth = 0;
  std::exception_ptr failure;
};

int scaled(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), 96); }

// A dialog without controls: they are made for the owner's DPI when it opens.
struct alignas(DWORD) Template {
  DLGTEMPLATE head;
  WORD menu = 0;
  WORD windowClass = 0;
  WORD title = 0;
};

// Every button as wide as the widest caption needs.
void measureButtons(HWND dialog, Running& running) {
  std::vector<std::wstring> captions;
  for (const DialogButton& button : running.description.buttons) captions.push_back(button.caption);
  running.buttonWidth = std::max(scaled(kButtonWidth, running.dpi),
                                 textWidth(dialog, captions) + scaled(kCaptionRoom, running.dpi));
}

void place(HWND dialog, const Running& running) {
  RECT client;
  GetClientRect(dialog, &client);
  const int margin = scaled(kMargin, running.dpi);
  const int height = scaled(kButtonHeight, running.dpi);
  const int gap = scaled(kGap, running.dpi);
  const int top = client.bottom - margin - height;
  int left = client.right - margin -
             static_cast<int>(running.description.buttons.size()) * (running.buttonWidth + gap) +
             gap;
  for (const DialogButton& button : running.description.buttons) {
    SetWindowPos(GetDlgItem(dialog, button.id), nullptr, left, top, running.buttonWidth, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    left += running.buttonWidth + gap;
  }
  SetWindowPos(GetDlgItem(dialog, kDialogContent), nullptr, margin, margin,
               client.right - 2 * margin, top - gap - margin, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The font for the dialog's DPI to every control, then the dialog at `size` (96 DPI, at
// least wide enough for its buttons) in the middle of its owner.
void applyDpi(HWND dialog, Running& running, SIZE size) {
  Font font = createWindowFont(running.dpi);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  running.font = std::move(font);  // the old one only once no control uses it
  measureButtons(dialog, running);
  const int buttons = static_cast<int>(running.description.buttons.size());
  RECT outer{0, 0,
             std::max(scaled(size.cx, running.dpi),
                      buttons * (running.buttonWidth + scaled(kGap, running.dpi)) +
                          2 * scaled(kMargin, running.dpi)),
             scaled(size.cy, running.dpi)};
  AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), running.dpi);
  RECT owner;
  GetWindowRect(running.owner != nullptr ? running.owner : GetDesktopWindow(), &owner);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(dialog, nullptr, (owner.left + owner.right - width) / 2,
               (owner.top + owner.bottom - height) / 2, width, height, SWP_NOZORDER);
  place(dialog, running);
}

void createControls(HWND dialog, const DialogDescription& description) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
  const auto create = [&](const wchar_t* type, const wchar_t* text, DWORD style, int id) {
    CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  create(description.contentClass, L"", description.contentStyle | WS_BORDER, kDialogContent);
  for (const DialogButton& button : description.buttons) {
    create(L"BUTTON", button.caption.c_str(),
           button.id == description.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, button.id);
  }
  SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(description.defaultButton), 0);
}

INT_PTR initialize(HWND dialog, Running& running) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&running));
  SetWindowTextW(dialog, running.description.title.c_str());
  createControls(dialog, running.description);
  running.dpi = GetDpiForWindow(running.owner != nullptr ? running.owner : dialog);
  applyDpi(dialog, running, running.description.size);
  running.description.fill(dialog);
  SetFocus(GetDlgItem(dialog, kDialogContent));
  return FALSE;  // the focus is set
}

INT_PTR handle(HWND dialog, Running& running, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      place(dialog, running);
      return TRUE;
    case WM_GETMINMAXINFO: {
      const int buttons = static_cast<int>(running.description.buttons.size());
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {buttons * (running.buttonWidth + scaled(kGap, running.dpi)) +
                                    scaled(3 * kMargin, running.dpi),
                                scaled(4 * kButtonHeight, running.dpi)};
      return TRUE;
    }
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      running.dpi = LOWORD(wParam);
      applyDpi(dialog, running, running.description.size);
      SetWindowPos(dialog, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
      return TRUE;
    }
    case WM_COMMAND:
      if (running.description.command(dialog, LOWORD(wParam), HIWORD(wParam))) return TRUE;
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* running = message == WM_INITDIALOG
                      ? reinterpret_cast<Running*>(lParam)
                      : reinterpret_cast<Running*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (running == nullptr) return FALSE;
  // No exception may cross Windows' own frames: it ends the dialog and waits.
  try {
    if (message == WM_INITDIALOG) return initialize(dialog, *running);
    return handle(dialog, *running, message, wParam, lParam);
  } catch (...) {
    running->failure = std::current_exception();
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

}  // namespace

int textWidth(HWND dialog, const std::vector<std::wstring>& texts) {
  const HDC context = GetDC(dialog);
  const auto font =
      reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(dialog, kDialogContent), WM_GETFONT, 0, 0));
  const HGDIOBJ before = SelectObject(context, font);
  int widest = 0;
  for (const std::wstring& text : texts) {
    RECT bounds{};
    DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_SINGLELINE);
    widest = std::max(widest, static_cast<int>(bounds.right));
  }
  SelectObject(context, before);
  ReleaseDC(dialog, context);
  return widest;
}

INT_PTR runModalDialog(HWND owner, const DialogDescription& description) {
  Template form{};
  form.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME;
  Running running{description, owner, nullptr, 96, 0, nullptr};
  const INT_PTR result =
      DialogBoxIndirectParamW(reinterpret_cast<HINSTANCE>(GetModuleHandleW(nullptr)), &form.head,
                              owner, dialogProc, reinterpret_cast<LPARAM>(&running));
  if (running.failure) std::rethrow_exception(running.failure);
  return result;
}

}  // namespace win32ui
