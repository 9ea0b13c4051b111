// CPaintManagerUI keyboard: focus set before the layout, Tab and Shift+Tab order with
// wrap-around, Alt+letter shortcuts and the pre-translation of keys.
#include <cwchar>

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {
namespace {

// The key-state bit for Alt, next to the platform's MK_ values.
const UINT kKeyStateAlt = 0x20;

}  // namespace

void CPaintManagerUI::SetFocusNeeded(CControlUI* pControl)
{
    if (m_hWndPaint != NULL) ::SetFocus(m_hWndPaint);
    if (pControl == NULL) return;
    if (m_pFocus != NULL) {
        CControlUI* pOld = m_pFocus;
        TEventUI event = {};
        event.type = UIEV_KILL_FOCUS;
        event.sender = pControl;
        event.timestamp = ::GetTickCount();
        event.point = m_ptLastMousePos;
        pOld->Event(event);
        if (m_pFocus == pOld) SendNotify(pOld, L"killfocus");
        m_pFocus = NULL;
    }
    // The slot takes the tab stop before pControl; the next paint moves forward from it.
    m_pFocus = FocusNavigator::TabStopBefore(m_pRoot, pControl);
    m_focusNavigator.SetPending(true);
    if (m_pRoot != NULL) m_pRoot->NeedUpdate();
}

bool CPaintManagerUI::SetNextTabControl(bool bForward)
{
    if (m_bUpdateNeeded && bForward) {
        // The layout is not done yet: the paint moves the focus.
        m_focusNavigator.SetPending(true);
        Invalidate();
        return true;
    }
    if (m_pRoot == NULL) return false;
    CControlUI* pControl = FocusNavigator::NextTabStop(m_pRoot, m_pFocus, bForward);
    if (pControl != NULL) SetFocus(pControl);
    m_focusNavigator.SetPending(false);
    return true;
}

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    if (OfferToFilters(m_aPreMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    switch (uMsg) {
    case WM_KEYDOWN:
        if (wParam != VK_TAB) break;
        // A rich edit that wants Tab characters gets the key itself; it says so by
        // answering the interface "WantTab".
        if (m_pFocus != NULL && m_pFocus->IsVisible() && m_pFocus->IsEnabled() &&
            wcsstr(m_pFocus->GetClass(), L"RichEditUI") != NULL && m_pFocus->GetInterface(L"WantTab") != NULL) {
            return false;
        }
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        return true;
    case WM_SYSKEYDOWN:
        if (m_pFocus != NULL) SendKeyEvent(m_pFocus, UIEV_SYS_KEY, wParam);
        break;
    case WM_SYSCHAR: {
        CControlUI* pControl = FocusNavigator::ShortcutTarget(m_pRoot, static_cast<wchar_t>(wParam));
        if (pControl != NULL) {
            pControl->SetFocus();
            pControl->Activate();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

UINT CPaintManagerUI::MapKeyState()
{
    UINT uState = 0;
    if (::GetKeyState(VK_CONTROL) < 0) uState |= MK_CONTROL;
    if (::GetKeyState(VK_RBUTTON) < 0) uState |= MK_RBUTTON;
    if (::GetKeyState(VK_LBUTTON) < 0) uState |= MK_LBUTTON;
    if (::GetKeyState(VK_SHIFT) < 0) uState |= MK_SHIFT;
    if (::GetKeyState(VK_MENU) < 0) uState |= kKeyStateAlt;
    return uState;
}

}  // namespace SkinUI
