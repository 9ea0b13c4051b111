// The control base: attribute vocabulary (with short and malformed values read
// from the very end of a page), geometry setters, events, visibility, and the
// rules that need a manager or a window.
#include <functional>
#include <string>

#include "container_ui.h"
#include "control_ui.h"
#include "gtest/gtest.h"
#include "paint_manager.h"
#include "test_support/guarded_buffer.h"
#include "test_support/test_canvas.h"
#include "test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

TEST(ControlAttributes, NumbersListsAndColours)
{
    CControlUI control;
    control.SetAttribute(L"pos", L"-10,5,-2,25");
    EXPECT_EQ(-2, control.GetFixedXY().cx);
    EXPECT_EQ(5, control.GetFixedXY().cy);
    EXPECT_EQ(8, control.GetFixedWidth());
    EXPECT_EQ(20, control.GetFixedHeight());

    control.SetAttribute(L"bkcolor", L"  #FF102030");
    EXPECT_EQ(0xFF102030u, control.GetBkColor());
    control.SetAttribute(L"bordercolor", L"FF00FF00");
    EXPECT_EQ(0xFF00FF00u, control.GetBorderColor());
    control.SetAttribute(L"bordersize", L"1,2,3,4");
    EXPECT_EQ(3, control.GetRightBorderSize());
    control.SetAttribute(L"bordersize", L"5");
    EXPECT_EQ(5, control.GetBorderSize());
    EXPECT_EQ(0, control.GetRightBorderSize());
    control.SetAttribute(L"tooltip", L"a<n>b");
    EXPECT_EQ(std::wstring(L"a\r\nb"), std::wstring(control.GetToolTip()));
    control.SetAttribute(L"visible", L"TRUE");
    EXPECT_FALSE(control.IsVisible());  // only "true" is true
    control.SetAttribute(L"Visible", L"true");
    EXPECT_FALSE(control.IsVisible());  // names are case-sensitive
    control.SetAttribute(L"shortcut", L"Q");
    EXPECT_EQ(L'Q', control.GetShortcut());
}

TEST(ControlAttributes, ShortAndMalformedValuesNeverReadPastTheirEnd)
{
    struct Case
    {
        const wchar_t* name;
        const wchar_t* value;
        int fixedX, fixedY, width, height;
    } cases[] = {
        {L"pos", L"800", 800, 0, 0, 0},  // width -800 and height 0: a negative width is ignored
        {L"pos", L"1,2", 1, 2, 0, 0},   {L"pos", L"1,2,", 1, 2, 0, 0},
        {L"pos", L"", 0, 0, 0, 0},      {L"pos", L"1,2,11,12", 1, 2, 10, 10},
    };
    for (const Case& c : cases) {
        CControlUI control;
        GuardedText value(c.value);
        control.SetAttribute(c.name, value.get());
        EXPECT_EQ(c.fixedX, control.GetFixedXY().cx) << c.value;
        EXPECT_EQ(c.fixedY, control.GetFixedXY().cy) << c.value;
        EXPECT_EQ(c.width, control.GetFixedWidth()) << c.value;
        EXPECT_EQ(c.height, control.GetFixedHeight()) << c.value;
    }
    const wchar_t* names[] = {L"padding", L"relativepos", L"bordersize", L"borderround", L"bkcolor", L"width"};
    const wchar_t* values[] = {L"", L"7", L"7,", L"7,8,9", L"#", L"-"};
    for (const wchar_t* name : names) {
        for (const wchar_t* value : values) {
            CContainerUI control;
            GuardedText guarded(value);
            control.SetAttribute(name, guarded.get());
            control.SetAttribute(L"inset", guarded.get());
        }
    }
    CControlUI padded;
    GuardedText shortPadding(L"3,4");
    padded.SetAttribute(L"padding", shortPadding.get());
    EXPECT_EQ("3,4,0,0", RectText(padded.GetPadding()));
}

TEST(ControlAttributes, AttributeListsStopAtTheFirstMalformedItem)
{
    struct Case
    {
        const wchar_t* list;
        int width, height;
    } cases[] = {
        {L"width=\"10\" height=\"20\"", 10, 20},
        {L"width=\"10\"  height=\"20\"", 10, 0},  // a second blank belongs to the next name
        {L"width=\"10\" height=\"20", 10, 0},     // no closing quote
        {L"width=\"10\" height=20", 10, 0},       // no opening quote
        {L"width=\"10\" height", 10, 0},          // no "="
        {L"width=\"10\"x height=\"20\"", 10, 0},
        {L"", 0, 0},
    };
    for (const Case& c : cases) {
        CControlUI control;
        GuardedText list(c.list);
        EXPECT_EQ(&control, control.ApplyAttributeList(list.get()));
        EXPECT_EQ(c.width, control.GetFixedWidth()) << c.list;
        EXPECT_EQ(c.height, control.GetFixedHeight()) << c.list;
    }
}

TEST(ControlGeometry, SetPosNormalisesAndSizeSettersIgnoreNegatives)
{
    CControlUI control;
    RECT inverted = {50, 40, 10, 20};
    control.SetPos(inverted);
    EXPECT_EQ("50,40,50,40", RectText(control.GetPos()));
    control.SetFixedWidth(30);
    control.SetFixedWidth(-4);
    EXPECT_EQ(30, control.GetFixedWidth());
    control.SetMaxHeight(-1);
    EXPECT_EQ(9999, control.GetMaxHeight());
    SIZE available = {500, 500};
    EXPECT_EQ(30, control.EstimateSize(available).cx);
}

TEST(ControlEvents, AHandlerAnsweringFalseStopsTheEvent)
{
    struct Recorder : CControlUI
    {
        int seen = 0;
        void DoEvent(TEventUI&) override { ++seen; }
    } control;
    static bool allow = true;
    control.OnEvent += [](void*) { return allow; };
    TEventUI event = {};
    event.type = UIEV_MOUSE_MOVE;
    control.Event(event);
    EXPECT_EQ(1, control.seen);
    allow = false;
    control.Event(event);
    EXPECT_EQ(1, control.seen);
}

TEST(ControlEvents, UnhandledEventsGoUpAndTimersNotify)
{
    struct Recorder : CContainerUI
    {
        int seen = 0;
        void DoEvent(TEventUI&) override { ++seen; }
    } parent;
    CControlUI* child = new CControlUI();
    parent.Add(child);
    child->SetManager(NULL, &parent, false);  // Add sets the parent only under a manager
    TEventUI event = {};
    event.type = UIEV_BUTTON_DOWN;
    child->DoEvent(event);
    EXPECT_EQ(1, parent.seen);

    struct Notified : INotifyUI
    {
        std::wstring last;
        void Notify(TNotifyUI& msg) override { last = msg.type.GetData(); }
    } notifier;
    CPaintManagerUI manager;
    CControlUI* root = new CControlUI();
    manager.AttachDialog(root);
    manager.AddNotifier(&notifier);
    event.type = UIEV_TIMER;
    root->DoEvent(event);
    EXPECT_EQ(L"timer", notifier.last);

    // A context menu is a "menu" notification only for a control that uses one.
    event.type = UIEV_CONTEXT_MENU;
    notifier.last.clear();
    root->DoEvent(event);
    EXPECT_EQ(L"", notifier.last);
    root->SetAttribute(L"menu", L"true");
    root->DoEvent(event);
    EXPECT_EQ(L"menu", notifier.last);
    child->DoEvent(event);
    EXPECT_EQ(2, parent.seen);
    manager.RemoveNotifier(&notifier);
}

TEST(ControlManagerRules, NothingNeedsAWindowOrAManager)
{
    // No manager: virtual window names and invalidation do nothing harmful.
    CControlUI loose;
    loose.SetAttribute(L"virtualwnd", L"page");
    EXPECT_EQ(std::wstring(L"page"), std::wstring(loose.GetVirtualWnd()));
    loose.Invalidate();
    loose.NeedUpdate();
    loose.SetFocus();

    // A manager without a window invalidates nothing (never the whole screen).
    CPaintManagerUI manager;
    CContainerUI* root = new CContainerUI();
    manager.AttachDialog(root);
    RECT rc = {0, 0, 10, 10};
    manager.Invalidate(rc);
    manager.Invalidate();
    root->SetAttribute(L"virtualwnd", L"main");
    CControlUI* child = new CControlUI();
    root->Add(child);
    EXPECT_EQ(std::wstring(L"main"), std::wstring(child->GetVirtualWnd()));
}

TEST(ControlManagerRules, HidingTheFocusedControlDropsTheFocus)
{
    TestWindow window(100, 100);
    CPaintManagerUI& manager = window.pm;
    CContainerUI* root = new CContainerUI();
    manager.AttachDialog(root);
    CControlUI* child = new CControlUI();
    root->Add(child);
    child->SetFocus();
    EXPECT_EQ(child, manager.GetFocus());
    EXPECT_TRUE(child->IsFocused());
    child->SetVisible(false);
    EXPECT_TRUE(manager.GetFocus() == NULL);
    EXPECT_FALSE(child->IsFocused());
    EXPECT_TRUE(root->Remove(child));
}

TEST(ControlManagerRules, AVirtualWindowNameGivenBeforeAttachingReachesNotifications)
{
    struct Notified : INotifyUI
    {
        std::wstring virtualWnd;
        void Notify(TNotifyUI& msg) override { virtualWnd = msg.virtualWnd.GetData(); }
    } notifier;
    CControlUI* loose = new CControlUI();
    loose->SetVirtualWnd(L"page");
    CPaintManagerUI manager;
    manager.AddNotifier(&notifier);
    manager.AttachDialog(loose);
    manager.SendNotify(loose, L"click");
    EXPECT_EQ(L"page", notifier.virtualWnd);
    manager.RemoveNotifier(&notifier);
}

TEST(ControlInvalidation, OnlyTheVisiblePartInsideEveryAncestorIsRepainted)
{
    TestWindow window(200, 200, true);
    HWND hwnd = window.GetHWND();
    CPaintManagerUI& manager = window.pm;
    CContainerUI* root = new CContainerUI();
    manager.AttachDialog(root);
    CContainerUI* box = new CContainerUI();
    root->Add(box);
    CControlUI* leaf = new CControlUI();
    box->Add(leaf);
    RECT all = {0, 0, 200, 200};
    root->SetPos(all);
    RECT boxPos = {10, 10, 60, 60};
    box->SetPos(boxPos);
    RECT leafPos = {20, 20, 40, 40};
    leaf->SetPos(leafPos);

    struct Step
    {
        const char* what;
        std::function<void()> action;
        const char* updated;
    } steps[] = {
        {"a visible control", [&] { leaf->Invalidate(); }, "20,20,40,40"},
        {"a hidden control",
         [&] {
             leaf->SetInternVisible(false);
             leaf->Invalidate();
         },
         "0,0,0,0"},
        {"moving repaints old and new place inside the parent",
         [&] {
             leaf->SetInternVisible(true);
             RECT rc = {50, 50, 80, 80};
             leaf->SetPos(rc);
         },
         "20,20,60,60"},
        {"partly outside the parent", [&] { leaf->Invalidate(); }, "50,50,60,60"},
        {"wholly outside the parent",
         [&] {
             RECT rc = {100, 100, 120, 120};
             leaf->SetPos(rc);
             ::ValidateRect(hwnd, NULL);
             leaf->Invalidate();
         },
         "0,0,0,0"},
    };
    for (Step& step : steps) {
        SCOPED_TRACE(step.what);
        ::ValidateRect(hwnd, NULL);
        step.action();
        RECT updated = {0, 0, 0, 0};
        ::GetUpdateRect(hwnd, &updated, FALSE);
        EXPECT_EQ(step.updated, RectText(updated));
    }
}
