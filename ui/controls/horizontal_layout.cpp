// The horizontal layout: measuring and placing the children left to right.
#include "horizontal_layout.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "core/scroll_bar.h"
#include "stack_metrics.h"

namespace SkinUI {

CHorizontalLayoutUI::CHorizontalLayoutUI() : CSeparatorLayoutUI(false) {}

const wchar_t* CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

LPVOID CHorizontalLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"HorizontalLayout") == 0)
        return static_cast<CHorizontalLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetSepWidth(int iWidth) { m_iSepSize = iWidth; }
int CHorizontalLayoutUI::GetSepWidth() const { return m_iSepSize; }

void CHorizontalLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"sepwidth") == 0) SetSepWidth(ParseInt(pstrValue));
    else CSeparatorLayoutUI::SetAttribute(pstrName, pstrValue);
}

void CHorizontalLayoutUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    RECT rcWork = InsetArea(*this);
    if (m_items.IsEmpty()) {
        ProcessScrollBar(rcWork, 0, 0);
        return;
    }
    rcWork = LessScrollBars(*this, rcWork);
    const bool hasHBar = m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible();

    SIZE szAvailable = {rcWork.right - rcWork.left, rcWork.bottom - rcWork.top};
    if (hasHBar) szAvailable.cx += m_pHorizontalScrollBar->GetScrollRange();

    // First pass: what the children of their own width need.
    StackShare share;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        SIZE sz = pControl->EstimateSize(szAvailable);
        RECT rcPadding = pControl->GetPadding();
        share.Count(sz.cx == 0 ? 0 : ClampWidth(*pControl, sz.cx), sz.cx == 0, rcPadding.left + rcPadding.right);
    }
    share.Finish(szAvailable.cx, m_iChildPadding);

    // Second pass: place them. The children are not shifted by the vertical
    // scroll position.
    int x = rcWork.left - (hasHBar ? m_pHorizontalScrollBar->GetScrollPos() : 0);
    int cxRemaining = szAvailable.cx;
    int cxNeeded = 0;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(it);
            continue;
        }
        RECT rcPadding = pControl->GetPadding();
        cxRemaining -= rcPadding.left;
        SIZE szEstimate = {cxRemaining, szAvailable.cy};
        SIZE sz = pControl->EstimateSize(szEstimate);
        int cx = 0;
        if (sz.cx != 0) cx = share.Own(ClampWidth(*pControl, sz.cx), rcPadding.left + rcPadding.right);
        else cx = ClampWidth(*pControl, share.Adjustable(cxRemaining - rcPadding.right, rcPadding.left + rcPadding.right));

        int cy = pControl->GetFixedHeight();
        if (cy == 0) cy = szAvailable.cy - rcPadding.top - rcPadding.bottom;
        if (cy < 0) cy = 0;
        cy = ClampHeight(*pControl, cy);

        RECT rcCtrl = {x + rcPadding.left, rcWork.top + rcPadding.top, 0, 0};
        rcCtrl.right = rcCtrl.left + cx + rcPadding.right;
        rcCtrl.bottom = rcCtrl.top + cy;
        pControl->SetPos(rcCtrl);

        x += rcPadding.left + cx + rcPadding.right + m_iChildPadding;
        cxRemaining -= cx + rcPadding.right + m_iChildPadding;
        cxNeeded += rcPadding.left + cx + rcPadding.right;
        share.Next(m_iChildPadding);
    }
    cxNeeded += share.Gaps(m_iChildPadding);
    ProcessScrollBar(rcWork, cxNeeded, 0);
}

} // namespace SkinUI
