// CMenuUI: a menu's items in a list without header; CMenuBuilderCallback: the
// menu elements of a menu layout.
#include "menu.h"

#include <algorithm>
#include <cwchar>

#include "list_header.h"
#include "menu_element.h"
#include "menu_window.h"

namespace SkinUI {

namespace {

bool IsMenuElement(CControlUI* pControl) { return pControl != NULL && pControl->GetInterface(L"MenuElement") != NULL; }

} // namespace

CMenuUI::CMenuUI()
{
    if (GetHeader() != NULL) GetHeader()->SetVisible(false);
}

const wchar_t* CMenuUI::GetClass() const { return L"MenuUI"; }

LPVOID CMenuUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Menu") == 0) return static_cast<CMenuUI*>(this);
    return CListUI::GetInterface(pstrName);
}

int CMenuUI::GetItemIndex(CControlUI* pControl) const
{
    return IsMenuElement(pControl) ? CListUI::GetItemIndex(pControl) : -1;
}

bool CMenuUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    return IsMenuElement(pControl) && CListUI::SetItemIndex(pControl, iIndex);
}

bool CMenuUI::Remove(CControlUI* pControl) { return IsMenuElement(pControl) && CListUI::Remove(pControl); }

bool CMenuUI::Add(CControlUI* pControl)
{
    if (pControl == NULL) return false;
    if (IsMenuElement(pControl)) {
        if (!CListUI::Add(pControl)) return false;
        // Adding makes the item's children visible with it; its sub-items
        // belong to the sub-menu and stay hidden here.
        HideMenuSubItems(pControl);
        return true;
    }
    // Any other row is a container of controls; a control that is not one
    // has no buttons to wire and is added as it is.
    IContainerUI* pContainer = static_cast<IContainerUI*>(pControl->GetInterface(L"IContainer"));
    if (pContainer != NULL) {
        for (int i = 0; i < pContainer->GetCount(); ++i) {
            CControlUI* pChild = pContainer->GetItemAt(i);
            if (pChild != NULL && wcscmp(pChild->GetClass(), L"ButtonUI") == 0)
                pChild->OnNotify += MakeDelegate(this, &CMenuUI::OnButtonNotify);
        }
    }
    return CListUI::Add(pControl);
}

bool CMenuUI::AddAt(CControlUI* pControl, int iIndex)
{
    if (!IsMenuElement(pControl)) return false;
    if (!CListUI::AddAt(pControl, iIndex)) return false;
    HideMenuSubItems(pControl);
    return true;
}

bool CMenuUI::OnButtonNotify(void* pParam)
{
    TNotifyUI* pMsg = static_cast<TNotifyUI*>(pParam);
    if (pMsg == NULL || pMsg->type != L"click" || pMsg->sender == NULL) return false;
    BASEMENU::ContextMenuParam param;
    param.name = pMsg->sender->GetName();
    param.code = 1;
    param.hWnd = m_pManager != NULL ? m_pManager->GetPaintWindow() : NULL;
    CMenuWnd::s_context_menu_observer.BroadcastReverse(param);
    return false;
}

SIZE CMenuUI::EstimateSize(SIZE szAvailable)
{
    SIZE sz = {0, 0};
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pItem = GetItemAt(i);
        if (pItem == NULL || !pItem->IsVisible()) continue;
        SIZE szItem = pItem->EstimateSize(szAvailable);
        sz.cx = std::max(sz.cx, szItem.cx);
        sz.cy += szItem.cy;
    }
    return sz;
}

CControlUI* CMenuBuilderCallback::CreateControl(const wchar_t* pstrClass)
{
    if (pstrClass == NULL) return NULL;
    if (_wcsicmp(pstrClass, L"Menu") == 0) return new CMenuUI();
    if (_wcsicmp(pstrClass, L"MenuElement") == 0) return new CMenuElementUI();
    return NULL;
}

} // namespace SkinUI
