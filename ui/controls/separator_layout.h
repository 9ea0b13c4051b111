// CSeparatorLayoutUI: the shared base of the vertical and horizontal layouts. It
// stacks the children along its axis (stack_layout.cpp) and owns the draggable
// separator, a strip along one edge of the layout's own
// rectangle whose dragging resizes the layout itself, either at every move
// (immediate mode) or once at button up with a translucent preview meanwhile.
#pragma once

#include "core/container_ui.h"

namespace SkinUI {

class UILIB_API CSeparatorLayoutUI : public CContainerUI
{
public:
    UINT GetControlFlags() const override;

    void SetSepImmMode(bool bImmediately);
    bool IsSepImmMode() const;
    // The separator strip, taken from the position the drag has made when
    // bUseNew is set and a drag is in progress, else from the layout's rectangle.
    RECT GetThumbRect(bool bUseNew = false) const;

    // Lays the children out one after another along the axis.
    void SetPos(RECT rc) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void DoPostPaint(HDC hDC, const RECT& rcPaint) override;

protected:
    // bVertical: the separator lies along the bottom or top edge and resizes
    // the height; otherwise along the right or left edge and resizes the width.
    explicit CSeparatorLayoutUI(bool bVertical);

    // Places the children one after another in rcWork (inset and scroll bars
    // already taken off), down for the vertical layout and rightwards for the
    // horizontal one, and sets the scroll ranges. oneAcross: every child is as
    // wide (tall) across the axis as the area or acrossNeeded, whichever is more
    // (the list body's rows); otherwise each child keeps its fixed size across.
    void StackChildren(RECT rcWork, bool oneAcross, int acrossNeeded);

    // Separator width (horizontal) or height (vertical): positive at the
    // right/bottom edge, negative at the left/top edge, 0 for none.
    int m_iSepSize;

private:
    bool IsCaptured() const { return (m_uButtonState & UISTATE_CAPTURED) != 0; }
    void DragTo(POINT pt);

    bool m_bVertical;
    UINT m_uButtonState;
    bool m_bImmMode;
    POINT m_ptLastMouse;
    RECT m_rcNewPos;
};

} // namespace SkinUI
