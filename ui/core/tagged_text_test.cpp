// Tagged text: measured rectangles, line breaks and wrapping, links reported back (and
// never more than the slots given), unknown and unbalanced tags, escapes, raw runs,
// colours, selected runs and inline image frames drawn into a 32-bit DIB.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_scope.h"
#include "paint_manager.h"
#include "render_engine.h"
#include "test_support/test_canvas.h"
#include "test_support/test_window.h"

using namespace SkinUI;

namespace {

class TaggedTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TEXTMETRICW tm = {};
        ::SelectObject(dc, pm.GetDefaultFontInfo()->hFont);
        ::GetTextMetricsW(dc, &tm);
        lineHeight = tm.tmHeight + tm.tmExternalLeading;
    }

    // Width of plain text in the manager's font of that index (-1: the default font).
    int TextWidth(const wchar_t* text, HFONT font = NULL)
    {
        ::SelectObject(dc, font ? font : pm.GetDefaultFontInfo()->hFont);
        SIZE size = {};
        ::GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
        return size.cx;
    }
    RECT Measure(const wchar_t* text, RECT rc = {0, 0, 400, 100}, UINT style = 0)
    {
        int links = 0;
        CRenderEngine::DrawHtmlText(dc, &pm, rc, text, 0xFF000000, NULL, NULL, links, style | DT_CALCRECT);
        return rc;
    }
    void Draw(const wchar_t* text, RECT rc, UINT style = 0, DWORD color = 0xFFFFFFFF)
    {
        int links = 0;
        CRenderEngine::DrawHtmlText(dc, &pm, rc, text, color, NULL, NULL, links, style);
    }
    void Clear() { canvas.Fill(0); }
    // 0xRRGGBB of a pixel.
    DWORD At(int x, int y)
    {
        SkinUI::test::Rgb p = canvas.At(x, y);
        return static_cast<DWORD>(p.r << 16 | p.g << 8 | p.b);
    }
    // Counts pixels in a rectangle that satisfy a test.
    template <class Pred> int CountPixels(RECT rc, Pred pred)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++) {
            for (int x = rc.left; x < rc.right; x++) n += pred(At(x, y)) ? 1 : 0;
        }
        return n;
    }

    CPaintManagerUI pm;
    SkinUI::test::TestCanvas canvas{400, 120, 0};
    HDC dc = canvas.dc();
    int lineHeight = 0;
};

TEST_F(TaggedTextTest, MeasuresLikePlainTextWhenTagsChangeNothingVisible)
{
    struct
    {
        const wchar_t* tagged;
        const wchar_t* plain;
    } cases[] = {
        {L"abc", L"abc"},
        {L"<q>abc</q>", L"abc"},  // unknown tag letters are skipped
        {L"</b>abc", L"abc"},     // a closing tag with nothing open
        {L"<c #FF0000>abc</c>", L"abc"},
        {L"{c #FF0000}abc{/c}", L"abc"},  // braces delimit tags too
        {L"<c #FF0000}abc</c}", L"abc"},  // and mixed delimiters
        {L"a<{>b", L"a{b"},               // escapes
        {L"a<}>b{<}c{>}", L"a}b<c>"},
        {L"<r><b>x</b></r>", L"<b>x</b>"},  // raw runs keep tags as text
        {L"a<b", L"a<b"},                   // a "<" that opens no tag is text
        {L"x <> y", L"x <> y"},
        {L"<{> <}> {<} {>}", L"{ } < >"},
        {L"ab {<} c", L"ab < c"},
        {L"请选<是>或<否 >", L"请选<是>或<否 >"},  // tags are Latin letters; other text stays
        {L"{中}</文>", L"{中}</文>"},
        {L"<x 10>ab", L"ab"},  // x adds its value (checked below)
    };
    for (const auto& test : cases) {
        RECT rc = Measure(test.tagged);
        int expected = TextWidth(test.plain);
        if (std::wstring(test.tagged).find(L"<x 10>") == 0) expected += 10;
        EXPECT_EQ(rc.right, expected) << test.tagged;
        EXPECT_EQ(rc.bottom, lineHeight) << test.tagged;
    }
}

TEST_F(TaggedTextTest, BoldRunsAreWiderAndAnUnclosedTagLastsToTheEnd)
{
    const int plain = Measure(L"WWWW").right;
    EXPECT_GT(Measure(L"<b>WWWW</b>").right, plain);
    EXPECT_EQ(Measure(L"<b>WWWW").right, Measure(L"<b>WWWW</b>").right);
    EXPECT_EQ(Measure(L"<b>WW</b>WW").right, Measure(L"<b>WW</b>").right + TextWidth(L"WW"));
}

TEST_F(TaggedTextTest, LineBreaksMeasureEveryLineAndCapTheWidth)
{
    struct
    {
        const wchar_t* text;
        int lines;
        const wchar_t* widest;
    } cases[] = {
        {L"ab<n>abcdef", 2, L"abcdef"},
        {L"abcdef\nab", 2, L"abcdef"},
        {L"a<n>b<n>c", 3, L"a"},
        {L"<p 5>one</p>two", 2, L"one"},
    };
    for (const auto& test : cases) {
        RECT rc = Measure(test.text);
        EXPECT_GE(rc.bottom, test.lines * lineHeight) << test.text;
        EXPECT_LT(rc.bottom, (test.lines + 1) * lineHeight) << test.text;
        if (wcscmp(test.widest, L"a") != 0) {
            EXPECT_GE(rc.right, TextWidth(test.widest)) << test.text;
        }
    }
    // A single line ignores line-break tags.
    EXPECT_EQ(Measure(L"ab<n>cd", {0, 0, 400, 100}, DT_SINGLELINE).bottom, lineHeight);
    // The measured right never passes the given right.
    RECT capped = Measure(L"a very long line that does not fit", {0, 0, 50, 100}, DT_SINGLELINE);
    EXPECT_LE(capped.right, 50);
}

TEST_F(TaggedTextTest, WordBreakWrapsAtBlanks)
{
    const int wordWidth = TextWidth(L"word");
    RECT rc = {0, 0, wordWidth + TextWidth(L" ") + wordWidth / 2, 100};
    rc = Measure(L"word word word", rc, DT_WORDBREAK);
    EXPECT_EQ(rc.bottom, 3 * lineHeight);
    EXPECT_LE(rc.right, wordWidth + TextWidth(L" ") + wordWidth / 2);
}

TEST_F(TaggedTextTest, LinksAreReportedWithTheirTextsWhileSlotsRemain)
{
    RECT links[4] = {};
    CUIString texts[4];
    const wchar_t* text = L"go <a one>first</a> and <a two>second</a>";
    struct
    {
        int slots;
        int expected;
    } cases[] = {{4, 2}, {1, 1}, {0, 0}};
    for (const auto& test : cases) {
        for (int i = 0; i < 4; i++) {
            RECT poison = {-7, -7, -7, -7};
            links[i] = poison;
            texts[i] = L"untouched";
        }
        int count = test.slots;
        RECT rc = {0, 0, 400, 100};
        CRenderEngine::DrawHtmlText(dc, &pm, rc, text, 0xFF000000, links, texts, count, 0);
        EXPECT_EQ(count, test.expected);
        for (int i = 0; i < 4; i++) {
            if (i < test.expected) {
                EXPECT_STREQ(texts[i], i == 0 ? L"one" : L"two");
                EXPECT_GT(links[i].right, links[i].left);
                EXPECT_EQ(links[i].bottom - links[i].top, lineHeight);
            } else {
                EXPECT_STREQ(texts[i], L"untouched") << "slot " << i << " of " << test.slots;
                EXPECT_EQ(links[i].left, -7);
            }
        }
        if (test.expected == 2) {
            EXPECT_EQ(links[0].left, TextWidth(L"go "));
            EXPECT_GT(links[1].left, links[0].right);
        }
    }
}

TEST_F(TaggedTextTest, ALinkNeverClosedReachesToTheEndOfTheText)
{
    RECT links[2] = {};
    CUIString texts[2];
    int count = 2;
    RECT rc = {0, 0, 400, 100};
    CRenderEngine::DrawHtmlText(dc, &pm, rc, L"go <a one>first", 0xFF000000, links, texts, count, 0);
    ASSERT_EQ(count, 1);
    EXPECT_STREQ(texts[0], L"one");
    EXPECT_EQ(links[0].left, TextWidth(L"go "));
    EXPECT_EQ(links[0].right, TextWidth(L"go first"));
}

TEST_F(TaggedTextTest, AWrappingLinkReportsOneRectanglePerLine)
{
    RECT links[4] = {};
    CUIString texts[4];
    int count = 4;
    RECT rc = {0, 0, TextWidth(L"aaaa bbbb") - 2, 100};
    CRenderEngine::DrawHtmlText(dc, &pm, rc, L"<a site>aaaa bbbb</a>", 0xFF000000, links, texts, count, DT_WORDBREAK);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(texts[0], L"site");
    EXPECT_STREQ(texts[1], L"site");
    EXPECT_EQ(links[1].top, links[0].bottom);
}

TEST_F(TaggedTextTest, ARectangleNarrowerThanOneCharacterStillTakesOnePerLine)
{
    RECT links[2] = {};
    CUIString texts[2];
    int count = 2;
    RECT rc = {0, 0, 3, 100};
    CRenderEngine::DrawHtmlText(dc, &pm, rc, L"<a x>WW</a>", 0xFF000000, links, texts, count, 0);
    ASSERT_EQ(count, 2);  // one W on each of two lines
    EXPECT_EQ(links[0].right - links[0].left, TextWidth(L"W"));
    EXPECT_EQ(links[1].top, links[0].bottom);
    EXPECT_EQ(Measure(L"WW", {0, 0, 3, 100}).bottom, 2 * lineHeight);
}

TEST_F(TaggedTextTest, TheLinkUnderTheMouseIsDrawnInTheHoverColour)
{
    SkinUI::test::TestWindow window;  // the mouse position comes from the window's messages
    ASSERT_NE(window.CreateAt(0, 0, 100, 100), (HWND)NULL);
    CPaintManagerUI& wpm = window.pm;
    wpm.SetDefaultLinkFontColor(0xFF0000FF);
    wpm.SetDefaultLinkHoverFontColor(0xFFFF0000);
    RECT links[2] = {};
    CUIString texts[2];
    const wchar_t* text = L"<a one>WWW</a> <a two>WWW</a>";
    RECT area = {0, 0, 400, 40};
    auto draw = [&] {
        Clear();
        int count = 2;
        RECT rc = area;
        CRenderEngine::DrawHtmlText(dc, &wpm, rc, text, 0xFF000000, links, texts, count, 0);
        return count;
    };
    ASSERT_EQ(draw(), 2);
    auto red = [](DWORD c) { return c == 0xFF0000; };
    auto blue = [](DWORD c) { return c == 0x0000FF; };
    EXPECT_EQ(CountPixels(area, red), 0);
    // The mouse over the second link: it turns red on the next paint, the first stays blue.
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(links[1].left + 2, links[1].top + 2));
    ASSERT_EQ(draw(), 2);
    EXPECT_GT(CountPixels(links[1], red), 0);
    EXPECT_EQ(CountPixels(links[1], blue), 0);
    EXPECT_GT(CountPixels(links[0], blue), 0);
    EXPECT_EQ(CountPixels(links[0], red), 0);

    // A link without a text of its own is hovered all the same.
    text = L"<a>WWW</a>";
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(300, 30));
    ASSERT_EQ(draw(), 1);
    EXPECT_EQ(CountPixels(links[0], red), 0);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(links[0].left + 2, links[0].top + 2));
    ASSERT_EQ(draw(), 1);
    EXPECT_GT(CountPixels(links[0], red), 0);
}

TEST_F(TaggedTextTest, ColoursAndSelectedRunsAreDrawn)
{
    Clear();
    Draw(L"<c #FF0000>WWWW</c>", {0, 0, 200, 40});
    RECT area = {0, 0, 200, 40};
    EXPECT_GT(CountPixels(area, [](DWORD c) { return c == 0xFF0000; }), 0);
    EXPECT_EQ(CountPixels(area, [](DWORD c) { return c == 0xFFFFFF; }), 0);

    // A value above 0x7FFFFFFF saturates and so draws white.
    Clear();
    Draw(L"<c #FFFF0000>WWWW</c>", area, 0, 0xFF000000);
    EXPECT_GT(CountPixels(area, [](DWORD c) { return c == 0xFFFFFF; }), 0);
    EXPECT_EQ(CountPixels(area, [](DWORD c) { return c == 0xFF0000; }), 0);

    // A selected run has an opaque background in the selected colour.
    Clear();
    pm.SetDefaultSelectedBkColor(0xFF00FF00);
    Draw(L"<s>    </s>", area);
    EXPECT_EQ(At(2, lineHeight / 2), 0x00FF00u);
}

TEST_F(TaggedTextTest, DrawingStaysInsideTheRectangle)
{
    // Aligned text wider or taller than its rectangle is cut at the rectangle too.
    const RECT wide = {10, 10, 60, 30};
    const RECT low = {10, 10, 60, 14};
    struct
    {
        RECT rc;
        UINT style;
    } cases[] = {
        {wide, 0},
        {wide, DT_WORDBREAK},
        {wide, DT_SINGLELINE | DT_CENTER},
        {wide, DT_SINGLELINE | DT_RIGHT},
        {wide, DT_SINGLELINE | DT_CENTER | DT_END_ELLIPSIS},
        {low, DT_SINGLELINE | DT_VCENTER},
        {low, DT_SINGLELINE | DT_BOTTOM},
        {low, DT_VCENTER | DT_CENTER},
    };
    for (const auto& test : cases) {
        Clear();
        RECT rc = test.rc;
        int links = 0;
        CRenderEngine::DrawHtmlText(dc, &pm, rc, L"<s>WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW</s>", 0xFFFFFFFF, NULL, NULL,
                                    links, test.style);
        const RECT& in = test.rc;
        EXPECT_EQ(At(in.right + 1, in.top + 2), 0u) << test.style;
        EXPECT_EQ(At(in.left - 1, in.top + 2), 0u) << test.style;
        EXPECT_EQ(At(in.left + 10, in.bottom + 1), 0u) << test.style;
        EXPECT_EQ(At(in.left + 10, in.top - 1), 0u) << test.style;
        EXPECT_GT(CountPixels(in, [](DWORD c) { return c != 0; }), 0) << test.style;
    }
}

TEST_F(TaggedTextTest, InlineImageDrawsOneFrameOfAStrip)
{
    // A strip of two 10 x 8 frames: red, then green.
    DWORD* p = nullptr;
    HBITMAP strip = CreateDib32(NULL, 20, 8, &p);
    ASSERT_NE(strip, (HBITMAP)NULL);
    for (int y = 0; y < 8; y++) {
        for (int x = 0; x < 20; x++) p[y * 20 + x] = x < 10 ? 0xFFFF0000 : 0xFF00FF00;
    }
    ASSERT_NE(pm.AddImage(L"strip", strip, 20, 8, false), nullptr);

    RECT rc = Measure(L"<i strip 2 1>");
    EXPECT_EQ(rc.right, 10);
    EXPECT_EQ(rc.bottom, lineHeight > 8 ? lineHeight : 8);
    Clear();
    Draw(L"<x 5><i strip 2 1>", {0, 0, 100, 40});
    const int middle = (lineHeight > 8 ? lineHeight : 8) / 2;
    EXPECT_EQ(At(10, middle), 0x00FF00u);
    EXPECT_EQ(At(3, middle), 0u);
    // An index outside the strip takes the first frame; an unknown image takes no room.
    Clear();
    Draw(L"<i strip 2 9>", {0, 0, 100, 40});
    EXPECT_EQ(At(5, middle), 0xFF0000u);
    EXPECT_EQ(Measure(L"<i nothing>ab").right, TextWidth(L"ab"));
}

TEST_F(TaggedTextTest, FontTagsUseTheManagersFonts)
{
    HFONT big = pm.AddFont(L"Tahoma", 30, false, false, false);
    ASSERT_NE(big, (HFONT)NULL);
    const int wide = TextWidth(L"WW", big);
    EXPECT_EQ(Measure(L"<f 0>WW</f>").right, wide);
    EXPECT_GT(Measure(L"<f 0>WW</f>").bottom, lineHeight);
    EXPECT_EQ(Measure(L"<f Tahoma 30>WW</f>").right, wide);
    // A named font not yet known is made and kept.
    const DWORD before = pm.GetCustomFontCount();
    Measure(L"<f Tahoma 18 bold>W</f>");
    EXPECT_EQ(pm.GetCustomFontCount(), before + 1);
}

TEST_F(TaggedTextTest, NothingHappensWithoutTextManagerOrRoom)
{
    RECT links[1] = {};
    CUIString texts[1];
    int count = 1;
    RECT empty = {10, 10, 10, 10};
    CRenderEngine::DrawHtmlText(dc, &pm, empty, L"<a x>y</a>", 0, links, texts, count, 0);
    EXPECT_EQ(count, 0);
    RECT rc = {0, 0, 100, 100};
    count = 1;
    CRenderEngine::DrawHtmlText(dc, NULL, rc, L"<a x>y</a>", 0, links, texts, count, 0);
    EXPECT_EQ(count, 0);
    count = 1;
    CRenderEngine::DrawHtmlText(dc, &pm, rc, L"", 0, links, texts, count, DT_CALCRECT);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(rc.right, 100);
}

TEST_F(TaggedTextTest, SingleLineCutsAtTheRightEdgeAndEndsInAnEllipsis)
{
    const wchar_t* text = L"abcdefghijklmnopqrstuvwxyz";
    const int room = TextWidth(L"abcdefghij");
    RECT cut = Measure(text, {0, 0, room, 40}, DT_SINGLELINE);
    EXPECT_LE(cut.right, room);
    EXPECT_EQ(cut.bottom, lineHeight);
    RECT dotted = Measure(text, {0, 0, room, 40}, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(dotted.right, room + TextWidth(L"..."));
    EXPECT_GT(dotted.right, TextWidth(L"abcdefgh") - 1);
}

TEST_F(TaggedTextTest, TheEllipsisOfACutLineIsShownWhole)
{
    // Which columns of the line hold ink, left to right.
    auto inkColumns = [&](int width) {
        std::vector<bool> ink(width, false);
        for (int x = 0; x < width; x++) {
            for (int y = 0; y < lineHeight && !ink[x]; y++) ink[x] = At(x, y) != 0;
        }
        return ink;
    };
    auto lastInk = [](const std::vector<bool>& ink) {
        int last = -1;
        for (int x = 0; x < static_cast<int>(ink.size()); x++) {
            if (ink[x]) last = x;
        }
        return last;
    };
    Clear();
    Draw(L"...", {0, 0, 200, 40});
    const std::vector<bool> dots = inkColumns(200);
    int firstDot = 0;
    while (!dots[firstDot]) firstDot++;
    const int lastDot = lastInk(dots);
    ASSERT_GT(lastDot, firstDot);

    struct
    {
        const wchar_t* text;
        int room;
    } cases[] = {
        {L"abcdefghijklmnopqrstuvwxyz", TextWidth(L"abcdefghij")},
        {L"ab cd efghijklmnop", TextWidth(L"ab cd ") + 1},  // cut where a word starts
        {L"ab cd efghijklmnop", TextWidth(L"ab cd")},       // cut at a blank
    };
    for (const auto& test : cases) {
        Clear();
        Draw(test.text, {0, 0, test.room, 40}, DT_SINGLELINE | DT_END_ELLIPSIS);
        const std::vector<bool> ink = inkColumns(test.room + 20);
        const int last = lastInk(ink);
        ASSERT_GE(last, lastDot - firstDot) << test.text;
        EXPECT_LT(last, test.room) << test.text;
        // The line ends in the three dots, none of them cut off.
        for (int i = 0; i <= lastDot - firstDot; i++) {
            EXPECT_EQ(ink[last - i], dots[lastDot - i]) << test.text << " column " << last - i;
        }
    }
}

TEST_F(TaggedTextTest, RandomTagSoupNeverOverrunsTheLinkSlots)
{
    // Pieces of tags, escapes and text thrown together with a fixed seed.
    const wchar_t* pieces[] = {L"<",     L">",    L"{",        L"}",    L"/",
                               L"a",     L"b",    L"c #",      L"f ",   L"i ",
                               L"n",     L"p 3",  L"r",        L"s",    L"u",
                               L"x -9",  L"y 7",  L"<a l>",    L"</a>", L"<{>",
                               L"{>}",   L"W",    L" ",        L"\n",   L"<i strip 3 9>",
                               L"<f 7>", L"</r>", L"FFFFFFFF", L"中"};
    DWORD* p = nullptr;
    HBITMAP strip = CreateDib32(NULL, 9, 4, &p);
    pm.AddImage(L"strip", strip, 9, 4, false);
    unsigned seed = 12345;
    for (int round = 0; round < 1500; round++) {
        std::wstring text;
        const int length = static_cast<int>(seed % 24);
        for (int i = 0; i < length; i++) {
            seed = seed * 1103515245u + 12345u;
            text += pieces[(seed >> 16) % (sizeof(pieces) / sizeof(pieces[0]))];
        }
        seed = seed * 1103515245u + 12345u;
        RECT links[3];
        CUIString texts[3];
        const int slots = static_cast<int>(seed % 3);
        for (RECT& rc : links) rc = RECT{-7, -7, -7, -7};
        UINT style = (seed >> 8) & (DT_SINGLELINE | DT_WORDBREAK | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
        for (UINT mode : {0u, static_cast<UINT>(DT_CALCRECT)}) {
            int count = slots;
            RECT rc = {0, 0, static_cast<LONG>(20 + seed % 200), 60};
            CRenderEngine::DrawHtmlText(dc, &pm, rc, text.c_str(), 0xFF000000, links, texts, count, style | mode);
            ASSERT_LE(count, slots) << round;
            ASSERT_GE(count, 0);
        }
        for (int i = slots; i < 3; i++) ASSERT_EQ(links[i].left, -7) << round;
    }
}

TEST_F(TaggedTextTest, CentredSingleLineMovesTheRectangle)
{
    RECT rc = {0, 0, 200, 40};
    int links = 0;
    const int width = TextWidth(L"abc");
    CRenderEngine::DrawHtmlText(dc, &pm, rc, L"abc", 0, NULL, NULL, links, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_EQ(rc.left, (200 - width) / 2);
    EXPECT_EQ(rc.right - rc.left, width);
    EXPECT_EQ(rc.top, (40 - lineHeight) / 2);
}

}  // namespace
