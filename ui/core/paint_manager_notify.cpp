// CPaintManagerUI notifications: delivered at once to the sender's notify handlers and
// the window's notifiers, or queued and delivered when the window's next message comes.
#include <memory>

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {

void CPaintManagerUI::UsedVirtualWnd(bool bUsed) { m_bUsedVirtualWnd = bUsed; }

void CPaintManagerUI::SendNotify(CControlUI* pControl, const wchar_t* pstrMessage, WPARAM wParam, LPARAM lParam,
                                 bool bAsync)
{
    TNotifyUI msg;
    msg.type = pstrMessage;
    msg.sender = pControl;
    msg.timestamp = 0;
    msg.point.x = msg.point.y = 0;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg, bAsync);
}

void CPaintManagerUI::SendNotify(TNotifyUI& Msg, bool bAsync)
{
    Msg.point = m_ptLastMousePos;
    Msg.timestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && Msg.sender != NULL) Msg.virtualWnd = Msg.sender->GetVirtualWnd();
    if (!bAsync) {
        DeliverNotify(Msg);
        return;
    }
    m_notifyQueue.Push(Msg);
    // The queue is emptied on the window's next message; make sure one comes, so that
    // the notification does not wait for the user's next move on an idle window.
    if (m_hWndPaint != NULL) ::PostMessageW(m_hWndPaint, WM_NULL, 0, 0);
}

void CPaintManagerUI::DeliverNotify(TNotifyUI& Msg)
{
    // While it is delivered, a handler that deletes the sender makes it an unnamed
    // notification for the handlers after it.
    NotifyQueue::Delivering delivering(m_notifyQueue, &Msg);
    if (Msg.sender != NULL && Msg.sender->OnNotify) Msg.sender->OnNotify(&Msg);
    // A notifier may add or remove notifiers (or itself) while it runs: walk a copy and
    // skip those that have left the list meanwhile.
    CStdPtrArray notifiers(m_aNotifiers);
    for (int i = 0; i < notifiers.GetSize(); i++) {
        INotifyUI* pNotifier = static_cast<INotifyUI*>(notifiers[i]);
        if (m_aNotifiers.Find(pNotifier) < 0) continue;
        pNotifier->Notify(Msg);
    }
}

void CPaintManagerUI::DeliverQueuedNotifications()
{
    while (std::unique_ptr<TNotifyUI> msg = m_notifyQueue.Pop()) DeliverNotify(*msg);
}

}  // namespace SkinUI
