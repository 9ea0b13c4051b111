// Layout geometry: small layouts built from XML, laid out in a given rectangle,
// and the rectangles every named control ends with; the class and interface
// names of the layouts.
#include <sstream>
#include <string>

#include "child_layout.h"
#include "core/container_ui.h"
#include "core/dialog_builder.h"
#include "gtest/gtest.h"
#include "horizontal_layout.h"
#include "core/scroll_bar.h"
#include "tab_layout.h"
#include "core/test_support/test_canvas.h"
#include "tile_layout.h"
#include "vertical_layout.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

struct GeometryCase
{
    const char* what;
    const wchar_t* xml;
    RECT rc;
    // "name=l,t,r,b" separated by blanks.
    const char* expected;
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

void CheckGeometry(const GeometryCase& c)
{
    SCOPED_TRACE(c.what);
    CDialogBuilder builder;
    const std::wstring xml = std::wstring(L"<Window>") + c.xml + L"</Window>";
    CControlUI* root = builder.Create(STRINGorID(xml.c_str()));
    ASSERT_NE(root, nullptr);
    CContainerUI* container = static_cast<CContainerUI*>(root->GetInterface(L"Container"));
    ASSERT_NE(container, nullptr);
    root->SetPos(c.rc);
    std::istringstream expected(c.expected);
    std::string item;
    while (expected >> item) {
        const std::string name = item.substr(0, item.find('='));
        const std::wstring wideName(name.begin(), name.end());
        CControlUI* control = container->FindSubControl(wideName.c_str());
        if (control == nullptr) {
            ADD_FAILURE() << "no control " << name;
            continue;
        }
        EXPECT_EQ(item, name + "=" + RectText(control->GetPos()));
    }
    delete root;
}

} // namespace

TEST(LayoutGeometry, VerticalLayout)
{
    const GeometryCase cases[] = {
        {"a fixed child and an adjustable one share the height less the child padding",
         L"<VerticalLayout childpadding=\"5\"><Control name=\"a\" height=\"30\"/><Control name=\"b\"/></VerticalLayout>",
         {0, 0, 100, 100},
         "a=0,0,100,30 b=0,35,100,100"},
        {"the last adjustable child takes what the division left",
         L"<VerticalLayout><Control name=\"a\"/><Control name=\"b\"/><Control name=\"c\"/></VerticalLayout>",
         {0, 0, 50, 100},
         "a=0,0,50,33 b=0,33,50,66 c=0,66,50,100"},
        {"gaps between adjustable children are not taken twice from the last one",
         L"<VerticalLayout childpadding=\"5\"><Control name=\"a\"/><Control name=\"b\"/><Control name=\"c\"/>"
         L"</VerticalLayout>",
         {0, 0, 50, 100},
         "a=0,0,50,30 b=0,35,50,65 c=0,70,50,100"},
        {"a fixed child after the adjustable ones keeps its place at the end",
         L"<VerticalLayout childpadding=\"4\"><Control name=\"a\"/><Control name=\"b\"/>"
         L"<Control name=\"c\" height=\"20\" padding=\"0,2,0,2\"/></VerticalLayout>",
         {0, 0, 50, 100},
         "a=0,0,50,34 b=0,38,50,72 c=0,78,50,100"},
        {"inset, padding (the bottom padding lies inside the rectangle) and fixed width",
         L"<VerticalLayout inset=\"10,10,10,10\"><Control name=\"a\" height=\"20\" padding=\"5,5,5,5\"/>"
         L"<Control name=\"b\" width=\"40\"/></VerticalLayout>",
         {0, 0, 120, 120},
         "a=15,15,105,40 b=10,40,50,110"},
        {"min and max heights and widths limit the children",
         L"<VerticalLayout><Control name=\"a\" maxheight=\"20\"/><Control name=\"b\" minwidth=\"300\"/>"
         L"<Control name=\"c\" height=\"5\" minheight=\"10\" maxwidth=\"30\"/></VerticalLayout>",
         {0, 0, 100, 100},
         "a=0,0,100,20 b=0,20,300,90 c=0,90,30,100"},
        {"hidden children take no room, floating ones stand at their position",
         L"<VerticalLayout><Control name=\"a\" visible=\"false\" height=\"40\"/><Control name=\"b\" height=\"10\"/>"
         L"<Control name=\"f\" float=\"true\" pos=\"-30,5,-10,25\"/><Control name=\"c\"/></VerticalLayout>",
         {10, 10, 110, 110},
         "b=10,10,110,20 f=80,15,100,35 c=10,20,110,110"},
        {"children of their own height beyond the room are placed below it",
         L"<VerticalLayout><Control name=\"a\" height=\"80\"/><Control name=\"b\" height=\"80\"/>"
         L"<Control name=\"c\"/></VerticalLayout>",
         {0, 0, 100, 100},
         "a=0,0,100,80 b=0,80,100,160 c=0,160,100,160"},
    };
    for (const GeometryCase& c : cases) CheckGeometry(c);
}

TEST(LayoutGeometry, HorizontalLayout)
{
    const GeometryCase cases[] = {
        {"a fixed child and an adjustable one share the width less the child padding",
         L"<HorizontalLayout childpadding=\"5\"><Control name=\"a\" width=\"30\"/><Control name=\"b\"/>"
         L"</HorizontalLayout>",
         {0, 0, 100, 40},
         "a=0,0,30,40 b=35,0,100,40"},
        {"the last adjustable child takes what the division left, also with gaps",
         L"<HorizontalLayout childpadding=\"5\"><Control name=\"a\"/><Control name=\"b\"/><Control name=\"c\"/>"
         L"</HorizontalLayout>",
         {0, 0, 101, 40},
         "a=0,0,30,40 b=35,0,65,40 c=70,0,101,40"},
        {"padding (the right padding lies inside the rectangle), inset and fixed height",
         L"<HorizontalLayout inset=\"2,3,4,5\"><Control name=\"a\" width=\"20\" padding=\"5,5,5,5\"/>"
         L"<Control name=\"b\" height=\"10\"/></HorizontalLayout>",
         {0, 0, 100, 50},
         "a=7,8,32,40 b=32,3,96,13"},
        {"limits of width and height",
         L"<HorizontalLayout><Control name=\"a\" maxwidth=\"10\"/><Control name=\"b\" maxheight=\"7\"/>"
         L"</HorizontalLayout>",
         {0, 0, 100, 50},
         "a=0,0,10,50 b=10,0,100,7"},
    };
    for (const GeometryCase& c : cases) CheckGeometry(c);
}

TEST(LayoutGeometry, TileLayout)
{
    const GeometryCase cases[] = {
        {"the item width decides the columns whatever columns says; tiles centred in cells",
         L"<TileLayout itemsize=\"110,50\" columns=\"2\">"
         L"<Control name=\"a\" width=\"100\" height=\"40\"/><Control name=\"b\" width=\"100\" height=\"40\"/>"
         L"<Control name=\"c\" width=\"100\" height=\"40\"/><Control name=\"d\" width=\"100\" height=\"40\"/>"
         L"<Control name=\"e\" width=\"100\" height=\"40\"/></TileLayout>",
         {0, 0, 450, 200},
         "a=6,0,106,40 b=118,0,218,40 c=230,0,330,40 d=342,0,442,40 e=6,40,106,80"},
        {"without an item width the columns stay; child padding between rows and columns",
         L"<TileLayout columns=\"3\" childpadding=\"10\">"
         L"<Control name=\"a\" height=\"20\"/><Control name=\"b\" height=\"20\"/><Control name=\"c\" height=\"20\"/>"
         L"<Control name=\"d\" height=\"20\"/></TileLayout>",
         {0, 0, 300, 200},
         "a=0,0,95,20 b=105,0,195,20 c=205,0,300,20 d=0,30,95,50"},
        {"a row is as high as its tallest tile, measured with each tile's own limits",
         L"<TileLayout columns=\"2\"><Control name=\"a\" height=\"20\" maxheight=\"20\"/>"
         L"<Control name=\"b\" height=\"50\"/><Control name=\"c\" height=\"10\"/></TileLayout>",
         {0, 0, 200, 200},
         "a=0,15,100,35 b=100,0,200,50 c=0,50,100,60"},
        {"an item wider than the layout still gives one column",
         L"<TileLayout itemsize=\"500,10\"><Control name=\"a\" height=\"10\"/><Control name=\"b\" height=\"10\"/>"
         L"</TileLayout>",
         {0, 0, 100, 100},
         "a=0,0,100,10 b=0,10,100,20"},
    };
    for (const GeometryCase& c : cases) CheckGeometry(c);
}

TEST(LayoutGeometry, TabLayoutPlacesOnlyTheSelectedPage)
{
    const GeometryCase cases[] = {
        {"selectedid chooses among the pages built before it",
         L"<TabLayout selectedid=\"1\" inset=\"1,1,1,1\"><Control name=\"a\"/>"
         L"<Control name=\"b\" padding=\"2,2,2,2\" width=\"30\"/></TabLayout>",
         {0, 0, 100, 100},
         "a=0,0,0,0 b=3,3,33,97"},
        {"the first page is selected by default",
         L"<TabLayout><Control name=\"a\" maxheight=\"40\"/><Control name=\"b\"/></TabLayout>",
         {0, 0, 100, 100},
         "a=0,0,100,40 b=0,0,0,0"},
    };
    for (const GeometryCase& c : cases) CheckGeometry(c);
}

TEST(LayoutClasses, NamesAndInterfaces)
{
    CVerticalLayoutUI vertical;
    CHorizontalLayoutUI horizontal;
    CTileLayoutUI tile;
    CChildLayoutUI child;
    CTabLayoutUI tab;
    const struct
    {
        CControlUI* control;
        const wchar_t* className;
        const wchar_t* interfaceName;
        bool container;
    } cases[] = {
        {&vertical, L"VerticalLayoutUI", L"VerticalLayout", true},
        {&horizontal, L"HorizontalLayoutUI", L"HorizontalLayout", true},
        {&tile, L"TileLayoutUI", L"TileLayout", true},
        {&child, L"ChildLayoutUI", L"ChildLayout", false},
        {&tab, L"TabLayoutUI", L"TabLayout", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.className));
        EXPECT_STREQ(c.className, c.control->GetClass());
        EXPECT_EQ(c.control, c.control->GetInterface(c.interfaceName));
        EXPECT_EQ(c.control, c.control->GetInterface(L"Control"));
        EXPECT_EQ(c.container, c.control->GetInterface(L"Container") != nullptr);
        EXPECT_EQ(c.container, c.control->GetInterface(L"IContainer") != nullptr);
        EXPECT_EQ(nullptr, c.control->GetInterface(L"Nothing"));
    }
}

TEST(LayoutAttributes, TheLayoutsOwnAttributes)
{
    CVerticalLayoutUI vertical;
    vertical.ApplyAttributeList(L"sepheight=\"-6\" sepimm=\"true\" childpadding=\"3\"");
    EXPECT_EQ(-6, vertical.GetSepHeight());
    EXPECT_TRUE(vertical.IsSepImmMode());
    EXPECT_EQ(3, vertical.GetChildPadding()); // other names go to the container
    EXPECT_EQ(CTRLFLAG_SETCURSOR, vertical.GetControlFlags());
    vertical.SetEnabled(false);
    EXPECT_EQ(0u, vertical.GetControlFlags());

    CHorizontalLayoutUI horizontal;
    EXPECT_EQ(0u, horizontal.GetControlFlags()); // no separator
    horizontal.ApplyAttributeList(L"sepwidth=\"4\" sepimm=\"TRUE\"");
    EXPECT_EQ(4, horizontal.GetSepWidth());
    EXPECT_FALSE(horizontal.IsSepImmMode());
    EXPECT_EQ(CTRLFLAG_SETCURSOR, horizontal.GetControlFlags());

    CTileLayoutUI tile;
    tile.ApplyAttributeList(L"itemsize=\"110;60\" columns=\"3\"");
    EXPECT_EQ(110, tile.GetItemSize().cx);
    EXPECT_EQ(60, tile.GetItemSize().cy);
    EXPECT_EQ(3, tile.GetColumns());
    tile.SetColumns(0);
    EXPECT_EQ(3, tile.GetColumns());

    CChildLayoutUI child;
    child.SetAttribute(L"xmlfile", L"page.xml");
    EXPECT_STREQ(L"page.xml", child.GetChildLayoutXML().GetData());
}

TEST(LayoutSeparator, StripAlongTheEdges)
{
    const struct
    {
        bool vertical;
        int size;
        RECT rc;
        const char* strip;
    } cases[] = {
        {false, 4, {10, 20, 110, 70}, "106,20,110,70"},   {false, -4, {10, 20, 110, 70}, "10,20,14,70"},
        {false, 200, {10, 20, 110, 70}, "-90,20,110,70"}, // not clamped across
        {true, 4, {10, 20, 110, 70}, "10,66,110,70"},     {true, -4, {10, 20, 110, 70}, "10,20,110,24"},
        {true, 200, {10, 20, 110, 70}, "10,20,110,70"}, // clamped to the layout
        {true, -200, {10, 20, 110, 70}, "10,20,110,70"},
    };
    for (const auto& c : cases) {
        CVerticalLayoutUI vertical;
        CHorizontalLayoutUI horizontal;
        CSeparatorLayoutUI* layout = &horizontal;
        if (c.vertical) {
            vertical.SetSepHeight(c.size);
            layout = &vertical;
        } else {
            horizontal.SetSepWidth(c.size);
        }
        layout->SetPos(c.rc);
        EXPECT_EQ(c.strip, RectText(layout->GetThumbRect(false))) << c.vertical << " " << c.size;
        EXPECT_EQ(c.strip, RectText(layout->GetThumbRect(true))) << "no drag: the layout's own rectangle";
    }
}

TEST(LayoutGeometry, ContentTallerThanTheLayoutShowsTheBarAndScrolls)
{
    CDialogBuilder builder;
    CControlUI* root =
        builder.Create(STRINGorID(L"<Window><VerticalLayout vscrollbar=\"true\">"
                                  L"<Control name=\"a\" height=\"80\"/><Control name=\"b\" height=\"80\"/>"
                                  L"</VerticalLayout></Window>"));
    ASSERT_NE(root, nullptr);
    CContainerUI* layout = static_cast<CContainerUI*>(root->GetInterface(L"Container"));
    RECT rc = {0, 0, 100, 100};
    layout->SetPos(rc);
    CControlUI* a = layout->FindSubControl(L"a");
    CControlUI* b = layout->FindSubControl(L"b");
    const int bar = layout->GetVerticalScrollBar()->GetFixedWidth();
    ASSERT_TRUE(layout->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(60, layout->GetScrollRange().cy);
    EXPECT_EQ("0,0," + std::to_string(100 - bar) + ",80", RectText(a->GetPos()));
    EXPECT_EQ("0,80," + std::to_string(100 - bar) + ",160", RectText(b->GetPos()));

    SIZE pos = {0, 30};
    layout->SetScrollPos(pos);
    layout->SetPos(rc); // laid out again at the scrolled position
    EXPECT_EQ("0,50," + std::to_string(100 - bar) + ",130", RectText(b->GetPos()));

    // Room enough again: the bar goes and the children take the whole width.
    RECT tall = {0, 0, 100, 200};
    layout->SetPos(tall);
    EXPECT_FALSE(layout->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ("0,80,100,160", RectText(b->GetPos()));
    delete root;
}
