#include "screen_shot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace win32_testing {

void settle(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

void saveScreenshot(const std::string& name, HWND window, HWND dialog) {
  settle();
  RECT area, dialogArea;
  GetWindowRect(window, &area);
  if (dialog != nullptr && GetWindowRect(dialog, &dialogArea)) UnionRect(&area, &area, &dialogArea);
  const LONG width = area.right - area.left;
  const LONG height = area.bottom - area.top;
  // 24-bit rows, each padded to four bytes, bottom row first.
  const DWORD size = static_cast<DWORD>((width * 3 + 3) / 4 * 4 * height);
  BITMAPINFOHEADER header{sizeof(header), width, height, 1, 24, BI_RGB, size, 0, 0, 0, 0};
  constexpr DWORD kOffset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  const BITMAPFILEHEADER file{0x4D42 /* "BM" */, kOffset + size, 0, 0, kOffset};

  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);
  std::vector<char> pixels(size);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  std::filesystem::create_directory(SCREENSHOT_DIR);
  std::ofstream out(std::filesystem::path(SCREENSHOT_DIR) / (name + ".bmp"), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  EXPECT_TRUE(out.good()) << "screenshot " << name << " not saved";
}

}  // namespace win32_testing
