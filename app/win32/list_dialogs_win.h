// The boxes of lines and of a list to choose from, as the dialogs interface
// asks for them; their texts in the code page.
#pragma once

#include <windows.h>

#include <functional>

#include "startup/dialogs.h"

namespace win32ui {

// The buttons beside IDOK (choose) and IDCANCEL (close, cancel).
inline constexpr int kSaveButton = 101;
inline constexpr int kOtherFileButton = 102;

// The lines in a read-only text field; its Save button calls `save` with the
// dialog, which stays open.
void showLinesDialog(HWND owner, const startup::LinesRequest& request,
                     const std::function<void(HWND dialog)>& save);

// The rows in a list; the choose button acts only on a row that can be chosen.
startup::ListChoice listChoiceDialog(HWND owner, const startup::ListChoiceRequest& request);

}  // namespace win32ui
