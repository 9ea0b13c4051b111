// Shared arithmetic of the vertical and horizontal layouts.
#include "stack_metrics.h"

namespace SkinUI {

int ClampWidth(const CControlUI& control, int cx)
{
    if (cx < control.GetMinWidth()) cx = control.GetMinWidth();
    if (cx > control.GetMaxWidth()) cx = control.GetMaxWidth();
    return cx;
}

int ClampHeight(const CControlUI& control, int cy)
{
    if (cy < control.GetMinHeight()) cy = control.GetMinHeight();
    if (cy > control.GetMaxHeight()) cy = control.GetMaxHeight();
    return cy;
}

void StackShare::Count(int length, bool adjustable, int padding)
{
    if (adjustable) m_adjustable++;
    m_fixed += length + padding;
    m_counted++;
}

void StackShare::Finish(int available, int childPadding)
{
    m_fixed += Gaps(childPadding);
    m_expand = 0;
    if (m_adjustable > 0) {
        m_expand = (available - m_fixed) / m_adjustable;
        if (m_expand < 0) m_expand = 0;
    }
    m_remainingFixed = m_fixed;
    m_placedAdjustable = 0;
}

int StackShare::Own(int length, int padding)
{
    m_remainingFixed -= length + padding;
    return length;
}

int StackShare::Adjustable(int remaining, int padding)
{
    // What stays in the remaining fixed length belongs to the children after
    // this one and to the gaps between them.
    m_remainingFixed -= padding;
    if (++m_placedAdjustable != m_adjustable) return m_expand;
    int length = remaining - m_remainingFixed;
    return length < 0 ? 0 : length;
}

void StackShare::Next(int childPadding) { m_remainingFixed -= childPadding; }

int StackShare::Gaps(int childPadding) const { return m_counted > 0 ? childPadding * (m_counted - 1) : 0; }

} // namespace SkinUI
