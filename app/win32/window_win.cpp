#include "window_win.h"

#include "platform/codepage.h"
#include "resource_ids.h"
#include "startup/messages.h"

namespace win32ui {

namespace {

constexpr wchar_t kClassName[] = L"frmPersonallader";
// A fixed size, as the controls have fixed places.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

bool registerClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PERSONALLADER),
                                                    IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PERSONALLADER),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
};

ControlClass classOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS};
    case ControlKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::Picture:
      return {L"STATIC", SS_ICON | SS_REALSIZECONTROL};
  }
  return {};
}

std::string captionOf(wizard::frmPersonallader& form, const ControlChange& control) {
  switch (control.kind) {
    case ControlKind::Frame:
      return form.fraRahmen(control.index).Caption;
    case ControlKind::Button:
      return form.cmdAuswahl(control.index).Caption;
    case ControlKind::Picture:
      break;
  }
  return {};
}

}  // namespace

std::unique_ptr<WizardWindow> WizardWindow::create(wizard::frmPersonallader& form,
                                                   HINSTANCE instance) {
  if (!registerClass(instance, windowProc)) return nullptr;
  std::unique_ptr<WizardWindow> window(new WizardWindow(form, instance));
  const std::wstring title = platform::codePageToUtf16(form.Caption);
  CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, nullptr, instance, window.get());
  if (window->hwnd_ == nullptr || !window->createControls()) return nullptr;
  window->layout(GetDpiForWindow(window->hwnd_));
  return window;
}

WizardWindow::~WizardWindow() {
  onEnd = nullptr;
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

HWND WizardWindow::control(const ControlChange& control) const {
  return GetDlgItem(hwnd_, controlId(control));
}

void WizardWindow::addMenuCommand(UINT command, const std::string& caption) {
  if (caption.empty()) return;
  const HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menuExtended_) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  menuExtended_ = true;
  AppendMenuW(menu, MF_STRING, command, platform::codePageToUtf16(caption).c_str());
}

// The outcome of the steps decides, as the model tells it.
void WizardWindow::enableMenuCommands() {
  const HMENU menu = GetSystemMenu(hwnd_, FALSE);
  const auto enable = [menu](UINT command, bool usable) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (usable ? MF_ENABLED : MF_GRAYED));
  };
  enable(kShowChangesCommand, form_.canShowChanges());
  enable(kSaveFaultsReportCommand, form_.canSaveFaultsReport());
  enable(kExportCommand, form_.canExport());
  enable(kRestoreBackupCommand, form_.canRestore());
}

bool WizardWindow::createControls() {
  for (const ControlChange& control : kControls) {
    const ControlClass type = classOf(control.kind);
    const std::wstring caption = platform::codePageToUtf16(captionOf(form_, control));
    const HWND child = CreateWindowExW(
        0, type.name, caption.c_str(), WS_CHILD | WS_VISIBLE | type.style, 0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))), instance_, nullptr);
    if (child == nullptr) return false;
  }
  return true;
}

void WizardWindow::showForm() {
  SetWindowTextW(hwnd_, platform::codePageToUtf16(form_.Caption).c_str());
  layout(GetDpiForWindow(hwnd_));
  for (const ControlChange& control : kControls) redraw(control);
  enableMenuCommands();
  centerOnMonitor();
}

void WizardWindow::centerOnMonitor() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT window;
  GetWindowRect(hwnd_, &window);
  const RECT& work = monitor.rcWork;
  const int left = work.left + (work.right - work.left - (window.right - window.left)) / 2;
  const int top = work.top + (work.bottom - work.top - (window.bottom - window.top)) / 2;
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Places, font and pictures for `dpi`. The new font and pictures go to the
// controls before the old ones are released.
void WizardWindow::layout(UINT dpi) {
  Font font = createWindowFont(dpi);
  const int pictureSize = toPixels(form_.imgIcon(1).rect.height, static_cast<int>(dpi));
  StepPictures pictures = loadStepPictures(instance_, pictureSize);
  for (const ControlChange& control : kControls) {
    const PixelRect place = toPixels(placeOnWindow(form_, control), static_cast<int>(dpi));
    const HWND child = this->control(control);
    SetWindowPos(child, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    if (control.kind == ControlKind::Picture) {
      const HICON icon = pictures.of(form_.imgIcon(control.index).picture);
      SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
  }
  font_ = std::move(font);
  pictures_ = std::move(pictures);
  resizeWindow(dpi);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// The client area gets the form's size. The frame is measured afterwards, as
// it may differ from the estimate for `dpi` (a caption of another height).
void WizardWindow::resizeWindow(UINT dpi) {
  const int width = toPixels(form_.width, static_cast<int>(dpi));
  const int height = toPixels(form_.height, static_cast<int>(dpi));
  RECT outer{0, 0, width, height};
  AdjustWindowRectExForDpi(&outer, kStyle, FALSE, 0, dpi);
  const auto resize = [&](int outerWidth, int outerHeight) {
    SetWindowPos(hwnd_, nullptr, 0, 0, outerWidth, outerHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  resize(outer.right - outer.left, outer.bottom - outer.top);
  RECT client, window;
  GetClientRect(hwnd_, &client);
  GetWindowRect(hwnd_, &window);
  if (client.right != width || client.bottom != height) {
    resize(window.right - window.left + width - client.right,
           window.bottom - window.top + height - client.bottom);
  }
}

void WizardWindow::redraw(const ControlChange& control) {
  const HWND child = this->control(control);
  switch (control.kind) {
    case ControlKind::Frame:
      EnableWindow(child, form_.fraRahmen(control.index).Enabled);
      // A step button is usable only inside an enabled frame.
      redraw({ControlKind::Button, control.index});
      break;
    case ControlKind::Button: {
      const bool usable = form_.canPress(control.index);
      const HWND focus = GetFocus();
      EnableWindow(child, usable);
      if (focus == child && !usable) focusFirstUsable();
      // The next step's button takes the focus from the window's other controls.
      if (usable && control.index != 5 && focus != nullptr && GetParent(focus) == hwnd_) {
        SetFocus(child);
      }
      break;
    }
    case ControlKind::Picture:
      SendMessageW(child, STM_SETICON,
                   reinterpret_cast<WPARAM>(pictures_.of(form_.imgIcon(control.index).picture)), 0);
      break;
  }
}

LRESULT CALLBACK WizardWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window =
        static_cast<WizardWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<WizardWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return window->handle(message, wParam, lParam);
}

LRESULT WizardWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // The dialog keys of the message loop send IDOK for Enter.
      if (LOWORD(wParam) == IDOK) {
        pressFocusedButton();
      } else if (HIWORD(wParam) == BN_CLICKED) {
        click(buttonIndex(LOWORD(wParam)));
      }
      return 0;
    case WM_SYSCOMMAND:
      if (!runMenuCommand(static_cast<UINT>(wParam & 0xFFF0))) break;
      return 0;
    case WM_SETFOCUS:
      focusFirstUsable();
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      layout(LOWORD(wParam));
      return 0;
    }
    case WM_DESTROY:
      if (onEnd) onEnd(status_);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void WizardWindow::click(int index) {
  // (A click sent to a disabled button by a program does nothing in the model.)
  if (index == 0) return;
  try {
    form_.cmdAuswahl_Click(index);
  } catch (const startup::ProgramEnd& ending) {
    end(ending.status);
    return;
  }
  if (form_.unloaded) {
    end(0);
  } else {
    enableMenuCommands();
  }
}

bool WizardWindow::runMenuCommand(UINT command) {
  try {
    switch (command) {
      case kShowChangesCommand:
        form_.showChanges();
        break;
      case kSaveFaultsReportCommand:
        form_.saveFaultsReport();
        break;
      case kExportCommand:
        form_.chooseFileAndExport();
        break;
      case kRestoreBackupCommand:
        form_.chooseBackupAndRestore();
        break;
      default:
        return false;
    }
  } catch (const startup::ProgramEnd& ending) {
    end(ending.status);
  }
  return true;
}

void WizardWindow::pressFocusedButton() {
  const HWND focus = GetFocus();
  if (focus != nullptr && GetParent(focus) == hwnd_) SendMessageW(focus, BM_CLICK, 0, 0);
}

void WizardWindow::focusFirstUsable() {
  const HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  if (first != nullptr) SetFocus(first);
}

void WizardWindow::end(int status) {
  status_ = status;
  DestroyWindow(hwnd_);
}

}  // namespace win32ui
