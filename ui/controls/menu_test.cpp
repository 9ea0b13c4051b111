// Popup menus in real windows: a menu and its sub-menu built from layout XML,
// choosing by mouse and by keys (the owner gets the item's name exactly once),
// closing on focus loss, on Esc and from a sibling item, placement by the
// alignment flags and beside the parent menu, and a layout that builds nothing.
#include <memory>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "list_header.h"
#include "menu.h"
#include "menu_element.h"
#include "menu_window.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// "more" holds a sub-menu of two items; "sep" is a separator; the item
// without a name closes the menus and reports nothing; the row of buttons
// chooses by the buttons' names.
const wchar_t kMenuXml[] =
    L"<Window><Menu name=\"menu\" itemtextpadding=\"20,0,0,0\">"
    L"<MenuElement name=\"open\" text=\"Open\"/>"
    L"<MenuElement name=\"more\" text=\"More\">"
    L"<MenuElement name=\"sub1\" text=\"First below\"/><MenuElement name=\"sub2\" text=\"Second below\"/>"
    L"</MenuElement>"
    L"<MenuElement name=\"sep\" enabled=\"false\" height=\"5\"/>"
    L"<MenuElement text=\"Nameless\"/>"
    L"<HorizontalLayout height=\"25\"><Button name=\"btn_ok\" text=\"OK\"/></HorizontalLayout>"
    L"<Label name=\"plain\" text=\"A plain row\" height=\"20\"/>"
    L"</Menu></Window>";

// The window that owns the menus: it keeps the names posted to it and frees
// their strings, as the program's windows do.
class OwnerWindow : public CWindowWnd
{
public:
    const wchar_t* GetWindowClassName() const override { return L"MenuTestOwner"; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg == WM_MENUCLICK) {
            CUIString* pName = reinterpret_cast<CUIString*>(wParam);
            names.push_back(pName->GetData());
            delete pName;
            return 0;
        }
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }
    ~OwnerWindow() override
    {
        if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    }
    std::vector<std::wstring> names;
};

size_t OpenMenus() { return CMenuWnd::s_context_menu_observer.GetReceiverCount(); }

CMenuWnd* MenuAt(size_t index)
{
    return dynamic_cast<CMenuWnd*>(CMenuWnd::s_context_menu_observer.GetReceiverAt(index));
}

RECT WindowRect(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Shown without activation: the menus take the focus from it.
        ASSERT_TRUE(owner.Create(NULL, L"owner", WS_POPUP, 0, 0, 0, 50, 50) != NULL);
        owner.ShowWindow(true, false);
        PumpMessages();
    }
    void TearDown() override
    {
        // Whatever a failing test left open goes before the owner.
        while (OpenMenus() > 0) {
            HWND hWnd = MenuAt(OpenMenus() - 1)->GetHWND();
            if (!::IsWindow(hWnd)) break;
            ::DestroyWindow(hWnd);
        }
        PumpMessages();
    }

    // Opens the test menu at a screen point; its window, or null.
    HWND Open(POINT pt, DWORD flags = MENU_ALIGN_DEFAULT)
    {
        CMenuWnd* pMenu = new CMenuWnd(owner.GetHWND());
        if (!pMenu->Init(NULL, kMenuXml, flags, pt)) return NULL;
        top = pMenu;
        PumpMessages();
        return pMenu->GetHWND();
    }
    CPaintManagerUI& TopManager() { return top->GetPaintManager(); }
    template <class T> T* Find(CMenuWnd* pMenu, const wchar_t* name)
    {
        return static_cast<T*>(pMenu->GetPaintManager().FindControl(name));
    }
    POINT CentreOf(CControlUI* pControl)
    {
        const RECT& rc = pControl->GetPos();
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void MoveTo(HWND hWnd, POINT pt) { ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, Point(pt.x, pt.y)); }
    void ClickAt(HWND hWnd, POINT pt)
    {
        MoveTo(hWnd, pt);
        ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(pt.x, pt.y));
        ::SendMessageW(hWnd, WM_LBUTTONUP, 0, Point(pt.x, pt.y));
    }
    bool AllClosed()
    {
        return PumpUntil([] { return OpenMenus() == 0; });
    }

    OwnerWindow owner;
    CMenuWnd* top = nullptr;
};

TEST_F(MenuTest, AClickOnAnItemClosesTheMenuAndTheOwnerGetsItsNameOnce)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    CMenuElementUI* open = Find<CMenuElementUI>(top, L"open");
    ASSERT_TRUE(open != NULL);
    const POINT pt = CentreOf(open);
    ClickAt(hMenu, pt);
    // A double click that follows arrives while the menu closes.
    ::SendMessageW(hMenu, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(pt.x, pt.y));
    ::SendMessageW(hMenu, WM_LBUTTONUP, 0, Point(pt.x, pt.y));
    ASSERT_TRUE(AllClosed());
    EXPECT_FALSE(::IsWindow(hMenu));
    PumpMessages();
    EXPECT_EQ(std::vector<std::wstring>{L"open"}, owner.names);
}

TEST_F(MenuTest, ASeparatorDoesNotReactAndAnItemWithoutANameClosesSilently)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    ClickAt(hMenu, CentreOf(Find<CControlUI>(top, L"sep")));
    EXPECT_FALSE(PumpUntil([&] { return !::IsWindow(hMenu); }, 300));

    CMenuUI* menu = Find<CMenuUI>(top, L"menu");
    CControlUI* nameless = menu->GetItemAt(3);
    ASSERT_STREQ(L"Nameless", nameless->GetText().GetData());
    ClickAt(hMenu, CentreOf(nameless));
    ASSERT_TRUE(AllClosed());
    PumpMessages();
    EXPECT_TRUE(owner.names.empty());
}

TEST_F(MenuTest, AButtonInARowOfTheMenuChoosesByItsName)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    // A row that is neither an item nor a container is simply a row.
    EXPECT_TRUE(Find<CControlUI>(top, L"plain") != NULL);
    ClickAt(hMenu, CentreOf(Find<CControlUI>(top, L"btn_ok")));
    ASSERT_TRUE(AllClosed());
    PumpMessages();
    EXPECT_EQ(std::vector<std::wstring>{L"btn_ok"}, owner.names);
}

TEST_F(MenuTest, KeysChooseAnItemAsAClickDoes)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    // Down selects the first item, again the second; Up goes back; Return chooses.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_UP}) ::SendMessageW(hMenu, WM_KEYDOWN, key, 0);
    CMenuUI* menu = Find<CMenuUI>(top, L"menu");
    EXPECT_EQ(0, menu->GetCurSel());
    ::SendMessageW(hMenu, WM_KEYDOWN, VK_RETURN, 0);
    ::SendMessageW(hMenu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(AllClosed());
    PumpMessages();
    EXPECT_EQ(std::vector<std::wstring>{L"open"}, owner.names);
}

TEST_F(MenuTest, EscapeClosesTheMenuWithoutAChoice)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    ::SendMessageW(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(AllClosed());
    EXPECT_TRUE(owner.names.empty());
}

TEST_F(MenuTest, ASubItemChosenClosesBothMenusAndOnlyTheTopMenuReportsIt)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    MoveTo(hMenu, CentreOf(Find<CControlUI>(top, L"more")));
    PumpMessages();
    ASSERT_EQ(2u, OpenMenus());
    CMenuWnd* sub = MenuAt(1);
    HWND hSub = sub->GetHWND();
    ASSERT_TRUE(::IsWindow(hSub));
    // The focus went to the sub-menu, and the parent stays open.
    EXPECT_TRUE(::IsWindow(hMenu));
    CControlUI* sub2 = Find<CControlUI>(sub, L"sub2");
    ASSERT_TRUE(sub2 != NULL);
    EXPECT_EQ(&sub->GetPaintManager(), sub2->GetManager());
    ClickAt(hSub, CentreOf(sub2));
    ASSERT_TRUE(AllClosed());
    PumpMessages();
    EXPECT_EQ(std::vector<std::wstring>{L"sub2"}, owner.names);
}

TEST_F(MenuTest, HoveringASiblingClosesTheSubMenuAndTheItemGetsItsSubItemsBack)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    CMenuElementUI* more = Find<CMenuElementUI>(top, L"more");
    MoveTo(hMenu, CentreOf(more));
    PumpMessages();
    ASSERT_EQ(2u, OpenMenus());
    EXPECT_EQ(0, more->GetCount());

    MoveTo(hMenu, CentreOf(Find<CControlUI>(top, L"open")));
    ASSERT_TRUE(PumpUntil([] { return OpenMenus() == 1; }));
    EXPECT_TRUE(more->GetSubMenuWnd() == NULL);
    ASSERT_EQ(2, more->GetCount());
    for (int i = 0; i < 2; ++i) {
        CControlUI* item = more->GetItemAt(i);
        EXPECT_EQ(&TopManager(), item->GetManager());
        EXPECT_EQ(more, item->GetParent());
        EXPECT_FALSE(item->IsVisible());
    }
    // The item stays as large as its own text while its sub-items are hidden.
    EXPECT_EQ(25, more->EstimateSize(SIZE{800, 600}).cy);

    // Opened again, the sub-menu shows both items.
    MoveTo(hMenu, CentreOf(more));
    PumpMessages();
    ASSERT_EQ(2u, OpenMenus());
    CMenuUI* subMenu = static_cast<CMenuUI*>(MenuAt(1)->GetPaintManager().GetRoot());
    EXPECT_EQ(2, subMenu->GetCount());
}

TEST_F(MenuTest, FocusMovingElsewhereClosesEveryMenu)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    MoveTo(hMenu, CentreOf(Find<CControlUI>(top, L"more")));
    PumpMessages();
    ASSERT_EQ(2u, OpenMenus());
    HWND hSub = MenuAt(1)->GetHWND();
    ASSERT_EQ(hSub, ::GetFocus());

    TestWindow other;
    ASSERT_TRUE(other.CreateAt(400, 400, 50, 50) != NULL);
    ::SetForegroundWindow(other);
    ::SetFocus(other);
    ASSERT_TRUE(AllClosed());
    EXPECT_FALSE(::IsWindow(hMenu));
    EXPECT_TRUE(owner.names.empty());
}

TEST_F(MenuTest, TheAlignmentFlagsPlaceTheMenuAroundThePoint)
{
    struct Case
    {
        DWORD flags;
        bool left;
        bool above;
    };
    const Case cases[] = {{6, false, false}, {18, false, true}, {8 | 2, true, false}, {8 | 16, true, true}};
    const POINT pt = {400, 400};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        HWND hMenu = Open(pt, c.flags);
        ASSERT_TRUE(hMenu != NULL);
        const RECT rc = WindowRect(hMenu);
        // The window is 10 pixels taller than its items.
        const int cx = rc.right - rc.left;
        const int cy = rc.bottom - rc.top - 10;
        EXPECT_GT(cx, 40);
        EXPECT_GT(cy, 100);
        EXPECT_EQ(c.left ? pt.x - cx : pt.x, rc.left);
        EXPECT_EQ(c.above ? pt.y - cy : pt.y, rc.top);
        ::SendMessageW(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(AllClosed());
    }
}

// A menu that would leave the work area opens on the other side of its point
// (a tray icon at the top of the screen, a click at the right edge), as
// Windows places menus, and always lies wholly inside the area.
TEST_F(MenuTest, AMenuOpensInsideTheWorkAreaFlippedToTheSideThatFits)
{
    RECT rcWork = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    enum Side
    {
        kAt,
        kBefore
    };
    struct Case
    {
        const char* where;
        POINT pt;
        DWORD flags;
        Side horizontal; // the menu's left edge at the point, or its right edge
        Side vertical;   // the menu's top at the point, or its items' bottom (the window is 10 taller)
    };
    const LONG midX = (rcWork.left + rcWork.right) / 2, midY = (rcWork.top + rcWork.bottom) / 2;
    const Case cases[] = {
        {"above the point at the top", {midX, rcWork.top + 5}, 18, kAt, kAt},
        {"below the point near the bottom", {midX, rcWork.bottom - 40}, 6, kAt, kBefore},
        {"right of the point at the right edge", {rcWork.right - 5, midY}, 6, kBefore, kAt},
        {"left of the point at the left edge", {rcWork.left + 5, midY}, 8 | 2, kAt, kAt},
        {"above and left in the top left corner", {rcWork.left + 2, rcWork.top + 2}, 8 | 16, kAt, kAt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        HWND hMenu = Open(c.pt, c.flags);
        ASSERT_TRUE(hMenu != NULL);
        const RECT rc = WindowRect(hMenu);
        EXPECT_GE(rc.left, rcWork.left);
        EXPECT_GE(rc.top, rcWork.top);
        EXPECT_LE(rc.right, rcWork.right);
        EXPECT_LE(rc.bottom, rcWork.bottom);
        EXPECT_EQ(c.pt.x, c.horizontal == kAt ? rc.left : rc.right);
        EXPECT_EQ(c.pt.y, c.vertical == kAt ? rc.top : rc.bottom - 10);
        ::SendMessageW(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(AllClosed());
    }
}

TEST_F(MenuTest, ASubMenuOpensBesideItsItemOrLeftOfAMenuAtTheScreensEdge)
{
    RECT rcWork = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    struct Case
    {
        const char* what;
        int x;
        bool leftOfParent;
    };
    const Case cases[] = {{"room on the right", 100, false}, {"at the right edge", rcWork.right - 150, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND hMenu = Open(POINT{c.x, 100});
        ASSERT_TRUE(hMenu != NULL);
        CControlUI* more = Find<CControlUI>(top, L"more");
        MoveTo(hMenu, CentreOf(more));
        PumpMessages();
        ASSERT_EQ(2u, OpenMenus());
        const RECT rcParent = WindowRect(hMenu);
        const RECT rcSub = WindowRect(MenuAt(1)->GetHWND());
        if (c.leftOfParent) {
            EXPECT_EQ(rcParent.left, rcSub.right);
            EXPECT_EQ(rcParent.bottom, rcSub.top);
        } else {
            POINT itemTop = {0, more->GetPos().top};
            ::ClientToScreen(hMenu, &itemTop);
            EXPECT_EQ(rcParent.right - 6, rcSub.left);
            EXPECT_EQ(itemTop.y - 4, rcSub.top);
        }
        ::SendMessageW(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(AllClosed());
    }
}

TEST_F(MenuTest, PaintingLeavesTheMenusSharedLookAlone)
{
    HWND hMenu = Open(POINT{100, 100});
    ASSERT_TRUE(hMenu != NULL);
    CMenuUI* menu = Find<CMenuUI>(top, L"menu");
    const DWORD disabledBk = menu->GetListInfo()->dwDisabledBkColor;
    MoveTo(hMenu, CentreOf(Find<CControlUI>(top, L"open")));
    ::RedrawWindow(hMenu, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_TRUE(menu->GetListInfo()->sSelectedImage.IsEmpty());
    EXPECT_EQ(disabledBk, menu->GetListInfo()->dwDisabledBkColor);
    ::SendMessageW(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(AllClosed());
}

TEST_F(MenuTest, ALayoutThatBuildsNothingOpensNoWindow)
{
    const wchar_t* layouts[] = {L"no_such_menu.xml", L"<Window></Window>"};
    for (const wchar_t* layout : layouts) {
        CMenuWnd* pMenu = new CMenuWnd(owner.GetHWND());
        EXPECT_FALSE(pMenu->Init(NULL, layout, MENU_ALIGN_DEFAULT, POINT{100, 100}));
        EXPECT_EQ(0u, OpenMenus());
    }
}

TEST(MenuBuilderCallback, KnowsMenuAndMenuElementInAnyCase)
{
    CMenuBuilderCallback callback;
    struct Case
    {
        const wchar_t* name;
        const wchar_t* cls;
    };
    const Case cases[] = {{L"Menu", L"MenuUI"},
                          {L"menu", L"MenuUI"},
                          {L"MENUELEMENT", L"MenuElementUI"},
                          {L"MenuElement", L"MenuElementUI"},
                          {L"Button", nullptr},
                          {L"", nullptr}};
    for (const Case& c : cases) {
        std::unique_ptr<CControlUI> control(callback.CreateControl(c.name));
        if (c.cls == nullptr) {
            EXPECT_TRUE(control == nullptr) << c.name;
        } else {
            ASSERT_TRUE(control != nullptr);
            EXPECT_STREQ(c.cls, control->GetClass());
        }
    }
}

TEST(MenuUI, TakesOnlyMenuElementsAtAPlaceAndHidesTheirSubItems)
{
    CMenuUI menu;
    EXPECT_FALSE(menu.GetHeader()->IsVisible());
    EXPECT_TRUE(menu.GetInterface(L"Menu") == &menu);
    CControlUI* label = new CControlUI();
    EXPECT_FALSE(menu.AddAt(label, 0));
    delete label;
    CMenuElementUI* item = new CMenuElementUI();
    CMenuElementUI* sub = new CMenuElementUI();
    item->Add(sub);
    ASSERT_TRUE(menu.AddAt(item, 0));
    EXPECT_FALSE(sub->IsVisible());
    EXPECT_EQ(0, menu.GetItemIndex(item));
    EXPECT_EQ(-1, menu.GetItemIndex(menu.GetHeader()));
    EXPECT_EQ(25, item->GetFixedHeight());
}

} // namespace
