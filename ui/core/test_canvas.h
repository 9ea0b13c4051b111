// Test helpers of the control-tree tests: a 32-bit DIB section to paint into,
// images made by the tests (PNG, JPEG and BMP through stb_image_write, GIF by a
// small encoder of our own), a scratch folder, and text placed at the very end
// of a readable page so that reading past it faults.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <cwchar>

#include "gtest/gtest.h"
#include "paint_manager.h"
#include "test_support/guarded_buffer.h"

namespace SkinUI {
namespace test {

struct Rgb
{
    int r, g, b;
};

class TestCanvas
{
public:
    TestCanvas(int width, int height, DWORD fillArgb = 0xFF000000);
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC dc() const { return m_hDC; }
    RECT rect() const { return RECT{0, 0, m_width, m_height}; }
    void Fill(DWORD argb);
    Rgb At(int x, int y) const;
    BYTE AlphaAt(int x, int y) const;

private:
    int m_width;
    int m_height;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_bits;
};

// A popup window (hidden unless asked) with a paint manager initialised on it;
// the manager goes before the window.
class TestWindow
{
public:
    explicit TestWindow(int width = 100, int height = 100, bool visible = false);
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return m_window.hwnd; }

private:
    struct Window
    {
        HWND hwnd;
        ~Window();
    } m_window;

public:
    CPaintManagerUI manager;
};

// "left,top,right,bottom", for comparing rectangles in test output.
std::string RectText(const RECT& rc);

// Asserts a pixel's colour within a tolerance per channel.
::testing::AssertionResult PixelNear(const TestCanvas& canvas, int x, int y, Rgb expected, int tolerance = 2);

// RGBA pixels, top row first.
struct RgbaImage
{
    int width;
    int height;
    std::vector<BYTE> rgba;
    void Set(int x, int y, DWORD argb);
};
RgbaImage SolidImage(int width, int height, DWORD argb);

std::vector<BYTE> EncodePng(const RgbaImage& image);
std::vector<BYTE> EncodeBmp(const RgbaImage& image);
std::vector<BYTE> EncodeJpeg(const RgbaImage& image);
// An animated GIF; each frame's opaque colours must be among 255 colours in all;
// pixels with alpha 0 become the transparent index. Delays in hundredths;
// disposal methods per frame (1 keep, 2 background, 3 previous; default 1).
std::vector<BYTE> EncodeGif(const std::vector<RgbaImage>& frames, const std::vector<int>& delays,
                            const std::vector<int>& disposals = std::vector<int>());

// A fresh folder under the temporary folder, ending in a backslash.
std::wstring ScratchFolder(const wchar_t* name);

// A fresh scratch folder that is the skin folder (no archive) while the object
// lives; the skin folder is emptied again afterwards.
class ScratchSkin
{
public:
    explicit ScratchSkin(const wchar_t* name);
    ~ScratchSkin();
    ScratchSkin(const ScratchSkin&) = delete;
    ScratchSkin& operator=(const ScratchSkin&) = delete;
    const std::wstring& folder() const { return m_folder; }

private:
    std::wstring m_folder;
};
void WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes);
void WriteText(const std::wstring& path, const std::string& utf8);

// Text copied to the very end of a page that a no-access page follows.
class GuardedText : public GuardedBuffer
{
public:
    explicit GuardedText(const wchar_t* text) : GuardedBuffer(text, (wcslen(text) + 1) * sizeof(wchar_t)) {}
    const wchar_t* get() const { return reinterpret_cast<const wchar_t*>(data()); }
};

} // namespace test
} // namespace SkinUI
