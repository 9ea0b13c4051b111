// The notification queue: first in, first out; the queued copy without its
// virtual-window name; a deleted sender forgotten in queued notifications and in
// those being delivered, and only while they are.
#include "notify_queue.h"

#include "control_ui.h"
#include "gtest/gtest.h"
#include "paint_manager.h"

using namespace SkinUI;

namespace {

TNotifyUI Notification(const wchar_t* type, CControlUI* sender)
{
    TNotifyUI msg;
    msg.type = type;
    msg.virtualWnd = L"page";
    msg.sender = sender;
    msg.timestamp = 7;
    msg.point.x = 3;
    msg.point.y = 4;
    msg.wParam = 5;
    msg.lParam = 6;
    return msg;
}

}  // namespace

TEST(NotifyQueue, DeliversInOrderWithoutTheVirtualWindow)
{
    NotifyQueue queue;
    CControlUI sender;
    queue.Push(Notification(L"first", &sender));
    queue.Push(Notification(L"second", &sender));
    std::unique_ptr<TNotifyUI> first = queue.Pop();
    ASSERT_NE(nullptr, first);
    EXPECT_STREQ(L"first", first->type.GetData());
    EXPECT_TRUE(first->virtualWnd.IsEmpty());
    EXPECT_EQ(&sender, first->sender);
    EXPECT_EQ(7u, first->timestamp);
    EXPECT_EQ(4, first->point.y);
    EXPECT_EQ(5u, first->wParam);
    EXPECT_EQ(6, first->lParam);
    EXPECT_STREQ(L"second", queue.Pop()->type.GetData());
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_EQ(nullptr, queue.Pop());
}

TEST(NotifyQueue, ADeletedSenderIsForgottenWhileQueuedOrDelivered)
{
    NotifyQueue queue;
    CControlUI gone, stays;
    queue.Push(Notification(L"queued", &gone));
    queue.Push(Notification(L"other", &stays));
    TNotifyUI delivering = Notification(L"now", &gone);
    TNotifyUI delivered = Notification(L"before", &gone);
    {
        NotifyQueue::Delivering scope(queue, &delivered);
    }
    {
        NotifyQueue::Delivering scope(queue, &delivering);
        queue.ForgetSender(&gone);
        EXPECT_EQ(NULL, delivering.sender);
    }
    EXPECT_EQ(&gone, delivered.sender) << "delivered before: no longer tracked";
    EXPECT_EQ(NULL, queue.Pop()->sender);
    EXPECT_EQ(&stays, queue.Pop()->sender);
}
