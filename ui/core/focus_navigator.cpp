// The Tab order and shortcut searches over the control tree.
#include "focus_navigator.h"

#include <cwchar>
#include <cwctype>

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {

namespace {

const UINT kTabSearchFlags = FINDFLAG_VISIBLE | FINDFLAG_ENABLED | FINDFLAG_SELF_FIRST;

struct FindTabInfo
{
    CControlUI* pFocus;
    CControlUI* pLast;
    bool bForward;
    bool bNextIsIt;
};

struct FindShortcutInfo
{
    wchar_t ch;
    bool bPickNext;
};

CControlUI* CALLBACK FindControlFromTab(CControlUI* pThis, LPVOID pData)
{
    FindTabInfo* pInfo = static_cast<FindTabInfo*>(pData);
    if (pInfo->pFocus == pThis) {
        if (pInfo->bForward) pInfo->bNextIsIt = true;
        return pInfo->bForward ? NULL : pInfo->pLast;
    }
    if ((pThis->GetControlFlags() & CTRLFLAG_TABSTOP) == 0) return NULL;
    pInfo->pLast = pThis;
    if (pInfo->bNextIsIt) return pThis;
    if (pInfo->pFocus == NULL) return pThis;
    return NULL;
}

CControlUI* CALLBACK FindControlFromShortcut(CControlUI* pThis, LPVOID pData)
{
    // Hidden controls neither carry a shortcut nor take one.
    if (!pThis->IsVisible()) return NULL;
    FindShortcutInfo* pInfo = static_cast<FindShortcutInfo*>(pData);
    if (pInfo->ch == static_cast<wchar_t>(towupper(static_cast<wint_t>(pThis->GetShortcut())))) {
        pInfo->bPickNext = true;
    }
    if (wcsstr(pThis->GetClass(), L"LabelUI") != NULL) return NULL;
    return pInfo->bPickNext ? pThis : NULL;
}

}  // namespace

CControlUI* FocusNavigator::NextTabStop(CControlUI* pRoot, CControlUI* pFocus, bool bForward)
{
    if (pRoot == NULL) return NULL;
    FindTabInfo info1 = {pFocus, NULL, bForward, false};
    CControlUI* pControl = pRoot->FindControl(FindControlFromTab, &info1, kTabSearchFlags);
    if (pControl != NULL) return pControl;
    if (!bForward) return info1.pLast;
    FindTabInfo info2 = {NULL, NULL, true, false};
    return pRoot->FindControl(FindControlFromTab, &info2, kTabSearchFlags);
}

CControlUI* FocusNavigator::TabStopBefore(CControlUI* pRoot, CControlUI* pControl)
{
    if (pRoot == NULL) return NULL;
    FindTabInfo info = {pControl, NULL, false, false};
    return pRoot->FindControl(FindControlFromTab, &info, kTabSearchFlags);
}

CControlUI* FocusNavigator::ShortcutTarget(CControlUI* pRoot, wchar_t ch)
{
    if (pRoot == NULL) return NULL;
    // In document order, so that the control after a label is the one the label names
    // (last-to-first order would pick the control before it).
    FindShortcutInfo info = {static_cast<wchar_t>(towupper(static_cast<wint_t>(ch))), false};
    return pRoot->FindControl(FindControlFromShortcut, &info, FINDFLAG_ENABLED | FINDFLAG_SELF_FIRST);
}

}  // namespace SkinUI
