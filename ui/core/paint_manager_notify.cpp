// CPaintManagerUI notifications: delivered at once to the sender's notify handlers
// and the window's notifiers, or queued for the window's next message.
#include "paint_manager.h"

#include "control_ui.h"

namespace SkinUI {

// ---- notifications ---------------------------------------------------------------------

void CPaintManagerUI::UsedVirtualWnd(bool bUsed) { m_bUsedVirtualWnd = bUsed; }

void CPaintManagerUI::SendNotify(CControlUI* pControl, const wchar_t* pstrMessage, WPARAM wParam, LPARAM lParam,
                                 bool bAsync)
{
    TNotifyUI Msg;
    Msg.type = pstrMessage;
    Msg.sender = pControl;
    Msg.timestamp = 0;
    Msg.point.x = Msg.point.y = 0;
    Msg.wParam = wParam;
    Msg.lParam = lParam;
    SendNotify(Msg, bAsync);
}

void CPaintManagerUI::SendNotify(TNotifyUI& Msg, bool bAsync)
{
    Msg.point = m_ptLastMousePos;
    Msg.timestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && Msg.sender != NULL) Msg.virtualWnd = Msg.sender->GetVirtualWnd();
    if (bAsync) {
        TNotifyUI* pMsg = new TNotifyUI();
        pMsg->type = Msg.type;
        pMsg->sender = Msg.sender;
        pMsg->wParam = Msg.wParam;
        pMsg->lParam = Msg.lParam;
        pMsg->point = Msg.point;
        pMsg->timestamp = Msg.timestamp;
        m_aAsyncNotify.Add(pMsg);
        return;
    }
    if (Msg.sender != NULL && Msg.sender->OnNotify) Msg.sender->OnNotify(&Msg);
    // A notifier may add or remove notifiers while it runs: walk a copy and skip
    // the ones removed meanwhile.
    CStdPtrArray notifiers(m_aNotifiers);
    for (int i = 0; i < notifiers.GetSize(); i++) {
        INotifyUI* pNotifier = static_cast<INotifyUI*>(notifiers[i]);
        if (m_aNotifiers.Find(pNotifier) >= 0) pNotifier->Notify(Msg);
    }
}

} // namespace SkinUI
