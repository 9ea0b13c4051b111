// Test helpers of the framework: a 32-bit DIB section to paint into and the pixel
// checks the tests read it with (see test_canvas.h).
#include "core/test_support/test_canvas.h"

#include <cstdlib>

#include "core/gdi_scope.h"

namespace SkinUI {
namespace test {

TestCanvas::TestCanvas(int width, int height, DWORD fillArgb)
    : m_width(width),
      m_height(height),
      m_hDC(NULL),
      m_hBitmap(NULL),
      m_hOld(NULL),
      m_bits(NULL)
{
    m_hDC = ::CreateCompatibleDC(NULL);
    m_hBitmap = CreateDib32(m_hDC, width, height, &m_bits);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    Fill(fillArgb);
}

TestCanvas::~TestCanvas()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void TestCanvas::Fill(DWORD argb)
{
    ::GdiFlush();
    for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = argb;
}

Rgb TestCanvas::At(int x, int y) const
{
    ::GdiFlush();
    DWORD v = m_bits[y * m_width + x];
    return Rgb{static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
}

BYTE TestCanvas::AlphaAt(int x, int y) const
{
    ::GdiFlush();
    return static_cast<BYTE>(m_bits[y * m_width + x] >> 24);
}

std::string RectText(const RECT& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

::testing::AssertionResult PixelNear(const TestCanvas& canvas, int x, int y, Rgb expected, int tolerance)
{
    Rgb got = canvas.At(x, y);
    if (abs(got.r - expected.r) <= tolerance && abs(got.g - expected.g) <= tolerance &&
        abs(got.b - expected.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is (" << got.r << "," << got.g << ","
                                         << got.b << "), expected (" << expected.r << "," << expected.g << ","
                                         << expected.b << ")";
}

int CountColor(const TestCanvas& canvas, const RECT& rc, Rgb color, int tolerance)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            if (SameColor(canvas.At(x, y), color, tolerance)) ++n;
        }
    }
    return n;
}

bool SameColor(Rgb a, Rgb b, int tolerance)
{
    return abs(a.r - b.r) <= tolerance && abs(a.g - b.g) <= tolerance && abs(a.b - b.b) <= tolerance;
}

}  // namespace test
}  // namespace SkinUI
