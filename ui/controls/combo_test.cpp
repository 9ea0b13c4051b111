// The combo in real windows: opening and closing its drop-down by mouse and
// keys, choosing, one "itemselect" per change, elements removed or the combo
// freed while the list is open, the list's size and its place near the bottom
// of the screen and at the edges of its window and monitor, and the combo box's
// arrow strip.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "combo.h"
#include "combo_box.h"
#include "gtest/gtest.h"
#include "list_element.h"
#include "core/test_support/direct_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// A combo of `count` label elements "e0".."eN" of 20 pixels under a spacer of
// `top` pixels.
std::wstring ComboLayout(int count, const std::wstring& attributes = L"", int top = 10)
{
    std::wstring items;
    for (int i = 0; i < count; ++i) {
        items += L"<ListLabelElement name=\"e" + std::to_wstring(i) + L"\" text=\"e" + std::to_wstring(i) +
                 L"\" height=\"20\"/>";
    }
    return L"<Window><VerticalLayout><Control height=\"" + std::to_wstring(top) +
           L"\"/><HorizontalLayout height=\"24\"><Combo name=\"combo\" width=\"150\" " + attributes + L">" + items +
           L"</Combo><Control/></HorizontalLayout><Control/></VerticalLayout></Window>";
}

struct Selected
{
    WPARAM now;
    LPARAM before;
};

class ComboWindow : public ::testing::Test
{
protected:
    void Open(const std::wstring& layout, int height = 100)
    {
        w.reset(new TestWindow(layout.c_str(), 200, height));
        ASSERT_TRUE(w->ok());
        combo = w->Find<CComboUI>(L"combo");
        ASSERT_TRUE(combo != NULL);
        w->log.onNotify = [this](TNotifyUI& msg) {
            if (msg.type == L"itemselect") selects.push_back({msg.wParam, msg.lParam});
            if (msg.type == L"dropdown") ++dropdowns;
        };
    }
    void TearDown() override
    {
        if (w) w->log.onNotify = nullptr;
        PumpMessages();
    }
    // Clicks the combo in its window and lets the list lay itself out.
    void Drop()
    {
        const RECT rc = combo->GetPos();
        w->Click(rc.left + 20, (rc.top + rc.bottom) / 2);
        ASSERT_TRUE(Popup() != NULL);
        PaintNow(Popup());
    }
    HWND Popup() const { return combo->GetDropWindow(); }
    RECT PopupRect() const
    {
        RECT rc = {};
        ::GetWindowRect(Popup(), &rc);
        return rc;
    }
    // The combo's rectangle on the screen.
    RECT ComboOnScreen() const
    {
        RECT rc = combo->GetPos();
        ::MapWindowPoints(*w, HWND_DESKTOP, reinterpret_cast<LPPOINT>(&rc), 2);
        return rc;
    }
    // A click on element i of the open list (inset 2, elements of 20).
    void ClickRow(int i)
    {
        HWND hPopup = Popup();
        const LPARAM at = Point(20, 2 + 20 * i + 10);
        ::SendMessageW(hPopup, WM_MOUSEMOVE, 0, at);
        ::SendMessageW(hPopup, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(hPopup, WM_LBUTTONUP, 0, at);
    }
    void KeyToPopup(WPARAM key) { ::SendMessageW(Popup(), WM_KEYDOWN, key, 0); }
    // Lets the posted close arrive.
    bool Closed()
    {
        return PumpUntil([this] { return Popup() == NULL; }, 2000);
    }
    // Every element belongs to the combo again.
    void ExpectElementsHome()
    {
        for (int i = 0; i < combo->GetCount(); ++i) {
            EXPECT_EQ(combo->GetItemAt(i)->GetManager(), &w->pm) << "element " << i;
            EXPECT_EQ(combo->GetItemAt(i)->GetParent(), combo) << "element " << i;
        }
    }

    std::unique_ptr<TestWindow> w;
    CComboUI* combo = nullptr;
    std::vector<Selected> selects;
    int dropdowns = 0;
};

} // namespace

TEST_F(ComboWindow, ClickOpensAndAClickedElementIsChosenAndCloses)
{
    Open(ComboLayout(5));
    EXPECT_EQ(Str(combo->GetText()), L"");
    Drop();
    EXPECT_EQ(dropdowns, 1);
    // While open the elements are shown by the list.
    EXPECT_NE(combo->GetItemAt(2)->GetManager(), &w->pm);
    EXPECT_EQ(combo->GetItemAt(2)->GetPos().top, 2 + 40);

    ClickRow(2);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(Str(combo->GetText()), L"e2");
    ASSERT_EQ(selects.size(), 1u);
    EXPECT_EQ(selects[0].now, 2u);
    EXPECT_EQ(selects[0].before, -1);
    ExpectElementsHome();
    // Laid out nowhere in the combo itself.
    EXPECT_TRUE(::IsRectEmpty(&combo->GetItemAt(2)->GetPos()));
    // It opens again.
    Drop();
    EXPECT_EQ(dropdowns, 2);
}

TEST_F(ComboWindow, KeysOfAnOpenList)
{
    struct Case
    {
        const char* what;
        WPARAM key;
        int expected; // selection after the key, starting from 1
        size_t notes; // "itemselect" sent
    } cases[] = {
        {"Down chooses the next and closes", VK_DOWN, 2, 1},
        {"Up chooses the one before", VK_UP, 0, 1},
        {"Return keeps the choice", VK_RETURN, 1, 0},
        {"End goes to the last", VK_END, 4, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(ComboLayout(5));
        ASSERT_TRUE(combo->SelectItem(1));
        selects.clear();
        Drop();
        KeyToPopup(c.key);
        ASSERT_TRUE(Closed());
        EXPECT_EQ(combo->GetCurSel(), c.expected);
        EXPECT_EQ(selects.size(), c.notes);
        ExpectElementsHome();
        w.reset();
    }
}

TEST_F(ComboWindow, EscapeRestoresTheSelectionFromBeforeOpening)
{
    Open(ComboLayout(5));
    ASSERT_TRUE(combo->SelectItem(1));
    Drop();
    // The wheel in the list changes the selection (and closes it)...
    ::SendMessageW(Popup(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(combo->GetCurSel(), 2);
    // ... Escape before the close arrives takes the change back.
    KeyToPopup(VK_ESCAPE);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(combo->GetCurSel(), 1);
    ASSERT_EQ(selects.size(), 3u);
    EXPECT_EQ(selects[2].now, 1u);
    EXPECT_EQ(selects[2].before, 2);
}

TEST_F(ComboWindow, KeysOfAClosedCombo)
{
    struct Case
    {
        const char* what;
        WPARAM key;
        int from;
        int expected;
    } cases[] = {
        {"Down", VK_DOWN, 1, 2},
        {"Page Down", VK_NEXT, 1, 2},
        {"Up", VK_UP, 1, 0},
        {"Page Up", VK_PRIOR, 1, 0},
        {"Home", VK_HOME, 3, 0},
        {"End", VK_END, 1, 4},
        {"Down at the end stays", VK_DOWN, 4, 4},
        {"Up at the start stays", VK_UP, 0, 0},
    };
    Open(ComboLayout(5));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(combo->SelectItem(c.from));
        combo->SetFocus();
        selects.clear();
        w->Key(WM_KEYDOWN, c.key);
        EXPECT_EQ(combo->GetCurSel(), c.expected);
        // One notification per change, none when nothing changed.
        EXPECT_EQ(selects.size(), c.expected != c.from ? 1u : 0u);
        EXPECT_TRUE(Popup() == NULL);
    }
    // F4 opens the list.
    combo->SetFocus();
    w->Key(WM_KEYDOWN, VK_F4);
    EXPECT_TRUE(Popup() != NULL);
    EXPECT_EQ(dropdowns, 1);
}

TEST_F(ComboWindow, SelectingTheSameElementAgainSendsNothing)
{
    Open(ComboLayout(3));
    EXPECT_TRUE(combo->SelectItem(2));
    EXPECT_TRUE(combo->SelectItem(2));
    EXPECT_TRUE(combo->GetItemAt(2)->GetInterface(L"ListItem") != NULL);
    static_cast<CListLabelElementUI*>(combo->GetItemAt(2))->Select(true);
    ASSERT_EQ(selects.size(), 1u);
    // An index past the end means the last element; a disabled one is refused.
    combo->GetItemAt(1)->SetEnabled(false);
    EXPECT_FALSE(combo->SelectItem(1));
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_TRUE(combo->SelectItem(9));
    EXPECT_EQ(combo->GetCurSel(), 2);
}

TEST_F(ComboWindow, TheSelectionFollowsItsElementWhenOthersMove)
{
    struct Case
    {
        const char* what;
        std::function<bool(CComboUI&)> act;
        int selected; // starting from element 2
    } cases[] = {
        {"an element added in front", [](CComboUI& c) { return c.AddAt(new CListLabelElementUI(), 0); }, 3},
        {"an element added behind", [](CComboUI& c) { return c.AddAt(new CListLabelElementUI(), 3); }, 2},
        {"the selected element moved", [](CComboUI& c) { return c.SetItemIndex(c.GetItemAt(2), 4); }, 4},
        {"another element moved over it", [](CComboUI& c) { return c.SetItemIndex(c.GetItemAt(0), 3); }, 1},
        {"an element in front removed", [](CComboUI& c) { return c.RemoveAt(1); }, 1},
        {"a place out of range is refused",
         [](CComboUI& c) {
             std::unique_ptr<CListLabelElementUI> element(new CListLabelElementUI());
             return !c.AddAt(element.get(), 9);
         },
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(ComboLayout(5));
        ASSERT_TRUE(combo->SelectItem(2));
        CControlUI* pSelected = combo->GetItemAt(2);
        EXPECT_TRUE(c.act(*combo));
        EXPECT_EQ(combo->GetCurSel(), c.selected);
        EXPECT_EQ(combo->GetItemAt(c.selected), pSelected);
        EXPECT_EQ(Str(combo->GetText()), L"e2");
        // Every element knows its place and its owner.
        for (int i = 0; i < combo->GetCount(); ++i) {
            IListItemUI* pItem = static_cast<IListItemUI*>(combo->GetItemAt(i)->GetInterface(L"ListItem"));
            EXPECT_EQ(pItem->GetIndex(), i);
            EXPECT_EQ(pItem->GetOwner(), static_cast<IListOwnerUI*>(combo));
        }
        w.reset();
    }
}

TEST_F(ComboWindow, FocusLeavingTheListClosesIt)
{
    Open(ComboLayout(3));
    Drop();
    ::SetFocus(Popup());
    ::SetFocus(*w);
    ASSERT_TRUE(Closed());
    ExpectElementsHome();
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ComboWindow, RemovingElementsWhileOpenHandsThemBackFirst)
{
    Open(ComboLayout(5));
    combo->SetDelayedDestroy(false);
    ASSERT_TRUE(combo->SelectItem(2));
    Drop();
    HWND hPopup = Popup();
    ASSERT_TRUE(combo->RemoveAt(2));
    // Before any message: the list holds nothing that may be freed.
    ExpectElementsHome();
    PaintNow(hPopup);
    ASSERT_TRUE(Closed());
    // The search for a new selection starts at the removed one's place, as
    // in the list: the element that moved up into it is chosen.
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(Str(combo->GetText()), L"e3");
    for (int i = 0; i < combo->GetCount(); ++i) {
        IListItemUI* pItem = static_cast<IListItemUI*>(combo->GetItemAt(i)->GetInterface(L"ListItem"));
        EXPECT_EQ(pItem->GetIndex(), i);
    }

    Drop();
    combo->RemoveAll();
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(combo->GetCurSel(), -1);
    ASSERT_TRUE(Closed());
}

TEST_F(ComboWindow, FreeingTheComboWhileOpenDestroysTheList)
{
    Open(ComboLayout(5));
    Drop();
    HWND hPopup = Popup();
    CContainerUI* pParent = static_cast<CContainerUI*>(combo->GetParent());
    pParent->SetDelayedDestroy(false);
    ASSERT_TRUE(pParent->Remove(combo));
    combo = nullptr;
    EXPECT_FALSE(::IsWindow(hPopup));
    PumpMessages();
}

TEST_F(ComboWindow, AListDestroyedWithoutClosingGivesTheElementsBack)
{
    Open(ComboLayout(5));
    Drop();
    ::DestroyWindow(Popup());
    EXPECT_TRUE(Popup() == NULL);
    ExpectElementsHome();
    // Not pushed any more, and it opens again.
    Drop();
    ClickRow(4);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(combo->GetCurSel(), 4);
}

TEST_F(ComboWindow, ListSizeFollowsTheElementsAndTheDropBoxSize)
{
    struct Case
    {
        int count;
        const wchar_t* attributes;
        int width;
        int height;
    } cases[] = {
        {10, L"", 150, 150},
        {3, L"", 150, 64},
        {10, L"dropboxsize=\"0,100\"", 150, 100},
        // A short value sets the width and keeps the default height.
        {10, L"dropboxsize=\"180\"", 180, 150},
        {2, L"dropboxsize=\"120,300\"", 120, 44},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " "
                                        << std::string(c.attributes, c.attributes + wcslen(c.attributes)));
        Open(ComboLayout(c.count, c.attributes));
        Drop();
        const RECT rc = PopupRect();
        const RECT rcCombo = ComboOnScreen();
        EXPECT_EQ(rc.right - rc.left, c.width);
        EXPECT_EQ(rc.bottom - rc.top, c.height);
        EXPECT_EQ(rc.left, rcCombo.left);
        EXPECT_EQ(rc.top, rcCombo.bottom);
        w.reset();
    }
}

TEST_F(ComboWindow, NearTheBottomOfTheScreenTheListOpensUpwards)
{
    Open(ComboLayout(5));
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(*w, MONITOR_DEFAULTTONEAREST), &info));
    ::SetWindowPos(*w, NULL, 100, info.rcWork.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Drop();
    const RECT rc = PopupRect();
    const RECT rcCombo = ComboOnScreen();
    EXPECT_EQ(rc.bottom, rcCombo.top);
    EXPECT_EQ(rc.bottom - rc.top, 5 * 20 + 4);
    EXPECT_EQ(rc.left, rcCombo.left);
}

namespace {

// A combo of 40 pixels at the right end of its row, as a drop button beside a
// field, with a list of `width` pixels.
std::wstring DropButtonLayout(int width)
{
    return L"<Window><VerticalLayout><Control height=\"10\"/><HorizontalLayout height=\"24\"><Control/>"
           L"<Combo name=\"combo\" width=\"40\" dropboxsize=\"" +
           std::to_wstring(width) +
           L",300\"><ListLabelElement text=\"e0\" height=\"20\"/><ListLabelElement text=\"e1\" height=\"20\"/>"
           L"</Combo></HorizontalLayout><Control/></VerticalLayout></Window>";
}

} // namespace

// A list wider than its combo that would hang past the right edge of the combo's
// window opens leftwards from the combo's right edge; one that fits keeps the
// combo's left edge; whatever the window, the list lies whole inside the
// monitor's work area sideways.
TEST_F(ComboWindow, TheListStaysInsideItsWindowAndTheMonitorSideways)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
    const RECT& work = info.rcWork;
    enum Edge { kComboLeft, kComboRight, kWorkLeft, kWorkRight };
    const struct
    {
        const char* name;
        std::wstring layout;
        int x;  // the window's left edge on the screen
        int width;
        Edge edge;  // where the list's left (kComboLeft, kWorkLeft) or right edge lies
    } cases[] = {
        {"drop button at the window's right edge", DropButtonLayout(150), work.left + 100, 150, kComboRight},
        {"wider list that fits in the window", ComboLayout(2, L"dropboxsize=\"180,300\""), work.left + 100, 180,
         kComboLeft},
        {"window past the monitor's right edge", ComboLayout(2, L"dropboxsize=\"180,300\""), work.right - 100, 180,
         kWorkRight},
        {"drop button's list past the monitor's left edge", DropButtonLayout(150), work.left - 150, 150, kWorkLeft},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.layout);
        ::SetWindowPos(*w, NULL, c.x, work.top + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Drop();
        const RECT rc = PopupRect();
        const RECT rcCombo = ComboOnScreen();
        EXPECT_EQ(rc.right - rc.left, c.width);
        EXPECT_EQ(rc.top, rcCombo.bottom);
        switch (c.edge) {
        case kComboLeft: EXPECT_EQ(rc.left, rcCombo.left); break;
        case kComboRight: EXPECT_EQ(rc.right, rcCombo.right); break;
        case kWorkLeft: EXPECT_EQ(rc.left, work.left); break;
        case kWorkRight: EXPECT_EQ(rc.right, work.right); break;
        }
        EXPECT_GE(rc.left, work.left);
        EXPECT_LE(rc.right, work.right);
        w.reset();
    }
}

TEST_F(ComboWindow, SelectedTextIsPaintedWithoutAskingForAnotherPaint)
{
    Open(ComboLayout(3, L"itemtextcolor=\"#FF0000FF\" itemselectedtextcolor=\"#FF0000FF\""));
    ASSERT_TRUE(combo->SelectItem(1));
    w->Paint();
    RECT rcUpdate = {};
    EXPECT_FALSE(::GetUpdateRect(*w, &rcUpdate, FALSE));
    TestCanvas canvas(200, 100, 0xFFFFFFFF);
    w->PaintInto(canvas);
    EXPECT_GT(CountColor(canvas, combo->GetPos(), Rgb{0, 0, 255}, 60), 0);
}

// ---- the combo box's arrow strip ---------------------------------------------------------

TEST(ComboBoxArrow, EachStateDrawsItsPartOfTheStrip)
{
    // Five parts of 4 pixels: normal red, hot green, pushed blue, focused
    // yellow, disabled grey.
    const DWORD parts[5] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF808080};
    const Rgb rgb[5] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {128, 128, 128}};
    DirectControl<CComboBoxUI> box(L"combo_box_arrow", 60, 20);
    RgbaImage strip = SolidImage(20, 4, 0);
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < 4; ++y) strip.Set(x, y, parts[x / 4]);
    }
    WriteBytes(box.skin.folder() + L"strip.png", EncodePng(strip));
    box.control.SetAttribute(L"arrowimage", L"file='strip.png' source='0,0,20,4'");

    struct Case
    {
        const char* what;
        int enter; // event that puts the box in the state, 0 for none
        int leave; // event that takes it out again
        bool bDisable;
        int part;
    } cases[] = {
        {"normal", 0, 0, false, 0},
        {"hot", UIEV_MOUSE_ENTER, UIEV_MOUSE_LEAVE, false, 1},
        {"focused", UIEV_SET_FOCUS, UIEV_KILL_FOCUS, false, 3},
        {"disabled", 0, 0, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.control.SetEnabled(!c.bDisable);
        if (c.enter != 0) box.Send(c.enter);
        // The arrow is at the right edge; the rest stays black.
        EXPECT_TRUE(SameColor(box.Paint(57, 10), rgb[c.part], 8));
        EXPECT_TRUE(SameColor(box.canvas.At(30, 10), Rgb{0, 0, 0}));
        if (c.leave != 0) box.Send(c.leave);
    }
}

TEST(ComboBoxArrow, AStripWithoutSourceShowsNoArrow)
{
    DirectControl<CComboBoxUI> box(L"combo_box_nosource", 60, 20);
    WriteSolidImages(box.skin.folder(), {{L"red.png", 0xFFFF0000}});
    box.control.SetAttribute(L"arrowimage", L"file='red.png'");
    box.control.SetAttribute(L"normalimage", L"red.png");
    // Neither the arrow nor the combo's own state image.
    EXPECT_TRUE(SameColor(box.Paint(57, 10), Rgb{0, 0, 0}));
    EXPECT_TRUE(SameColor(box.canvas.At(10, 10), Rgb{0, 0, 0}));
}
