// What the rows of a list share however they are built: repainting a row
// clipped to the visible part of its list, the state colours of the list's
// look, and the row background painted from that look.
#pragma once

#include "control_ui.h"
#include "list_interfaces.h"

namespace SkinUI {

// The row's rectangle clipped to its container's client area (less the inset
// and visible scroll bars) and to every ancestor; invalidated without erasing.
// A row whose parent is not a container uses the control base's repaint.
UILIB_API void InvalidateListRow(CControlUI* pRow);

// The text colour of a row in its state (hot, then selected, then disabled win).
DWORD ListRowTextColor(const TListInfoUI& info, bool bHot, bool bSelected, bool bEnabled);

// Paints a row's background from the list's look. sOwnImage is the row's own
// background image (emptied when it fails to draw); images of the look that
// fail are emptied in the look.
struct ListRowState
{
    int index;
    bool hot;
    bool selected;
    bool enabled;
};
void PaintListRowBk(HDC hDC, CControlUI& row, TListInfoUI& info, const ListRowState& state, CUIString& sOwnImage);

} // namespace SkinUI
