// CNotifyPump: handler tables chosen by notification and control name, the base class's
// table, handlers taking wParam and lParam, and routing through virtual windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_ui.h"
#include "notify_pump.h"

using namespace SkinUI;

namespace {

class BasePump : public CNotifyPump
{
public:
    std::vector<std::wstring> calls;
    void OnBaseTimer(TNotifyUI&) { calls.push_back(L"base:timer"); }
    UI_DECLARE_MESSAGE_MAP()
};

UI_BEGIN_MESSAGE_MAP(BasePump, CNotifyPump)
UI_ON_MSGTYPE(L"timer", OnBaseTimer)
UI_END_MESSAGE_MAP()

class DerivedPump : public BasePump
{
public:
    void OnOk(TNotifyUI&) { calls.push_back(L"ok"); }
    void OnAnyClick(TNotifyUI&) { calls.push_back(L"any"); }
    void OnLastAnyClick(TNotifyUI&) { calls.push_back(L"last-any"); }
    void OnParams(WPARAM wParam, LPARAM lParam)
    {
        calls.push_back(L"params:" + std::to_wstring(wParam) + L"," + std::to_wstring(lParam));
    }
    UI_DECLARE_MESSAGE_MAP()
};

UI_BEGIN_MESSAGE_MAP(DerivedPump, BasePump)
UI_ON_MSGTYPE(L"click", OnAnyClick)
UI_ON_CLICK_CTRNAME(L"ok", OnOk)
UI_ON_MSGTYPE(L"click", OnLastAnyClick)
UI_ON_MSGTYPE_PARAMS(L"select", L"", OnParams)
UI_END_MESSAGE_MAP()

TNotifyUI Notification(const wchar_t* type, CControlUI* sender, const wchar_t* virtualWnd = L"")
{
    TNotifyUI msg;
    msg.type = type;
    msg.virtualWnd = virtualWnd;
    msg.sender = sender;
    msg.timestamp = 0;
    msg.point.x = msg.point.y = 0;
    msg.wParam = 3;
    msg.lParam = 4;
    return msg;
}

TEST(NotifyPump, EntriesAreChosenByNotificationAndControlName)
{
    CControlUI ok;
    ok.SetName(L"ok");
    CControlUI Ok;
    Ok.SetName(L"OK");  // control names match exactly
    CControlUI other;
    other.SetName(L"other");
    struct
    {
        const wchar_t* type;
        CControlUI* sender;
        bool handled;
        const wchar_t* call;
    } cases[] = {
        {L"click", &ok, true, L"ok"},
        {L"click", &Ok, true, L"last-any"},  // the last entry for any control
        {L"click", &other, true, L"last-any"},
        {L"click", nullptr, true, L"any"},  // a sender that has gone counts as unnamed
        {L"select", &other, true, L"params:3,4"},
        {L"timer", &ok, true, L"base:timer"},  // found in the base class's table
        {L"Click", &ok, false, L""},           // notification names match exactly
        {L"unknown", &ok, false, L""},
        {L"", nullptr, false, L""},
    };
    for (const auto& test : cases) {
        DerivedPump pump;
        TNotifyUI msg = Notification(test.type, test.sender);
        EXPECT_EQ(pump.LoopDispatch(msg), test.handled) << test.type;
        if (test.handled) {
            ASSERT_EQ(pump.calls.size(), 1u) << test.type;
            EXPECT_EQ(pump.calls[0], test.call) << test.type;
        } else {
            EXPECT_TRUE(pump.calls.empty()) << test.type;
        }
    }
}

TEST(NotifyPump, VirtualWindowsTakeTheirNotificationsFirst)
{
    DerivedPump window;
    DerivedPump page;
    BasePump timersOnly;
    EXPECT_TRUE(window.AddVirtualWnd(L"page", &page));
    EXPECT_FALSE(window.AddVirtualWnd(L"page", &page));
    EXPECT_TRUE(window.AddVirtualWnd(L"timers", &timersOnly));
    CControlUI button;
    button.SetName(L"other");

    TNotifyUI toPage = Notification(L"click", &button, L"PAGE");  // names compare without case
    window.NotifyPump(toPage);
    EXPECT_EQ(page.calls.size(), 1u);
    EXPECT_TRUE(window.calls.empty());

    TNotifyUI unknown = Notification(L"click", &button, L"nowhere");
    window.NotifyPump(unknown);
    EXPECT_EQ(window.calls.size(), 1u);

    // A sub-pump without a handler leaves the notification to the window's own table.
    TNotifyUI unhandled = Notification(L"click", &button, L"timers");
    window.NotifyPump(unhandled);
    EXPECT_TRUE(timersOnly.calls.empty());
    EXPECT_EQ(window.calls.size(), 2u);

    EXPECT_TRUE(window.RemoveVirtualWnd(L"page"));
    EXPECT_FALSE(window.RemoveVirtualWnd(L"page"));
    window.NotifyPump(toPage);
    EXPECT_EQ(page.calls.size(), 1u);
    EXPECT_EQ(window.calls.size(), 3u);
}

}  // namespace
