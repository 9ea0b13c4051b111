// CPaintManagerUI message engine: turns the window's messages into TEventUI events for
// the control under the mouse, the focused, clicked or key control; tracks hover and
// shows tooltips; reflects control notifications back to child windows.
#include <windowsx.h>

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {
namespace {

TEventUI MakeEvent(int type, CControlUI* sender, POINT pt, WPARAM wParam = 0, LPARAM lParam = 0)
{
    TEventUI event = {};
    event.type = type;
    event.sender = sender;
    event.timestamp = ::GetTickCount();
    event.point = pt;
    event.wParam = wParam;
    event.lParam = lParam;
    return event;
}

POINT PointFromLParam(LPARAM lParam)
{
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return pt;
}

// Messages reflected to the child window that sent them arrive as message + 0x2000
// (the platform's OCM__BASE).
const UINT kReflectedMessageBase = WM_USER + 0x1C00;

// Size of the tool record that the tooltip window is given: the form without
// lpReserved, measured from the structure (44 bytes in a 32-bit build, 64 in a 64-bit one).
const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

}  // namespace

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    if (m_hWndPaint == NULL) return false;
    DeliverQueuedNotifications();

    if (OfferToFilters(m_aMessageFilters, uMsg, wParam, lParam, lRes)) return true;

    switch (uMsg) {
    case WM_UI_DELAYED_CLEANUP:
        FreeDelayedCleanup();
        break;
    case WM_CLOSE: {
        // Whatever the mouse was doing ends with the window.
        if (m_pEventHover != NULL) {
            CControlUI* pHover = m_pEventHover;
            m_pEventHover = NULL;
            TEventUI event = MakeEvent(UIEV_MOUSE_LEAVE, pHover, m_ptLastMousePos);
            pHover->Event(event);
        }
        if (m_pEventClick != NULL) {
            CControlUI* pClick = m_pEventClick;
            m_pEventClick = NULL;
            TEventUI event = MakeEvent(UIEV_BUTTON_UP, pClick, m_ptLastMousePos);
            pClick->Event(event);
        }
        SetFocus(NULL);
        HWND hwndOwner = ::GetWindow(m_hWndPaint, GW_OWNER);
        if (hwndOwner != NULL) ::SetFocus(hwndOwner);
        break;
    }
    case WM_ERASEBKGND:
        lRes = 1;
        return true;
    case WM_PAINT:
        OnPaintMessage();
        lRes = 0;
        return true;
    case WM_PRINTCLIENT:
        OnPrintClientMessage(reinterpret_cast<HDC>(wParam), lParam);
        break;
    case WM_GETMINMAXINFO: {
        LPMINMAXINFO lpMMI = reinterpret_cast<LPMINMAXINFO>(lParam);
        if (m_szMinWindow.cx > 0) lpMMI->ptMinTrackSize.x = m_szMinWindow.cx;
        if (m_szMinWindow.cy > 0) lpMMI->ptMinTrackSize.y = m_szMinWindow.cy;
        if (m_szMaxWindow.cx > 0) lpMMI->ptMaxTrackSize.x = m_szMaxWindow.cx;
        if (m_szMaxWindow.cy > 0) lpMMI->ptMaxTrackSize.y = m_szMaxWindow.cy;
        break;
    }
    case WM_SIZE:
        if (m_pFocus != NULL) {
            TEventUI event = MakeEvent(UIEV_WINDOW_SIZE, m_pFocus, m_ptLastMousePos);
            m_pFocus->Event(event);
        }
        if (m_pRoot != NULL) m_pRoot->NeedUpdate();
        lRes = 0;
        return true;
    case WM_TIMER:
        OnTimerMessage(wParam);
        break;
    case WM_MOUSEHOVER:
        if (OnMouseHoverMessage(lParam)) {
            lRes = 0;
            return true;
        }
        break;
    case WM_MOUSELEAVE:
        HideToolTip();
        // A hover message turns tracking off, but the window still hears the
        // mouse leave: the control under it then must leave too, or it keeps
        // its hot look once the mouse has rested on it and gone.
        if (m_bMouseTracking || m_pEventHover != NULL) ::SendMessageW(m_hWndPaint, WM_MOUSEMOVE, 0, (LPARAM)-1);
        m_bMouseTracking = false;
        break;
    case WM_MOUSEMOVE:
        OnMouseMoveMessage(lParam);
        break;
    case WM_LBUTTONDOWN: {
        ::SetFocus(m_hWndPaint);
        POINT pt = PointFromLParam(lParam);
        m_ptLastMousePos = pt;
        CControlUI* pControl = FindControl(pt);
        // A press answers the tip: it must not stay over what the press opens
        // (a menu under its button, a combo's list) nor outlive the control it names.
        AnswerToolTip(pControl);
        if (pControl == NULL || pControl->GetManager() != this) break;
        m_pEventClick = pControl;
        pControl->SetFocus();
        SetCapture();
        TEventUI event = MakeEvent(UIEV_BUTTON_DOWN, pControl, pt, wParam, lParam);
        event.keyState = LOWORD(wParam);
        pControl->Event(event);
        break;
    }
    case WM_LBUTTONDBLCLK: {
        ::SetFocus(m_hWndPaint);
        POINT pt = PointFromLParam(lParam);
        m_ptLastMousePos = pt;
        CControlUI* pControl = FindControl(pt);
        AnswerToolTip(pControl);
        if (pControl == NULL || pControl->GetManager() != this) break;
        SetCapture();
        TEventUI event = MakeEvent(UIEV_DOUBLE_CLICK, pControl, pt);
        event.keyState = LOWORD(wParam);
        pControl->Event(event);
        m_pEventClick = pControl;
        break;
    }
    case WM_LBUTTONUP: {
        POINT pt = PointFromLParam(lParam);
        m_ptLastMousePos = pt;
        if (m_pEventClick == NULL) break;
        ReleaseCapture();
        // The capture release may already have ended the click (a destroyed control is reaped).
        if (m_pEventClick == NULL) break;
        CControlUI* pClick = m_pEventClick;
        TEventUI event = MakeEvent(UIEV_BUTTON_UP, FindControl(pt), pt, wParam, lParam);
        event.keyState = LOWORD(wParam);
        pClick->Event(event);
        m_pEventClick = NULL;
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
        ::SetFocus(m_hWndPaint);
        POINT pt = PointFromLParam(lParam);
        m_ptLastMousePos = pt;
        CControlUI* pControl = FindControl(pt);
        AnswerToolTip(pControl);
        if (pControl == NULL || pControl->GetManager() != this) break;
        pControl->SetFocus();
        SetCapture();
        TEventUI event =
            MakeEvent(uMsg == WM_RBUTTONDOWN ? UIEV_RBUTTON_DOWN : UIEV_RBUTTON_UP, pControl, pt, wParam, lParam);
        event.keyState = LOWORD(wParam);
        pControl->Event(event);
        m_pEventClick = pControl;
        break;
    }
    case WM_CONTEXTMENU: {
        POINT pt = PointFromLParam(lParam);
        ::ScreenToClient(m_hWndPaint, &pt);
        m_ptLastMousePos = pt;
        if (m_pEventClick == NULL) break;
        ::ReleaseCapture();
        m_bMouseCapture = false;
        CControlUI* pClick = m_pEventClick;
        TEventUI event = MakeEvent(UIEV_CONTEXT_MENU, pClick, pt, 0, reinterpret_cast<LPARAM>(pClick));
        event.keyState = LOWORD(wParam);
        pClick->Event(event);
        m_pEventClick = NULL;
        lRes = 0;
        return true;
    }
    case WM_MOUSEWHEEL: {
        POINT pt = PointFromLParam(lParam);
        ::ScreenToClient(m_hWndPaint, &pt);
        m_ptLastMousePos = pt;
        CControlUI* pControl = FindControl(pt);
        if (pControl == NULL || pControl->GetManager() != this) break;
        const int zDelta = GET_WHEEL_DELTA_WPARAM(wParam);
        TEventUI event = MakeEvent(UIEV_SCROLL_WHEEL, pControl, pt, zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, lParam);
        event.keyState = static_cast<WORD>(MapKeyState());
        pControl->Event(event);
        // Hover follows the content that moved under the mouse.
        ::SendMessageW(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(m_ptLastMousePos.x, m_ptLastMousePos.y));
        break;
    }
    case WM_SETCURSOR: {
        if (LOWORD(lParam) != HTCLIENT) break;
        if (m_bMouseCapture) {
            lRes = 0;
            return true;
        }
        POINT pt = {};
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWndPaint, &pt);
        CControlUI* pControl = FindControl(pt);
        if (pControl == NULL || (pControl->GetControlFlags() & CTRLFLAG_SETCURSOR) == 0) break;
        TEventUI event = MakeEvent(UIEV_SET_CURSOR, pControl, pt, wParam, lParam);
        event.keyState = static_cast<WORD>(MapKeyState());
        pControl->Event(event);
        lRes = 0;
        return true;
    }
    case WM_KEYDOWN:
        if (m_pFocus == NULL) break;
        SendKeyEvent(m_pFocus, UIEV_KEY_DOWN, wParam);
        m_pEventKey = m_pFocus;
        break;
    case WM_KEYUP:
        if (m_pEventKey == NULL) break;
        SendKeyEvent(m_pEventKey, UIEV_KEY_UP, wParam);
        m_pEventKey = NULL;
        break;
    case WM_CHAR:
        if (m_pFocus != NULL) SendKeyEvent(m_pFocus, UIEV_CHAR, wParam);
        break;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (lParam == 0) break;
        lRes = ::SendMessageW(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + uMsg, wParam, lParam);
        return true;
    case WM_NOTIFY: {
        if (lParam == 0) break;
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        lRes = ::SendMessageW(pHeader->hwndFrom, kReflectedMessageBase + uMsg, wParam, lParam);
        return true;
    }
    default:
        break;
    }

    DeliverQueuedNotifications();
    return false;
}

bool CPaintManagerUI::OfferToFilters(const CStdPtrArray& filters, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                     LRESULT& lRes)
{
    // A filter may add or remove filters while it runs: walk a copy and skip those
    // that have left the list meanwhile.
    CStdPtrArray snapshot(filters);
    for (int i = 0; i < snapshot.GetSize(); i++) {
        IMessageFilterUI* pFilter = static_cast<IMessageFilterUI*>(snapshot[i]);
        if (filters.Find(pFilter) < 0) continue;
        bool bHandled = false;
        LRESULT lResult = pFilter->MessageHandler(uMsg, wParam, lParam, bHandled);
        if (bHandled) {
            lRes = lResult;
            return true;
        }
    }
    return false;
}

void CPaintManagerUI::SendKeyEvent(CControlUI* pControl, int type, WPARAM key)
{
    TEventUI event = MakeEvent(type, NULL, m_ptLastMousePos);
    event.key = static_cast<wchar_t>(key);
    event.keyState = static_cast<WORD>(MapKeyState());
    pControl->Event(event);
}

void CPaintManagerUI::OnMouseMoveMessage(LPARAM lParam)
{
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWndPaint;
        tme.dwHoverTime = m_hwndTooltip == NULL
                              ? 400UL
                              : static_cast<DWORD>(::SendMessageW(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
        _TrackMouseEvent(&tme);
        m_bMouseTracking = true;
    }
    POINT pt = PointFromLParam(lParam);
    m_ptLastMousePos = pt;
    CControlUI* pNewHover = FindControl(pt);
    if (pNewHover != NULL && pNewHover->GetManager() != this) return;
    if (pNewHover != m_pEventHover && m_pEventHover != NULL) {
        CControlUI* pOldHover = m_pEventHover;
        m_pEventHover = NULL;
        TEventUI event = MakeEvent(UIEV_MOUSE_LEAVE, pOldHover, pt);
        pOldHover->Event(event);
        HideToolTip();
        // The leave handler may have changed the tree under the mouse.
        pNewHover = FindControl(pt);
        if (pNewHover != NULL && pNewHover->GetManager() != this) return;
    }
    // The mouse has left the control whose tip a press answered: it may show again.
    if (pNewHover != m_pTipAnswered) m_pTipAnswered = NULL;
    if (pNewHover != m_pEventHover && pNewHover != NULL) {
        TEventUI event = MakeEvent(UIEV_MOUSE_ENTER, pNewHover, pt);
        m_pEventHover = pNewHover;
        pNewHover->Event(event);
    }
    CControlUI* pTarget = m_pEventClick != NULL ? m_pEventClick : FindControl(pt);
    if (pTarget != NULL) {
        TEventUI event = MakeEvent(UIEV_MOUSE_MOVE, pTarget, pt);
        pTarget->Event(event);
    }
}

void CPaintManagerUI::HideToolTip()
{
    if (m_hwndTooltip != NULL) ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, (LPARAM)&m_ToolTip);
}

void CPaintManagerUI::AnswerToolTip(CControlUI* pPressed)
{
    HideToolTip();
    m_pTipAnswered = pPressed;
}

bool CPaintManagerUI::OnMouseHoverMessage(LPARAM lParam)
{
    m_bMouseTracking = false;
    POINT pt = PointFromLParam(lParam);
    CControlUI* pHover = FindControl(pt);
    if (pHover == NULL) return false;
    if (m_pEventHover != NULL) {
        TEventUI event = MakeEvent(UIEV_MOUSE_HOVER, m_pEventHover, pt);
        m_pEventHover->Event(event);
        // The hover handler may have changed the tree.
        pHover = FindControl(pt);
        if (pHover == NULL) return true;
    }
    // The mouse rests on the control it pressed (over the list the press opened):
    // its tip stays away until the mouse has left the control.
    if (pHover == m_pTipAnswered) return true;
    const CUIString sToolTip = pHover->GetToolTip();
    if (sToolTip.IsEmpty()) return true;
    ::ZeroMemory(&m_ToolTip, sizeof(m_ToolTip));
    m_ToolTip.cbSize = kToolInfoSize;
    m_ToolTip.uFlags = TTF_IDISHWND;
    m_ToolTip.hwnd = m_hWndPaint;
    m_ToolTip.uId = reinterpret_cast<UINT_PTR>(m_hWndPaint);
    m_ToolTip.hinst = GetInstance();
    m_ToolTip.lpszText = const_cast<LPWSTR>(sToolTip.GetData());
    m_ToolTip.rect = pHover->GetPos();
    if (m_hwndTooltip == NULL) {
        m_hwndTooltip =
            ::CreateWindowExW(0, TOOLTIPS_CLASSW, NULL, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWndPaint, NULL, GetInstance(), NULL);
        if (m_hwndTooltip != NULL) ::SendMessageW(m_hwndTooltip, TTM_ADDTOOLW, 0, (LPARAM)&m_ToolTip);
    }
    if (m_hwndTooltip != NULL) {
        ::SendMessageW(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, pHover->GetToolTipWidth());
        ::SendMessageW(m_hwndTooltip, TTM_SETTOOLINFOW, 0, (LPARAM)&m_ToolTip);
        ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&m_ToolTip);
    }
    // The tooltip window has copied the text; the record must not keep a pointer to it.
    m_ToolTip.lpszText = NULL;
    return true;
}

}  // namespace SkinUI
