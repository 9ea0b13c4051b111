// Separator dragging of the vertical and horizontal layouts in a real window:
// both edges of both axes, the min and max limits, immediate and delayed mode
// with the delayed mode's preview, and the resize cursor.
#include <string>
#include <vector>

#include "core/dialog_builder.h"
#include "gtest/gtest.h"
#include "horizontal_layout.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"
#include "vertical_layout.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const int kWidth = 300;
const int kHeight = 200;

const wchar_t kPaneLeft[] =
    L"<Window><HorizontalLayout bkcolor=\"#FFFFFFFF\"><HorizontalLayout name=\"pane\" width=\"100\" sepwidth=\"4\" %s/>"
    L"<Control name=\"rest\"/></HorizontalLayout></Window>";

std::wstring Layout(const wchar_t* format, const wchar_t* attributes)
{
    std::wstring xml(format);
    xml.replace(xml.find(L"%s"), 2, attributes);
    return xml;
}

} // namespace

TEST(SeparatorDrag, TheDraggedEdgeFollowsThePointerWithinTheLimits)
{
    const struct
    {
        const char* what;
        const wchar_t* xml;
        POINT from;
        std::vector<POINT> moves;
        const char* pane;
    } cases[] = {
        {"right edge, wider",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" sepwidth=\"4\"/><Control/>"
         L"</HorizontalLayout></Window>",
         {98, 50},
         {{108, 50}, {118, 50}},
         "0,0,120,200"},
        {"right edge, narrower",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" sepwidth=\"4\"/><Control/>"
         L"</HorizontalLayout></Window>",
         {98, 50},
         {{88, 50}, {78, 50}},
         "0,0,80,200"},
        {"left edge, wider",
         L"<Window><HorizontalLayout><Control/><HorizontalLayout name=\"pane\" width=\"100\" sepwidth=\"-4\"/>"
         L"</HorizontalLayout></Window>",
         {202, 50},
         {{192, 50}, {182, 50}},
         "180,0,300,200"},
        {"bottom edge, taller: the strip follows the pointer as on the other axis",
         L"<Window><VerticalLayout><VerticalLayout name=\"pane\" height=\"100\" sepheight=\"4\"/><Control/>"
         L"</VerticalLayout></Window>",
         {50, 98},
         {{50, 108}, {50, 118}},
         "0,0,300,120"},
        {"bottom edge, shorter",
         L"<Window><VerticalLayout><VerticalLayout name=\"pane\" height=\"100\" sepheight=\"4\"/><Control/>"
         L"</VerticalLayout></Window>",
         {50, 98},
         {{50, 93}, {50, 88}},
         "0,0,300,90"},
        {"top edge, taller",
         L"<Window><VerticalLayout><Control/><VerticalLayout name=\"pane\" height=\"100\" sepheight=\"-4\"/>"
         L"</VerticalLayout></Window>",
         {50, 102},
         {{50, 92}, {50, 82}},
         "0,80,300,200"},
        {"after a stop at the limit the edge follows again only from the strip on",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" minwidth=\"80\" sepwidth=\"4\"/>"
         L"<Control/></HorizontalLayout></Window>",
         {98, 50},
         {{60, 50}, {70, 50}, {78, 50}},
         "0,0,88,200"},
        {"beyond the max width the drag stops at the max width",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" maxwidth=\"110\" sepwidth=\"4\"/>"
         L"<Control/></HorizontalLayout></Window>",
         {98, 50},
         {{108, 50}, {118, 50}, {140, 50}},
         "0,0,110,200"},
        {"a layout at its min width does not get smaller",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" minwidth=\"100\" sepwidth=\"4\"/>"
         L"<Control/></HorizontalLayout></Window>",
         {98, 50},
         {{90, 50}, {80, 50}},
         "0,0,100,200"},
        {"below the min height the drag stops at the min height",
         L"<Window><VerticalLayout><VerticalLayout name=\"pane\" height=\"100\" minheight=\"95\" sepheight=\"4\"/>"
         L"<Control/></VerticalLayout></Window>",
         {50, 98},
         {{50, 90}, {50, 70}},
         "0,0,300,95"},
        {"a child over the strip hands the press and the moves on to the layout",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" sepwidth=\"4\"><Control/>"
         L"</HorizontalLayout><Control/></HorizontalLayout></Window>",
         {98, 50},
         {{108, 50}, {118, 50}},
         "0,0,120,200"},
        {"a press beside the strip is no drag",
         L"<Window><HorizontalLayout><HorizontalLayout name=\"pane\" width=\"100\" sepwidth=\"4\"/><Control/>"
         L"</HorizontalLayout></Window>",
         {90, 50},
         {{120, 50}},
         "0,0,100,200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWindow w(c.xml, kWidth, kHeight);
        ASSERT_TRUE(w.ok());
        CControlUI* pane = w.Find(L"pane");
        ASSERT_NE(pane, nullptr);
        w.Drag(c.from, c.moves);
        w.Up(c.moves.back());
        w.Paint();
        EXPECT_EQ(c.pane, RectText(pane->GetPos()));
    }
}

TEST(SeparatorDrag, ImmediateModeResizesAtEveryMove)
{
    TestWindow w(Layout(kPaneLeft, L"sepimm=\"true\"").c_str(), kWidth, kHeight);
    ASSERT_TRUE(w.ok());
    CControlUI* pane = w.Find(L"pane");
    CControlUI* rest = w.Find(L"rest");
    w.Drag({98, 50}, {{108, 50}});
    EXPECT_EQ("0,0,110,200", RectText(pane->GetPos()));
    w.Paint();
    EXPECT_EQ("110,0,300,200", RectText(rest->GetPos()));
    EXPECT_EQ(0, w.pm.GetPostPaintCount());
    w.Move({128, 50}, MK_LBUTTON);
    w.Paint();
    EXPECT_EQ("0,0,130,200", RectText(pane->GetPos()));
    w.Up({128, 50});
}

TEST(SeparatorDrag, DelayedModeShowsWhereTheSeparatorLandsAndResizesOnRelease)
{
    TestWindow w(Layout(kPaneLeft, L"bkcolor=\"#FF0000FF\"").c_str(), kWidth, kHeight);
    ASSERT_TRUE(w.ok());
    CControlUI* pane = w.Find(L"pane");
    CControlUI* rest = w.Find(L"rest");
    w.Drag({98, 50}, {{108, 50}, {128, 50}});
    w.Paint();
    EXPECT_EQ("0,0,100,200", RectText(pane->GetPos()));
    EXPECT_EQ("100,0,300,200", RectText(rest->GetPos()));

    // The preview: translucent black over the strip where the edge will be.
    TestCanvas canvas(kWidth, kHeight);
    RECT rc = {0, 0, kWidth, kHeight};
    w.pm.PaintTo(canvas.dc(), rc, rc);
    EXPECT_TRUE(PixelNear(canvas, 128, 50, {85, 85, 85}, 4)); // white under the preview
    EXPECT_TRUE(PixelNear(canvas, 98, 50, {0, 0, 255}));      // the pane's own edge, no preview
    EXPECT_TRUE(PixelNear(canvas, 140, 50, {255, 255, 255}));

    w.Up({128, 50});
    EXPECT_EQ(0, w.pm.GetPostPaintCount());
    w.Paint();
    EXPECT_EQ("0,0,130,200", RectText(pane->GetPos()));
    EXPECT_EQ("130,0,300,200", RectText(rest->GetPos()));
    canvas.Fill(0xFF000000);
    w.pm.PaintTo(canvas.dc(), rc, rc);
    EXPECT_TRUE(PixelNear(canvas, 128, 50, {0, 0, 255}));
}

TEST(SeparatorDrag, SwitchingToImmediateModeMidDragDropsThePreview)
{
    TestWindow w(Layout(kPaneLeft, L"").c_str(), kWidth, kHeight);
    ASSERT_TRUE(w.ok());
    CHorizontalLayoutUI* pane = static_cast<CHorizontalLayoutUI*>(w.Find(L"pane"));
    w.Drag({98, 50}, {{108, 50}});
    EXPECT_EQ(1, w.pm.GetPostPaintCount());
    pane->SetSepImmMode(true);
    EXPECT_EQ(0, w.pm.GetPostPaintCount());
    w.Up({108, 50});
}

TEST(SeparatorDrag, ResizeCursorOverTheStripOnly)
{
    const struct
    {
        bool vertical;
        POINT pt;
        int cursor; // 0: the base's arrow
    } cases[] = {
        {false, {98, 50}, 32644},
        {false, {90, 50}, 32512},
        {true, {50, 98}, 32645},
        {true, {50, 90}, 32512},
    };
    for (const auto& c : cases) {
        CVerticalLayoutUI vertical;
        CHorizontalLayoutUI horizontal;
        vertical.SetSepHeight(4);
        horizontal.SetSepWidth(4);
        CControlUI* layout = c.vertical ? static_cast<CControlUI*>(&vertical) : &horizontal;
        RECT rc = {0, 0, 100, 100};
        layout->SetPos(rc);
        TEventUI event = {};
        event.type = UIEV_SET_CURSOR;
        event.point = c.pt;
        layout->Event(event);
        EXPECT_EQ(::LoadCursorW(NULL, MAKEINTRESOURCEW(c.cursor)), ::GetCursor()) << c.vertical;
    }
}
