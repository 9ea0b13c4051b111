// The control timers of a paint manager and the native timers they run on.
#include "timer_table.h"

namespace SkinUI {

namespace {

const UINT kTimerIdCycle = 255;

}  // namespace

bool TimerTable::IsNativeIdLive(HWND hWnd, UINT_PTR uWinTimer) const
{
    for (const Timer& timer : m_timers) {
        if (timer.hWnd == hWnd && timer.uWinTimer == uWinTimer && !timer.bKilled) return true;
    }
    return false;
}

UINT_PTR TimerTable::NextNativeId(HWND hWnd)
{
    for (UINT tries = 0; tries < kTimerIdCycle; tries++) {
        m_uLastId = (m_uLastId + 1) % kTimerIdCycle;
        const UINT_PTR uWinTimer = kNativeIdBase + m_uLastId;
        if (!IsNativeIdLive(hWnd, uWinTimer)) return uWinTimer;
    }
    return 0;  // every id is in use
}

bool TimerTable::Set(HWND hWnd, CControlUI* pControl, UINT nTimerID, UINT uElapse)
{
    // Without a window SetTimer would make a thread timer under an id of its own choosing.
    if (pControl == NULL || hWnd == NULL) return false;
    for (Timer& timer : m_timers) {
        if (timer.pSender != pControl || timer.hWnd != hWnd || timer.nLocalID != nTimerID) continue;
        if (!timer.bKilled) return false;
        // Revived under its old id unless another timer has taken that id meanwhile.
        UINT_PTR uWinTimer = timer.uWinTimer;
        if (IsNativeIdLive(hWnd, uWinTimer)) uWinTimer = NextNativeId(hWnd);
        if (uWinTimer == 0 || !::SetTimer(hWnd, uWinTimer, uElapse, NULL)) return false;
        timer.uWinTimer = uWinTimer;
        timer.bKilled = false;
        return true;
    }
    const UINT_PTR uWinTimer = NextNativeId(hWnd);
    if (uWinTimer == 0 || !::SetTimer(hWnd, uWinTimer, uElapse, NULL)) return false;
    m_timers.push_back(Timer{pControl, nTimerID, hWnd, uWinTimer, false});
    return true;
}

bool TimerTable::Kill(HWND hWnd, CControlUI* pControl, UINT nTimerID)
{
    for (Timer& timer : m_timers) {
        if (timer.pSender == pControl && timer.hWnd == hWnd && timer.nLocalID == nTimerID && !timer.bKilled) {
            if (::IsWindow(hWnd)) ::KillTimer(timer.hWnd, timer.uWinTimer);
            timer.bKilled = true;
            return true;
        }
    }
    return false;
}

void TimerTable::KillAll(HWND hWnd, CControlUI* pControl)
{
    for (size_t i = m_timers.size(); i-- > 0;) {
        const Timer& timer = m_timers[i];
        if (timer.pSender != pControl || timer.hWnd != hWnd) continue;
        if (!timer.bKilled && ::IsWindow(hWnd)) ::KillTimer(timer.hWnd, timer.uWinTimer);
        m_timers.erase(m_timers.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void TimerTable::RemoveAll(HWND hWnd)
{
    for (const Timer& timer : m_timers) {
        if (timer.hWnd == hWnd && !timer.bKilled && ::IsWindow(hWnd)) ::KillTimer(timer.hWnd, timer.uWinTimer);
    }
    m_timers.clear();
}

bool TimerTable::Find(HWND hWnd, UINT_PTR uWinTimer, CControlUI** ppControl, UINT* pnTimerID) const
{
    for (const Timer& timer : m_timers) {
        if (timer.hWnd != hWnd || timer.uWinTimer != uWinTimer || timer.bKilled) continue;
        *ppControl = timer.pSender;
        *pnTimerID = timer.nLocalID;
        return true;
    }
    return false;
}

}  // namespace SkinUI
