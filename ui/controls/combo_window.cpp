// The combo's drop-down list: placing the popup, lending the elements to its
// layout and handing them back, the keys, the wheel and clicks inside it.
#include "combo_window.h"

#include <algorithm>
#include <cwchar>

#include "combo.h"
#include "core/scroll_bar.h"
#include "vertical_layout.h"

namespace SkinUI {

namespace {

// The popup's manager must forget a control that goes back to the combo, as it
// would forget one that is deleted.
CControlUI* CALLBACK ForgetControl(CControlUI* pControl, LPVOID pData)
{
    static_cast<CPaintManagerUI*>(pData)->ReapObjects(pControl);
    return NULL;
}

} // namespace

CComboWnd::Busy::~Busy()
{
    if (--m_window.m_iBusy == 0 && m_window.m_bFinal) delete &m_window;
}

CComboWnd::CComboWnd() : m_pOwner(NULL), m_pLayout(NULL), m_iOldSel(-1), m_iBusy(0), m_bLent(false), m_bFinal(false) {}

const wchar_t* CComboWnd::GetWindowClassName() const { return L"ComboWnd"; }

void CComboWnd::Init(CComboUI* pOwner)
{
    Busy busy(*this);
    m_pOwner = pOwner;
    m_iOldSel = pOwner->GetCurSel();

    const SIZE szDrop = pOwner->GetDropBoxSize();
    const RECT rcOwner = pOwner->GetPos();
    RECT rc = rcOwner;
    rc.top = rc.bottom;
    if (szDrop.cx > 0) rc.right = rc.left + szDrop.cx;

    const SIZE szAvailable = {rc.right - rc.left, szDrop.cy};
    int cyNeeded = 0;
    for (int i = 0; i < pOwner->GetCount(); ++i) {
        CControlUI* pControl = pOwner->GetItemAt(i);
        if (!pControl->IsVisible()) continue;
        cyNeeded += pControl->EstimateSize(szAvailable).cy;
    }
    cyNeeded += 4;
    const int cyPopup = std::min(cyNeeded, static_cast<int>(szDrop.cy));
    rc.bottom = rc.top + cyPopup;

    HWND hWndOwner = pOwner->GetManager() != NULL ? pOwner->GetManager()->GetPaintWindow() : NULL;
    // A list wider than its combo that would hang past the right edge of the
    // combo's window ends at the combo's right edge instead: the drop button
    // beside a field opens its list under the field.
    RECT rcClient = {};
    if (hWndOwner != NULL && ::GetClientRect(hWndOwner, &rcClient) && rc.right > rcClient.right &&
        rc.right - rc.left > rcOwner.right - rcOwner.left) {
        rc.left = rcOwner.right - (rc.right - rc.left);
        rc.right = rcOwner.right;
    }
    ::MapWindowPoints(hWndOwner, HWND_DESKTOP, reinterpret_cast<LPPOINT>(&rc), 2);
    // The monitor the combo is on; the popup has no window yet to ask with.
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromWindow(hWndOwner, MONITOR_DEFAULTTONEAREST), &info)) {
        if (rc.bottom > info.rcWork.bottom) {
            POINT ptTop = {rcOwner.left, rcOwner.top};
            ::ClientToScreen(hWndOwner, &ptTop);
            rc.bottom = ptTop.y;
            rc.top = rc.bottom - cyPopup;
        }
        // Whole on the monitor: shifted sideways into its work area.
        if (rc.right > info.rcWork.right) ::OffsetRect(&rc, info.rcWork.right - rc.right, 0);
        if (rc.left < info.rcWork.left) ::OffsetRect(&rc, info.rcWork.left - rc.left, 0);
    }

    if (Create(hWndOwner, NULL, WS_POPUP, WS_EX_TOOLWINDOW, rc) == NULL || m_bFinal) {
        // Nothing to show: the combo stays closed and this object goes.
        GiveBack();
        if (m_pOwner != NULL) m_pOwner->m_pWindow = NULL;
        m_pOwner = NULL;
        m_bFinal = true;
        return;
    }
    HWND hWndTop = hWndOwner;
    while (::GetParent(hWndTop) != NULL) hWndTop = ::GetParent(hWndTop);
    ShowWindow(true);
    if (hWndTop != NULL) ::SendMessageW(hWndTop, WM_NCACTIVATE, TRUE, 0);
}

void CComboWnd::GiveBack()
{
    if (!m_bLent) return;
    m_bLent = false;
    for (int i = 0; i < m_pLayout->GetCount(); ++i) m_pLayout->GetItemAt(i)->FindControl(ForgetControl, &m_pm, 0);
    // The layout does not destroy what it lets go of.
    m_pLayout->RemoveAll();
    if (m_pOwner == NULL) return;
    m_pOwner->SetManager(m_pOwner->GetManager(), m_pOwner->GetParent(), false);
    m_pOwner->SetPos(m_pOwner->GetPos());
}

void CComboWnd::Detach()
{
    Busy busy(*this);
    GiveBack();
    m_pOwner = NULL;
    if (m_hWnd == NULL) return;
    // From inside one of its own messages the window goes once that is done.
    if (m_iBusy > 1) PostMessage(WM_CLOSE);
    else ::DestroyWindow(m_hWnd);
}

void CComboWnd::OnFinalMessage(HWND)
{
    Busy busy(*this);
    GiveBack();
    if (m_pOwner != NULL) {
        m_pOwner->m_pWindow = NULL;
        m_pOwner->m_uButtonState &= ~UISTATE_PUSHED;
        m_pOwner->Invalidate();
        m_pOwner = NULL;
    }
    m_bFinal = true;
}

LRESULT CComboWnd::OnCreate()
{
    m_pm.Init(m_hWnd);
    CPaintManagerUI* pOwnerManager = m_pOwner->GetManager();
    if (pOwnerManager != NULL) m_pm.UseParentResource(pOwnerManager);
    m_pLayout = new CVerticalLayoutUI();
    m_pLayout->SetManager(&m_pm, NULL, true);
    const wchar_t* pDefault = pOwnerManager != NULL ? pOwnerManager->GetDefaultAttributeList(L"VerticalLayout") : NULL;
    if (pDefault != NULL) m_pLayout->ApplyAttributeList(pDefault);
    m_pLayout->SetInset(RECT{2, 2, 2, 2});
    m_pLayout->SetBkColor(0xFFFFFFFF);
    m_pLayout->SetBorderColor(0xFF60C8FD);
    m_pLayout->SetBorderSize(2);
    m_pLayout->SetAutoDestroy(false);
    m_pLayout->EnableScrollBar(true, false);
    m_pLayout->ApplyAttributeList(m_pOwner->GetDropBoxAttributeList());
    for (int i = 0; i < m_pOwner->GetCount(); ++i) m_pLayout->Add(m_pOwner->GetItemAt(i));
    m_bLent = true;
    m_pm.AttachDialog(m_pLayout);
    return 0;
}

void CComboWnd::PassToOwner(int type, WPARAM wParam, LPARAM lParam, wchar_t key)
{
    TEventUI event = {};
    event.type = type;
    event.sender = m_pOwner;
    event.timestamp = ::GetTickCount();
    event.wParam = wParam;
    event.lParam = lParam;
    event.key = key;
    m_pOwner->DoEvent(event);
}

void CComboWnd::EnsureVisible()
{
    if (m_pOwner == NULL || m_pLayout == NULL) return;
    const int iSel = m_pOwner->GetCurSel();
    if (iSel < 0) return;
    CControlUI* pControl = m_pOwner->GetItemAt(iSel);
    if (pControl == NULL) return;
    RECT rcItem = pControl->GetPos();
    RECT rcList = m_pLayout->GetPos();
    CScrollBarUI* pHorizontal = m_pLayout->GetHorizontalScrollBar();
    if (pHorizontal != NULL && pHorizontal->IsVisible()) rcList.bottom -= pHorizontal->GetFixedHeight();
    SIZE sz = m_pLayout->GetScrollPos();
    if (rcItem.bottom > rcList.bottom) sz.cy += rcItem.bottom - rcList.bottom;
    else if (rcItem.top < rcList.top) sz.cy -= rcList.top - rcItem.top;
    else return;
    m_pLayout->SetScrollPos(sz);
}

LRESULT CComboWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    Busy busy(*this);
    return Dispatch(uMsg, wParam, lParam);
}

LRESULT CComboWnd::Dispatch(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner == NULL) {
        // Detached: nothing is shown any more, only closing is left.
        if (uMsg == WM_CLOSE) {
            ::DestroyWindow(m_hWnd);
            return 0;
        }
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }
    switch (uMsg) {
    case WM_CREATE: return OnCreate();
    case WM_CLOSE:
        GiveBack();
        m_pOwner->SetFocus();
        ::DestroyWindow(m_hWnd);
        return 0;
    case WM_KILLFOCUS:
        if (m_hWnd != reinterpret_cast<HWND>(wParam)) PostMessage(WM_CLOSE);
        break;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_RETURN: PostMessage(WM_CLOSE); break;
        case VK_ESCAPE:
            m_pOwner->SelectItem(m_iOldSel, true);
            EnsureVisible();
            PostMessage(WM_CLOSE);
            break;
        default:
            PassToOwner(UIEV_KEY_DOWN, wParam, lParam, static_cast<wchar_t>(wParam));
            EnsureVisible();
            break;
        }
        return 0;
    case WM_LBUTTONUP: {
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        CControlUI* pControl = m_pm.FindControl(pt);
        if (pControl != NULL && wcscmp(pControl->GetClass(), L"ScrollBarUI") != 0) PostMessage(WM_CLOSE);
        break;
    }
    case WM_MOUSEWHEEL: {
        const int zDelta = GET_WHEEL_DELTA_WPARAM(wParam);
        PassToOwner(UIEV_SCROLL_WHEEL, zDelta < 0 ? 1 : 0, lParam);
        EnsureVisible();
        return 0;
    }
    default: break;
    }
    LRESULT lRes = 0;
    if (m_pm.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

} // namespace SkinUI
