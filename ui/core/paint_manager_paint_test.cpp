// The paint cycle under real windows: WM_PAINT through the off-screen buffer, repaint
// after a change, post-paint controls, the update outline, transparent backgrounds and
// layered windows, and WM_PRINTCLIENT into a 32-bit DIB.
#include <gtest/gtest.h>

#include "test_support/probe_control.h"
#include "test_support/test_canvas.h"
#include "test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

using SkinUI::test::TestCanvas;

// 0xRRGGBB of a canvas pixel.
DWORD Pixel(const TestCanvas& canvas, int x, int y)
{
    SkinUI::test::Rgb p = canvas.At(x, y);
    return static_cast<DWORD>(p.r << 16 | p.g << 8 | p.b);
}

const DWORD kBlue = 0x0000FF;
const DWORD kRed = 0xFF0000;
const DWORD kGreen = 0x00FF00;

// Paints a rectangle of its own colour after the whole tree is painted.
class PostPainter : public CControlUI
{
public:
    int calls = 0;
    void DoPostPaint(HDC hDC, const RECT&) override
    {
        ++calls;
        HBRUSH brush = ::CreateSolidBrush(RGB(255, 255, 0));
        ::FillRect(hDC, &m_rcItem, brush);
        ::DeleteObject(brush);
    }
};

class PaintCycleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(window.CreateAt(0, 0, 160, 100), (HWND)NULL);
        root = new CContainerUI;
        root->SetBkColor(0xFF000000 | kBlue);
        child = Place(root, new CControlUI, 10, 10, 50, 50);
        child->SetBkColor(0xFF000000 | kRed);
        ASSERT_TRUE(window.pm.AttachDialog(root));
        PaintNow(window);
    }

    // What the window shows, copied from its device context.
    DWORD ScreenPixel(int x, int y)
    {
        TestCanvas dib(160, 100);
        HDC hdc = ::GetDC(window);
        ::BitBlt(dib.dc(), 0, 0, 160, 100, hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(window, hdc);
        return Pixel(dib, x, y);
    }

    TestWindow window;
    CContainerUI* root = nullptr;
    CControlUI* child = nullptr;
};

TEST_F(PaintCycleTest, PrintClientPaintsTheTreeIntoADib)
{
    TestCanvas dib(160, 100);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT);
    struct
    {
        int x, y;
        DWORD color;
    } cases[] = {{5, 5, kBlue}, {30, 30, kRed}, {49, 49, kRed}, {50, 50, kBlue}, {150, 90, kBlue}};
    for (const auto& test : cases) EXPECT_EQ(Pixel(dib, test.x, test.y), test.color) << test.x << "," << test.y;
}

TEST_F(PaintCycleTest, PrintClientWithChildrenPrintsTheChildWindowsInPlace)
{
    struct GreenChild : CWindowWnd
    {
        const wchar_t* GetWindowClassName() const override { return L"SkinUITestGreenChild"; }
        LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
        {
            if (uMsg == WM_PRINTCLIENT) {
                RECT rc = {0, 0, 20, 20};
                HBRUSH brush = ::CreateSolidBrush(RGB(0, 255, 0));
                ::FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
                ::DeleteObject(brush);
                return 0;
            }
            return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
        }
    } green;
    ASSERT_NE(green.Create(window, L"", WS_CHILD | WS_VISIBLE, 0, 100, 20, 20, 20), (HWND)NULL);
    TestCanvas dib(160, 100);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT | PRF_CHILDREN);
    EXPECT_EQ(Pixel(dib, 110, 30), kGreen);
    EXPECT_EQ(Pixel(dib, 95, 30), kBlue);
    EXPECT_EQ(Pixel(dib, 30, 30), kRed);
    ::DestroyWindow(green);
}

TEST_F(PaintCycleTest, PaintShowsTheTreeAndRepaintsAfterAChange)
{
    EXPECT_EQ(ScreenPixel(5, 5), kBlue);
    EXPECT_EQ(ScreenPixel(30, 30), kRed);
    child->SetBkColor(0xFF000000 | kGreen);
    ::UpdateWindow(window);
    EXPECT_EQ(ScreenPixel(30, 30), kGreen);
    EXPECT_EQ(ScreenPixel(5, 5), kBlue);
}

TEST_F(PaintCycleTest, ResizingLaysTheRootOutAgainAtTheNewSize)
{
    ::SetWindowPos(window, NULL, 0, 0, 120, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PaintNow(window);
    const RECT& rc = root->GetPos();
    EXPECT_EQ(rc.right, 120);
    EXPECT_EQ(rc.bottom, 80);
    EXPECT_EQ(ScreenPixel(100, 70), kBlue);
}

TEST_F(PaintCycleTest, PostPaintControlsPaintOverTheTree)
{
    PostPainter* painter = Place(root, new PostPainter, 20, 20, 40, 40);
    window.pm.AddPostPaint(painter);
    PaintNow(window);
    EXPECT_GE(painter->calls, 1);
    EXPECT_EQ(ScreenPixel(30, 30), 0xFFFF00u);
    window.pm.RemovePostPaint(painter);
}

TEST_F(PaintCycleTest, ShowUpdateRectOutlinesThePaintedArea)
{
    window.pm.SetShowUpdateRect(true);
    PaintNow(window);
    EXPECT_EQ(ScreenPixel(0, 0), 0xDC0000u);
    EXPECT_EQ(ScreenPixel(5, 5), kBlue);
}

TEST_F(PaintCycleTest, TransparentBackgroundKeepsWhatWasUnderTheTree)
{
    // What lies under the tree when the background is captured: green.
    HDC hdc = ::GetDC(window);
    RECT rcAll = {0, 0, 160, 100};
    HBRUSH brush = ::CreateSolidBrush(RGB(0, 255, 0));
    ::FillRect(hdc, &rcAll, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(window, hdc);
    window.pm.SetBackgroundTransparent(true);
    root->SetBkColor(0);
    PaintNow(window);
    EXPECT_EQ(ScreenPixel(100, 70), kGreen);
    EXPECT_EQ(ScreenPixel(30, 30), kRed);
    child->SetVisible(false);
    PaintNow(window);
    EXPECT_EQ(ScreenPixel(30, 30), kGreen);  // the captured background, not the old child
}

TEST_F(PaintCycleTest, TransparencyMakesTheWindowLayered)
{
    window.pm.SetTransparent(128);
    EXPECT_TRUE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, NULL, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
    PaintNow(window);  // a layered window still paints through WM_PAINT
    TestCanvas dib(160, 100);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT);
    EXPECT_EQ(Pixel(dib, 30, 30), kRed);
    window.pm.SetTransparent(300);
    EXPECT_EQ(window.pm.GetTransparent(), 255);
    EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(LayoutPass, ControlsThatKeepAskingForLayoutCannotHoldThePaintForEver)
{
    // Each lays itself out and then asks for layout again, as two controls that mark
    // each other would.
    struct Restless : CControlUI
    {
        int* calls = nullptr;
        void SetPos(RECT rc) override
        {
            CControlUI::SetPos(rc);
            ++*calls;
            NeedUpdate();
        }
    };
    TestWindow window;
    ASSERT_NE(window.CreateAt(0, 0, 100, 60), (HWND)NULL);
    CContainerUI* root = new CContainerUI;
    root->SetBkColor(0xFF000000 | kBlue);
    int calls = 0;
    for (int i = 0; i < 2; i++) {
        Restless* restless = Place(root, new Restless, 10 + 40 * i, 10, 40 + 40 * i, 40);
        restless->calls = &calls;
        restless->SetBkColor(0xFF000000 | kRed);
    }
    ASSERT_TRUE(window.pm.AttachDialog(root));
    PaintNow(window);  // the root is laid out whole
    const int first = calls;
    EXPECT_EQ(first, 2);
    PaintNow(window);  // only the marked controls: a bounded number of rounds
    EXPECT_GT(calls, first);
    EXPECT_LT(calls, first + 100);
    TestCanvas dib(100, 60);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT);
    EXPECT_EQ(Pixel(dib, 20, 20), kRed);
    EXPECT_EQ(Pixel(dib, 5, 5), kBlue);
}

TEST(PrintClient, AHiddenWindowNeverPaintedIsLaidOutFirst)
{
    TestWindow window;
    ASSERT_NE(window.CreateHidden(80, 60), (HWND)NULL);
    CContainerUI* root = new CContainerUI;
    root->SetBkColor(0xFF000000 | kBlue);
    Place(root, new CControlUI, 10, 10, 30, 30)->SetBkColor(0xFF000000 | kRed);
    ASSERT_TRUE(window.pm.AttachDialog(root));
    TestCanvas dib(80, 60);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT);
    EXPECT_EQ(Pixel(dib, 20, 20), kRed);
    EXPECT_EQ(Pixel(dib, 70, 50), kBlue);
}

TEST(PaintCycleWithoutRoot, PaintValidatesTheWindow)
{
    TestWindow window;
    ASSERT_NE(window.CreateAt(0, 0, 50, 50), (HWND)NULL);
    PaintNow(window);
    RECT rc = {};
    EXPECT_FALSE(::GetUpdateRect(window, &rc, FALSE));
}

}  // namespace
