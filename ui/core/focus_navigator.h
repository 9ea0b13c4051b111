// Keyboard navigation of one paint manager: the Tab order over the visible,
// enabled tab stops of the tree (document order, wrapping around), the target of
// an Alt+letter shortcut, and the focus move that waits for the next layout.
#pragma once

#include <windows.h>

namespace SkinUI {

class CControlUI;

class FocusNavigator
{
public:
    // The tab stop after pFocus (before it when !bForward), wrapping around at
    // either end; from no focus, the first tab stop. None without tab stops.
    static CControlUI* NextTabStop(CControlUI* pRoot, CControlUI* pFocus, bool bForward);
    // The tab stop right before pControl in document order, without wrapping.
    static CControlUI* TabStopBefore(CControlUI* pRoot, CControlUI* pControl);
    // The control an Alt+letter shortcut reaches: the first visible, enabled
    // control carrying that shortcut, or, for a label, the control after it.
    static CControlUI* ShortcutTarget(CControlUI* pRoot, wchar_t ch);

    // A focus move waits for the layout: the next paint makes it.
    bool IsPending() const { return m_bPending; }
    void SetPending(bool bPending) { m_bPending = bPending; }

private:
    bool m_bPending = false;
};

}  // namespace SkinUI
