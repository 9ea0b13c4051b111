// CPaintManagerUI control timers: each (control, timer id) pair runs on one native
// timer of the window, and WM_TIMER becomes UIEV_TIMER for its control.
//
// Native ids are taken in turn from 0 ... 254 (the first is 17), offset into a range of
// their own so that they never meet the small ids the application sets on the same
// window, and an id still held by a live timer is never handed out again.
#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {
namespace {

const UINT kTimerIdCycle = 255;

struct TimerInfo {
    CControlUI* pSender;
    UINT nLocalID;
    HWND hWnd;
    UINT_PTR uWinTimer;
    bool bKilled;
};

}  // namespace

const UINT_PTR CPaintManagerUI::kControlTimerIdBase = 0x5C000000;

bool CPaintManagerUI::IsNativeTimerIdLive(UINT_PTR uWinTimer) const {
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        const TimerInfo* pTimer = static_cast<const TimerInfo*>(m_aTimers[i]);
        if (pTimer->hWnd == m_hWndPaint && pTimer->uWinTimer == uWinTimer && !pTimer->bKilled) return true;
    }
    return false;
}

UINT_PTR CPaintManagerUI::NextNativeTimerId() {
    for (UINT tries = 0; tries < kTimerIdCycle; tries++) {
        m_uTimerID = (m_uTimerID + 1) % kTimerIdCycle;
        const UINT_PTR uWinTimer = kControlTimerIdBase + m_uTimerID;
        if (!IsNativeTimerIdLive(uWinTimer)) return uWinTimer;
    }
    return 0;  // every id is in use
}

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse) {
    // Without a window SetTimer would make a thread timer under an id of its own choosing.
    if (pControl == NULL || m_hWndPaint == NULL) return false;
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint || pTimer->nLocalID != nTimerID) continue;
        if (!pTimer->bKilled) return false;
        // Revived under its old id unless another timer has taken that id meanwhile.
        UINT_PTR uWinTimer = pTimer->uWinTimer;
        if (IsNativeTimerIdLive(uWinTimer)) uWinTimer = NextNativeTimerId();
        if (uWinTimer == 0 || !::SetTimer(m_hWndPaint, uWinTimer, uElapse, NULL)) return false;
        pTimer->uWinTimer = uWinTimer;
        pTimer->bKilled = false;
        return true;
    }
    const UINT_PTR uWinTimer = NextNativeTimerId();
    if (uWinTimer == 0 || !::SetTimer(m_hWndPaint, uWinTimer, uElapse, NULL)) return false;
    TimerInfo* pTimer = new TimerInfo{pControl, nTimerID, m_hWndPaint, uWinTimer, false};
    if (!m_aTimers.Add(pTimer)) {
        ::KillTimer(m_hWndPaint, uWinTimer);
        delete pTimer;
        return false;
    }
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID) {
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender == pControl && pTimer->hWnd == m_hWndPaint && pTimer->nLocalID == nTimerID &&
            !pTimer->bKilled) {
            if (::IsWindow(m_hWndPaint)) ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
            pTimer->bKilled = true;
            return true;
        }
    }
    return false;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl) {
    for (int i = m_aTimers.GetSize() - 1; i >= 0; i--) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint) continue;
        if (!pTimer->bKilled && ::IsWindow(m_hWndPaint)) ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
        m_aTimers.Remove(i);
    }
}

void CPaintManagerUI::RemoveAllTimers() {
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->hWnd == m_hWndPaint && !pTimer->bKilled && ::IsWindow(m_hWndPaint)) {
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        }
        delete pTimer;
    }
    m_aTimers.Empty();
}

void CPaintManagerUI::OnTimerMessage(WPARAM wParam) {
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->hWnd != m_hWndPaint || pTimer->uWinTimer != wParam || pTimer->bKilled) continue;
        TEventUI event = {};
        event.type = UIEV_TIMER;
        event.sender = pTimer->pSender;
        event.timestamp = ::GetTickCount();
        event.point = m_ptLastMousePos;
        event.wParam = pTimer->nLocalID;
        pTimer->pSender->Event(event);
        break;
    }
}

}  // namespace SkinUI
