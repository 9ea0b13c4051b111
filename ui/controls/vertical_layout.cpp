// The vertical layout: measuring and stacking the children top to bottom.
#include "vertical_layout.h"

#include <algorithm>
#include <cwchar>

#include "core/attribute_values.h"
#include "core/scroll_bar.h"
#include "stack_metrics.h"

namespace SkinUI {

CVerticalLayoutUI::CVerticalLayoutUI() : CSeparatorLayoutUI(true) {}

const wchar_t* CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

LPVOID CVerticalLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"VerticalLayout") == 0) return static_cast<CVerticalLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetSepHeight(int iHeight) { m_iSepSize = iHeight; }
int CVerticalLayoutUI::GetSepHeight() const { return m_iSepSize; }

void CVerticalLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"sepheight") == 0) SetSepHeight(ParseInt(pstrValue));
    else CSeparatorLayoutUI::SetAttribute(pstrName, pstrValue);
}

void CVerticalLayoutUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    RECT rcWork = InsetArea(*this);
    if (m_items.IsEmpty()) {
        ProcessScrollBar(rcWork, 0, 0);
        return;
    }
    rcWork = LessScrollBars(*this, rcWork);
    StackChildren(rcWork, false, 0);
}

void CVerticalLayoutUI::StackChildren(RECT rcWork, bool oneWidth, int cxRows)
{
    const bool hasVBar = m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible();
    const bool hasHBar = m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible();

    SIZE szAvailable = {rcWork.right - rcWork.left, rcWork.bottom - rcWork.top};
    if (hasHBar) szAvailable.cx += m_pHorizontalScrollBar->GetScrollRange();

    // First pass: what the children of their own height need.
    StackShare share;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        SIZE sz = pControl->EstimateSize(szAvailable);
        RECT rcPadding = pControl->GetPadding();
        share.Count(sz.cy == 0 ? 0 : ClampHeight(*pControl, sz.cy), sz.cy == 0, rcPadding.top + rcPadding.bottom);
    }
    share.Finish(szAvailable.cy, m_iChildPadding);

    // Second pass: place them.
    int y = rcWork.top - (hasVBar ? m_pVerticalScrollBar->GetScrollPos() : 0);
    const int x = rcWork.left - (hasHBar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int cyRemaining = szAvailable.cy;
    int cyNeeded = 0;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(it);
            continue;
        }
        RECT rcPadding = pControl->GetPadding();
        cyRemaining -= rcPadding.top;
        SIZE szEstimate = {szAvailable.cx, cyRemaining};
        SIZE sz = pControl->EstimateSize(szEstimate);
        int cy = 0;
        if (sz.cy != 0) cy = share.Own(ClampHeight(*pControl, sz.cy), rcPadding.top + rcPadding.bottom);
        else cy = ClampHeight(*pControl, share.Adjustable(cyRemaining - rcPadding.bottom, rcPadding.top + rcPadding.bottom));

        int cx = 0;
        if (oneWidth) {
            cx = std::max(cxRows, static_cast<int>(szAvailable.cx - rcPadding.left - rcPadding.right));
        } else {
            cx = pControl->GetFixedWidth();
            if (cx == 0) cx = szAvailable.cx - rcPadding.left - rcPadding.right;
            if (cx < 0) cx = 0;
        }
        cx = ClampWidth(*pControl, cx);

        RECT rcCtrl = {x + rcPadding.left, y + rcPadding.top, 0, 0};
        rcCtrl.right = rcCtrl.left + cx;
        rcCtrl.bottom = rcCtrl.top + rcPadding.bottom + cy;
        pControl->SetPos(rcCtrl);

        y += rcPadding.top + cy + rcPadding.bottom + m_iChildPadding;
        cyRemaining -= cy + rcPadding.bottom + m_iChildPadding;
        cyNeeded += rcPadding.top + cy + rcPadding.bottom;
        share.Next(m_iChildPadding);
    }
    cyNeeded += share.Gaps(m_iChildPadding);
    ProcessScrollBar(rcWork, cxRows, cyNeeded);
}

} // namespace SkinUI
