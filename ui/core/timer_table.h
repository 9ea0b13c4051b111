// The control timers of one paint manager: each (control, timer id) pair runs on
// one native timer of the window.
//
// Native ids are taken in turn from 0 ... 254 (the first is 17), offset into a
// range of their own so that they never meet the small ids the application sets
// on the same window, and an id still held by a live timer is never handed out
// again. A killed timer keeps its record, so that setting it again revives it
// under its old id when that id is still free.
#pragma once

#include <windows.h>

#include <vector>

namespace SkinUI {

class CControlUI;

class TimerTable
{
public:
    static constexpr UINT_PTR kNativeIdBase = 0x5C000000;

    // False without a window or control, when the timer already runs, or when
    // the window refuses a native timer.
    bool Set(HWND hWnd, CControlUI* pControl, UINT nTimerID, UINT uElapse);
    bool Kill(HWND hWnd, CControlUI* pControl, UINT nTimerID);
    // Kills and forgets every timer of the control on the window.
    void KillAll(HWND hWnd, CControlUI* pControl);
    // Kills the live timers of the window and forgets every record.
    void RemoveAll(HWND hWnd);
    // The control and its own timer id behind a live native timer of the window.
    bool Find(HWND hWnd, UINT_PTR uWinTimer, CControlUI** ppControl, UINT* pnTimerID) const;

private:
    struct Timer
    {
        CControlUI* pSender;
        UINT nLocalID;
        HWND hWnd;
        UINT_PTR uWinTimer;
        bool bKilled;
    };

    bool IsNativeIdLive(HWND hWnd, UINT_PTR uWinTimer) const;
    UINT_PTR NextNativeId(HWND hWnd);

    std::vector<Timer> m_timers;
    UINT m_uLastId = 0x1000;
};

}  // namespace SkinUI
