// Layout geometry of built trees (inset, fixed and floating positions, relative
// move and zoom, invisible children, scroll ranges), the child list rules, and
// pixels of trees painted through the paint manager into a DIB section.
#include <string>
#include <vector>

#include "container_ui.h"
#include "dialog_builder.h"
#include "gtest/gtest.h"
#include "paint_manager.h"
#include "render_engine.h"
#include "scroll_bar.h"
#include "test_support/test_canvas.h"
#include "test_support/test_images.h"
#include "test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// Stacks its children top to bottom by their fixed heights and scrolls them.
class StackUI : public CContainerUI
{
public:
    void SetPos(RECT rc) override
    {
        CControlUI::SetPos(rc);
        RECT work = GetChildArea();
        int total = 0;
        for (int i = 0; i < GetCount(); i++) total += GetItemAt(i)->GetFixedHeight();
        int y = work.top - GetScrollPos().cy;
        for (int i = 0; i < GetCount(); i++) {
            CControlUI* child = GetItemAt(i);
            RECT rcChild = {work.left, y, work.right, y + child->GetFixedHeight()};
            child->SetPos(rcChild);
            y += child->GetFixedHeight();
        }
        ProcessScrollBar(work, 0, total);
    }
};

class TestCallback : public IDialogBuilderCallback
{
public:
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        if (wcscmp(pstrClass, L"Stack") == 0) return new StackUI();
        return NULL;
    }
};

struct Tree
{
    CPaintManagerUI manager;
    CControlUI* root = NULL;

    explicit Tree(const wchar_t* xml)
    {
        TestCallback callback;
        CDialogBuilder builder;
        root = builder.Create(xml, NULL, &callback, &manager);
        manager.AttachDialog(root);
    }
    void Layout(RECT rc)
    {
        manager.NeedUpdate();
        root->NeedUpdate();
        manager.LayoutPass(rc);
    }
    CControlUI* Find(const wchar_t* name) { return manager.FindControl(name); }
};

}  // namespace

TEST(ContainerGeometry, FixturesGiveTheExpectedRectangles)
{
    struct Expect
    {
        const wchar_t* name;
        RECT rc;
    };
    struct Case
    {
        const char* what;
        const wchar_t* xml;
        RECT client;
        std::vector<Expect> expected;
    } cases[] = {
        {"inset shrinks the child area",
         L"<Window><Container name='root' inset='5,6,7,8'><Control name='a'/></Container></Window>",
         {0, 0, 200, 100},
         {{L"root", {0, 0, 200, 100}}, {L"a", {5, 6, 193, 92}}}},
        {"nested insets add up",
         L"<Window><Container inset='10,10,10,10'><Container name='mid' inset='1,2,3,4'>"
         L"<Control name='leaf'/></Container></Container></Window>",
         {0, 0, 100, 100},
         {{L"mid", {10, 10, 90, 90}}, {L"leaf", {11, 12, 87, 86}}}},
        {"float at a fixed position",
         L"<Window><Container inset='5,5,5,5'><Control name='f' float='true' pos='10,20,60,50'/></Container></Window>",
         {0, 0, 200, 100},
         {{L"f", {10, 20, 60, 50}}}},
        {"negative positions anchor to the right and bottom",
         L"<Window><Container><Control name='f' float='true' pos='-10,5,-2,25'/>"
         L"<Control name='g' float='true' pos='5,-40,10,-10'/></Container></Window>",
         {0, 0, 200, 100},
         {{L"f", {190, 5, 198, 25}}, {L"g", {5, 60, 10, 90}}}},
        {"invisible children are not placed",
         L"<Window><Container><Control name='gone' visible='false'/><Control name='here'/></Container></Window>",
         {0, 0, 50, 50},
         {{L"gone", {0, 0, 0, 0}}, {L"here", {0, 0, 50, 50}}}},
        {"padding is kept for the layouts, the base fills the inset area",
         L"<Window><Container><Control name='p' padding='1,2,3,4'/></Container></Window>",
         {0, 0, 40, 30},
         {{L"p", {0, 0, 40, 30}}}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring xml = c.xml;
        for (wchar_t& ch : xml)
            if (ch == L'\'') ch = L'"';
        Tree tree(xml.c_str());
        ASSERT_TRUE(tree.root != NULL);
        tree.manager.LayoutPass(c.client);
        for (const Expect& e : c.expected) {
            CControlUI* control = tree.Find(e.name);
            ASSERT_TRUE(control != NULL);
            EXPECT_EQ(RectText(e.rc), RectText(control->GetPos()));
        }
    }
}

TEST(ContainerGeometry, RelativePositionFollowsTheParentsGrowth)
{
    Tree tree(L"<Window><Container>"
              L"<Control name=\"move\" float=\"true\" pos=\"10,10,30,30\" relativepos=\"50,100,0,0\"/>"
              L"<Control name=\"zoom\" float=\"true\" pos=\"0,0,20,20\" relativepos=\"0,0,100,50\"/>"
              L"</Container></Window>");
    RECT first = {0, 0, 100, 100};
    tree.Layout(first);
    EXPECT_EQ("10,10,30,30", RectText(tree.Find(L"move")->GetPos()));
    EXPECT_EQ("0,0,20,20", RectText(tree.Find(L"zoom")->GetPos()));
    RECT bigger = {0, 0, 140, 120};  // 40 wider, 20 taller
    tree.Layout(bigger);
    EXPECT_EQ("30,30,50,50", RectText(tree.Find(L"move")->GetPos()));
    EXPECT_EQ("0,0,60,30", RectText(tree.Find(L"zoom")->GetPos()));
}

TEST(ContainerGeometry, AFloatThatChangesItsSizeOrPlaceIsPlacedAgain)
{
    Tree tree(L"<Window><Container><Control name=\"f\" float=\"true\" pos=\"10,10,30,30\"/>"
              L"</Container></Window>");
    RECT client = {0, 0, 200, 100};
    tree.manager.LayoutPass(client);
    CControlUI* f = tree.Find(L"f");
    EXPECT_EQ("10,10,30,30", RectText(f->GetPos()));
    struct Step
    {
        const char* what;
        int width, height;
        SIZE xy;
        const char* expected;
    } steps[] = {
        {"wider", 50, 20, {10, 10}, "10,10,60,30"},
        {"taller and moved", 50, 40, {20, 5}, "20,5,70,45"},
        {"anchored to the right", 50, 40, {-10, 5}, "140,5,190,45"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        f->SetFixedWidth(step.width);
        f->SetFixedHeight(step.height);
        f->SetFixedXY(step.xy);
        tree.manager.LayoutPass(client);
        EXPECT_EQ(step.expected, RectText(f->GetPos()));
        EXPECT_FALSE(f->IsUpdateNeeded());
    }
}

TEST(ContainerGeometry, ScrollRangeFollowsTheContent)
{
    Tree tree(L"<Window><Stack name=\"list\" vscrollbar=\"true\">"
              L"<Control height=\"60\"/><Control height=\"60\"/><Control name=\"last\" height=\"60\"/>"
              L"</Stack></Window>");
    CContainerUI* list = static_cast<CContainerUI*>(tree.Find(L"list"));
    ASSERT_TRUE(list != NULL);
    CScrollBarUI* bar = list->GetVerticalScrollBar();
    ASSERT_TRUE(bar != NULL);

    RECT tall = {0, 0, 100, 300};
    tree.Layout(tall);
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(0, list->GetScrollRange().cy);

    RECT shortRect = {0, 0, 100, 100};
    tree.Layout(shortRect);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(80, list->GetScrollRange().cy);
    EXPECT_EQ("84,0,100,100", RectText(bar->GetPos()));
    EXPECT_EQ("0,120,84,180", RectText(tree.Find(L"last")->GetPos()));

    list->EndDown();
    EXPECT_EQ(80, list->GetScrollPos().cy);
    EXPECT_EQ("0,40,84,100", RectText(tree.Find(L"last")->GetPos()));
    list->LineUp();  // no font metrics without a window: 8 pixels
    EXPECT_EQ(72, list->GetScrollPos().cy);

    // Content that fits again: a range of 0 or less hides the bar.
    tree.Layout(tall);
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(0, list->GetScrollPos().cy);
    EXPECT_EQ("0,120,100,180", RectText(tree.Find(L"last")->GetPos()));
}

TEST(ContainerChildren, BadIndexesNeverLoseAChild)
{
    CContainerUI container;
    container.SetDelayedDestroy(false);
    CControlUI* a = new CControlUI();
    CControlUI* b = new CControlUI();
    ASSERT_TRUE(container.Add(a));
    ASSERT_TRUE(container.Add(b));

    CControlUI* stray = new CControlUI();
    EXPECT_FALSE(container.AddAt(stray, 5));
    EXPECT_FALSE(container.AddAt(stray, -1));
    EXPECT_EQ(2, container.GetCount());
    EXPECT_TRUE(stray->GetParent() == NULL);
    delete stray;

    EXPECT_FALSE(container.SetItemIndex(a, 2));
    EXPECT_FALSE(container.SetItemIndex(a, -1));
    EXPECT_EQ(0, container.GetItemIndex(a));
    EXPECT_EQ(2, container.GetCount());
    EXPECT_TRUE(container.SetItemIndex(a, 1));
    EXPECT_EQ(1, container.GetItemIndex(a));
    EXPECT_EQ(b, container.GetItemAt(0));
    EXPECT_TRUE(container.AddAt(new CControlUI(), 2));
    EXPECT_EQ(3, container.GetCount());
    EXPECT_FALSE(container.Remove(NULL));
    EXPECT_FALSE(container.RemoveAt(7));
}

namespace {

class CountedControl : public CControlUI
{
public:
    explicit CountedControl(int* deaths) : m_deaths(deaths) {}
    ~CountedControl() override { ++*m_deaths; }

private:
    int* m_deaths;
};

}  // namespace

TEST(ContainerChildren, DelayedDestroyWaitsForTheManager)
{
    int deaths = 0;
    {
        CPaintManagerUI manager;
        CContainerUI* root = new CContainerUI();
        manager.AttachDialog(root);
        CountedControl* child = new CountedControl(&deaths);
        ASSERT_TRUE(root->Add(child));
        EXPECT_EQ(&manager, child->GetManager());
        ASSERT_TRUE(root->Remove(child));
        EXPECT_EQ(0, deaths);  // alive until the manager's cleanup
        root->Add(new CountedControl(&deaths));
        root->Add(new CountedControl(&deaths));
        root->RemoveAll();
        EXPECT_EQ(0, root->GetCount());
        EXPECT_EQ(0, deaths);
    }
    EXPECT_EQ(3, deaths);

    CContainerUI loose;
    ASSERT_TRUE(loose.Add(new CountedControl(&deaths)));
    ASSERT_TRUE(loose.RemoveAt(0));
    EXPECT_EQ(4, deaths);  // without a manager at once
    loose.Add(new CountedControl(&deaths));
    loose.RemoveAll();
    EXPECT_EQ(5, deaths);
}

TEST(ContainerChildren, AChildKeptByTheCallerLeavesItsParent)
{
    CPaintManagerUI manager;
    CContainerUI* root = new CContainerUI();
    manager.AttachDialog(root);
    CContainerUI* box = new CContainerUI();
    root->Add(box);
    box->SetAutoDestroy(false);
    CControlUI* kept = new CControlUI();
    CControlUI* alsoKept = new CControlUI();
    box->Add(kept);
    box->Add(alsoKept);
    EXPECT_EQ(box, kept->GetParent());
    ASSERT_TRUE(box->Remove(kept));
    box->RemoveAll();
    EXPECT_TRUE(kept->GetParent() == NULL);
    EXPECT_TRUE(alsoKept->GetParent() == NULL);
    EXPECT_EQ(&manager, kept->GetManager());
    root->SetDelayedDestroy(false);
    ASSERT_TRUE(root->Remove(box));  // destroyed at once
    // The old parent is gone; the children still work and can be placed again.
    kept->NeedParentUpdate();
    kept->Invalidate();
    EXPECT_TRUE(root->Add(kept));
    EXPECT_EQ(root, kept->GetParent());
    delete alsoKept;

    // A child taken from a hidden container shows again in a visible one.
    CContainerUI hidden;
    hidden.SetAutoDestroy(false);
    hidden.SetVisible(false);
    CControlUI* moved = new CControlUI();
    hidden.Add(moved);
    EXPECT_FALSE(moved->IsVisible());
    ASSERT_TRUE(hidden.Remove(moved));
    ASSERT_TRUE(root->Add(moved));
    EXPECT_TRUE(moved->IsVisible());
}

TEST(ContainerSearch, HitTestingAndMouseChild)
{
    Tree tree(L"<Window><Container name=\"outer\" mousechild=\"false\"><Control name=\"inner\"/></Container>"
              L"</Window>");
    RECT rc = {0, 0, 50, 50};
    tree.manager.LayoutPass(rc);
    POINT pt = {10, 10};
    EXPECT_EQ(tree.Find(L"outer"), tree.manager.FindControl(pt));
    static_cast<CContainerUI*>(tree.Find(L"outer"))->SetMouseChildEnabled(true);
    EXPECT_EQ(tree.Find(L"inner"), tree.manager.FindControl(pt));
    POINT outside = {60, 10};
    EXPECT_TRUE(tree.manager.FindControl(outside) == NULL);
    EXPECT_EQ(tree.Find(L"inner"), tree.manager.FindSubControlByName(NULL, L"INNER"));
    EXPECT_TRUE(tree.manager.FindControl(L"INNER") == NULL);
    EXPECT_EQ(tree.Find(L"inner"), tree.manager.FindSubControlByClass(NULL, L"ControlUI", 0));
    EXPECT_TRUE(tree.manager.FindSubControlByClass(NULL, L"ControlUI", 1) == NULL);
    EXPECT_TRUE(tree.manager.FindSubControlByClass(NULL, L"ControlUI", -1) == NULL);
    EXPECT_EQ(2, tree.manager.FindSubControlsByClass(NULL, L"*")->GetSize());
}

TEST(ContainerSearch, FindSelectableSkipsWhatIsNoVisibleEnabledListItem)
{
    struct ListItem : CControlUI
    {
        LPVOID GetInterface(const wchar_t* name) override
        {
            return wcscmp(name, L"ListItem") == 0 ? this : CControlUI::GetInterface(name);
        }
    };
    CContainerUI list;
    EXPECT_EQ(-1, list.FindSelectable(0, true));
    list.Add(new ListItem());
    list.Add(new ListItem());
    list.Add(new ListItem());
    EXPECT_EQ(2, list.FindSelectable(5, false));
    EXPECT_EQ(0, list.FindSelectable(-3, true));
    list.GetItemAt(1)->SetEnabled(false);
    list.GetItemAt(2)->SetVisible(false);
    EXPECT_EQ(-1, list.FindSelectable(1, true));
    EXPECT_EQ(0, list.FindSelectable(2, false));
    list.Add(new CControlUI());
    EXPECT_EQ(-1, list.FindSelectable(3, true));
}

TEST(ContainerSearch, ScrollBarStyleCreatesAndStylesTheBar)
{
    CContainerUI container;
    container.SetAttribute(L"vscrollbarstyle", L"width=\"12\" linesize=\"5\"");
    ASSERT_TRUE(container.GetVerticalScrollBar() != NULL);
    EXPECT_EQ(12, container.GetVerticalScrollBar()->GetFixedWidth());
    EXPECT_EQ(5, container.GetVerticalScrollBar()->GetLineSize());
    EXPECT_EQ(&container, container.GetVerticalScrollBar()->GetOwner());
    container.SetAttribute(L"vscrollbar", L"false");
    EXPECT_TRUE(container.GetVerticalScrollBar() == NULL);

    container.SetAttribute(L"hscrollbarstyle", L"height=\"11\"");
    ASSERT_TRUE(container.GetHorizontalScrollBar() != NULL);
    EXPECT_TRUE(container.GetHorizontalScrollBar()->IsHorizontal());
    EXPECT_EQ(11, container.GetHorizontalScrollBar()->GetFixedHeight());
    EXPECT_TRUE(container.GetVerticalScrollBar() == NULL);  // the other bar stays as it was
    container.SetAttribute(L"vscrollbar", L"true");
    EXPECT_TRUE(container.GetVerticalScrollBar() != NULL);
    EXPECT_EQ(11, container.GetHorizontalScrollBar()->GetFixedHeight());
    container.SetAttribute(L"hscrollbar", L"false");
    EXPECT_TRUE(container.GetHorizontalScrollBar() == NULL);
    EXPECT_TRUE(container.GetVerticalScrollBar() != NULL);
}

TEST(ContainerScrolling, KeysAndTheWheelScrollAlongTheShownBar)
{
    // Without a manager a line is 8 pixels; a page is the item less the inset.
    enum Bar
    {
        VERTICAL,
        HORIZONTAL,
        BOTH,
        DISABLED
    };
    struct Case
    {
        const char* what;
        Bar bar;
        int type;
        WPARAM code;
        int start, expected;
    } cases[] = {
        {"down a line", VERTICAL, UIEV_KEY_DOWN, VK_DOWN, 0, 8},
        {"up a line", VERTICAL, UIEV_KEY_DOWN, VK_UP, 20, 12},
        {"page down", VERTICAL, UIEV_KEY_DOWN, VK_NEXT, 0, 40},
        {"page up", VERTICAL, UIEV_KEY_DOWN, VK_PRIOR, 100, 60},
        {"end", VERTICAL, UIEV_KEY_DOWN, VK_END, 0, 200},
        {"home", VERTICAL, UIEV_KEY_DOWN, VK_HOME, 100, 0},
        {"wheel down", VERTICAL, UIEV_SCROLL_WHEEL, SB_LINEDOWN, 0, 8},
        {"wheel up", VERTICAL, UIEV_SCROLL_WHEEL, SB_LINEUP, 20, 12},
        {"other keys are not scrolling", VERTICAL, UIEV_KEY_DOWN, VK_LEFT, 20, 20},
        {"up a line past the top", VERTICAL, UIEV_KEY_DOWN, VK_UP, 3, 0},
        {"right a line", HORIZONTAL, UIEV_KEY_DOWN, VK_DOWN, 0, 8},
        {"page right", HORIZONTAL, UIEV_KEY_DOWN, VK_NEXT, 0, 90},
        {"page left", HORIZONTAL, UIEV_KEY_DOWN, VK_PRIOR, 100, 10},
        {"end right", HORIZONTAL, UIEV_KEY_DOWN, VK_END, 0, 200},
        {"wheel right", HORIZONTAL, UIEV_SCROLL_WHEEL, SB_LINEDOWN, 0, 8},
        {"the vertical bar goes first", BOTH, UIEV_KEY_DOWN, VK_NEXT, 0, 24},
        {"a disabled bar scrolls nothing", DISABLED, UIEV_KEY_DOWN, VK_DOWN, 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CContainerUI container;
        RECT inset = {5, 5, 5, 5};
        container.SetInset(inset);
        RECT rc = {0, 0, 100, 50};
        container.SetPos(rc);
        container.EnableScrollBar(c.bar != HORIZONTAL, c.bar == HORIZONTAL || c.bar == BOTH);
        CScrollBarUI* bar = c.bar == HORIZONTAL ? container.GetHorizontalScrollBar() : container.GetVerticalScrollBar();
        bar->SetScrollRange(200);
        if (c.bar == BOTH) container.GetHorizontalScrollBar()->SetScrollRange(200);
        bar->SetScrollPos(c.start);
        if (c.bar == DISABLED) bar->SetEnabled(false);
        TEventUI event = {};
        event.type = c.type;
        if (c.type == UIEV_KEY_DOWN) event.key = static_cast<wchar_t>(c.code);
        else event.wParam = MAKEWPARAM(c.code, 0);
        container.DoEvent(event);
        EXPECT_EQ(c.expected, bar->GetScrollPos());
    }
}

TEST(ContainerScrolling, ALineIsTheDefaultFontsHeightAndEightWithAWindow)
{
    TestWindow window(100, 100);
    CPaintManagerUI& manager = window.pm;
    manager.SetDefaultFont(L"Arial", 12, false, false, false);
    CContainerUI* root = new CContainerUI();
    manager.AttachDialog(root);
    root->EnableScrollBar(true, false);
    root->GetVerticalScrollBar()->SetScrollRange(500);
    int line = manager.GetDefaultFontInfo()->tm.tmHeight;
    EXPECT_GE(line, 12);
    root->LineDown();
    EXPECT_EQ(line + 8, root->GetScrollPos().cy);
}

TEST(ContainerSearch, HitTestsFindTheTopmostOfOverlappingFloats)
{
    Tree tree(L"<Window><Container name=\"root\">"
              L"<Control name=\"under\" float=\"true\" pos=\"0,0,40,40\"/>"
              L"<Control name=\"over\" float=\"true\" pos=\"20,20,60,60\"/>"
              L"<Control name=\"deaf\" float=\"true\" pos=\"50,0,90,40\" mouse=\"false\"/>"
              L"</Container></Window>");
    RECT rc = {0, 0, 100, 100};
    tree.manager.LayoutPass(rc);
    struct Case
    {
        POINT pt;
        const wchar_t* expected;
    } cases[] = {
        {{30, 30}, L"over"}, {{10, 10}, L"under"}, {{55, 30}, L"over"}, {{80, 10}, L"root"}, {{80, 80}, L"root"},
    };
    for (const Case& c : cases) {
        CControlUI* hit = tree.manager.FindControl(c.pt);
        ASSERT_TRUE(hit != NULL);
        EXPECT_EQ(std::wstring(c.expected), std::wstring(hit->GetName())) << c.pt.x << "," << c.pt.y;
    }
}

TEST(ContainerSearch, SubControlsAreFoundByNameInTheWholeSubtree)
{
    Tree tree(L"<Window><Container name=\"root\"><Container><Control name=\"deep\" height=\"7\"/></Container>"
              L"<Control name=\"near\" userdata=\"u\"/></Container></Window>");
    CContainerUI* root = static_cast<CContainerUI*>(tree.root);
    EXPECT_TRUE(root->SetSubControlText(L"DEEP", L"found"));  // names match without regard to case
    EXPECT_EQ(std::wstring(L"found"), std::wstring(root->GetSubControlText(L"deep")));
    EXPECT_EQ(7, root->GetSubControlFixedHeight(L"deep"));
    EXPECT_TRUE(root->SetSubControlFixedWdith(L"deep", 12));
    EXPECT_EQ(12, root->GetSubControlFixedWdith(L"deep"));
    EXPECT_TRUE(root->SetSubControlFixedHeight(L"near", 3));
    EXPECT_EQ(std::wstring(L"u"), std::wstring(root->GetSubControlUserData(L"near")));
    EXPECT_TRUE(root->SetSubControlUserData(L"near", L"v"));
    EXPECT_EQ(std::wstring(L"v"), std::wstring(root->GetSubControlUserData(L"near")));

    EXPECT_FALSE(root->SetSubControlText(L"missing", L"x"));
    EXPECT_FALSE(root->SetSubControlFixedHeight(L"missing", 1));
    EXPECT_FALSE(root->SetSubControlFixedWdith(L"missing", 1));
    EXPECT_FALSE(root->SetSubControlUserData(L"missing", L"x"));
    EXPECT_TRUE(root->GetSubControlText(L"missing").IsEmpty());
    EXPECT_TRUE(root->GetSubControlUserData(L"missing").IsEmpty());
    EXPECT_EQ(-1, root->GetSubControlFixedHeight(L"missing"));
    EXPECT_EQ(-1, root->GetSubControlFixedWdith(L"missing"));
}

TEST(ContainerSearch, NewScrollBarsTakeTheManagersDefaults)
{
    Tree tree(L"<Window><Default name=\"VScrollBar\" value=\"width=&quot;10&quot; linesize=&quot;4&quot;\"/>"
              L"<Default name=\"HScrollBar\" value=\"height=&quot;9&quot;\"/>"
              L"<Container name=\"c\" vscrollbar=\"true\" hscrollbar=\"true\"/></Window>");
    CContainerUI* c = static_cast<CContainerUI*>(tree.Find(L"c"));
    ASSERT_TRUE(c != NULL);
    ASSERT_TRUE(c->GetVerticalScrollBar() != NULL);
    ASSERT_TRUE(c->GetHorizontalScrollBar() != NULL);
    EXPECT_EQ(10, c->GetVerticalScrollBar()->GetFixedWidth());
    EXPECT_EQ(4, c->GetVerticalScrollBar()->GetLineSize());
    EXPECT_TRUE(c->GetHorizontalScrollBar()->IsHorizontal());
    EXPECT_EQ(9, c->GetHorizontalScrollBar()->GetFixedHeight());
    EXPECT_EQ(c, c->GetHorizontalScrollBar()->GetOwner());
}

// ---- pixels -------------------------------------------------------------------

namespace {

void Paint(Tree& tree, TestCanvas& canvas)
{
    RECT rc = canvas.rect();
    tree.manager.PaintTo(canvas.dc(), rc, rc);
}

}  // namespace

TEST(TreePainting, BackgroundGradientAndBorders)
{
    Tree tree(L"<Window><Container bkcolor=\"#FF0000FF\">"
              L"<Control float=\"true\" pos=\"0,0,40,40\" bkcolor=\"#FFFF0000\" bordersize=\"3\" "
              L"bordercolor=\"#FF00FF00\"/>"
              L"<Control float=\"true\" pos=\"50,0,60,100\" bkcolor=\"#FF000000\" bkcolor2=\"#FFFFFFFF\"/>"
              L"<Control float=\"true\" pos=\"0,50,40,90\" bkcolor=\"#FFFFFFFF\" leftbordersize=\"4\" "
              L"bordercolor=\"#FFFF0000\"/>"
              L"</Container></Window>");
    TestCanvas canvas(100, 100, 0xFF808080);
    Paint(tree, canvas);
    EXPECT_TRUE(PixelNear(canvas, 80, 80, Rgb{0, 0, 255}));  // container background
    EXPECT_TRUE(PixelNear(canvas, 1, 20, Rgb{0, 255, 0}));   // border band
    EXPECT_TRUE(PixelNear(canvas, 38, 20, Rgb{0, 255, 0}));
    EXPECT_TRUE(PixelNear(canvas, 20, 20, Rgb{255, 0, 0}));  // inside the border
    EXPECT_LT(canvas.At(55, 2).r, 30);                       // gradient top
    EXPECT_GT(canvas.At(55, 97).r, 225);                     // gradient bottom
    EXPECT_TRUE(PixelNear(canvas, 1, 70, Rgb{255, 0, 0}));   // one-sided border
    EXPECT_TRUE(PixelNear(canvas, 20, 70, Rgb{255, 255, 255}));
    EXPECT_TRUE(PixelNear(canvas, 38, 70, Rgb{255, 255, 255}));
}

TEST(TreePainting, BackgroundImagesThroughTheManager)
{
    ScratchSkin skin(L"tree");
    const std::wstring& folder = skin.folder();
    RgbaImage frame = SolidImage(6, 6, 0xFFFFFFFF);
    for (int i = 0; i < 6; ++i) {
        frame.Set(i, 0, 0xFFFF0000);
        frame.Set(0, i, 0xFFFF0000);
    }
    WriteBytes(folder + L"frame.png", EncodePng(frame));
    Tree tree(L"<Window><Container bkcolor=\"#FF000000\">"
              L"<Control float=\"true\" pos=\"10,10,70,70\" bkimage=\"file='frame.png' corner='2,2,2,2'\"/>"
              L"<Control float=\"true\" pos=\"75,10,95,90\" bkimage=\"file='frame.png' corner='2,2,2,2' "
              L"hole='true' fade='128'\"/>"
              L"<Control name=\"broken\" float=\"true\" pos=\"0,0,5,5\" bkimage=\"missing.png\"/>"
              L"</Container></Window>");
    TestCanvas canvas(100, 100);
    Paint(tree, canvas);
    EXPECT_TRUE(PixelNear(canvas, 40, 10, Rgb{255, 0, 0}));      // top edge stretched along
    EXPECT_TRUE(PixelNear(canvas, 10, 40, Rgb{255, 0, 0}));      // left edge
    EXPECT_TRUE(PixelNear(canvas, 40, 40, Rgb{255, 255, 255}));  // centre
    EXPECT_TRUE(PixelNear(canvas, 85, 50, Rgb{0, 0, 0}));        // hole: the parent shows
    EXPECT_TRUE(PixelNear(canvas, 75, 50, Rgb{128, 0, 0}, 3));   // faded edge over black
    // A missing image draws nothing and stays (only a missing manager or DC clears it).
    EXPECT_STREQ(L"missing.png", tree.Find(L"broken")->GetBkImage());
}

TEST(TreePainting, ChildrenAreClippedToTheirContainer)
{
    Tree tree(L"<Window><Container bkcolor=\"#FF000000\">"
              L"<Container float=\"true\" pos=\"10,10,50,50\" inset=\"5,5,5,5\" bkcolor=\"#FF0000FF\">"
              L"<Control float=\"true\" pos=\"20,20,80,80\" bkcolor=\"#FFFF0000\"/>"
              L"<Control bkcolor=\"#FF00FF00\"/>"
              L"</Container></Container></Window>");
    TestCanvas canvas(100, 100, 0xFF808080);
    Paint(tree, canvas);
    EXPECT_TRUE(PixelNear(canvas, 12, 12, Rgb{0, 0, 255}));  // the inner container's inset band
    EXPECT_TRUE(PixelNear(canvas, 25, 25, Rgb{0, 255, 0}));  // the flowing child over its inset area
    EXPECT_TRUE(PixelNear(canvas, 47, 47, Rgb{255, 0, 0}));  // the float beyond the inset area
    EXPECT_TRUE(PixelNear(canvas, 70, 70, Rgb{0, 0, 0}));    // but never outside its container
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{0, 0, 0}));
}

TEST(TreePainting, ThreeColoursRoundCornersFocusBordersAndColourAdjustment)
{
    Tree tree(L"<Window><Container bkcolor=\"#FF0000FF\">"
              L"<Control float=\"true\" pos=\"0,0,20,100\" bkcolor=\"#FF000000\" bkcolor2=\"#FFFFFFFF\" "
              L"bkcolor3=\"#FF000000\"/>"
              L"<Control float=\"true\" pos=\"30,0,70,40\" bkcolor=\"#FFFF0000\" borderround=\"30,30\"/>"
              L"<Control name=\"focused\" float=\"true\" pos=\"30,50,60,80\" bkcolor=\"#FFFFFFFF\" "
              L"bordersize=\"3\" bordercolor=\"#FFFF0000\" focusbordercolor=\"#FF00FF00\"/>"
              L"<Control float=\"true\" pos=\"65,50,95,80\" bkcolor=\"#FFFFFFFF\" "
              L"bordersize=\"3\" bordercolor=\"#FFFF0000\" focusbordercolor=\"#FF00FF00\"/>"
              L"<Control float=\"true\" pos=\"75,0,85,40\" bkcolor=\"#FFFF0000\" colorhsl=\"true\"/>"
              L"<Control float=\"true\" pos=\"88,0,98,40\" bkcolor=\"#FFFF0000\"/>"
              L"<Control float=\"true\" pos=\"65,85,95,100\" bkcolor=\"#FFFFFFFF\" bordersize=\"3\" "
              L"focusbordercolor=\"#FF00FF00\"/>"
              L"<Control float=\"true\" pos=\"30,85,60,100\" bkcolor=\"#FFFFFFFF\" bordersize=\"3\" "
              L"borderround=\"4,4\" focusbordercolor=\"#FF00FF00\"/>"
              L"</Container></Window>");
    tree.manager.SetFocus(tree.Find(L"focused"));
    // A hue turned by -120 degrees makes red green for controls that ask for it.
    CPaintManagerUI::SetHSL(true, 60, 100, 100);
    TestCanvas canvas(100, 100, 0xFF808080);
    Paint(tree, canvas);
    CPaintManagerUI::SetHSL(true, 180, 100, 100);

    EXPECT_LT(canvas.At(10, 2).r, 40);                      // first colour at the top
    EXPECT_GT(canvas.At(10, 48).r, 215);                    // second at the middle
    EXPECT_LT(canvas.At(10, 97).r, 40);                     // third at the bottom
    EXPECT_TRUE(PixelNear(canvas, 31, 1, Rgb{0, 0, 255}));  // the round corner shows the parent
    EXPECT_TRUE(PixelNear(canvas, 50, 20, Rgb{255, 0, 0}));
    EXPECT_TRUE(PixelNear(canvas, 31, 65, Rgb{0, 255, 0}));  // focused: the focus border
    EXPECT_TRUE(PixelNear(canvas, 45, 65, Rgb{255, 255, 255}));
    EXPECT_TRUE(PixelNear(canvas, 66, 65, Rgb{255, 0, 0}));  // not focused: the border colour
    EXPECT_TRUE(PixelNear(canvas, 80, 20, Rgb{0, 255, 0}));  // colour adjusted
    EXPECT_TRUE(PixelNear(canvas, 93, 20, Rgb{255, 0, 0}));  // left as it is
    // Only a focus border colour, not focused: no border at all (not a black one).
    EXPECT_TRUE(PixelNear(canvas, 66, 92, Rgb{255, 255, 255}));
    EXPECT_TRUE(PixelNear(canvas, 45, 86, Rgb{255, 255, 255}));
}

TEST(TreePainting, TranslucentBackgroundBlendsOverTheParent)
{
    Tree tree(L"<Window><Container bkcolor=\"#FF0000FF\">"
              L"<Control float=\"true\" pos=\"10,10,50,50\" bkcolor=\"#80FF0000\"/>"
              L"</Container></Window>");
    TestCanvas canvas(60, 60);
    Paint(tree, canvas);
    EXPECT_TRUE(PixelNear(canvas, 30, 30, Rgb{128, 0, 128}, 1));
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{0, 0, 255}));

    // Only the update rectangle is painted, the translucent fill included.
    canvas.Fill(0xFF00FF00);
    RECT client = canvas.rect();
    RECT update = {0, 0, 20, 60};
    tree.manager.PaintTo(canvas.dc(), client, update);
    EXPECT_TRUE(PixelNear(canvas, 15, 30, Rgb{128, 0, 128}, 1));
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{0, 0, 255}));
    EXPECT_TRUE(PixelNear(canvas, 30, 30, Rgb{0, 255, 0}));
    EXPECT_TRUE(PixelNear(canvas, 40, 5, Rgb{0, 255, 0}));
}

TEST(TreePainting, GenerateBitmapCopiesAControlsPainting)
{
    Tree tree(L"<Window><Container bkcolor=\"#FF00FF00\"/></Window>");
    RECT rc = {0, 0, 30, 20};
    tree.manager.LayoutPass(rc);
    RECT part = {10, 5, 30, 20};
    HBITMAP bitmap = CRenderEngine::GenerateBitmap(&tree.manager, tree.root, part);
    ASSERT_TRUE(bitmap != NULL);
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(20, info.bmWidth);
    EXPECT_EQ(15, info.bmHeight);
    const DWORD* bits = static_cast<const DWORD*>(info.bmBits);
    EXPECT_EQ(0x00FF00u, bits[7 * 20 + 10] & 0xFFFFFF);
    ::DeleteObject(bitmap);
}
