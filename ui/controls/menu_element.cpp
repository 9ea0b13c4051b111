// CMenuElementUI: hovering and clicking an item (opening its sub-menu or
// choosing it), its size from its text or its rows, and its painting from the
// menu's shared look without changing that look.
#include "menu_element.h"

#include <algorithm>
#include <cwchar>

#include "core/attribute_values.h"
#include "core/gdi_scope.h"
#include "list_row.h"
#include "menu_window.h"
#include "core/render_engine.h"

namespace SkinUI {

namespace {

const int kCloseAndReport = 1;
const int kCloseDescendants = 2;

// The hot look of a menu whose skin gives the items no selected image.
const wchar_t* const kDefaultSelectedImage = L"file='menu_hot_bk.png' corner='2,2,2,2'";

CMenuElementUI* AsMenuElement(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<CMenuElementUI*>(pControl->GetInterface(L"MenuElement")) : NULL;
}

void Broadcast(int code, const CUIString& sName, CPaintManagerUI* pManager)
{
    BASEMENU::ContextMenuParam param;
    param.name = sName;
    param.code = code;
    param.hWnd = pManager != NULL ? pManager->GetPaintWindow() : NULL;
    CMenuWnd::s_context_menu_observer.BroadcastReverse(param);
}

} // namespace

void HideMenuSubItems(CControlUI* pItem)
{
    IContainerUI* pContainer = pItem != NULL ? static_cast<IContainerUI*>(pItem->GetInterface(L"IContainer")) : NULL;
    if (pContainer == NULL) return;
    for (int i = 0; i < pContainer->GetCount(); ++i) {
        CMenuElementUI* pSub = AsMenuElement(pContainer->GetItemAt(i));
        if (pSub == NULL) continue;
        pSub->SetVisible(false);
        pSub->SetInternVisible(false);
    }
}

CMenuElementUI::CMenuElementUI() : m_pWindow(NULL), m_bChecked(false) { m_cxyFixed.cy = 25; }

CMenuElementUI::~CMenuElementUI()
{
    // An open sub-menu hands its items back to this item before they go with it.
    if (m_pWindow != NULL && ::IsWindow(m_pWindow->GetHWND())) ::DestroyWindow(m_pWindow->GetHWND());
}

const wchar_t* CMenuElementUI::GetClass() const { return L"MenuElementUI"; }

LPVOID CMenuElementUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"MenuElement") == 0) return static_cast<CMenuElementUI*>(this);
    return CListContainerElementUI::GetInterface(pstrName);
}

bool CMenuElementUI::IsChecked() const { return m_bChecked; }

void CMenuElementUI::SetChecked(bool bChecked)
{
    if (m_bChecked == bChecked) return;
    m_bChecked = bChecked;
    Invalidate();
}

const CUIString& CMenuElementUI::GetCheckImage() const { return m_sCheckImage; }

void CMenuElementUI::SetCheckImage(const wchar_t* pstrImage)
{
    m_sCheckImage = pstrImage != NULL ? pstrImage : L"";
    Invalidate();
}

CMenuWnd* CMenuElementUI::GetSubMenuWnd() const { return m_pWindow; }

bool CMenuElementUI::HasSubItems() const
{
    for (int i = 0; i < m_items.GetSize(); ++i) {
        if (AsMenuElement(static_cast<CControlUI*>(m_items[i])) != NULL) return true;
    }
    return false;
}

bool CMenuElementUI::ShowSubItems()
{
    bool bAny = false;
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CMenuElementUI* pSub = AsMenuElement(static_cast<CControlUI*>(m_items[i]));
        if (pSub == NULL) continue;
        pSub->SetVisible(true);
        pSub->SetInternVisible(true);
        bAny = true;
    }
    return bAny;
}

std::vector<CMenuElementUI*> CMenuElementUI::TakeSubItems()
{
    std::vector<CMenuElementUI*> items;
    for (int i = 0; i < m_items.GetSize();) {
        CMenuElementUI* pSub = AsMenuElement(static_cast<CControlUI*>(m_items[i]));
        if (pSub == NULL) {
            ++i;
            continue;
        }
        items.push_back(pSub);
        m_items.Remove(i);
    }
    return items;
}

void CMenuElementUI::GiveBackSubItems(const std::vector<CMenuElementUI*>& items)
{
    for (CMenuElementUI* pSub : items) {
        m_items.Add(pSub);
        pSub->SetManager(m_pManager, this, false);
        pSub->SetOwner(GetParent());
        pSub->SetVisible(false);
        pSub->SetInternVisible(false);
    }
}

void CMenuElementUI::OnSubMenuClosed()
{
    m_pWindow = NULL;
    m_uButtonState &= ~UISTATE_PUSHED;
    Invalidate();
}

void CMenuElementUI::CreateMenuWnd()
{
    if (m_pWindow != NULL) return;
    CPaintManagerUI* pManager = GetManager();
    m_pWindow = new CMenuWnd(pManager != NULL ? pManager->GetPaintWindow() : NULL);
    Broadcast(kCloseDescendants, CUIString(), pManager);
    // A window that fails has cleared m_pWindow in its final message.
    m_pWindow->Init(this, L"", MENU_ALIGN_DEFAULT, POINT{0, 0});
}

void CMenuElementUI::Choose(const CUIString& sName) { Broadcast(kCloseAndReport, sName, GetManager()); }

bool CMenuElementUI::Activate()
{
    if (!ActivateListRow(*this, CContainerUI::Activate())) return false;
    if (IsSelected() && m_pWindow == NULL) {
        // Return or a double click on a plain item chooses it as a click does.
        if (ShowSubItems()) CreateMenuWnd();
        else Choose(GetName());
    }
    return true;
}

void CMenuElementUI::DoEvent(TEventUI& event)
{
    switch (event.type) {
    case UIEV_MOUSE_ENTER:
        CListContainerElementUI::DoEvent(event);
        if (m_pWindow != NULL) return;
        if (ShowSubItems()) {
            if (m_pOwner != NULL) m_pOwner->SelectItem(m_iIndex, true);
            CreateMenuWnd();
        } else {
            // Leaving a sibling with an open sub-menu closes that sub-menu.
            Broadcast(kCloseDescendants, CUIString(), GetManager());
            if (m_pOwner != NULL) m_pOwner->SelectItem(m_iIndex, true);
        }
        return;
    case UIEV_BUTTON_UP:
        if (!IsEnabled()) return;
        CListContainerElementUI::DoEvent(event);
        if (m_pWindow != NULL) return;
        if (ShowSubItems()) CreateMenuWnd();
        else Choose(GetName());
        return;
    default: CListContainerElementUI::DoEvent(event); return;
    }
}

void CMenuElementUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"checked") == 0) SetChecked(wcscmp(pstrValue, L"true") == 0);
    else if (wcscmp(pstrName, L"checkimg") == 0) SetCheckImage(pstrValue);
    else CListContainerElementUI::SetAttribute(pstrName, pstrValue);
}

SIZE CMenuElementUI::EstimateSize(SIZE szAvailable)
{
    SIZE cXY = {0, 0};
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* pChild = static_cast<CControlUI*>(m_items[i]);
        if (!pChild->IsVisible()) continue;
        SIZE sz = pChild->EstimateSize(szAvailable);
        cXY.cy += sz.cy;
        cXY.cx = std::max(cXY.cx, sz.cx);
    }
    TListInfoUI* pInfo = m_pOwner != NULL ? m_pOwner->GetListInfo() : NULL;
    if (cXY.cy == 0 && pInfo != NULL && m_pManager != NULL) {
        // A plain item is as large as its text.
        MemoryDC fallback(NULL);
        HDC hDC = m_pManager->GetPaintDC() != NULL ? m_pManager->GetPaintDC() : fallback.Get();
        const RECT& rcPadding = pInfo->rcTextPadding;
        RECT rcText = {rcPadding.left, 0, std::max(m_cxyFixed.cx, szAvailable.cx) - rcPadding.right, 9999};
        const UINT uStyle = pInfo->uTextStyle | DT_CALCRECT;
        if (pInfo->bShowHtml) {
            int nLinks = 0;
            CRenderEngine::DrawHtmlText(hDC, m_pManager, rcText, m_sText, 0, NULL, NULL, nLinks, uStyle);
        } else {
            CRenderEngine::DrawText(hDC, m_pManager, rcText, m_sText, 0, pInfo->nFont, uStyle);
        }
        cXY.cx = rcPadding.left + rcPadding.right + (rcText.right - rcText.left) + 20;
        cXY.cy = rcPadding.top + rcPadding.bottom + (rcText.bottom - rcText.top);
    }
    if (m_cxyFixed.cy != 0) cXY.cy = m_cxyFixed.cy;
    return cXY;
}

void CMenuElementUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    if (m_pOwner != NULL && !m_bNoBkDraw) {
        // All items of a menu share its look: the defaults of an item are
        // applied to a copy, never to the look itself.
        TListInfoUI info = *m_pOwner->GetListInfo();
        if (info.sSelectedImage.IsEmpty()) info.sSelectedImage = kDefaultSelectedImage;
        if (!IsEnabled()) info.dwDisabledBkColor = 0;
        ListRowState state = {m_iIndex, (m_uButtonState & UISTATE_HOT) != 0, IsSelected(), IsEnabled()};
        ListRowImages images = {NULL, NULL, &m_sBkImage, true};
        PaintListRowBk(hDC, *this, info, state, images);
    }
    DrawItemText(hDC, m_rcItem);

    TListInfoUI* pInfo = m_pOwner != NULL ? m_pOwner->GetListInfo() : NULL;
    if (m_bChecked && !m_sCheckImage.IsEmpty() && pInfo != NULL) {
        RECT rcCheck = {m_rcItem.left, m_rcItem.top + pInfo->rcTextPadding.top,
                        m_rcItem.left + pInfo->rcTextPadding.left, m_rcItem.bottom - pInfo->rcTextPadding.bottom};
        CRenderEngine::DrawImageString(hDC, m_pManager, rcCheck, m_rcPaint, m_sCheckImage);
    }
    // Separators and layouts inside the item; sub-items belong to the sub-menu.
    for (int i = 0; i < m_items.GetSize(); ++i) {
        CControlUI* pChild = static_cast<CControlUI*>(m_items[i]);
        if (!pChild->IsVisible() || AsMenuElement(pChild) != NULL) continue;
        RECT rcChild;
        if (::IntersectRect(&rcChild, &m_rcPaint, &pChild->GetPos())) pChild->DoPaint(hDC, m_rcPaint);
    }
}

void CMenuElementUI::DrawItemText(HDC hDC, const RECT& rcItem)
{
    if (m_sText.IsEmpty() || m_pOwner == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    DWORD dwColor = pInfo->dwTextColor;
    if ((m_uButtonState & UISTATE_HOT) != 0) dwColor = pInfo->dwHotTextColor;
    if (IsSelected()) dwColor = 0xFFFFFFFF;
    if (!IsEnabled()) dwColor = pInfo->dwDisabledTextColor;
    RECT rcText = rcItem;
    rcText.left += pInfo->rcTextPadding.left;
    rcText.right -= pInfo->rcTextPadding.right;
    rcText.top += pInfo->rcTextPadding.top;
    rcText.bottom -= pInfo->rcTextPadding.bottom;
    if (pInfo->bShowHtml) {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rcText, m_sText, dwColor, NULL, NULL, nLinks,
                                    DT_SINGLELINE | pInfo->uTextStyle);
    } else {
        CRenderEngine::DrawText(hDC, m_pManager, rcText, m_sText, dwColor, pInfo->nFont,
                                DT_SINGLELINE | pInfo->uTextStyle);
    }
}

} // namespace SkinUI
