// Screenshots of the test's windows, saved as BMP files in the folder that the
// build names (SCREENSHOT_DIR); the test command turns them into PNG files.
#pragma once

#include <windows.h>

#include <string>

namespace win32_testing {

// Handles this thread's waiting messages for a while, so that every window is
// drawn and on the screen.
void settle(int milliseconds = 300);

// What the screen shows in `area`, as `name`.bmp.
void saveScreenshot(const std::string& name, const RECT& area);

// The screen over the window, with whatever lies on top of it.
void saveScreenshot(const std::string& name, HWND window);

}  // namespace win32_testing
