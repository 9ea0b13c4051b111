// The drop shadow: its pixels for known shapes, and the shadow window following
// a real owner window under Wine (moves, sizes, shows, hides, destruction).
#include "window_shadow.h"

#include <memory>
#include <vector>

#include "gtest/gtest.h"
#include "shadow_shape.h"
#include "core/test_support/test_window.h"

namespace {

using namespace SkinUI;

int AlphaOf(DWORD pixel) { return static_cast<int>(pixel >> 24); }

std::vector<ShadowSpan> Rectangle(int width, int height)
{
    return std::vector<ShadowSpan>(height, ShadowSpan{0, width});
}

// ---- pixels ----

struct PixelCase
{
    const char* what;
    ShadowLook look;
    int x, y;
    int alpha;
};

TEST(ShadowShapeTest, RectangleWithOffsetFadesOverFivePixelsAndLeavesTheOwnerClear)
{
    const ShadowLook plain = {0, 5, 150, 5, 5, RGB(0, 0, 0)};
    const ShadowLook bigger = {4, 10, 150, 0, 0, RGB(0, 0, 0)};
    const PixelCase cases[] = {
        {"under the owner", plain, 20, 20, 0},
        {"just under the owner's bottom-right pixel", plain, 34, 34, 0},
        {"first column right of the owner", plain, 35, 20, 125},
        {"last column of the shadow", plain, 39, 20, 25},
        {"first row below the owner", plain, 20, 35, 125},
        {"last row of the shadow", plain, 20, 39, 25},
        {"right of the owner near the top", plain, 35, 5, 125},
        {"above the shadow's top edge", plain, 37, 0, 0},
        {"size 4 reaches 4 pixels out on the left", bigger, 0, 22, static_cast<int>((1.0 - 10.0 / 11) * 150)},
        {"size 4 mid edge", bigger, 4, 22, 0},
    };
    for (const PixelCase& c : cases) {
        const int w = 40, h = 40;
        std::vector<DWORD> pixels = MakeShadowPixels(Rectangle(w, h), w, h, c.look);
        const int bw = w + 2 * c.look.size;
        ASSERT_EQ(static_cast<size_t>(bw) * (h + 2 * c.look.size), pixels.size()) << c.what;
        EXPECT_EQ(c.alpha, AlphaOf(pixels[c.y * bw + c.x])) << c.what;
    }
}

TEST(ShadowShapeTest, PixelsArePremultipliedInTheShadowColour)
{
    const ShadowLook red = {0, 2, 200, 3, 3, RGB(255, 128, 0)};
    std::vector<DWORD> pixels = MakeShadowPixels(Rectangle(20, 20), 20, 20, red);
    // Deep inside the part that sticks out below the owner: full darkness.
    EXPECT_EQ(ShadowPixel(RGB(255, 128, 0), 200), pixels[10 * 20 + 17]);
    EXPECT_EQ(0xC8C86400u, ShadowPixel(RGB(255, 128, 0), 200));
    EXPECT_EQ(0u, pixels[10 * 20 + 10]);
}

TEST(ShadowShapeTest, DegenerateShapesGiveEmptyOrClearBitmapsWithoutStrayWrites)
{
    // No region: the shape is empty, the bitmap clear.
    std::vector<DWORD> none = MakeShadowPixels(std::vector<ShadowSpan>(), 30, 30, ShadowLook{0, 5, 150, 5, 5, 0});
    ASSERT_EQ(900u, none.size());
    for (DWORD p : none) ASSERT_EQ(0u, p);
    // A negative size that eats the whole window gives no bitmap at all.
    EXPECT_TRUE(MakeShadowPixels(Rectangle(10, 10), 10, 10, ShadowLook{-6, 2, 150, 0, 0, 0}).empty());
    // Offsets larger than the shadow and a negative size stay inside the bitmap.
    const ShadowLook wild[] = {{-3, 0, 150, 100, -100, 0}, {-3, 9, 150, -20, 20, 0}, {10, 0, 255, 127, 127, 0}};
    for (const ShadowLook& look : wild) {
        std::vector<DWORD> pixels = MakeShadowPixels(Rectangle(12, 9), 12, 9, look);
        EXPECT_EQ(static_cast<size_t>(12 + 2 * look.size) * (9 + 2 * look.size), pixels.size());
    }
}

TEST(ShadowShapeTest, RoundedRegionGivesRoundedSpans)
{
    HRGN region = ::CreateRoundRectRgn(0, 0, 41, 41, 20, 20);
    std::vector<ShadowSpan> spans = RegionSpans(region, 40, 40);
    ::DeleteObject(region);
    ASSERT_EQ(40u, spans.size());
    EXPECT_GT(spans[0].left, 3);
    EXPECT_EQ(0, spans[20].left);
    EXPECT_EQ(40, spans[20].right);
    EXPECT_LT(spans[0].right, 37);
    EXPECT_TRUE(RegionSpans(NULL, 40, 40).empty());
}

// ---- the window ----

struct LayeredUpdate
{
    HWND hwnd;
    POINT pos;
    SIZE size;
    std::vector<DWORD> topDown;
};

std::vector<LayeredUpdate> g_updates;
CWndShadow::UpdateLayeredWindowFn g_realUpdate = NULL;

BOOL WINAPI RecordingUpdate(HWND hwnd, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc, POINT* pptSrc, COLORREF key,
                            BLENDFUNCTION* blend, DWORD flags)
{
    LayeredUpdate update = {hwnd, *pptDst, *psize, {}};
    DIBSECTION dib = {};
    HGDIOBJ bitmap = ::GetCurrentObject(hdcSrc, OBJ_BITMAP);
    if (::GetObjectW(bitmap, sizeof(dib), &dib) == sizeof(dib) && dib.dsBm.bmBits != NULL) {
        const DWORD* bits = static_cast<const DWORD*>(dib.dsBm.bmBits);
        const int w = dib.dsBm.bmWidth, h = dib.dsBm.bmHeight;
        // Bottom-up rows.
        for (int y = 0; y < h; ++y)
            update.topDown.insert(update.topDown.end(), bits + (h - 1 - y) * w, bits + (h - y) * w);
    }
    g_updates.push_back(update);
    return g_realUpdate(hwnd, hdcDst, pptDst, psize, hdcSrc, pptSrc, key, blend, flags);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

class ShadowWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(CWndShadow::Initialize(::GetModuleHandleW(NULL)));
        if (g_realUpdate == NULL) g_realUpdate = CWndShadow::s_UpdateLayeredWindow;
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(NULL);
        wc.lpszClassName = L"ShadowTestOwner";
        ::RegisterClassW(&wc);
    }

    void SetUp() override
    {
        CWndShadow::s_UpdateLayeredWindow = &RecordingUpdate;
        g_updates.clear();
    }

    void TearDown() override
    {
        if (::IsWindow(owner)) {
            ::ShowWindow(owner, SW_HIDE);
            Pump();
            ::DestroyWindow(owner);
        }
        Pump();
        CWndShadow::s_UpdateLayeredWindow = g_realUpdate;
    }

    HWND MakeOwner(int x, int y, int w, int h, bool visible)
    {
        owner = ::CreateWindowExW(0, L"ShadowTestOwner", L"owner", WS_POPUP, x, y, w, h, NULL, NULL,
                                  ::GetModuleHandleW(NULL), NULL);
        ::SetWindowRgn(owner, ::CreateRectRgn(0, 0, w, h), FALSE);
        if (visible) ::ShowWindow(owner, SW_SHOWNOACTIVATE);
        return owner;
    }

    RECT ShadowRect(const CWndShadow& shadow)
    {
        RECT rc = {};
        ::GetWindowRect(shadow.GetShadowWnd(), &rc);
        return rc;
    }

    HWND owner = NULL;
};

TEST_F(ShadowWindowTest, CreatedBehindAVisibleOwnerWithItsPixelsThroughTheLayeredUpdate)
{
    MakeOwner(100, 80, 60, 40, true);
    CWndShadow shadow;
    ASSERT_TRUE(shadow.Create(owner));
    HWND hShadow = shadow.GetShadowWnd();
    wchar_t className[64] = {};
    ::GetClassNameW(hShadow, className, 64);
    EXPECT_STREQ(L"VorrelShadowWnd", className);
    EXPECT_EQ(static_cast<LONG>(WS_EX_LAYERED | WS_EX_TRANSPARENT),
              ::GetWindowLongW(hShadow, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
    EXPECT_EQ(owner, ::GetWindow(hShadow, GW_OWNER));
    EXPECT_TRUE(::IsWindowVisible(hShadow));

    ASSERT_EQ(1u, g_updates.size());
    const LayeredUpdate& u = g_updates[0];
    EXPECT_EQ(hShadow, u.hwnd);
    EXPECT_EQ(105, u.pos.x);
    EXPECT_EQ(85, u.pos.y);
    EXPECT_EQ(60, u.size.cx);
    EXPECT_EQ(40, u.size.cy);
    ASSERT_EQ(60u * 40u, u.topDown.size());
    // Right of the owner the shadow fades; under it nothing; the rows are upright.
    EXPECT_EQ(125, AlphaOf(u.topDown[20 * 60 + 55]));
    EXPECT_EQ(25, AlphaOf(u.topDown[20 * 60 + 59]));
    EXPECT_EQ(0, AlphaOf(u.topDown[20 * 60 + 30]));
    EXPECT_EQ(125, AlphaOf(u.topDown[35 * 60 + 30]));
    EXPECT_EQ(0, AlphaOf(u.topDown[0 * 60 + 57]));
}

TEST_F(ShadowWindowTest, FollowsMovesAndRedrawsAtOnceWhenSmallerButAfterPaintWhenLarger)
{
    MakeOwner(100, 80, 60, 40, true);
    CWndShadow shadow, second;
    ASSERT_TRUE(shadow.Create(owner));
    // A second hook on the same owner would make its procedure call itself.
    EXPECT_FALSE(shadow.Create(owner));
    EXPECT_FALSE(second.Create(owner));
    // The first size after creation counts as larger: redrawn at the next paint.
    ::SetWindowRgn(owner, ::CreateRectRgn(0, 0, 70, 50), FALSE);
    ::SetWindowPos(owner, NULL, 0, 0, 70, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(owner, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    g_updates.clear();

    ::SetWindowPos(owner, NULL, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc = ShadowRect(shadow);
    EXPECT_EQ(205, rc.left);
    EXPECT_EQ(155, rc.top);

    ::SetWindowRgn(owner, ::CreateRectRgn(0, 0, 50, 30), FALSE);
    ::SetWindowPos(owner, NULL, 0, 0, 50, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(1u, g_updates.size());
    EXPECT_EQ(50, g_updates.back().size.cx);
    EXPECT_EQ(30, g_updates.back().size.cy);

    ::SetWindowRgn(owner, ::CreateRectRgn(0, 0, 90, 70), FALSE);
    ::SetWindowPos(owner, NULL, 0, 0, 90, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(1u, g_updates.size());
    ::RedrawWindow(owner, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(2u, g_updates.size());
    EXPECT_EQ(90, g_updates.back().size.cx);
    rc = ShadowRect(shadow);
    EXPECT_EQ(205, rc.left);
    EXPECT_EQ(90, rc.right - rc.left);
    EXPECT_EQ(70, rc.bottom - rc.top);
}

TEST_F(ShadowWindowTest, HidesWithTheOwnerAndWhenMaximisedAndComesBack)
{
    MakeOwner(100, 80, 60, 40, true);
    CWndShadow shadow;
    ASSERT_TRUE(shadow.Create(owner));
    HWND hShadow = shadow.GetShadowWnd();

    ::ShowWindow(owner, SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(hShadow));
    g_updates.clear();
    ::ShowWindow(owner, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(::IsWindowVisible(hShadow));
    ::RedrawWindow(owner, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(g_updates.size(), 1u);

    ::ShowWindow(owner, SW_MAXIMIZE);
    EXPECT_FALSE(::IsWindowVisible(hShadow));
    ::ShowWindow(owner, SW_RESTORE);
    ::RedrawWindow(owner, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(::IsWindowVisible(hShadow));
}

TEST_F(ShadowWindowTest, HiddenOwnerGetsItsShadowWhenFirstShown)
{
    MakeOwner(50, 50, 40, 40, false);
    CWndShadow shadow;
    ASSERT_TRUE(shadow.Create(owner));
    EXPECT_FALSE(::IsWindowVisible(shadow.GetShadowWnd()));
    EXPECT_TRUE(g_updates.empty());
    ::ShowWindow(owner, SW_SHOWNOACTIVATE);
    ::RedrawWindow(owner, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(::IsWindowVisible(shadow.GetShadowWnd()));
    ASSERT_FALSE(g_updates.empty());
    EXPECT_EQ(55, g_updates.back().pos.x);
}

TEST_F(ShadowWindowTest, SettersRedrawAVisibleShadow)
{
    MakeOwner(100, 80, 60, 40, true);
    CWndShadow shadow;
    ASSERT_TRUE(shadow.Create(owner));
    g_updates.clear();
    EXPECT_TRUE(shadow.SetSize(4));
    EXPECT_TRUE(shadow.SetPosition(0, 0));
    EXPECT_TRUE(shadow.SetSharpness(10));
    EXPECT_TRUE(shadow.SetDarkness(200));
    EXPECT_TRUE(shadow.SetColor(RGB(0, 0, 255)));
    EXPECT_FALSE(shadow.SetSize(300));
    EXPECT_FALSE(shadow.SetSharpness(256));
    ASSERT_EQ(5u, g_updates.size());
    const LayeredUpdate& u = g_updates.back();
    EXPECT_EQ(96, u.pos.x);
    EXPECT_EQ(76, u.pos.y);
    EXPECT_EQ(68, u.size.cx);
    EXPECT_EQ(48, u.size.cy);
    // Blue, premultiplied, nothing under the owner.
    const DWORD edge = u.topDown[24 * 68 + 1];
    EXPECT_GT(AlphaOf(edge), 0);
    EXPECT_EQ(edge >> 24, edge & 0xFF);
    EXPECT_EQ(0u, u.topDown[24 * 68 + 30]);

    // Shrunk below nothing: no bitmap, no update.
    g_updates.clear();
    EXPECT_TRUE(shadow.SetSize(-60));
    EXPECT_TRUE(g_updates.empty());
    EXPECT_TRUE(shadow.SetSize(-4));
    ASSERT_EQ(1u, g_updates.size());
    EXPECT_EQ(52, g_updates.back().size.cx);
}

TEST_F(ShadowWindowTest, DiesWithItsOwner)
{
    MakeOwner(100, 80, 60, 40, true);
    CWndShadow shadow;
    ASSERT_TRUE(shadow.Create(owner));
    HWND hShadow = shadow.GetShadowWnd();
    ::DestroyWindow(owner);
    EXPECT_FALSE(::IsWindow(hShadow));
}

TEST_F(ShadowWindowTest, AShadowFreedBeforeItsOwnerLeavesTheOwnerWorking)
{
    MakeOwner(100, 80, 60, 40, true);
    HWND hShadow = NULL;
    const LONG_PTR ownProc = ::GetWindowLongPtrW(owner, GWLP_WNDPROC);
    {
        CWndShadow shadow;
        ASSERT_TRUE(shadow.Create(owner));
        hShadow = shadow.GetShadowWnd();
    }
    EXPECT_FALSE(::IsWindow(hShadow));
    EXPECT_EQ(ownProc, ::GetWindowLongPtrW(owner, GWLP_WNDPROC));
    ::SetWindowPos(owner, NULL, 0, 0, 80, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(owner, SW_HIDE);
    EXPECT_TRUE(::IsWindow(owner));
}

// A subclass installed on the owner after the shadow's hook, as another
// component of the program may do: it passes every message to the procedure
// it replaced, which is the shadow's hook.
WNDPROC g_beneathLater = NULL;
int g_ownerCalls = 0;
const UINT kProbe = WM_APP + 7;

LRESULT CALLBACK CountingOwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kProbe) ++g_ownerCalls;
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK LaterSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(g_beneathLater, hwnd, msg, wParam, lParam);
}

TEST_F(ShadowWindowTest, AShadowFreedUnderALaterSubclassKeepsTheOwnersProcedure)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CountingOwnerProc;
    wc.hInstance = ::GetModuleHandleW(NULL);
    wc.lpszClassName = L"ShadowTestCountingOwner";
    ::RegisterClassW(&wc);
    owner = ::CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP, 100, 80, 60, 40, NULL, NULL,
                              ::GetModuleHandleW(NULL), NULL);
    ASSERT_NE(HWND(NULL), owner);
    ::ShowWindow(owner, SW_SHOWNOACTIVATE);
    g_ownerCalls = 0;

    auto shadow = std::make_unique<CWndShadow>();
    ASSERT_TRUE(shadow->Create(owner));
    g_beneathLater = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclassProc)));
    shadow.reset();
    ::SendMessageW(owner, kProbe, 0, 0);
    EXPECT_EQ(1, g_ownerCalls) << "freed under a later subclass";

    // A new shadow on the same owner follows it and still lets its messages through.
    CWndShadow second;
    ASSERT_TRUE(second.Create(owner));
    ::SetWindowPos(owner, NULL, 130, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(135, ShadowRect(second).left);
    ::SendMessageW(owner, kProbe, 0, 0);
    EXPECT_EQ(2, g_ownerCalls) << "a second shadow under the later subclass";

    // The later subclass removes itself; the owner's own procedure still answers.
    ::SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beneathLater));
    ::SendMessageW(owner, kProbe, 0, 0);
    EXPECT_EQ(3, g_ownerCalls) << "the later subclass gone";
}

TEST_F(ShadowWindowTest, WithoutTheLayeredCallNothingHappens)
{
    MakeOwner(100, 80, 60, 40, true);
    const LONG_PTR ownProc = ::GetWindowLongPtrW(owner, GWLP_WNDPROC);
    CWndShadow::s_UpdateLayeredWindow = NULL;
    CWndShadow shadow;
    EXPECT_FALSE(shadow.Create(owner));
    EXPECT_EQ(ownProc, ::GetWindowLongPtrW(owner, GWLP_WNDPROC));
    EXPECT_TRUE(shadow.SetSize(3));
}

TEST_F(ShadowWindowTest, AFrameworkWindowWithRoundCornersGetsARoundedShadow)
{
    SkinUI::test::TestWindow framed;
    ASSERT_NE(HWND(NULL), framed.CreateAt(100, 80, 60, 40));
    ::SetWindowRgn(framed, ::CreateRoundRectRgn(0, 0, 61, 41, 20, 20), FALSE);
    CWndShadow shadow;
    ASSERT_TRUE(shadow.Create(framed));
    ASSERT_EQ(1u, g_updates.size());
    const std::vector<DWORD>& round = g_updates[0].topDown;
    const ShadowLook look = {0, 5, 150, 5, 5, RGB(0, 0, 0)};
    const std::vector<DWORD> square = MakeShadowPixels(Rectangle(60, 40), 60, 40, look);
    ASSERT_EQ(square.size(), round.size());
    // Along the straight edge the two agree; at the corner the round one fades sooner.
    EXPECT_EQ(AlphaOf(square[20 * 60 + 59]), AlphaOf(round[20 * 60 + 59]));
    EXPECT_EQ(AlphaOf(square[37 * 60 + 30]), AlphaOf(round[37 * 60 + 30]));
    EXPECT_GT(AlphaOf(square[37 * 60 + 57]), 0);
    EXPECT_LT(AlphaOf(round[37 * 60 + 57]), AlphaOf(square[37 * 60 + 57]));
    // The framework window still gets its own messages through the hook.
    ::SetWindowPos(framed, NULL, 130, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(135, ShadowRect(shadow).left);
    wchar_t title[16] = {};
    ::SendMessageW(framed, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(title));
    EXPECT_STREQ(L"test", title);
    ::ShowWindow(framed, SW_HIDE);
    Pump();
}

} // namespace
