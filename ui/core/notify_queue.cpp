// Queued notifications and those being delivered, with the senders that are
// forgotten when their control goes.
#include "notify_queue.h"

#include <algorithm>

#include "paint_manager.h"

namespace SkinUI {

NotifyQueue::NotifyQueue() {}
NotifyQueue::~NotifyQueue() {}

void NotifyQueue::Clear() { m_queued.clear(); }

void NotifyQueue::Push(const TNotifyUI& msg)
{
    std::unique_ptr<TNotifyUI> queued(new TNotifyUI);
    queued->type = msg.type;
    queued->sender = msg.sender;
    queued->timestamp = msg.timestamp;
    queued->point = msg.point;
    queued->wParam = msg.wParam;
    queued->lParam = msg.lParam;
    m_queued.push_back(std::move(queued));
}

std::unique_ptr<TNotifyUI> NotifyQueue::Pop()
{
    if (m_queued.empty()) return nullptr;
    std::unique_ptr<TNotifyUI> msg = std::move(m_queued.front());
    m_queued.erase(m_queued.begin());
    return msg;
}

void NotifyQueue::ForgetSender(const CControlUI* pControl)
{
    for (const std::unique_ptr<TNotifyUI>& msg : m_queued) {
        if (msg->sender == pControl) msg->sender = NULL;
    }
    for (TNotifyUI* msg : m_delivering) {
        if (msg->sender == pControl) msg->sender = NULL;
    }
}

NotifyQueue::Delivering::Delivering(NotifyQueue& queue, TNotifyUI* msg) : m_queue(queue), m_msg(msg)
{
    m_queue.m_delivering.push_back(msg);
}

NotifyQueue::Delivering::~Delivering()
{
    std::vector<TNotifyUI*>& list = m_queue.m_delivering;
    auto it = std::find(list.begin(), list.end(), m_msg);
    if (it != list.end()) list.erase(it);
}

}  // namespace SkinUI
