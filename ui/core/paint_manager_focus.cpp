// CPaintManagerUI keyboard: focus set before the layout, Tab and Shift+Tab order with
// wrap-around, Alt+letter shortcuts and the pre-translation of keys.
#include <cwchar>
#include <cwctype>

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {
namespace {

// The key-state bit for Alt, next to the platform's MK_ values.
const UINT kKeyStateAlt = 0x20;

const UINT kTabSearchFlags = FINDFLAG_VISIBLE | FINDFLAG_ENABLED | FINDFLAG_SELF_FIRST;

struct FindTabInfo {
    CControlUI* pFocus;
    CControlUI* pLast;
    bool bForward;
    bool bNextIsIt;
};

struct FindShortcutInfo {
    wchar_t ch;
    bool bPickNext;
};

}  // namespace

void CPaintManagerUI::SetFocusNeeded(CControlUI* pControl) {
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
    FindTabInfo info = {pControl, NULL, false, false};
    m_pFocus = m_pRoot != NULL ? m_pRoot->FindControl(__FindControlFromTab, &info, kTabSearchFlags) : NULL;
    m_bFocusNeeded = true;
    if (m_pRoot != NULL) m_pRoot->NeedUpdate();
}

bool CPaintManagerUI::SetNextTabControl(bool bForward) {
    if (m_bUpdateNeeded && bForward) {
        // The layout is not done yet: the paint moves the focus.
        m_bFocusNeeded = true;
        Invalidate();
        return true;
    }
    if (m_pRoot == NULL) return false;
    FindTabInfo info1 = {m_pFocus, NULL, bForward, false};
    CControlUI* pControl = m_pRoot->FindControl(__FindControlFromTab, &info1, kTabSearchFlags);
    if (pControl == NULL) {
        if (bForward) {
            FindTabInfo info2 = {NULL, NULL, true, false};
            pControl = m_pRoot->FindControl(__FindControlFromTab, &info2, kTabSearchFlags);
        } else {
            pControl = info1.pLast;
        }
    }
    if (pControl != NULL) SetFocus(pControl);
    m_bFocusNeeded = false;
    return true;
}

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
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
        if (m_pRoot == NULL) break;
        // In document order, so that the control after a label is the one the label names
        // (last-to-first order would pick the control before it).
        FindShortcutInfo info = {static_cast<wchar_t>(towupper(static_cast<wint_t>(wParam))), false};
        CControlUI* pControl =
            m_pRoot->FindControl(__FindControlFromShortcut, &info, FINDFLAG_ENABLED | FINDFLAG_SELF_FIRST);
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

UINT CPaintManagerUI::MapKeyState() {
    UINT uState = 0;
    if (::GetKeyState(VK_CONTROL) < 0) uState |= MK_CONTROL;
    if (::GetKeyState(VK_RBUTTON) < 0) uState |= MK_RBUTTON;
    if (::GetKeyState(VK_LBUTTON) < 0) uState |= MK_LBUTTON;
    if (::GetKeyState(VK_SHIFT) < 0) uState |= MK_SHIFT;
    if (::GetKeyState(VK_MENU) < 0) uState |= kKeyStateAlt;
    return uState;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromTab(CControlUI* pThis, LPVOID pData) {
    FindTabInfo* pInfo = static_cast<FindTabInfo*>(pData);
    if (pInfo->pFocus == pThis) {
        if (pInfo->bForward) pInfo->bNextIsIt = true;
        return pInfo->bForward ? NULL : pInfo->pLast;
    }
    if ((pThis->GetControlFlags() & CTRLFLAG_TABSTOP) == 0) return NULL;
    pInfo->pLast = pThis;
    if (pInfo->bNextIsIt) return pThis;
    if (pInfo->pFocus == NULL) return pThis;
    return NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromShortcut(CControlUI* pThis, LPVOID pData) {
    // Hidden controls neither carry a shortcut nor take one.
    if (!pThis->IsVisible()) return NULL;
    FindShortcutInfo* pInfo = static_cast<FindShortcutInfo*>(pData);
    if (pInfo->ch == static_cast<wchar_t>(towupper(static_cast<wint_t>(pThis->GetShortcut())))) {
        pInfo->bPickNext = true;
    }
    if (wcsstr(pThis->GetClass(), L"LabelUI") != NULL) return NULL;
    return pInfo->bPickNext ? pThis : NULL;
}

}  // namespace SkinUI
