#include <windows.h>
// after windows.h
#include <shlobj.h>

#include "native_dialogs_win.h"

namespace win32ui {

namespace {

// The shell's dialogs want COM on the calling thread; this keeps it there for
// as long as the dialog is open, whether or not the caller started it.
class ComOnThisThread {
 public:
  ComOnThisThread()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComOnThisThread() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComOnThisThread(const ComOnThisThread&) = delete;
  ComOnThisThread& operator=(const ComOnThisThread&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

std::wstring browseForFolder(HWND owner, const std::wstring& instruction) {
  ComOnThisThread com;
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = instruction.empty() ? nullptr : instruction.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
  if (item == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(item, path);
  CoTaskMemFree(item);
  return named ? std::wstring(path) : std::wstring();
}

}  // namespace win32ui
