#include "screen_shot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "dialog_hook.h"

namespace win32_testing {

namespace {

// 24-bit rows, each padded to four bytes, bottom row first.
std::vector<char> screenPixels(const RECT& area, BITMAPINFOHEADER& header) {
  header = {};
  header.biSize = sizeof(header);
  header.biWidth = area.right - area.left;
  header.biHeight = area.bottom - area.top;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const LONG stride = (header.biWidth * 3 + 3) & ~3;
  header.biSizeImage = static_cast<DWORD>(stride * header.biHeight);

  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, header.biWidth, header.biHeight);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);
  std::vector<char> pixels(header.biSizeImage);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(header.biHeight), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

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

void saveScreenshot(const std::string& name, const RECT& area) {
  BITMAPINFOHEADER header;
  const std::vector<char> pixels = screenPixels(area, header);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + header.biSizeImage;
  const std::wstring folder = wide(SCREENSHOT_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  std::ofstream out(std::filesystem::path(folder + L"\\" + wide(name) + L".bmp"), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  EXPECT_TRUE(out.good()) << "screenshot " << name << " not saved";
}

void saveScreenshot(const std::string& name, HWND window) {
  settle();
  RECT area;
  GetWindowRect(window, &area);
  saveScreenshot(name, area);
}

}  // namespace win32_testing
