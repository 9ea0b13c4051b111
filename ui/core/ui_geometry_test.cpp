// CPoint, CSize, CUIRect and CWaitCursor.
#include "ui_geometry.h"
#include "wait_cursor.h"

#include <gtest/gtest.h>

using namespace SkinUI;

namespace {

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(Geometry, LayoutMatchesPlatform)
{
    static_assert(sizeof(CPoint) == sizeof(POINT), "point layout");
    static_assert(sizeof(CSize) == sizeof(SIZE), "size layout");
    static_assert(sizeof(CUIRect) == sizeof(RECT), "rect layout");
}

TEST(Geometry, PointFromMouseLParam)
{
    struct Case
    {
        LPARAM lParam;
        LONG x;
        LONG y;
    } cases[] = {
        {static_cast<LPARAM>(0xFFFF0005), 5, -1},
        {MAKELPARAM(100, 200), 100, 200},
        {static_cast<LPARAM>(0x8000FFFE), -2, -32768},
    };
    for (const auto& c : cases) {
        CPoint p(c.lParam);
        EXPECT_EQ(c.x, p.x);
        EXPECT_EQ(c.y, p.y);
    }
    CSize s(RECT{10, 20, 15, 60});
    EXPECT_EQ(5, s.cx);
    EXPECT_EQ(40, s.cy);
}

TEST(Geometry, RectOperations)
{
    CUIRect r(10, 20, 30, 60);
    EXPECT_EQ(20, r.GetWidth());
    EXPECT_EQ(40, r.GetHeight());
    struct Case
    {
        const char* what;
        CUIRect result;
        RECT expected;
    } cases[] = {
        {"join",
         [] {
             CUIRect a(10, 10, 20, 20);
             a.Join(RECT{5, 15, 25, 18});
             return a;
         }(),
         {5, 10, 25, 20}},
        {"join empty",
         [] {
             CUIRect a(10, 10, 20, 20);
             a.Join(RECT{0, 0, 0, 0});
             return a;
         }(),
         {0, 0, 20, 20}},
        {"reset offset",
         [] {
             CUIRect a(10, 20, 30, 60);
             a.ResetOffset();
             return a;
         }(),
         {0, 0, 20, 40}},
        {"normalize",
         [] {
             CUIRect a(30, 60, 10, 20);
             a.Normalize();
             return a;
         }(),
         {10, 20, 30, 60}},
        {"offset",
         [] {
             CUIRect a(1, 2, 3, 4);
             a.Offset(10, -2);
             return a;
         }(),
         {11, 0, 13, 2}},
        {"inflate",
         [] {
             CUIRect a(10, 10, 20, 20);
             a.Inflate(2, 3);
             return a;
         }(),
         {8, 7, 22, 23}},
        {"deflate",
         [] {
             CUIRect a(10, 10, 20, 20);
             a.Deflate(2, 3);
             return a;
         }(),
         {12, 13, 18, 17}},
        {"union ignores empty",
         [] {
             CUIRect a(10, 10, 20, 20);
             CUIRect e;
             a.Union(e);
             return a;
         }(),
         {10, 10, 20, 20}},
        {"union",
         [] {
             CUIRect a(10, 10, 20, 20);
             CUIRect b(15, 0, 40, 12);
             a.Union(b);
             return a;
         }(),
         {10, 0, 40, 20}},
    };
    for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, c.result)) << c.what;
    EXPECT_FALSE(r.IsNull());
    r.Empty();
    EXPECT_TRUE(r.IsNull());
}

TEST(WaitCursor, SetsWaitAndRestores)
{
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(arrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), GetCursor());
    }
    EXPECT_EQ(arrow, GetCursor());
}

}  // namespace
