// CPaintManagerUI control timers: the timer table keeps them on the window's native
// timers, and WM_TIMER becomes UIEV_TIMER for its control.
#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {

const UINT_PTR CPaintManagerUI::kControlTimerIdBase = TimerTable::kNativeIdBase;

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse)
{
    return m_timers.Set(m_hWndPaint, pControl, nTimerID, uElapse);
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID)
{
    return m_timers.Kill(m_hWndPaint, pControl, nTimerID);
}

void CPaintManagerUI::KillTimer(CControlUI* pControl) { m_timers.KillAll(m_hWndPaint, pControl); }

void CPaintManagerUI::RemoveAllTimers() { m_timers.RemoveAll(m_hWndPaint); }

void CPaintManagerUI::OnTimerMessage(WPARAM wParam)
{
    CControlUI* pSender = NULL;
    UINT nTimerID = 0;
    if (!m_timers.Find(m_hWndPaint, wParam, &pSender, &nTimerID)) return;
    TEventUI event = {};
    event.type = UIEV_TIMER;
    event.sender = pSender;
    event.timestamp = ::GetTickCount();
    event.point = m_ptLastMousePos;
    event.wParam = nTimerID;
    pSender->Event(event);
}

}  // namespace SkinUI
