// Screenshots of the test's windows, saved as BMP files in the folder that the
// build names (SCREENSHOT_DIR); the test command turns them into PNG files.
#pragma once

#include <windows.h>

#include <string>

namespace win32_testing {

// Handles this thread's waiting messages for a while, so that every window is
// drawn and on the screen.
void settle(int milliseconds = 300);

// The screen over `window` and `dialog` (if any), with whatever lies on top of
// them, as `name`.bmp.
void saveScreenshot(const std::string& name, HWND window, HWND dialog = nullptr);

}  // namespace win32_testing
