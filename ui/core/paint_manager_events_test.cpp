// The paint manager's message engine under real windows: mouse, capture, hover, focus
// and Tab order, shortcuts, timers, notifications (sync and queued) and delayed cleanup.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "dialog_builder.h"
#include "notify_pump.h"
#include "test_support/probe_control.h"
#include "test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// Three tab stops: a and b side by side, c below a.
const wchar_t kLayout[] = L"<Window><Container>"
                          L"<Probe name=\"a\" float=\"true\" pos=\"10,10,60,40\" />"
                          L"<Probe name=\"b\" float=\"true\" pos=\"100,10,150,40\" />"
                          L"<Probe name=\"c\" float=\"true\" pos=\"10,60,60,90\" />"
                          L"</Container></Window>";

struct ProbeFactory : IDialogBuilderCallback
{
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        if (wcscmp(pstrClass, L"Probe") != 0) return NULL;
        return new ProbeControl(L"", L"ButtonUI", CTRLFLAG_TABSTOP);
    }
};

class MessageEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(window.CreateAt(0, 0, 200, 100), (HWND)NULL);
        ASSERT_TRUE(window.Load(kLayout, &probes));
        root = static_cast<CContainerUI*>(window.root);
        a = window.Find<ProbeControl>(L"a");
        b = window.Find<ProbeControl>(L"b");
        c = window.Find<ProbeControl>(L"c");
        ASSERT_TRUE(a && b && c);
    }

    CPaintManagerUI& pm() { return window.pm; }
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return window.Send(msg, wParam, lParam); }
    void SetShift(bool down)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    ProbeFactory probes;
    TestWindow window;
    CContainerUI* root = nullptr;
    ProbeControl* a = nullptr;
    ProbeControl* b = nullptr;
    ProbeControl* c = nullptr;
};

TEST_F(MessageEngineTest, FirstPaintSendsWindowInitAndFocusesTheFirstTabStop)
{
    EXPECT_EQ(window.log.Count(L"windowinit"), 1);
    EXPECT_EQ(pm().GetFocus(), a);
    PaintNow(window);
    EXPECT_EQ(window.log.Count(L"windowinit"), 1);
}

TEST_F(MessageEngineTest, ButtonUpGoesToThePressedControlWithTheControlUnderTheMouseAsSender)
{
    struct Case
    {
        POINT up;
        CControlUI* expectedSender;
    } cases[] = {
        {{20, 20}, nullptr},   // released where it was pressed: sender a (filled below)
        {{120, 20}, nullptr},  // released over b: sender b
        {{-5, -5}, nullptr},   // released outside the window: no sender
    };
    cases[0].expectedSender = a;
    cases[1].expectedSender = b;
    for (const Case& test : cases) {
        a->events.clear();
        Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 20));
        ASSERT_NE(a->Last(UIEV_BUTTON_DOWN), nullptr);
        EXPECT_EQ(a->Last(UIEV_BUTTON_DOWN)->sender, a);
        EXPECT_TRUE(pm().IsCaptured());
        EXPECT_EQ(::GetCapture(), window.GetHWND());
        Send(WM_LBUTTONUP, 0, Point(test.up.x, test.up.y));
        ASSERT_NE(a->Last(UIEV_BUTTON_UP), nullptr);
        EXPECT_EQ(a->Last(UIEV_BUTTON_UP)->sender, test.expectedSender);
        EXPECT_FALSE(pm().IsCaptured());
        EXPECT_EQ(b->Count(UIEV_BUTTON_UP), 0);
    }
}

TEST_F(MessageEngineTest, PressingFocusesTheControlAndDraggingMovesGoToIt)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(120, 20));
    EXPECT_EQ(pm().GetFocus(), b);
    EXPECT_EQ(window.log.Count(L"setfocus"), 2);  // a at the first paint, then b
    EXPECT_EQ(window.log.Count(L"killfocus"), 1);
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(20, 20));
    ASSERT_NE(b->Last(UIEV_MOUSE_MOVE), nullptr);
    EXPECT_EQ(a->Count(UIEV_MOUSE_MOVE), 0);
    Send(WM_LBUTTONUP, 0, Point(20, 20));
    Send(WM_MOUSEMOVE, 0, Point(25, 20));
    EXPECT_EQ(a->Count(UIEV_MOUSE_MOVE), 1);
}

TEST_F(MessageEngineTest, WheelGoesToTheControlUnderTheMouseAndHoverFollows)
{
    POINT screen = {20, 20};
    ::ClientToScreen(window, &screen);
    struct
    {
        short delta;
        WPARAM expected;
    } cases[] = {{-WHEEL_DELTA, SB_LINEDOWN}, {WHEEL_DELTA, SB_LINEUP}};
    for (const auto& test : cases) {
        Send(WM_MOUSEWHEEL, MAKEWPARAM(0, test.delta), Point(screen.x, screen.y));
        ASSERT_NE(a->Last(UIEV_SCROLL_WHEEL), nullptr);
        EXPECT_EQ(a->Last(UIEV_SCROLL_WHEEL)->wParam, test.expected);
    }
    EXPECT_EQ(a->Count(UIEV_MOUSE_ENTER), 1);  // the move sent after the wheel
}

TEST_F(MessageEngineTest, DoubleClickCapturesWithoutMovingTheFocus)
{
    pm().SetFocus(b);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(20, 20));
    EXPECT_EQ(a->Count(UIEV_DOUBLE_CLICK), 1);
    EXPECT_TRUE(pm().IsCaptured());
    EXPECT_EQ(pm().GetFocus(), b);
    Send(WM_LBUTTONUP, 0, Point(20, 20));
    EXPECT_EQ(a->Count(UIEV_BUTTON_UP), 1);
}

TEST_F(MessageEngineTest, HoverEntersAndLeavesControls)
{
    Send(WM_MOUSEMOVE, 0, Point(20, 20));
    EXPECT_EQ(a->Count(UIEV_MOUSE_ENTER), 1);
    Send(WM_MOUSEMOVE, 0, Point(22, 20));
    EXPECT_EQ(a->Count(UIEV_MOUSE_ENTER), 1);
    EXPECT_EQ(a->Count(UIEV_MOUSE_MOVE), 2);
    Send(WM_MOUSEMOVE, 0, Point(120, 20));
    EXPECT_EQ(a->Count(UIEV_MOUSE_LEAVE), 1);
    EXPECT_EQ(b->Count(UIEV_MOUSE_ENTER), 1);
    Send(WM_MOUSELEAVE);
    EXPECT_EQ(b->Count(UIEV_MOUSE_LEAVE), 1);
}

TEST_F(MessageEngineTest, HoverShowsTheControlsTooltip)
{
    b->SetToolTip(L"tip of b");
    Send(WM_MOUSEMOVE, 0, Point(120, 20));
    LRESULT lRes = Send(WM_MOUSEHOVER, 0, Point(120, 20));
    EXPECT_EQ(lRes, 0);
    EXPECT_EQ(b->Count(UIEV_MOUSE_HOVER), 1);
    HWND tooltip = pm().GetTooltipWindow();
    ASSERT_NE(tooltip, (HWND)NULL);
    wchar_t text[64] = {};
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window;
    info.uId = reinterpret_cast<UINT_PTR>(window.GetHWND());
    info.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"tip of b");
    EXPECT_TRUE(::IsWindowVisible(tooltip));
    // Leaving b hides the tip; hovering a control without a tip shows none.
    Send(WM_MOUSEMOVE, 0, Point(20, 20));
    EXPECT_FALSE(::IsWindowVisible(tooltip));
    Send(WM_MOUSEHOVER, 0, Point(20, 20));
    EXPECT_FALSE(::IsWindowVisible(tooltip));
    EXPECT_EQ(a->Count(UIEV_MOUSE_HOVER), 1);
    // The mouse leaving the window hides it too.
    Send(WM_MOUSEMOVE, 0, Point(120, 20));
    Send(WM_MOUSEHOVER, 0, Point(120, 20));
    EXPECT_TRUE(::IsWindowVisible(tooltip));
    Send(WM_MOUSELEAVE);
    EXPECT_FALSE(::IsWindowVisible(tooltip));
    // Hovering where there is no control is left to the window.
    lRes = 1;
    EXPECT_FALSE(pm().MessageHandler(WM_MOUSEHOVER, 0, Point(-5, -5), lRes));
}

// The mouse rests on a control (the hover message turns tracking off) and then
// leaves the window: the control still hears it leave. A press takes the tip off
// the screen (a menu opening under its button), and so does the removal of the
// control it names (a closed tab's cross).
TEST_F(MessageEngineTest, RestingThenLeavingOrPressingOrRemovalEndsTheHoverAndItsTip)
{
    b->SetToolTip(L"tip of b");
    c->SetToolTip(L"tip of c");
    const struct
    {
        const char* how;
        ProbeControl* control;
        LPARAM at;
        std::function<void()> end;
    } cases[] = {
        {"leaving the window", b, Point(120, 20), [&] { Send(WM_MOUSELEAVE); }},
        {"pressing", b, Point(120, 20),
         [&] {
             Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(120, 20));
             Send(WM_LBUTTONUP, 0, Point(120, 20));
         }},
        {"removing it", c, Point(20, 70),
         [&] {
             root->Remove(c);
             PumpMessages();
         }},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.how);
        Send(WM_MOUSEMOVE, 0, k.at);
        Send(WM_MOUSEHOVER, 0, k.at);
        HWND tooltip = pm().GetTooltipWindow();
        ASSERT_NE(tooltip, (HWND)NULL);
        ASSERT_TRUE(::IsWindowVisible(tooltip));
        const int leaves = k.control->Count(UIEV_MOUSE_LEAVE);
        k.end();
        EXPECT_FALSE(::IsWindowVisible(tooltip));
        if (k.control == b && std::string(k.how) == "leaving the window") {
            EXPECT_EQ(leaves + 1, b->Count(UIEV_MOUSE_LEAVE));
        }
        Send(WM_MOUSEMOVE, 0, Point(80, 50));  // between the controls
    }
}

// After a press the mouse rests on the control and moves a little (over the
// list the press opened under it): its tip stays away, for a left, double or
// right press alike, until the mouse has been on another control or outside the
// window.
TEST_F(MessageEngineTest, APressedControlShowsNoTipUntilTheMouseLeavesIt)
{
    b->SetToolTip(L"tip of b");
    const LPARAM on = Point(120, 20);
    const LPARAM restingOn = Point(121, 21);
    const struct
    {
        const char* press;
        UINT down;
        UINT up;
    } presses[] = {
        {"left", WM_LBUTTONDOWN, WM_LBUTTONUP},
        {"double", WM_LBUTTONDBLCLK, WM_LBUTTONUP},
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP},
    };
    const struct
    {
        const char* how;
        std::function<void()> away;
    } leaves[] = {
        {"another control", [&] { Send(WM_MOUSEMOVE, 0, Point(20, 20)); }},
        {"nothing", [&] { Send(WM_MOUSEMOVE, 0, Point(80, 50)); }},
        {"out of the window", [&] { Send(WM_MOUSELEAVE); }},
    };
    for (const auto& p : presses) {
        for (const auto& l : leaves) {
            SCOPED_TRACE(std::string(p.press) + " press, then " + l.how);
            Send(WM_MOUSEMOVE, 0, on);
            Send(WM_MOUSEHOVER, 0, on);
            HWND tooltip = pm().GetTooltipWindow();
            ASSERT_NE(tooltip, (HWND)NULL);
            ASSERT_TRUE(::IsWindowVisible(tooltip));
            Send(p.down, p.down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, on);
            Send(p.up, 0, on);
            EXPECT_FALSE(::IsWindowVisible(tooltip));
            Send(WM_MOUSEMOVE, 0, restingOn);
            Send(WM_MOUSEHOVER, 0, restingOn);
            EXPECT_FALSE(::IsWindowVisible(tooltip)) << "resting on the pressed control";
            l.away();
            Send(WM_MOUSEMOVE, 0, on);
            Send(WM_MOUSEHOVER, 0, on);
            EXPECT_TRUE(::IsWindowVisible(tooltip)) << "back on the control after it left";
            Send(WM_MOUSEMOVE, 0, Point(80, 50));
        }
    }
}

TEST_F(MessageEngineTest, TabAndShiftTabWalkTheTabStopsAndWrap)
{
    CControlUI* plain = Place(root, new ProbeControl(L"plain"), 160, 60, 190, 90);
    ProbeControl* hidden = Place(root, new ProbeControl(L"hidden", L"ButtonUI", CTRLFLAG_TABSTOP), 70, 60, 90, 90);
    ProbeControl* disabled = Place(root, new ProbeControl(L"off", L"ButtonUI", CTRLFLAG_TABSTOP), 95, 60, 99, 90);
    hidden->SetVisible(false);
    disabled->SetEnabled(false);
    (void)plain;
    PaintNow(window);
    pm().SetFocus(a);
    const CControlUI* forward[] = {b, c, a, b};
    for (const CControlUI* expected : forward) {
        window.Key(WM_KEYDOWN, VK_TAB);
        EXPECT_EQ(pm().GetFocus(), expected);
    }
    SetShift(true);
    const CControlUI* backward[] = {a, c, b, a};
    for (const CControlUI* expected : backward) {
        window.Key(WM_KEYDOWN, VK_TAB);
        EXPECT_EQ(pm().GetFocus(), expected);
    }
    SetShift(false);
}

// A rich edit that says it wants Tab characters answers the interface "WantTab".
class TabTakingEdit : public ProbeControl
{
public:
    explicit TabTakingEdit(bool wantsTab) : ProbeControl(L"edit", L"RichEditUI", CTRLFLAG_TABSTOP), m_wantsTab(wantsTab)
    {}
    LPVOID GetInterface(const wchar_t* pstrName) override
    {
        if (m_wantsTab && wcscmp(pstrName, L"WantTab") == 0) return this;
        return ProbeControl::GetInterface(pstrName);
    }

private:
    bool m_wantsTab;
};

TEST_F(MessageEngineTest, TabInARichEditThatWantsItStaysInTheEdit)
{
    for (bool wantsTab : {true, false}) {
        SCOPED_TRACE(wantsTab);
        TabTakingEdit* edit = Place(root, new TabTakingEdit(wantsTab), 160, 10, 190, 40);
        PaintNow(window);
        pm().SetFocus(edit);
        window.Key(WM_KEYDOWN, VK_TAB);
        if (wantsTab) {
            EXPECT_EQ(pm().GetFocus(), edit);
            ASSERT_NE(edit->Last(UIEV_KEY_DOWN), nullptr);
            EXPECT_EQ(edit->Last(UIEV_KEY_DOWN)->key, VK_TAB);
        } else {
            EXPECT_EQ(pm().GetFocus(), a);  // the last tab stop wraps to the first
            EXPECT_EQ(edit->Count(UIEV_KEY_DOWN), 0);
        }
        root->SetDelayedDestroy(false);
        root->Remove(edit);
    }
}

TEST_F(MessageEngineTest, FocusNeededBeforeLayoutLandsOnTheControlAtTheNextPaint)
{
    pm().SetFocus(a);
    pm().SetFocusNeeded(c);
    EXPECT_EQ(pm().GetFocus(), b);  // the tab stop before c, taken without events
    EXPECT_EQ(b->Count(UIEV_SET_FOCUS), 0);
    PaintNow(window);
    EXPECT_EQ(pm().GetFocus(), c);
    EXPECT_EQ(c->Count(UIEV_SET_FOCUS), 1);
}

TEST_F(MessageEngineTest, AFocusedControlMayDestroyItselfWhenItLosesFocus)
{
    pm().SetFocus(a);
    bool destroyed = false;
    a->destroyed = &destroyed;
    a->onEvent = [this](TEventUI& event) {
        if (event.type != UIEV_KILL_FOCUS) return;
        root->SetDelayedDestroy(false);
        root->Remove(a);
    };
    const int killed = window.log.Count(L"killfocus");
    pm().SetFocus(b);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(window.log.Count(L"killfocus"), killed);  // no notification about a destroyed control
    EXPECT_EQ(pm().GetFocus(), b);
}

TEST_F(MessageEngineTest, MessageLoopPreTranslatesTabAndEndsOnQuit)
{
    pm().SetFocus(a);
    ::PostMessageW(window, WM_KEYDOWN, VK_TAB, 0);
    ::PostMessageW(window, WM_CHAR, 'q', 0);
    ::PostQuitMessage(0);
    CPaintManagerUI::MessageLoop();
    EXPECT_EQ(pm().GetFocus(), b);
    EXPECT_EQ(a->Count(UIEV_KEY_DOWN), 0);  // Tab moved the focus instead of reaching a
    EXPECT_EQ(b->Count(UIEV_CHAR), 1);
}

TEST_F(MessageEngineTest, KeysGoToTheFocusedControl)
{
    pm().SetFocus(b);
    Send(WM_KEYDOWN, 'X');
    Send(WM_CHAR, 'x');
    Send(WM_KEYUP, 'X');
    ASSERT_NE(b->Last(UIEV_KEY_DOWN), nullptr);
    EXPECT_EQ(b->Last(UIEV_KEY_DOWN)->key, L'X');
    EXPECT_EQ(b->Last(UIEV_KEY_DOWN)->sender, nullptr);
    EXPECT_EQ(b->Last(UIEV_CHAR)->key, L'x');
    EXPECT_EQ(b->Count(UIEV_KEY_UP), 1);
    EXPECT_EQ(a->Count(UIEV_KEY_DOWN), 0);

    // The key-up goes to the control that had the key-down, wherever the focus went.
    Send(WM_KEYDOWN, 'Y');
    pm().SetFocus(c);
    Send(WM_KEYUP, 'Y');
    EXPECT_EQ(b->Count(UIEV_KEY_UP), 2);
    EXPECT_EQ(c->Count(UIEV_KEY_UP), 0);
    Send(WM_KEYUP, 'Y');  // no key control any more
    EXPECT_EQ(b->Count(UIEV_KEY_UP), 2);

    // A system key reaches the focus through the pre-translation and goes on to the window.
    window.Key(WM_SYSKEYDOWN, VK_F10);
    ASSERT_NE(c->Last(UIEV_SYS_KEY), nullptr);
    EXPECT_EQ(c->Last(UIEV_SYS_KEY)->key, VK_F10);
}

TEST_F(MessageEngineTest, AltShortcutOfALabelFocusesAndActivatesTheNextControl)
{
    ProbeControl* label = Place(root, new ProbeControl(L"label", L"LabelUI"), 160, 10, 190, 40);
    ProbeControl* next = Place(root, new ProbeControl(L"next", L"ButtonUI", CTRLFLAG_TABSTOP), 160, 60, 190, 90);
    label->SetShortcut(L'n');
    PaintNow(window);
    window.Key(WM_SYSCHAR, 'N');
    EXPECT_EQ(pm().GetFocus(), next);
    EXPECT_EQ(next->activations, 1);
    EXPECT_EQ(label->activations, 0);
}

TEST_F(MessageEngineTest, ContextMenuIsHandledOnlyAfterAPress)
{
    LRESULT lRes = 0;
    POINT screen = {20, 20};
    ::ClientToScreen(window, &screen);
    EXPECT_FALSE(pm().MessageHandler(WM_CONTEXTMENU, 0, Point(screen.x, screen.y), lRes));
    Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(20, 20));
    EXPECT_EQ(a->Count(UIEV_RBUTTON_DOWN), 1);
    EXPECT_TRUE(pm().MessageHandler(WM_CONTEXTMENU, 0, Point(screen.x, screen.y), lRes));
    ASSERT_NE(a->Last(UIEV_CONTEXT_MENU), nullptr);
    EXPECT_FALSE(pm().IsCaptured());
}

TEST_F(MessageEngineTest, WindowSizeReachesTheFocusAndAsksForLayout)
{
    pm().SetFocus(c);
    LRESULT lRes = 1;
    EXPECT_TRUE(pm().MessageHandler(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100), lRes));
    EXPECT_EQ(c->Count(UIEV_WINDOW_SIZE), 1);
    EXPECT_TRUE(root->IsUpdateNeeded());
}

TEST_F(MessageEngineTest, CloseEndsHoverAndPressAndDropsFocus)
{
    Send(WM_MOUSEMOVE, 0, Point(20, 20));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 20));
    LRESULT lRes = 0;
    EXPECT_FALSE(pm().MessageHandler(WM_CLOSE, 0, 0, lRes));
    EXPECT_EQ(a->Count(UIEV_MOUSE_LEAVE), 1);
    EXPECT_EQ(a->Count(UIEV_BUTTON_UP), 1);
    EXPECT_EQ(pm().GetFocus(), nullptr);
}

TEST_F(MessageEngineTest, ACommandFromAChildWindowIsReflectedToIt)
{
    struct Reflected : CWindowWnd
    {
        UINT got = 0;
        const wchar_t* GetWindowClassName() const override { return L"SkinUITestReflected"; }
        LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
        {
            if (uMsg >= 0x2000 && uMsg < 0x3000) {
                got = uMsg;
                return 42;
            }
            return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
        }
    } child;
    HWND hChild = child.Create(window, L"", WS_CHILD, 0, 0, 0, 10, 10);
    ASSERT_NE(hChild, (HWND)NULL);
    NMHDR header = {hChild, 1, NM_CLICK};
    struct
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        {WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(hChild)},
        {WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(hChild)},
        {WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(hChild)},
        {WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header)},  // to the window the header names
    };
    for (const auto& test : cases) {
        child.got = 0;
        EXPECT_EQ(Send(test.message, test.wParam, test.lParam), 42) << test.message;
        EXPECT_EQ(child.got, 0x2000u + test.message);
    }
    // A command without a child window (a menu or an accelerator) is left to the window.
    LRESULT lRes = 0;
    EXPECT_FALSE(pm().MessageHandler(WM_COMMAND, 1, 0, lRes));
    ::DestroyWindow(hChild);
}

TEST_F(MessageEngineTest, MinAndMaxSizesAreWrittenOnlyWhenSet)
{
    pm().SetMinInfo(120, 0);
    pm().SetMaxInfo(0, 300);
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 2};
    info.ptMaxTrackSize = {3, 4};
    LRESULT lRes = 0;
    EXPECT_FALSE(pm().MessageHandler(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), lRes));
    EXPECT_EQ(info.ptMinTrackSize.x, 120);
    EXPECT_EQ(info.ptMinTrackSize.y, 2);
    EXPECT_EQ(info.ptMaxTrackSize.x, 3);
    EXPECT_EQ(info.ptMaxTrackSize.y, 300);
}

TEST_F(MessageEngineTest, RightButtonFocusesCapturesAndEndsInTheContextMenu)
{
    pm().SetFocus(a);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(20, 70));
    EXPECT_EQ(c->Count(UIEV_RBUTTON_DOWN), 1);
    EXPECT_EQ(pm().GetFocus(), c);
    EXPECT_TRUE(pm().IsCaptured());
    // While captured the cursor is left alone, and the drag moves go to c.
    LRESULT lRes = 1;
    EXPECT_TRUE(pm().MessageHandler(WM_SETCURSOR, reinterpret_cast<WPARAM>(window.GetHWND()),
                                    MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), lRes));
    Send(WM_MOUSEMOVE, MK_RBUTTON, Point(120, 20));
    EXPECT_EQ(b->Count(UIEV_MOUSE_MOVE), 0);
    EXPECT_EQ(c->Count(UIEV_MOUSE_MOVE), 1);

    // The button-up takes the same steps; the window's default processing then raises
    // the context menu, which ends the capture.
    pm().SetFocus(a);
    Send(WM_RBUTTONUP, 0, Point(20, 70));
    EXPECT_EQ(c->Count(UIEV_RBUTTON_UP), 1);
    EXPECT_EQ(pm().GetFocus(), c);
    ASSERT_EQ(c->Count(UIEV_CONTEXT_MENU), 1);
    EXPECT_EQ(c->Last(UIEV_CONTEXT_MENU)->sender, c);
    EXPECT_FALSE(pm().IsCaptured());
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
}

// ---- notifications ------------------------------------------------------------------------

// Handles "late" from the control named b, and from any other (or no) control.
struct LatePump : CNotifyPump
{
    int named = 0;
    int unnamed = 0;
    void OnNamed(TNotifyUI&) { ++named; }
    void OnAny(TNotifyUI& msg) { unnamed += msg.sender == nullptr; }
    UI_DECLARE_MESSAGE_MAP()
};

UI_BEGIN_MESSAGE_MAP(LatePump, CNotifyPump)
UI_ON_MSGTYPE_CTRNAME(L"late", L"b", OnNamed)
UI_ON_MSGTYPE(L"late", OnAny)
UI_END_MESSAGE_MAP()

TEST_F(MessageEngineTest, QueuedNotificationArrivesOnTheNextMessageWithoutVirtualWindow)
{
    pm().UsedVirtualWnd(true);
    b->SetVirtualWnd(L"page");
    pm().SendNotify(b, L"sync", 1, 2, false);
    ASSERT_EQ(window.log.Count(L"sync"), 1);
    EXPECT_EQ(window.log.records.back().virtualWnd, L"page");
    pm().SendNotify(b, L"queued", 1, 2, true);
    EXPECT_EQ(window.log.Count(L"queued"), 0);
    Send(WM_NULL);
    ASSERT_EQ(window.log.Count(L"queued"), 1);
    EXPECT_EQ(window.log.records.back().sender, b);
    EXPECT_EQ(window.log.records.back().virtualWnd, L"");
    PumpMessages();
    EXPECT_EQ(window.log.Count(L"queued"), 1);  // delivered once only

    // An idle window still gets its queued notification.
    pm().SendNotify(c, L"idle", 0, 0, true);
    PumpMessages();
    EXPECT_EQ(window.log.Count(L"idle"), 1);
}

TEST_F(MessageEngineTest, QueuedNotificationOfADeletedSenderCountsAsUnnamed)
{
    static LatePump* pump = nullptr;
    LatePump local;
    pump = &local;
    NotifyLog forward;
    forward.onNotify = [](TNotifyUI& msg) { pump->NotifyPump(msg); };
    pm().AddNotifier(&forward);
    pm().SendNotify(b, L"late", 0, 0, true);
    root->SetDelayedDestroy(false);
    bool destroyed = false;
    b->destroyed = &destroyed;
    root->Remove(b);
    ASSERT_TRUE(destroyed);
    Send(WM_NULL);
    EXPECT_EQ(local.named, 0);
    EXPECT_EQ(local.unnamed, 1);
    pm().RemoveNotifier(&forward);
}

TEST_F(MessageEngineTest, ASenderDeletedByAnEarlierNotifierReachesTheLaterOnesUnnamed)
{
    for (bool async : {false, true}) {
        SCOPED_TRACE(async);
        ProbeControl* doomed = Place(root, new ProbeControl(L"b"), 160, 60, 190, 90);
        bool destroyed = false;
        doomed->destroyed = &destroyed;
        NotifyLog first;
        first.onNotify = [&](TNotifyUI& msg) {
            if (msg.type != L"late") return;
            root->SetDelayedDestroy(false);
            root->Remove(doomed);
            root->SetDelayedDestroy(true);
        };
        LatePump pump;
        NotifyLog later;
        later.onNotify = [&](TNotifyUI& msg) { pump.NotifyPump(msg); };
        pm().AddNotifier(&first);
        pm().AddNotifier(&later);
        pm().SendNotify(doomed, L"late", 0, 0, async);
        if (async) Send(WM_NULL);
        EXPECT_TRUE(destroyed);
        EXPECT_EQ(pump.named, 0);
        EXPECT_EQ(pump.unnamed, 1);
        pm().RemoveNotifier(&first);
        pm().RemoveNotifier(&later);
    }
}

TEST_F(MessageEngineTest, NotifiersMayAddAndRemoveNotifiersWhileNotified)
{
    NotifyLog first;
    NotifyLog second;
    NotifyLog added;
    first.onNotify = [&](TNotifyUI&) {
        pm().RemoveNotifier(&first);
        pm().RemoveNotifier(&second);
        pm().AddNotifier(&added);
    };
    pm().AddNotifier(&first);
    pm().AddNotifier(&second);
    pm().SendNotify(a, L"x");
    EXPECT_EQ(first.Count(L"x"), 1);
    EXPECT_EQ(second.Count(L"x"), 0);  // removed before its turn
    EXPECT_EQ(added.Count(L"x"), 0);   // added during the round
    pm().SendNotify(a, L"y");
    EXPECT_EQ(added.Count(L"y"), 1);
    pm().RemoveNotifier(&added);
}

// ---- delayed cleanup --------------------------------------------------------------------------

TEST_F(MessageEngineTest, AControlMayRemoveItselfInsideItsOwnEvent)
{
    bool destroyed = false;
    a->destroyed = &destroyed;
    a->onEvent = [this](TEventUI& event) {
        if (event.type == UIEV_BUTTON_DOWN) root->Remove(a);
    };
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 20));
    EXPECT_FALSE(destroyed);  // alive until the cleanup message
    PumpMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(pm().FindControl(L"a"), nullptr);
    Send(WM_LBUTTONUP, 0, Point(20, 20));  // the press ended with the control
    Send(WM_MOUSEMOVE, 0, Point(20, 20));
    EXPECT_EQ(pm().GetFocus(), nullptr);
}

TEST_F(MessageEngineTest, CleanupDeletesControlsThatDestructorsQueueMeanwhile)
{
    bool aDestroyed = false;
    bool bDestroyed = false;
    a->destroyed = &aDestroyed;
    b->destroyed = &bDestroyed;
    a->onDestroy = [this] { root->Remove(b); };
    root->Remove(a);
    PumpMessages();
    EXPECT_TRUE(aDestroyed);
    EXPECT_TRUE(bDestroyed);
    EXPECT_EQ(root->GetCount(), 1);
}

// Removing many controls asks for one cleanup, not one per control; a removal
// after that cleanup asks again.
TEST_F(MessageEngineTest, RemovingManyControlsAsksForOneCleanup)
{
    auto takeCleanups = [this] {
        int count = 0;
        MSG msg;
        while (::PeekMessageW(&msg, window.GetHWND(), WM_UI_DELAYED_CLEANUP, WM_UI_DELAYED_CLEANUP, PM_REMOVE)) {
            ++count;
            ::DispatchMessageW(&msg);
        }
        return count;
    };
    bool aDestroyed = false;
    a->destroyed = &aDestroyed;
    root->RemoveAll();
    EXPECT_EQ(1, takeCleanups());
    EXPECT_TRUE(aDestroyed);
    root->Add(new ProbeControl(L"d", L"ButtonUI", CTRLFLAG_TABSTOP));
    root->Add(new ProbeControl(L"e", L"ButtonUI", CTRLFLAG_TABSTOP));
    root->RemoveAt(0);
    root->RemoveAt(0);
    EXPECT_EQ(1, takeCleanups());
    EXPECT_EQ(0, root->GetCount());
    a = b = c = nullptr;
}

// A control taken out of one window and put into another belongs to the new one
// alone: the old window no longer holds it as its focus or its hover.
TEST_F(MessageEngineTest, AControlMovedToAnotherWindowIsForgottenByTheOldOne)
{
    TestWindow other;
    ASSERT_NE(other.CreateAt(0, 120, 200, 100), (HWND)NULL);
    CContainerUI* otherRoot = new CContainerUI;
    ASSERT_TRUE(other.Attach(otherRoot));
    Send(WM_MOUSEMOVE, 0, Point(20, 20));
    pm().SetFocus(a);
    ASSERT_EQ(pm().GetFocus(), a);
    const int leaves = a->Count(UIEV_MOUSE_LEAVE);

    root->SetAutoDestroy(false);
    ASSERT_TRUE(root->Remove(a));
    root->SetAutoDestroy(true);
    ASSERT_TRUE(otherRoot->Add(a));
    EXPECT_EQ(a->GetManager(), &other.pm);
    EXPECT_EQ(pm().GetFocus(), nullptr);
    EXPECT_EQ(other.pm.FindControl(L"a"), a);
    Send(WM_MOUSEMOVE, 0, Point(120, 20));
    EXPECT_EQ(a->Count(UIEV_MOUSE_LEAVE), leaves) << "the old window's mouse no longer reaches it";

    // Gone with its new window, it is not touched by the old one afterwards.
    bool destroyed = false;
    a->destroyed = &destroyed;
    otherRoot->Remove(a);
    PumpMessages();
    EXPECT_TRUE(destroyed);
    pm().SetFocus(b);
    EXPECT_EQ(pm().GetFocus(), b);
    a = nullptr;
}

TEST_F(MessageEngineTest, AttachingAnotherRootDeletesTheOldTreeLater)
{
    bool oldDestroyed = false;
    a->destroyed = &oldDestroyed;
    pm().AddPostPaint(b);
    pm().SetFocus(a);
    CContainerUI* next = new CContainerUI;
    ProbeControl* d = Place(next, new ProbeControl(L"d", L"ButtonUI", CTRLFLAG_TABSTOP), 10, 10, 60, 40);
    ASSERT_TRUE(pm().AttachDialog(next));
    EXPECT_EQ(pm().GetFocus(), nullptr);
    EXPECT_EQ(pm().GetPostPaintCount(), 0);
    EXPECT_EQ(pm().FindControl(L"d"), d);
    EXPECT_FALSE(oldDestroyed);  // the old tree goes with the cleanup message
    PumpMessages();
    EXPECT_TRUE(oldDestroyed);
    root = next;
    a = b = c = nullptr;
    // The new tree is laid out and introduced like the first one.
    PaintNow(window);
    EXPECT_EQ(window.log.Count(L"windowinit"), 2);
    EXPECT_EQ(pm().GetFocus(), d);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 20));
    Send(WM_LBUTTONUP, 0, Point(20, 20));
    EXPECT_EQ(d->Count(UIEV_BUTTON_UP), 1);

    // No root at all: refused, and the tree before it is deleted all the same.
    bool lastDestroyed = false;
    d->destroyed = &lastDestroyed;
    EXPECT_FALSE(pm().AttachDialog(NULL));
    PumpMessages();
    EXPECT_TRUE(lastDestroyed);
    EXPECT_EQ(pm().GetRoot(), nullptr);
    PaintNow(window);  // a window without a tree still paints
    root = nullptr;
}

// ---- lookup -------------------------------------------------------------------------------------

TEST_F(MessageEngineTest, SubControlByClassCountsMatchesAndRefusesNegativeIndexes)
{
    EXPECT_EQ(pm().FindSubControlByClass(NULL, L"ButtonUI", 2), c);
    EXPECT_EQ(pm().FindSubControlByClass(NULL, L"ButtonUI", 3), nullptr);
    EXPECT_EQ(pm().FindSubControlByClass(NULL, L"ButtonUI", -1), nullptr);
    EXPECT_EQ(pm().FindControl(L"A"), nullptr);
    EXPECT_EQ(pm().FindSubControlByName(NULL, L"A"), a);
}

// A control renamed in the window is found by its new name and no longer by the old
// one; once freed, by neither. A control not yet in the window gets its name there
// when it joins.
TEST_F(MessageEngineTest, ARenamedControlIsFoundByItsNewNameOnly)
{
    b->SetName(L"b2");
    EXPECT_EQ(pm().FindControl(L"b2"), b);
    EXPECT_EQ(pm().FindControl(L"b"), nullptr);
    EXPECT_EQ(pm().FindControl(L"a"), a);

    CControlUI* late = new CControlUI;
    late->SetName(L"late");
    late->SetName(L"later");
    EXPECT_EQ(pm().FindControl(L"later"), nullptr);
    ASSERT_TRUE(root->Add(late));
    EXPECT_EQ(pm().FindControl(L"later"), late);
    EXPECT_EQ(pm().FindControl(L"late"), nullptr);

    root->Remove(b);
    PumpMessages();
    b = nullptr;
    EXPECT_EQ(pm().FindControl(L"b2"), nullptr);
    EXPECT_EQ(pm().FindControl(L"b"), nullptr);
}

// ---- timers ----------------------------------------------------------------------------------------

TEST_F(MessageEngineTest, ControlTimerFiresAsTimerEventWithTheControlsOwnId)
{
    ASSERT_TRUE(pm().SetTimer(b, 7, 10));
    EXPECT_FALSE(pm().SetTimer(b, 7, 10));  // already running
    ASSERT_TRUE(PumpUntil([&] { return b->Count(UIEV_TIMER) > 0; }));
    EXPECT_EQ(b->Last(UIEV_TIMER)->wParam, 7u);
    EXPECT_TRUE(pm().KillTimer(b, 7));
    EXPECT_FALSE(pm().KillTimer(b, 7));
    const int beforeLate = b->Count(UIEV_TIMER);
    Send(WM_TIMER, CPaintManagerUI::kControlTimerIdBase + 17);  // one still queued when killed
    EXPECT_EQ(b->Count(UIEV_TIMER), beforeLate);
    EXPECT_TRUE(pm().SetTimer(b, 7, 100000));  // revived under its old native id
    const int fired = b->Count(UIEV_TIMER);
    Send(WM_TIMER, CPaintManagerUI::kControlTimerIdBase + 17);
    EXPECT_EQ(b->Count(UIEV_TIMER), fired + 1);
    pm().KillTimer(b);
}

TEST_F(MessageEngineTest, NativeTimerIdsStartAt17AndNeverCollide)
{
    const UINT_PTR base = CPaintManagerUI::kControlTimerIdBase;
    ASSERT_TRUE(pm().SetTimer(a, 1, 100000));
    Send(WM_TIMER, base + 17);
    ASSERT_EQ(a->Count(UIEV_TIMER), 1);

    // Run the ids round once with short-lived timers of b.
    for (UINT id = 0; id < 300; id++) {
        ASSERT_TRUE(pm().SetTimer(b, id, 100000));
        ASSERT_TRUE(pm().KillTimer(b, id));
    }
    pm().KillTimer(b);
    for (UINT id = 0; id < 254; id++) ASSERT_TRUE(pm().SetTimer(c, id, 100000)) << id;
    EXPECT_FALSE(pm().SetTimer(c, 999, 100000));  // every native id is taken

    // a's id was never handed out again.
    Send(WM_TIMER, base + 17);
    EXPECT_EQ(a->Count(UIEV_TIMER), 2);
    EXPECT_EQ(c->Count(UIEV_TIMER), 0);
    pm().KillTimer(c);
    pm().KillTimer(a);
}

TEST_F(MessageEngineTest, ApplicationTimerIdsNeverReachControls)
{
    ASSERT_TRUE(pm().SetTimer(a, 1, 100000));
    for (UINT_PTR appId : {UINT_PTR(0), UINT_PTR(17), UINT_PTR(101), UINT_PTR(1001)}) {
        Send(WM_TIMER, appId);
    }
    EXPECT_EQ(a->Count(UIEV_TIMER), 0);
    pm().KillTimer(a);
}

// ---- the real cursor ----------------------------------------------------------------------------

// WM_SETCURSOR looks at the real cursor: this window stands apart from the other tests'
// windows, so that the mouse moves it causes reach none of them.
TEST(SetCursor, GoesOnlyToControlsThatAskForIt)
{
    TestWindow window;
    ASSERT_NE(window.CreateAt(600, 400, 100, 100), (HWND)NULL);
    CContainerUI* root = new CContainerUI;
    ProbeControl* pointer = Place(root, new ProbeControl(L"pointer", L"ProbeUI", CTRLFLAG_SETCURSOR), 10, 10, 40, 40);
    ProbeControl* plain = Place(root, new ProbeControl(L"plain"), 60, 10, 90, 40);
    ASSERT_TRUE(window.pm.AttachDialog(root));
    PaintNow(window);
    struct
    {
        POINT at;
        WORD hitTest;
        bool handled;
    } cases[] = {
        {{20, 20}, HTCLIENT, true},    // over the control that asks
        {{70, 20}, HTCLIENT, false},   // over one that does not
        {{20, 20}, HTCAPTION, false},  // outside the client area
    };
    for (const auto& test : cases) {
        POINT screen = test.at;
        ::ClientToScreen(window, &screen);
        ASSERT_TRUE(::SetCursorPos(screen.x, screen.y));
        LRESULT lRes = 0;
        EXPECT_EQ(window.pm.MessageHandler(WM_SETCURSOR, reinterpret_cast<WPARAM>(window.GetHWND()),
                                           MAKELPARAM(test.hitTest, WM_MOUSEMOVE), lRes),
                  test.handled);
    }
    EXPECT_EQ(pointer->Count(UIEV_SET_CURSOR), 1);
    EXPECT_EQ(plain->Count(UIEV_SET_CURSOR), 0);
    ::SetCursorPos(1200, 1000);
}

// ---- pre-translation -----------------------------------------------------------------------------

class CountingAccelerator : public ITranslateAccelerator
{
public:
    LRESULT TranslateAccelerator(MSG*) override
    {
        ++calls;
        return 1;  // not handled
    }
    int calls = 0;
};

TEST(PreTranslation, ChildWindowMessagesReachEachManagerUpTheChainOnce)
{
    TestWindow top;
    TestWindow middle;
    TestWindow bottom;
    ASSERT_NE(top.CreateAt(0, 0, 200, 200), (HWND)NULL);
    ASSERT_NE(middle.CreateAt(0, 0, 150, 150, top, WS_CHILD), (HWND)NULL);
    ASSERT_NE(bottom.CreateAt(0, 0, 100, 100, middle, WS_CHILD), (HWND)NULL);
    TestWindow unrelated;
    ASSERT_NE(unrelated.CreateAt(300, 0, 50, 50), (HWND)NULL);
    CountingAccelerator accTop, accMiddle, accBottom, accUnrelated;
    top.pm.AddTranslateAccelerator(&accTop);
    middle.pm.AddTranslateAccelerator(&accMiddle);
    bottom.pm.AddTranslateAccelerator(&accBottom);
    unrelated.pm.AddTranslateAccelerator(&accUnrelated);

    MSG msg = {bottom, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(CPaintManagerUI::TranslateMessage(&msg));
    EXPECT_EQ(accTop.calls, 1);
    EXPECT_EQ(accMiddle.calls, 1);
    EXPECT_EQ(accBottom.calls, 1);
    EXPECT_EQ(accUnrelated.calls, 0);
}

TEST(PreTranslation, AnAcceleratorThatHandlesTheMessageStopsIt)
{
    struct Handling : ITranslateAccelerator
    {
        LRESULT TranslateAccelerator(MSG*) override { return 0; }
    } handling;
    TestWindow top;
    ASSERT_NE(top.CreateAt(0, 0, 100, 100), (HWND)NULL);
    top.pm.AddTranslateAccelerator(&handling);
    MSG msg = {top, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_TRUE(CPaintManagerUI::TranslateMessage(&msg));
}

}  // namespace
