// CListBodyUI: the rows' container. Every row gets the width of the columns,
// the horizontal bar scrolls the header together with the rows, and sorting
// reorders the rows by the caller's comparison.
#include "list.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "list_header.h"
#include "core/scroll_bar.h"
#include "stack_metrics.h"

namespace SkinUI {

namespace {

// The addresses of the sort records alive now (the UI thread's only).
std::unordered_set<UINT_PTR>& LiveSortRecords()
{
    static std::unordered_set<UINT_PTR> records;
    return records;
}

} // namespace

TListSortRange::TListSortRange(const wchar_t* pstrKey, int first, int count)
    : sKey(pstrKey),
      iFirst(first),
      iCount(count)
{
    LiveSortRecords().insert(reinterpret_cast<UINT_PTR>(this));
}

TListSortRange::TListSortRange(const TListSortRange& other)
    : sKey(other.sKey),
      iFirst(other.iFirst),
      iCount(other.iCount)
{
    LiveSortRecords().insert(reinterpret_cast<UINT_PTR>(this));
}

TListSortRange& TListSortRange::operator=(const TListSortRange& other) = default;

TListSortRange::~TListSortRange() { LiveSortRecords().erase(reinterpret_cast<UINT_PTR>(this)); }

bool TListSortRange::IsRecord(UINT_PTR data) { return data != 0 && LiveSortRecords().count(data) != 0; }

CListBodyUI::CListBodyUI(CListUI* pOwner) : m_pOwner(pOwner), m_pCompareFunc(NULL), m_compareData(0) {}

void CListBodyUI::DoEvent(TEventUI& event)
{
    if (m_pOwner != NULL) m_pOwner->DoEvent(event);
    else CVerticalLayoutUI::DoEvent(event);
}

int CListBodyUI::CompareRows(CControlUI* pA, CControlUI* pB) const
{
    if (pA == NULL || pB == NULL || m_pCompareFunc == NULL) return 0;
    return m_pCompareFunc(reinterpret_cast<UINT_PTR>(pA), reinterpret_cast<UINT_PTR>(pB), m_compareData);
}

namespace {

IListItemUI* ListItemOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<IListItemUI*>(pControl->GetInterface(L"ListItem")) : NULL;
}

bool IsHeaderVisibleItems(CListHeaderUI* pHeader) { return pHeader != NULL && pHeader->IsVisible(); }

} // namespace

int CListBodyUI::SortItems(PULVCompareFunc pfnCompare, UINT_PTR dwData)
{
    if (pfnCompare == NULL) return 0;
    m_pCompareFunc = pfnCompare;
    m_compareData = dwData;
    const int iCurSel = m_pOwner != NULL ? m_pOwner->GetCurSel() : -1;
    if (m_pOwner != NULL) m_pOwner->SelectItem(-1, false);

    int iFirst = 0;
    int iCount = m_items.GetSize();
    bool bRange = false;
    const TListSortRange* pRange =
        TListSortRange::IsRecord(dwData) ? reinterpret_cast<const TListSortRange*>(dwData) : NULL;
    if (pRange != NULL && pRange->sKey.CompareNoCase(L"CFriendsUI") == 0) {
        bRange = true;
        // A range reaching outside the rows is cut to them.
        iFirst = std::max(pRange->iFirst, 0);
        iCount = std::min(pRange->iCount, m_items.GetSize() - iFirst);
        if (iCount < 0) iCount = 0;
    }
    CControlUI** pRows = reinterpret_cast<CControlUI**>(m_items.GetData());
    if (iCount > 1) {
        std::stable_sort(pRows + iFirst, pRows + iFirst + iCount,
                         [this](CControlUI* a, CControlUI* b) { return CompareRows(a, b) < 0; });
    }
    for (int i = 0; i < m_items.GetSize(); ++i) {
        IListItemUI* pItem = ListItemOf(static_cast<CControlUI*>(m_items[i]));
        if (pItem != NULL) {
            pItem->SetIndex(i);
            pItem->Select(false);
        }
        if (bRange && iCount > 0 && i == iFirst + iCount - 1 && m_pOwner != NULL)
            m_pOwner->OnRangeSorted(static_cast<CControlUI*>(m_items[i]));
    }
    if (m_pOwner != NULL) m_pOwner->SelectItem(-1, false);
    if (m_pManager != NULL) {
        SetPos(GetPos());
        Invalidate();
    }
    if (m_pOwner != NULL) m_pOwner->SelectItem(iCurSel, false);
    return 1;
}

void CListBodyUI::SetScrollPos(SIZE szPos)
{
    // The rows scroll as in any container; the header then follows sideways.
    const bool hasHBar = m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible();
    const int cxLast = hasHBar ? m_pHorizontalScrollBar->GetScrollPos() : 0;
    CVerticalLayoutUI::SetScrollPos(szPos);
    const int cx = hasHBar ? m_pHorizontalScrollBar->GetScrollPos() - cxLast : 0;

    CListHeaderUI* pHeader = m_pOwner != NULL ? m_pOwner->GetHeader() : NULL;
    if (cx == 0 || pHeader == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    pInfo->nColumns = std::min(pHeader->GetCount(), UILIST_MAX_COLUMNS);
    const bool bHidden = !IsHeaderVisibleItems(pHeader);
    if (bHidden) {
        for (int i = 0; i < pHeader->GetCount(); ++i) pHeader->GetItemAt(i)->SetInternVisible(true);
    }
    for (int i = 0; i < pInfo->nColumns; ++i) {
        CControlUI* pControl = pHeader->GetItemAt(i);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        RECT rcPos = pControl->GetPos();
        ::OffsetRect(&rcPos, -cx, 0);
        pControl->SetPos(rcPos);
        pInfo->rcColumn[i] = pControl->GetPos();
    }
    if (bHidden) {
        for (int i = 0; i < pHeader->GetCount(); ++i) pHeader->GetItemAt(i)->SetInternVisible(false);
    }
    pHeader->Invalidate();
}

void CListBodyUI::SetPos(RECT rc)
{
    RECT rcWork;
    if (!BeginLayout(rc, rcWork)) return;

    // The width the rows need: the columns' when there is a header with
    // items, else the widest row's.
    int cxNeeded = 0;
    CListHeaderUI* pHeader = m_pOwner != NULL ? m_pOwner->GetHeader() : NULL;
    if (pHeader != NULL && pHeader->GetCount() > 0) {
        SIZE szFull = {rc.right - rc.left, rc.bottom - rc.top};
        cxNeeded = std::max(static_cast<int>(pHeader->EstimateSize(szFull).cx), 0);
    } else {
        SIZE szWork = {rcWork.right - rcWork.left, rcWork.bottom - rcWork.top};
        for (int it = 0; it < m_items.GetSize(); it++) {
            CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
            if (!pControl->IsVisible() || pControl->IsFloat()) continue;
            cxNeeded = std::max(cxNeeded, std::max(ClampWidth(*pControl, pControl->EstimateSize(szWork).cx), 0));
        }
    }

    // The horizontal bar comes and goes with that width. It is settled before
    // the rows are placed, so that they are placed with its final range.
    if (m_pHorizontalScrollBar != NULL) {
        const int cxWork = rcWork.right - rcWork.left;
        if (cxNeeded > cxWork) {
            m_pHorizontalScrollBar->SetScrollRange(cxNeeded - cxWork);
            if (!m_pHorizontalScrollBar->IsVisible()) {
                m_pHorizontalScrollBar->SetVisible(true);
                rcWork.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
            }
        } else if (m_pHorizontalScrollBar->IsVisible()) {
            m_pHorizontalScrollBar->SetVisible(false);
            m_pHorizontalScrollBar->SetScrollRange(0);
            m_pHorizontalScrollBar->SetScrollPos(0);
            rcWork.bottom += m_pHorizontalScrollBar->GetFixedHeight();
        }
    }
    StackChildren(rcWork, true, cxNeeded);
}

} // namespace SkinUI
