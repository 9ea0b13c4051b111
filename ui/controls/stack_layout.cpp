// The stacking of the vertical and horizontal layouts: one routine that places
// the children one after another along either axis, the free length shared by
// StackShare, and hands the length they need to the scroll bars.
#include "separator_layout.h"

#include <algorithm>

#include "core/scroll_bar.h"
#include "stack_metrics.h"

namespace SkinUI {

namespace {

// Reads sizes and rectangles along the stacking axis ("length", near and far
// edge) and across it, so that the routine below is written once.
class StackAxis
{
public:
    explicit StackAxis(bool vertical) : m_vertical(vertical) {}

    int Length(const SIZE& sz) const { return m_vertical ? sz.cy : sz.cx; }
    int Across(const SIZE& sz) const { return m_vertical ? sz.cx : sz.cy; }
    int Near(const RECT& rc) const { return m_vertical ? rc.top : rc.left; }
    int Far(const RECT& rc) const { return m_vertical ? rc.bottom : rc.right; }
    int AcrossNear(const RECT& rc) const { return m_vertical ? rc.left : rc.top; }
    int AcrossFar(const RECT& rc) const { return m_vertical ? rc.right : rc.bottom; }
    int Clamp(const CControlUI& control, int length) const
    {
        return m_vertical ? ClampHeight(control, length) : ClampWidth(control, length);
    }
    int ClampAcross(const CControlUI& control, int length) const
    {
        return m_vertical ? ClampWidth(control, length) : ClampHeight(control, length);
    }
    int FixedAcross(const CControlUI& control) const
    {
        return m_vertical ? control.GetFixedWidth() : control.GetFixedHeight();
    }
    SIZE Size(int length, int across) const
    {
        SIZE sz = {m_vertical ? across : length, m_vertical ? length : across};
        return sz;
    }
    RECT Rect(int start, int acrossStart, int length, int across) const
    {
        RECT rc = {m_vertical ? acrossStart : start, m_vertical ? start : acrossStart, 0, 0};
        rc.right = rc.left + (m_vertical ? across : length);
        rc.bottom = rc.top + (m_vertical ? length : across);
        return rc;
    }

private:
    bool m_vertical;
};

} // namespace

void CSeparatorLayoutUI::SetPos(RECT rc)
{
    RECT rcWork;
    if (!BeginLayout(rc, rcWork)) return;
    StackChildren(rcWork, false, 0);
}

void CSeparatorLayoutUI::StackChildren(RECT rcWork, bool oneAcross, int acrossNeeded)
{
    const StackAxis axis(m_bVertical);
    const bool hasVBar = m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible();
    const bool hasHBar = m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible();

    // The horizontal bar scrolls across a width wider than the area, in both layouts.
    SIZE szAvailable = {rcWork.right - rcWork.left, rcWork.bottom - rcWork.top};
    if (hasHBar) szAvailable.cx += m_pHorizontalScrollBar->GetScrollRange();
    const int available = axis.Length(szAvailable);
    const int availableAcross = axis.Across(szAvailable);

    // First pass: what the children of their own length need.
    StackShare share;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        const int length = axis.Length(pControl->EstimateSize(szAvailable));
        const RECT rcPadding = pControl->GetPadding();
        share.Count(length == 0 ? 0 : axis.Clamp(*pControl, length), length == 0,
                    axis.Near(rcPadding) + axis.Far(rcPadding));
    }
    share.Finish(available, m_iChildPadding);

    // Second pass: place them. The horizontal scroll position shifts the children
    // of both layouts, the vertical one only those of the vertical layout.
    const int xScroll = hasHBar ? m_pHorizontalScrollBar->GetScrollPos() : 0;
    const int yScroll = m_bVertical && hasVBar ? m_pVerticalScrollBar->GetScrollPos() : 0;
    int position = m_bVertical ? rcWork.top - yScroll : rcWork.left - xScroll;
    const int acrossStart = m_bVertical ? rcWork.left - xScroll : rcWork.top;
    int remaining = available;
    int needed = 0;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(it);
            continue;
        }
        const RECT rcPadding = pControl->GetPadding();
        const int padNear = axis.Near(rcPadding);
        const int padFar = axis.Far(rcPadding);
        const int padAcross = axis.AcrossNear(rcPadding) + axis.AcrossFar(rcPadding);
        remaining -= padNear;
        const int own = axis.Length(pControl->EstimateSize(axis.Size(remaining, availableAcross)));
        int length = 0;
        if (own != 0) length = share.Own(axis.Clamp(*pControl, own), padNear + padFar);
        else length = axis.Clamp(*pControl, share.Adjustable(remaining - padFar, padNear + padFar));

        int across = 0;
        if (oneAcross) {
            across = std::max(acrossNeeded, availableAcross - padAcross);
        } else {
            across = axis.FixedAcross(*pControl);
            if (across == 0) across = availableAcross - padAcross;
            if (across < 0) across = 0;
        }
        across = axis.ClampAcross(*pControl, across);

        // The far padding lies inside the child's rectangle along the axis.
        pControl->SetPos(
            axis.Rect(position + padNear, acrossStart + axis.AcrossNear(rcPadding), length + padFar, across));

        position += padNear + length + padFar + m_iChildPadding;
        remaining -= length + padFar + m_iChildPadding;
        needed += padNear + length + padFar;
        share.Next(m_iChildPadding);
    }
    needed += share.Gaps(m_iChildPadding);
    if (m_bVertical) ProcessScrollBar(rcWork, acrossNeeded, needed);
    else ProcessScrollBar(rcWork, needed, acrossNeeded);
}

} // namespace SkinUI
