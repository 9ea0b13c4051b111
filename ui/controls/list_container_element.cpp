// The container row: selection, activation and the mouse as for the plain
// rows, with children painted over the row background.
#include "list_container_element.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "core/paint_manager.h"
#include "list_row.h"

namespace SkinUI {

CListContainerElementUI::CListContainerElementUI()
    : m_iIndex(-1),
      m_bSelected(false),
      m_uButtonState(0),
      m_pOwner(NULL),
      m_bNoBkDraw(false),
      m_pHeader(NULL)
{}

const wchar_t* CListContainerElementUI::GetClass() const { return L"ListContainerElementUI"; }

UINT CListContainerElementUI::GetControlFlags() const { return UIFLAG_LIST_ROW; }

LPVOID CListContainerElementUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL) {
        if (wcscmp(pstrName, L"ListItem") == 0) return static_cast<IListItemUI*>(this);
        if (wcscmp(pstrName, L"ListContainerElement") == 0) return static_cast<CListContainerElementUI*>(this);
    }
    return CContainerUI::GetInterface(pstrName);
}

IListOwnerUI* CListContainerElementUI::GetOwner() { return m_pOwner; }

void CListContainerElementUI::SetOwner(CControlUI* pOwner) { m_pOwner = ListOwnerOf(pOwner); }

void CListContainerElementUI::SetVisible(bool bVisible)
{
    CContainerUI::SetVisible(bVisible);
    HideListRow(*this, m_bSelected, m_pOwner);
}

void CListContainerElementUI::SetEnabled(bool bEnable)
{
    CContainerUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

int CListContainerElementUI::GetIndex() const { return m_iIndex; }
void CListContainerElementUI::SetIndex(int iIndex) { m_iIndex = iIndex; }

void CListContainerElementUI::Invalidate() { InvalidateListRow(this); }

bool CListContainerElementUI::Activate() { return ActivateListRow(*this, CContainerUI::Activate()); }

bool CListContainerElementUI::IsSelected() const { return m_bSelected; }

bool CListContainerElementUI::Select(bool bSelect)
{
    return SelectListRow(*this, m_bSelected, m_iIndex, m_pOwner, bSelect);
}

bool CListContainerElementUI::IsExpanded() const { return false; }
bool CListContainerElementUI::Expand(bool) { return false; }

void CListContainerElementUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CContainerUI>(event, m_pOwner)) return;
    const bool bEnabled = IsEnabled();
    switch (event.type) {
    case UIEV_DOUBLE_CLICK:
        if (bEnabled) {
            Activate();
            Invalidate();
        }
        return;
    case UIEV_KEY_DOWN:
        if (bEnabled && event.key == VK_RETURN) {
            Activate();
            Invalidate();
            return;
        }
        break;
    case UIEV_BUTTON_DOWN:
        if (bEnabled) {
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemclick", event.type);
            Select();
            Invalidate();
        }
        break;
    case UIEV_BUTTON_UP:
        if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemclick", event.type);
        break;
    case UIEV_RBUTTON_DOWN:
    case UIEV_RBUTTON_UP:
        if (bEnabled) {
            Select();
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemclick", event.type);
        }
        return;
    case UIEV_MOUSE_ENTER:
        if (bEnabled) {
            TListInfoUI* pInfo = m_pOwner != NULL ? m_pOwner->GetListInfo() : NULL;
            if (pInfo != NULL && pInfo->bHotSelect) {
                Select();
            } else {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
        }
        return;
    case UIEV_MOUSE_LEAVE:
        if ((m_uButtonState & UISTATE_HOT) != 0) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    default: break;
    }
    HandOn<CContainerUI>(event, m_pOwner);
}

void CListContainerElementUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"selected") == 0) Select();
    else if (wcscmp(pstrName, L"nobkdraw") == 0) m_bNoBkDraw = ParseBool(pstrValue);
    else CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CListContainerElementUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    // Placed in view, a row has made its children already; one painted before
    // that makes and places them here.
    if (m_pContent != NULL) {
        BuildPendingContent();
        SetPos(m_rcItem);
    }
    TListRowRecordUI* pRecord = FindListRowRecord(this);
    if (pRecord != NULL && pRecord->pfnPaint != NULL) {
        pRecord->hPaintDC = hDC;
        pRecord->pfnPaint(pRecord->pPaintArg);
    }
    DrawItemBk(hDC, m_rcItem);
    CContainerUI::DoPaint(hDC, rcPaint);
}

void CListContainerElementUI::PaintBkImage(HDC hDC)
{
    // The row background has drawn the row's own image already.
    if (m_bNoBkDraw || m_pOwner == NULL) CContainerUI::PaintBkImage(hDC);
}

void CListContainerElementUI::DrawItemText(HDC, const RECT&) {}

void CListContainerElementUI::DrawItemBk(HDC hDC, const RECT&)
{
    if (m_bNoBkDraw || m_pOwner == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    ListRowState state = {m_iIndex, (m_uButtonState & UISTATE_HOT) != 0, IsSelected(), IsEnabled()};
    ListRowImages images = {NULL, NULL, &m_sBkImage, true};
    TListRowRecordUI* pRecord = FindListRowRecord(this);
    if (pRecord != NULL) {
        images.selected = &pRecord->sFolderImage;
        images.hot = &pRecord->sFolderImage;
    }
    PaintListRowBk(hDC, *this, *pInfo, state, images);
}

void CListContainerElementUI::SetPos(RECT rc)
{
    // A row out of view keeps its content until it comes into view: only its own
    // place is taken.
    if (m_pContent != NULL) {
        if (!IsInParentView(rc)) {
            CControlUI::SetPos(rc);
            return;
        }
        BuildPendingContent();
    }
    CContainerUI* pHeader =
        m_pHeader != NULL ? static_cast<CContainerUI*>(m_pHeader->GetInterface(L"Container")) : NULL;
    if (pHeader == NULL) {
        CContainerUI::SetPos(rc);
        return;
    }
    CControlUI::SetPos(rc);
    if (pHeader->GetCount() == 0) {
        // A list without columns (a popup's choices): the cells share the row.
        int nCells = 0;
        for (int it = 0; it < m_items.GetSize(); ++it) {
            CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
            if (pControl->IsVisible() && !pControl->IsFloat()) ++nCells;
        }
        LONG x = rc.left;
        int iCell = 0;
        for (int it = 0; it < m_items.GetSize(); ++it) {
            CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
            if (!pControl->IsVisible()) continue;
            if (pControl->IsFloat()) {
                SetFloatPos(it);
                continue;
            }
            ++iCell;
            const LONG right = rc.left + (rc.right - rc.left) * iCell / nCells;
            pControl->SetPos(RECT{x, rc.top, right, rc.bottom});
            x = right;
        }
        return;
    }
    // Columns are measured from the first visible header item, so a header
    // scrolled along with the rows gives the same places.
    // The items of a hidden header are all hidden along with it; they still give
    // the columns.
    const bool bHeaderShown = pHeader->IsVisible();
    int iColumn = 0;
    LONG xBase = 0;
    bool bBase = false;
    for (int it = 0; it < m_items.GetSize(); ++it) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(it);
            continue;
        }
        CControlUI* pItem = NULL;
        while (iColumn < pHeader->GetCount() && pItem == NULL) {
            CControlUI* pCandidate = pHeader->GetItemAt(iColumn++);
            if (pCandidate != NULL && (!bHeaderShown || pCandidate->IsVisible()) && !pCandidate->IsFloat())
                pItem = pCandidate;
        }
        if (pItem == NULL) {
            pControl->SetPos(RECT{rc.right, rc.top, rc.right, rc.bottom});
            continue;
        }
        const RECT rcItem = pItem->GetPos();
        if (!bBase) {
            xBase = rcItem.left;
            bBase = true;
        }
        pControl->SetPos(RECT{rc.left + rcItem.left - xBase, rc.top, rc.left + rcItem.right - xBase, rc.bottom});
    }
}

bool CListContainerElementUI::IsInParentView(const RECT& rc) const
{
    CContainerUI* pParent =
        m_pParent != NULL ? static_cast<CContainerUI*>(m_pParent->GetInterface(L"Container")) : NULL;
    if (pParent == NULL) return true;
    const RECT rcView = pParent->GetChildArea();
    RECT rcMeet;
    return ::IntersectRect(&rcMeet, &rc, &rcView) != FALSE;
}

void CListContainerElementUI::SetContent(IListRowContentUI* pContent) { m_pContent.reset(pContent); }

IListRowContentUI* CListContainerElementUI::GetPendingContent() const { return m_pContent.get(); }

bool CListContainerElementUI::BuildPendingContent()
{
    if (m_pContent == NULL) return false;
    // Taken out first: the children it adds come through this row's Add.
    std::unique_ptr<IListRowContentUI> pContent(std::move(m_pContent));
    pContent->Build(*this);
    return true;
}

void CListContainerElementUI::MakeContent()
{
    if (!BuildPendingContent()) return;
    // A placed row places its new children at once, in view or not, as every
    // row's children are placed when the list is laid out.
    if (m_pManager != NULL && !::IsRectEmpty(&m_rcItem)) SetPos(m_rcItem);
}

CControlUI* CListContainerElementUI::GetItemAt(int iIndex) const
{
    const_cast<CListContainerElementUI*>(this)->MakeContent();
    return CContainerUI::GetItemAt(iIndex);
}

int CListContainerElementUI::GetItemIndex(CControlUI* pControl) const
{
    const_cast<CListContainerElementUI*>(this)->MakeContent();
    return CContainerUI::GetItemIndex(pControl);
}

bool CListContainerElementUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    MakeContent();
    return CContainerUI::SetItemIndex(pControl, iIndex);
}

int CListContainerElementUI::GetCount() const
{
    const_cast<CListContainerElementUI*>(this)->MakeContent();
    return CContainerUI::GetCount();
}

bool CListContainerElementUI::Add(CControlUI* pControl)
{
    MakeContent();
    return CContainerUI::Add(pControl);
}

bool CListContainerElementUI::AddAt(CControlUI* pControl, int iIndex)
{
    MakeContent();
    return CContainerUI::AddAt(pControl, iIndex);
}

bool CListContainerElementUI::Remove(CControlUI* pControl)
{
    MakeContent();
    return CContainerUI::Remove(pControl);
}

bool CListContainerElementUI::RemoveAt(int iIndex)
{
    MakeContent();
    return CContainerUI::RemoveAt(iIndex);
}

void CListContainerElementUI::RemoveAll()
{
    // The content's children would only be made to be removed.
    m_pContent.reset();
    CContainerUI::RemoveAll();
}

CControlUI* CListContainerElementUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags)
{
    if (m_pContent != NULL) {
        // Searches that cannot reach the children, and the manager's upkeep, leave
        // them unmade.
        const bool bPassed = ((uFlags & FINDFLAG_VISIBLE) != 0 && !IsVisible()) ||
                             ((uFlags & FINDFLAG_ENABLED) != 0 && !IsEnabled()) ||
                             ((uFlags & FINDFLAG_HITTEST) != 0 && !::PtInRect(&m_rcItem, *static_cast<LPPOINT>(pData)));
        if (!bPassed && !CPaintManagerUI::IsUpkeepSearch(Proc)) MakeContent();
    }
    return CContainerUI::FindControl(Proc, pData, uFlags);
}

CControlUI* CListContainerElementUI::GetHeader() const { return m_pHeader; }

void CListContainerElementUI::SetHeader(CControlUI* pHeader) { m_pHeader = pHeader; }

} // namespace SkinUI
