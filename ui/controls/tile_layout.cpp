// The tile layout: columns from the item size, row heights from the tallest
// tile, children centred in their cells.
#include "tile_layout.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "core/scroll_bar.h"
#include "stack_metrics.h"

namespace SkinUI {

namespace {

const int kUnboundedHeight = 9999;

bool IsInFlow(CControlUI* pControl) { return pControl->IsVisible() && !pControl->IsFloat(); }

} // namespace

CTileLayoutUI::CTileLayoutUI() : m_nColumns(1) { m_szItem.cx = m_szItem.cy = 0; }

const wchar_t* CTileLayoutUI::GetClass() const { return L"TileLayoutUI"; }

LPVOID CTileLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"TileLayout") == 0) return static_cast<CTileLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

SIZE CTileLayoutUI::GetItemSize() const { return m_szItem; }

void CTileLayoutUI::SetItemSize(SIZE szItem)
{
    if (m_szItem.cx == szItem.cx && m_szItem.cy == szItem.cy) return;
    m_szItem = szItem;
    if (IsVisible()) NeedUpdate();
}

int CTileLayoutUI::GetColumns() const { return m_nColumns; }

void CTileLayoutUI::SetColumns(int nCols)
{
    if (nCols < 1) return;
    m_nColumns = nCols;
    if (IsVisible()) NeedUpdate();
}

void CTileLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"itemsize") == 0) SetItemSize(ParseSize(pstrValue));
    else if (wcscmp(pstrName, L"columns") == 0) SetColumns(ParseInt(pstrValue));
    else CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CTileLayoutUI::ShareChildPadding(RECT& rcCell, int column) const
{
    if (column != 0) rcCell.left += m_iChildPadding / 2;
    if (column != m_nColumns - 1) rcCell.right -= m_iChildPadding / 2;
}

int CTileLayoutUI::MeasureRow(int iFirst, int cellWidth, int column) const
{
    int rowHeight = 0;
    for (int it = iFirst; it < m_items.GetSize() && column < m_nColumns; it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!IsInFlow(pControl)) continue;
        // Each tile is measured against its own padding and limits.
        RECT rcPadding = pControl->GetPadding();
        RECT rcCell = {0, 0, cellWidth - rcPadding.left - rcPadding.right, 0};
        ShareChildPadding(rcCell, column);
        SIZE szAvailable = {ClampWidth(*pControl, rcCell.right - rcCell.left), kUnboundedHeight};
        SIZE sz = pControl->EstimateSize(szAvailable);
        int cy = ClampHeight(*pControl, sz.cy) + rcPadding.top + rcPadding.bottom;
        if (cy > rowHeight) rowHeight = cy;
        column++;
    }
    return rowHeight;
}

void CTileLayoutUI::SetPos(RECT rc)
{
    RECT rcWork;
    if (!BeginLayout(rc, rcWork)) return;
    const bool hasVBar = m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible();
    const bool hasHBar = m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible();
    const int workWidth = rcWork.right - rcWork.left;

    if (m_szItem.cx > 0) m_nColumns = workWidth / m_szItem.cx;
    // A work area narrower than one item (or none at all) still has a column.
    if (m_nColumns < 1) m_nColumns = 1;
    const int cellWidth = (workWidth + (hasHBar ? m_pHorizontalScrollBar->GetScrollRange() : 0)) / m_nColumns;

    const int vScroll = hasVBar ? m_pVerticalScrollBar->GetScrollPos() : 0;
    const int rowStart = rcWork.left - (hasHBar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int tileX = rowStart;
    int tileY = rcWork.top - vScroll;
    int tiles = 0;
    int rowHeight = 0;
    int cyNeeded = 0;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(it);
            continue;
        }
        const int column = tiles % m_nColumns;
        if (column == 0) rowHeight = MeasureRow(it, cellWidth, 0);

        RECT rcPadding = pControl->GetPadding();
        RECT rcCell = {tileX + rcPadding.left, tileY + rcPadding.top, tileX + cellWidth - rcPadding.right,
                       tileY + rowHeight};
        ShareChildPadding(rcCell, column);

        SIZE szAvailable = {rcCell.right - rcCell.left, rowHeight - rcPadding.top};
        SIZE sz = pControl->EstimateSize(szAvailable);
        if (sz.cx == 0) sz.cx = szAvailable.cx;
        if (sz.cy == 0) sz.cy = szAvailable.cy;
        sz.cx = ClampWidth(*pControl, sz.cx);
        sz.cy = ClampHeight(*pControl, sz.cy);
        RECT rcCtrl;
        rcCtrl.left = (rcCell.left + rcCell.right - sz.cx) / 2;
        rcCtrl.top = (rcCell.top + rcCell.bottom - sz.cy) / 2;
        rcCtrl.right = rcCtrl.left + sz.cx;
        rcCtrl.bottom = rcCtrl.top + sz.cy;
        pControl->SetPos(rcCtrl);
        cyNeeded = rcCell.bottom - rcWork.top + vScroll;

        if (++tiles % m_nColumns != 0) {
            tileX += cellWidth;
        } else {
            tileY += rowHeight + m_iChildPadding;
            tileX = rowStart;
            rowHeight = 0;
        }
    }
    ProcessScrollBar(rcWork, 0, cyNeeded);
}

} // namespace SkinUI
