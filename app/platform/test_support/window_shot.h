// Saves what a window shows as a 24-bit BMP into the folder named by the
// environment variable TARVEL_SHOT_DIR (nothing without it), so that a person can
// look at the pages the window tests open.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace shelltest {

inline void SaveWindowShot(HWND window, const char* name) {
  const char* folder = std::getenv("TARVEL_SHOT_DIR");
  if (folder == nullptr || *folder == '\0') return;
  RECT rc;
  ::GetClientRect(window, &rc);
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return;
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
  HDC windowDc = ::GetDC(window);
  HDC memory = ::CreateCompatibleDC(windowDc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(windowDc, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(window, windowDc);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  const std::string path = std::string(folder) + "\\" + name + ".bmp";
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&header, sizeof(header), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
  }
}

}  // namespace shelltest
