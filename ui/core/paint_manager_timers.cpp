// CPaintManagerUI control timers: each (control, timer id) pair runs on one native
// timer of the window; native ids cycle through 0 ... 254 and skip ids still held.
#include "paint_manager.h"

#include "control_ui.h"

namespace SkinUI {

namespace {

struct TimerInfo
{
    CControlUI* pSender;
    UINT nLocalID;
    HWND hWnd;
    UINT uWinTimer;
    bool bKilled;
};

} // namespace

// ---- timers ------------------------------------------------------------------------

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse)
{
    if (pControl == NULL) return false;
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender == pControl && pTimer->hWnd == m_hWndPaint && pTimer->nLocalID == nTimerID) {
            if (!pTimer->bKilled) return false;
            if (m_hWndPaint != NULL && ::SetTimer(m_hWndPaint, pTimer->uWinTimer, uElapse, NULL) == 0) return false;
            pTimer->bKilled = false;
            return true;
        }
    }
    // Native ids cycle through 0 ... 254 and skip ids still held by a record of
    // this window, so two live timers never share one.
    UINT uWinTimer = 0;
    bool bFree = false;
    for (int tries = 0; tries < 255 && !bFree; tries++) {
        m_uTimerID = (m_uTimerID + 1) % 0xFF;
        uWinTimer = m_uTimerID;
        bFree = true;
        for (int i = 0; i < m_aTimers.GetSize(); i++) {
            TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
            if (pTimer->hWnd == m_hWndPaint && pTimer->uWinTimer == uWinTimer) {
                bFree = false;
                break;
            }
        }
    }
    if (!bFree) return false;
    if (m_hWndPaint != NULL && ::SetTimer(m_hWndPaint, uWinTimer, uElapse, NULL) == 0) return false;
    TimerInfo* pTimer = new TimerInfo();
    pTimer->hWnd = m_hWndPaint;
    pTimer->pSender = pControl;
    pTimer->nLocalID = nTimerID;
    pTimer->uWinTimer = uWinTimer;
    pTimer->bKilled = false;
    if (!m_aTimers.Add(pTimer)) {
        if (m_hWndPaint != NULL) ::KillTimer(m_hWndPaint, uWinTimer);
        delete pTimer;
        return false;
    }
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID)
{
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender == pControl && pTimer->hWnd == m_hWndPaint && pTimer->nLocalID == nTimerID &&
            !pTimer->bKilled) {
            if (m_hWndPaint != NULL && ::IsWindow(m_hWndPaint)) ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
            pTimer->bKilled = true;
            return true;
        }
    }
    return false;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl)
{
    int count = m_aTimers.GetSize();
    for (int i = 0, j = 0; i < count; i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i - j]);
        if (pTimer->pSender == pControl && pTimer->hWnd == m_hWndPaint) {
            if (!pTimer->bKilled && m_hWndPaint != NULL && ::IsWindow(m_hWndPaint))
                ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
            delete pTimer;
            m_aTimers.Remove(i - j);
            j++;
        }
    }
}

void CPaintManagerUI::RemoveAllTimers()
{
    for (int i = 0; i < m_aTimers.GetSize(); i++) {
        TimerInfo* pTimer = static_cast<TimerInfo*>(m_aTimers[i]);
        if (pTimer->hWnd == m_hWndPaint) {
            if (!pTimer->bKilled && m_hWndPaint != NULL && ::IsWindow(m_hWndPaint))
                ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
            delete pTimer;
        }
    }
    m_aTimers.Empty();
}

} // namespace SkinUI
