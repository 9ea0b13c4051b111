// The scroll bar: part layout for lengths, ranges and hidden buttons, thumb
// dragging, auto-repeat of a free bar with its "scroll" notifications, and the
// outline drawn when no image is given.
#include <climits>
#include <string>

#include "container_ui.h"
#include "gtest/gtest.h"
#include "paint_manager.h"
#include "scroll_bar.h"
#include "test_support/guarded_buffer.h"
#include "test_support/test_canvas.h"
#include "test_support/test_images.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

TEventUI MouseEvent(int type, int x, int y, WPARAM wParam = 0)
{
    TEventUI event = {};
    event.type = type;
    event.point.x = x;
    event.point.y = y;
    event.wParam = wParam;
    return event;
}

struct ScrollCounter : INotifyUI
{
    int scrolls = 0;
    void Notify(TNotifyUI& msg) override
    {
        if (msg.type == L"scroll") ++scrolls;
    }
};

}  // namespace

TEST(ScrollBarLayout, PartsForLengthsRangesAndButtons)
{
    struct Case
    {
        const char* what;
        RECT pos;
        int range, scrollPos;
        bool button1, button2;
        const char* b1;
        const char* b2;
        const char* thumb;
    } cases[] = {
        {"range 0 fills the track", {0, 0, 16, 200}, 0, 0, true, true, "0,0,16,16", "0,184,16,200", "0,16,16,184"},
        {"thumb at the start", {0, 0, 16, 200}, 100, 0, true, true, "0,0,16,16", "0,184,16,200", "0,16,16,128"},
        {"thumb at the end", {0, 0, 16, 200}, 100, 100, true, true, "0,0,16,16", "0,184,16,200", "0,72,16,184"},
        {"hidden buttons give the track to the thumb",
         {0, 0, 16, 200},
         200,
         200,
         false,
         false,
         "0,0,0,0",
         "0,200,0,200",
         "0,100,16,200"},
        {"too short: half-length buttons and no thumb",
         {0, 0, 16, 40},
         100,
         0,
         true,
         true,
         "0,0,16,16",
         "0,24,16,40",
         "0,0,0,0"},
        {"very short", {0, 0, 16, 20}, 100, 0, true, true, "0,0,16,10", "0,10,16,20", "0,0,0,0"},
        {"a huge range cannot overflow",
         {0, 0, 16, 200},
         INT_MAX,
         INT_MAX,
         true,
         true,
         "0,0,16,16",
         "0,184,16,200",
         "0,168,16,184"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CScrollBarUI bar;
        bar.SetShowButton1(c.button1);
        bar.SetShowButton2(c.button2);
        bar.SetScrollRange(c.range);
        bar.SetScrollPos(c.scrollPos);
        bar.SetPos(c.pos);
        EXPECT_EQ(c.b1, RectText(bar.GetButton1Rect()));
        EXPECT_EQ(c.b2, RectText(bar.GetButton2Rect()));
        EXPECT_EQ(c.thumb, RectText(bar.GetThumbRect()));
    }
}

TEST(ScrollBarLayout, HorizontalBarsSwapTheAxes)
{
    CScrollBarUI bar;
    bar.SetHorizontal(true);
    EXPECT_EQ(16, bar.GetFixedHeight());
    EXPECT_EQ(0, bar.GetFixedWidth());
    bar.SetScrollRange(0);
    RECT rc = {0, 0, 200, 16};
    bar.SetPos(rc);
    EXPECT_EQ("0,0,16,16", RectText(bar.GetButton1Rect()));
    EXPECT_EQ("184,0,200,16", RectText(bar.GetButton2Rect()));
    EXPECT_EQ("16,0,184,16", RectText(bar.GetThumbRect()));
    bar.SetScrollRange(-5);
    EXPECT_EQ(0, bar.GetScrollRange());
    bar.SetScrollPos(7);
    EXPECT_EQ(0, bar.GetScrollPos());
}

TEST(ScrollBarAttributes, TheVocabularyOfTheBar)
{
    CScrollBarUI bar;
    GuardedText list(L"hor=\"true\" linesize=\"3\" range=\"50\" value=\"70\" showbutton1=\"false\" "
                     L"showbutton2=\"TRUE\" height=\"12\" thumbnormalimage=\"t.png\"");
    bar.ApplyAttributeList(list.get());
    EXPECT_TRUE(bar.IsHorizontal());
    EXPECT_EQ(12, bar.GetFixedHeight());  // other names go to the control base
    EXPECT_EQ(3, bar.GetLineSize());
    EXPECT_EQ(50, bar.GetScrollRange());
    EXPECT_EQ(50, bar.GetScrollPos());  // clamped to the range
    EXPECT_FALSE(bar.GetShowButton1());
    EXPECT_FALSE(bar.GetShowButton2());  // only "true" is true
    EXPECT_STREQ(L"t.png", bar.GetThumbNormalImage());
    EXPECT_STREQ(L"ScrollBarUI", bar.GetClass());
    EXPECT_EQ(&bar, bar.GetInterface(L"ScrollBar"));
    EXPECT_EQ(&bar, bar.GetInterface(L"Control"));

    // Hiding changes only the flag: no relayout of a parent, no repaint.
    bar.SetVisible(false);
    EXPECT_FALSE(bar.IsVisible());
    bar.SetAttribute(L"hor", L"false");  // back to vertical: 16 wide, no fixed height
    EXPECT_EQ(16, bar.GetFixedWidth());
    EXPECT_EQ(0, bar.GetFixedHeight());
}

TEST(ScrollBarEvents, HoldingButton2RepeatsFromTheSixthTick)
{
    CPaintManagerUI manager;
    CScrollBarUI* bar = new CScrollBarUI();
    manager.AttachDialog(bar);
    ScrollCounter counter;
    manager.AddNotifier(&counter);
    bar->SetScrollRange(1000);
    RECT rc = {0, 0, 16, 200};
    bar->SetPos(rc);

    TEventUI down = MouseEvent(UIEV_BUTTON_DOWN, 8, 190);
    bar->Event(down);
    EXPECT_EQ(8, bar->GetScrollPos());
    EXPECT_EQ(1, counter.scrolls);
    TEventUI tick = MouseEvent(UIEV_TIMER, 0, 0, CScrollBarUI::REPEAT_TIMER_ID);
    for (int i = 0; i < 5; i++) bar->Event(tick);
    EXPECT_EQ(8, bar->GetScrollPos());
    bar->Event(tick);
    EXPECT_EQ(16, bar->GetScrollPos());
    bar->Event(tick);
    EXPECT_EQ(24, bar->GetScrollPos());
    EXPECT_EQ(3, counter.scrolls);  // the press and the two repeats
    TEventUI up = MouseEvent(UIEV_BUTTON_UP, 8, 190);
    bar->Event(up);
    manager.RemoveNotifier(&counter);
}

TEST(ScrollBarEvents, DraggingTheThumbUsesTheShownButtonsOnly)
{
    // Moving the pointer by half the thumb's travel is half the range, whether
    // the buttons are shown or not.
    struct Case
    {
        bool buttons;
    } cases[] = {{true}, {false}};
    for (const Case& c : cases) {
        CPaintManagerUI manager;
        CScrollBarUI* bar = new CScrollBarUI();
        manager.AttachDialog(bar);
        bar->SetShowButton1(c.buttons);
        bar->SetShowButton2(c.buttons);
        bar->SetScrollRange(1000);
        RECT rc = {0, 0, 16, 216};
        bar->SetPos(rc);
        RECT thumb = bar->GetThumbRect();
        int track = 216 - (thumb.bottom - thumb.top) - (c.buttons ? 32 : 0);
        int y = (thumb.top + thumb.bottom) / 2;
        TEventUI down = MouseEvent(UIEV_BUTTON_DOWN, 8, y);
        bar->Event(down);
        EXPECT_NE(0u, bar->GetThumbState() & UISTATE_CAPTURED);
        TEventUI move = MouseEvent(UIEV_MOUSE_MOVE, 8, y + track / 2);
        bar->Event(move);
        TEventUI tick = MouseEvent(UIEV_TIMER, 0, 0, CScrollBarUI::REPEAT_TIMER_ID);
        bar->Event(tick);
        EXPECT_NEAR(500, bar->GetScrollPos(), 4) << (c.buttons ? "buttons" : "no buttons");
        TEventUI up = MouseEvent(UIEV_BUTTON_UP, 8, y);
        bar->Event(up);
        EXPECT_EQ(0u, bar->GetThumbState() & UISTATE_CAPTURED);
    }
}

TEST(ScrollBarEvents, ATrackOfNoLengthIgnoresTheDrag)
{
    CScrollBarUI bar;
    bar.SetScrollRange(0);
    RECT rc = {0, 0, 16, 60};
    bar.SetPos(rc);  // thumb fills the whole track: nothing to travel
    RECT thumb = bar.GetThumbRect();
    TEventUI down = MouseEvent(UIEV_BUTTON_DOWN, 8, (thumb.top + thumb.bottom) / 2);
    bar.Event(down);
    TEventUI move = MouseEvent(UIEV_MOUSE_MOVE, 8, 500);
    bar.Event(move);
    TEventUI tick = MouseEvent(UIEV_TIMER, 0, 0, CScrollBarUI::REPEAT_TIMER_ID);
    bar.Event(tick);
    EXPECT_EQ(0, bar.GetScrollPos());
}

TEST(ScrollBarEvents, AnOwnedBarScrollsItsContainer)
{
    CContainerUI owner;
    RECT ownerPos = {0, 0, 100, 50};
    owner.SetPos(ownerPos);
    owner.EnableScrollBar(true, false);
    CScrollBarUI* bar = owner.GetVerticalScrollBar();
    bar->SetScrollRange(100);
    RECT rc = {0, 0, 16, 200};
    bar->SetPos(rc);
    TEventUI down = MouseEvent(UIEV_BUTTON_DOWN, 8, 190);
    bar->Event(down);
    EXPECT_EQ(8, bar->GetScrollPos());  // LineDown of the owner: 8 without a manager
    TEventUI up = MouseEvent(UIEV_BUTTON_UP, 8, 190);
    bar->Event(up);
    TEventUI rail = MouseEvent(UIEV_BUTTON_DOWN, 8, 150);
    bar->Event(rail);
    EXPECT_EQ(58, bar->GetScrollPos());  // PageDown of the owner: its height
    bar->Event(up);
    TEventUI railAfterThumb = MouseEvent(UIEV_BUTTON_DOWN, 8, 175);
    bar->Event(railAfterThumb);
    EXPECT_EQ(100, bar->GetScrollPos());  // clamped to the range
    bar->Event(up);
}

TEST(ScrollBarPainting, PartsWithoutImagesGetAnOutline)
{
    CPaintManagerUI manager;
    CScrollBarUI* bar = new CScrollBarUI();
    bar->SetScrollRange(0);
    manager.AttachDialog(bar);
    TestCanvas canvas(16, 200, 0xFF000000);
    RECT rc = canvas.rect();
    manager.PaintTo(canvas.dc(), rc, rc);
    EXPECT_TRUE(PixelNear(canvas, 0, 8, Rgb{0x85, 0xE4, 0xFF}));     // button 1 outline
    EXPECT_TRUE(PixelNear(canvas, 8, 8, Rgb{0, 0, 0}));              // hollow inside
    EXPECT_TRUE(PixelNear(canvas, 15, 100, Rgb{0x85, 0xE4, 0xFF}));  // thumb outline
}

TEST(ScrollBarPainting, EachPartTakesTheImageOfItsState)
{
    ScratchSkin skin(L"scrollbar");
    const std::wstring& folder = skin.folder();
    const struct
    {
        const wchar_t* name;
        DWORD colour;
    } images[] = {
        {L"bk.png", 0xFF000080},    {L"b1.png", 0xFF0000FF},       {L"b1hot.png", 0xFF00FFFF},
        {L"thumb.png", 0xFFFF0000}, {L"thumbhot.png", 0xFF00FF00}, {L"thumbpushed.png", 0xFFFFFF00},
        {L"rail.png", 0xFFFFFFFF},
    };
    for (const auto& image : images) WriteBytes(folder + image.name, EncodePng(SolidImage(4, 4, image.colour)));

    CPaintManagerUI manager;
    CScrollBarUI* bar = new CScrollBarUI();
    bar->ApplyAttributeList(L"range=\"0\" bknormalimage=\"bk.png\" button1normalimage=\"b1.png\" "
                            L"button1hotimage=\"b1hot.png\" thumbnormalimage=\"thumb.png\" "
                            L"thumbhotimage=\"thumbhot.png\" thumbpushedimage=\"thumbpushed.png\" "
                            L"railnormalimage=\"rail.png\"");
    manager.AttachDialog(bar);
    TestCanvas canvas(16, 200, 0xFF808080);
    RECT rc = canvas.rect();
    struct Step
    {
        const char* what;
        int event;  // 0: none
        int x, y;
        bool enabled;
        Rgb button1, button2, thumb, rail;
    } steps[] = {
        // Button 2 has no image: its outline over the background.
        {"normal", 0, 0, 0, true, {0, 0, 255}, {0, 0, 128}, {255, 0, 0}, {255, 255, 255}},
        {"pointer on the thumb",
         UIEV_MOUSE_ENTER,
         8,
         50,
         true,
         {0, 255, 255},
         {0, 0, 128},
         {0, 255, 0},
         {255, 255, 255}},
        {"thumb pressed", UIEV_BUTTON_DOWN, 8, 50, true, {0, 255, 255}, {0, 0, 128}, {255, 255, 0}, {255, 255, 255}},
        {"disabled without disabled images",
         UIEV_BUTTON_UP,
         8,
         50,
         false,
         {0, 0, 255},
         {0, 0, 128},
         {255, 0, 0},
         {255, 255, 255}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.event != 0) {
            TEventUI event = {};
            event.type = step.event;
            event.point.x = step.x;
            event.point.y = step.y;
            bar->Event(event);
        }
        bar->SetEnabled(step.enabled);
        canvas.Fill(0xFF808080);
        manager.PaintTo(canvas.dc(), rc, rc);
        EXPECT_TRUE(PixelNear(canvas, 8, 8, step.button1));
        EXPECT_TRUE(PixelNear(canvas, 8, 192, step.button2));
        EXPECT_TRUE(PixelNear(canvas, 8, 30, step.thumb));
        EXPECT_TRUE(PixelNear(canvas, 8, 100, step.rail));  // a square of the thickness mid-thumb
        EXPECT_TRUE(PixelNear(canvas, 8, 91, step.thumb));
    }
}
