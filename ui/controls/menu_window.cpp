// CMenuWnd: building a top menu from its layout and a sub-menu from its owner
// item's sub-items, placing both on the screen, closing on the channel's codes,
// on Esc and when the focus leaves the menus, and handing a sub-menu's items
// back to their owner item when its window is gone.
#include "menu_window.h"

#include <algorithm>

#include "core/dialog_builder.h"
#include "core/gdi_scope.h"
#include "menu.h"
#include "menu_element.h"

namespace SkinUI {

BASEMENU::ContextMenuObserver CMenuWnd::s_context_menu_observer;

namespace {

// Codes of the menu channel.
const int kCloseAndReport = 1;
const int kCloseDescendants = 2;

RECT WorkAreaOf(HMONITOR hMonitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (hMonitor == NULL || !::GetMonitorInfoW(hMonitor, &info)) {
        RECT rc = {};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
        return rc;
    }
    return info.rcWork;
}

SIZE SizeOf(const RECT& rc) { return SIZE{rc.right - rc.left, rc.bottom - rc.top}; }

// Where a menu of the given length starts along one axis, as Windows places
// menus: on the asked side of the point (before it when `before`), on the other
// side when it does not fit there but does there, and otherwise moved just
// inside the work area [low, high) (its start shown first when it is longer
// than the area).
int PlaceAlong(int point, int length, bool before, int low, int high)
{
    int start = before ? point - length : point;
    if (start < low && point + length <= high) start = point;
    else if (start + length > high && point - length >= low) start = point - length;
    if (start + length > high) start = high - length;
    if (start < low) start = low;
    return start;
}

CMenuWnd* MenuAt(size_t index)
{
    return dynamic_cast<CMenuWnd*>(CMenuWnd::s_context_menu_observer.GetReceiverAt(index));
}

} // namespace

CMenuWnd::CMenuWnd(HWND hWndOwner)
    : m_hWndOwner(hWndOwner),
      m_ptBase(),
      m_pOwner(NULL),
      m_pLayout(NULL),
      m_dwAlignment(MENU_ALIGN_DEFAULT),
      m_nTransparency(255),
      m_bClosing(false),
      m_bNoLayout(false)
{}

CMenuWnd::~CMenuWnd() {}

const wchar_t* CMenuWnd::GetWindowClassName() const { return L"MenuWnd"; }

CPaintManagerUI& CMenuWnd::GetPaintManager() { return m_pm; }

bool CMenuWnd::IsMenuWindow(HWND hWnd)
{
    if (hWnd == NULL) return false;
    for (size_t i = 0; i < s_context_menu_observer.GetReceiverCount(); ++i) {
        CMenuWnd* pMenu = MenuAt(i);
        if (pMenu != NULL && pMenu->GetHWND() == hWnd) return true;
    }
    return false;
}

bool CMenuWnd::Init(CMenuElementUI* pOwner, const wchar_t* pstrXml, DWORD dwAlignment, POINT point)
{
    m_ptBase = point;
    m_pOwner = pOwner;
    m_pLayout = NULL;
    m_sXml = pstrXml != NULL ? pstrXml : L"";
    m_dwAlignment = dwAlignment;
    s_context_menu_observer.AddReceiver(this);

    HWND hParent = m_hWndOwner;
    if (m_pOwner != NULL && m_pOwner->GetManager() != NULL) hParent = m_pOwner->GetManager()->GetPaintWindow();
    // A window that cannot come up, or has nothing to show, has gone through
    // its final message and deleted this object: nothing here may be touched
    // any more.
    if (Create(hParent, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, 0, 0, 0, 0) == NULL) return false;
    if (m_bNoLayout) {
        ::DestroyWindow(m_hWnd);
        return false;
    }

    HWND hTop = m_hWnd;
    for (HWND hUp = ::GetParent(hTop); hUp != NULL; hUp = ::GetParent(hUp)) hTop = hUp;
    ::ShowWindow(m_hWnd, SW_SHOW);
    // The owner's caption stays active while its menu has the focus.
    ::SendMessageW(hTop, WM_NCACTIVATE, TRUE, 0);
    return true;
}

LRESULT CMenuWnd::CreateTopMenu()
{
    m_pm.Init(m_hWnd);
    CDialogBuilder builder;
    CMenuBuilderCallback callback;
    CControlUI* pRoot = builder.Create(STRINGorID(m_sXml.GetData()), NULL, &callback, &m_pm);
    // A missing or empty layout: no window rather than an empty one. Init
    // destroys it once creation has returned.
    if (pRoot == NULL) {
        m_bNoLayout = true;
        return 0;
    }
    m_pm.AttachDialog(pRoot);
    pRoot->SetBkColor(0xFFFFFFFF);
    m_pm.SetTransparent(m_nTransparency);

    const RECT rcWork = WorkAreaOf(::MonitorFromPoint(m_ptBase, MONITOR_DEFAULTTONEAREST));
    const SIZE sz = pRoot->EstimateSize(SizeOf(rcWork));
    m_pm.SetInitSize(sz.cx, sz.cy);

    // The window is a little taller than its items.
    const int cx = sz.cx;
    const int cy = sz.cy + 10;
    const int x = PlaceAlong(m_ptBase.x, cx, (m_dwAlignment & MENU_ALIGN_LEFT) != 0, rcWork.left, rcWork.right);
    const int y =
        PlaceAlong(m_ptBase.y, cy - 10, (m_dwAlignment & MENU_ALIGN_TOP) != 0, rcWork.top, rcWork.bottom - 10);
    ::SetForegroundWindow(m_hWnd);
    ::MoveWindow(m_hWnd, x, y, cx, cy, FALSE);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, cx, cy, SWP_SHOWWINDOW);
    // The keys reach the menu before the pointer has chosen an item.
    m_pm.SetFocus(pRoot);
    return 0;
}

LRESULT CMenuWnd::CreateSubMenu()
{
    LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(WS_CAPTION);
    style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    ::SetWindowPos(m_hWnd, NULL, rcClient.left, rcClient.top, rcClient.right - rcClient.left,
                   rcClient.bottom - rcClient.top, SWP_FRAMECHANGED);

    m_pm.Init(m_hWnd);
    CPaintManagerUI* pOwnerManager = m_pOwner->GetManager();
    m_pLayout = new CMenuUI();
    if (pOwnerManager != NULL) m_pm.UseParentResource(pOwnerManager);
    m_pLayout->SetManager(&m_pm, NULL, true);
    const wchar_t* pDefault = pOwnerManager != NULL ? pOwnerManager->GetDefaultAttributeList(L"Menu") : NULL;
    if (pDefault != NULL) m_pLayout->ApplyAttributeList(pDefault);
    m_pLayout->SetBkColor(0xFFFFFFFF);
    m_pLayout->SetBorderColor(0xF85E4F5F);
    m_pLayout->SetBorderSize(0);
    // The items stay their owner item's: the sub-menu only shows them.
    m_pLayout->GetList()->SetAutoDestroy(false);
    m_pLayout->EnableScrollBar(true, false);
    m_pm.SetTransparent(m_nTransparency);

    m_subItems = m_pOwner->TakeSubItems();
    for (CMenuElementUI* pItem : m_subItems) {
        pItem->SetOwner(m_pLayout);
        m_pLayout->Add(pItem);
    }
    m_pm.AttachDialog(m_pLayout);
    PlaceSubMenu();
    return 0;
}

void CMenuWnd::PlaceSubMenu()
{
    HWND hParentMenu = m_pOwner->GetManager() != NULL ? m_pOwner->GetManager()->GetPaintWindow() : NULL;
    const RECT rcWork =
        WorkAreaOf(::MonitorFromWindow(hParentMenu != NULL ? hParentMenu : m_hWnd, MONITOR_DEFAULTTONEAREST));
    const SIZE szAvailable = SizeOf(rcWork);
    int sum = 0;
    int maxw = 0;
    for (CMenuElementUI* pItem : m_subItems) {
        SIZE sz = pItem->EstimateSize(szAvailable);
        sum += sz.cy;
        maxw = std::max(maxw, static_cast<int>(sz.cx));
    }
    const int cxWindow = maxw + 4;
    const int cyWindow = sum + 4;

    RECT rcParent = {};
    if (hParentMenu != NULL) ::GetWindowRect(hParentMenu, &rcParent);
    // The owner item's top in screen coordinates: every rectangle here is the
    // screen's.
    const RECT rcOwner = m_pOwner->GetPos();
    POINT ptOwnerTop = {rcOwner.left, rcOwner.top};
    if (hParentMenu != NULL) ::ClientToScreen(hParentMenu, &ptOwnerTop);

    RECT rc;
    rc.left = rcParent.right - 6;
    rc.right = rcParent.right + maxw;
    rc.top = ptOwnerTop.y - 4;
    rc.bottom = rc.top + cyWindow;

    // Follow the side the menus before this one have taken.
    bool bRight = false;
    for (size_t i = 0; i < s_context_menu_observer.GetReceiverCount(); ++i) {
        CMenuWnd* pMenu = MenuAt(i);
        if (pMenu == NULL || pMenu->GetHWND() == NULL || pMenu == this) continue;
        RECT rcMenu;
        ::GetWindowRect(pMenu->GetHWND(), &rcMenu);
        if (pMenu->GetHWND() == hParentMenu) {
            bRight = false;
            break;
        }
        bRight = rcMenu.left >= rcParent.right;
        if (rcMenu.top >= rcParent.bottom) {
            rc.bottom = rcParent.top;
            rc.top = rcParent.top - cyWindow;
            break;
        }
        if (bRight) break;
    }
    if (bRight) {
        rc.right = rcParent.left;
        rc.left = rcParent.left - cxWindow;
    }

    if (rc.bottom > rcWork.bottom) {
        rc.bottom = rc.top;
        rc.top = rc.bottom - cyWindow;
    }
    if (rc.right > rcWork.right) {
        rc.right = rcParent.left;
        rc.left = rcParent.left - cxWindow;
        rc.top = rcParent.bottom;
        rc.bottom = rcParent.bottom + cyWindow;
    }
    if (rc.top < rcWork.top) {
        rc.top = ptOwnerTop.y;
        rc.bottom = rc.top + cyWindow;
    }
    if (rc.left < rcWork.left) {
        rc.left = rcParent.right;
        rc.right = rcParent.right + cxWindow;
    }
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top + 6, FALSE);
}

LRESULT CMenuWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE: return m_pOwner != NULL ? CreateSubMenu() : CreateTopMenu();
    case WM_CONTEXTMENU:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            RECT rc;
            ::GetWindowRect(m_hWnd, &rc);
            ::OffsetRect(&rc, -rc.left, -rc.top);
            // The window owns the region once it is set.
            RegionHandle hRgn(::CreateRoundRectRgn(rc.left + 3, rc.top + 3, rc.right - 2, rc.bottom - 2, 2, 2));
            if (hRgn != NULL && ::SetWindowRgn(m_hWnd, hRgn, TRUE)) hRgn.Release();
        }
        break;
    case WM_KILLFOCUS:
        if (IsMenuWindow(reinterpret_cast<HWND>(wParam))) break;
        {
            BASEMENU::ContextMenuParam param;
            param.code = kCloseAndReport;
            param.hWnd = m_hWnd;
            s_context_menu_observer.BroadcastReverse(param);
        }
        return 0;
    case WM_CLOSE:
        if (m_pOwner != NULL) {
            // The parent menu's item takes the keys again.
            m_pOwner->SetPos(m_pOwner->GetPos());
            m_pOwner->SetFocus();
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) Close(1);
        break;
    default: break;
    }
    LRESULT lRes = 0;
    if (m_pm.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

int CMenuWnd::Receive(BASEMENU::ContextMenuParam param)
{
    switch (param.code) {
    case kCloseAndReport: {
        // A menu reports at most one choice: later ones arrive while it closes.
        if (m_bClosing) return 1;
        m_bClosing = true;
        if (::IsWindow(m_hWnd)) PostMessage(WM_CLOSE, 1);
        if (param.name.IsEmpty()) return 1;
        // Only the top menu's owner acts on the name: a sub-menu's owner is a
        // menu window that is closing as well.
        if (m_pOwner == NULL) {
            CUIString* pName = new CUIString(param.name);
            if (!::PostMessageW(m_hWndOwner, WM_MENUCLICK, reinterpret_cast<WPARAM>(pName), 0)) delete pName;
        }
        return 0;
    }
    case kCloseDescendants:
        for (HWND hUp = ::GetParent(m_hWnd); hUp != NULL; hUp = ::GetParent(hUp)) {
            if (hUp != param.hWnd) continue;
            m_bClosing = true;
            if (::IsWindow(m_hWnd)) PostMessage(WM_CLOSE, 1);
            break;
        }
        return 1;
    default: return 1;
    }
}

void CMenuWnd::OnFinalMessage(HWND)
{
    RemoveFromObservers();
    if (m_pOwner != NULL) {
        // The items go back to their owner item before this window's manager,
        // which they point to, is destroyed with this object.
        if (m_pLayout != NULL) m_pLayout->RemoveAll();
        m_pOwner->GiveBackSubItems(m_subItems);
        m_subItems.clear();
        m_pOwner->OnSubMenuClosed();
    }
    delete this;
}

} // namespace SkinUI
