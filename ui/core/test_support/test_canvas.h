// Test helpers of the framework: a 32-bit DIB section to paint into, the pixel
// checks the tests read it with, and texts of rectangles and framework strings for
// comparing in test output.
#pragma once

#include <windows.h>

#include <string>

#include "gtest/gtest.h"
#include "core/ui_string.h"

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

// "left,top,right,bottom", for comparing rectangles in test output.
std::string RectText(const RECT& rc);

// Asserts a pixel's colour within a tolerance per channel.
::testing::AssertionResult PixelNear(const TestCanvas& canvas, int x, int y, Rgb expected, int tolerance = 2);

// A framework string for comparing in test output.
inline std::wstring Str(const CUIString& s) { return std::wstring(s.GetData()); }

// How many pixels inside rc are within tolerance of the colour.
int CountColor(const TestCanvas& canvas, const RECT& rc, Rgb color, int tolerance = 8);

bool SameColor(Rgb a, Rgb b, int tolerance = 2);

}  // namespace test
}  // namespace SkinUI
