// The notifications of one paint manager that are not delivered yet: those queued
// for the window's next message, and those being delivered right now. A control
// that is deleted stops being the sender of both, so that no handler reaches it.
#pragma once

#include <memory>
#include <vector>

namespace SkinUI {

class CControlUI;
struct TNotifyUI;

class NotifyQueue
{
public:
    NotifyQueue();
    ~NotifyQueue();
    NotifyQueue(const NotifyQueue&) = delete;
    NotifyQueue& operator=(const NotifyQueue&) = delete;

    // Queues a copy; the queued copy leaves the virtual-window name empty.
    void Push(const TNotifyUI& msg);
    // The oldest queued notification, or none.
    std::unique_ptr<TNotifyUI> Pop();
    bool IsEmpty() const { return m_queued.empty(); }
    void Clear();

    // The deleted control becomes an unnamed sender in every notification
    // queued or being delivered.
    void ForgetSender(const CControlUI* pControl);

    // Marks a notification as being delivered while it lives.
    class Delivering
    {
    public:
        Delivering(NotifyQueue& queue, TNotifyUI* msg);
        ~Delivering();
        Delivering(const Delivering&) = delete;
        Delivering& operator=(const Delivering&) = delete;

    private:
        NotifyQueue& m_queue;
        TNotifyUI* m_msg;
    };

private:
    // Oldest first; the queue holds a handful at most, so taking from the front is cheap.
    std::vector<std::unique_ptr<TNotifyUI>> m_queued;
    std::vector<TNotifyUI*> m_delivering;
};

}  // namespace SkinUI
