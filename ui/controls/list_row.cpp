// Repainting a row within its list, and the row colours and background from
// the list's look.
#include "list_row.h"

#include "container_ui.h"
#include "render_engine.h"
#include "scroll_bar.h"

namespace SkinUI {

void InvalidateListRow(CControlUI* pRow)
{
    if (!pRow->IsVisible()) return;
    CControlUI* pParent = pRow->GetParent();
    CContainerUI* pParentContainer =
        pParent != NULL ? static_cast<CContainerUI*>(pParent->GetInterface(L"Container")) : NULL;
    if (pParentContainer == NULL) {
        pRow->CControlUI::Invalidate();
        return;
    }
    CPaintManagerUI* pManager = pRow->GetManager();
    if (pManager == NULL) return;
    RECT rc = pRow->GetPos();
    RECT rcParent = pParentContainer->GetPos();
    RECT rcInset = pParentContainer->GetInset();
    rcParent.left += rcInset.left;
    rcParent.top += rcInset.top;
    rcParent.right -= rcInset.right;
    rcParent.bottom -= rcInset.bottom;
    CScrollBarUI* pVertical = pParentContainer->GetVerticalScrollBar();
    if (pVertical != NULL && pVertical->IsVisible()) rcParent.right -= pVertical->GetFixedWidth();
    CScrollBarUI* pHorizontal = pParentContainer->GetHorizontalScrollBar();
    if (pHorizontal != NULL && pHorizontal->IsVisible()) rcParent.bottom -= pHorizontal->GetFixedHeight();

    RECT rcTemp = rc;
    if (!::IntersectRect(&rc, &rcTemp, &rcParent)) return;
    for (CControlUI* pAncestor = pParent->GetParent(); pAncestor != NULL; pAncestor = pAncestor->GetParent()) {
        rcTemp = rc;
        if (!::IntersectRect(&rc, &rcTemp, &pAncestor->GetPos())) return;
    }
    pManager->Invalidate(rc);
}

DWORD ListRowTextColor(const TListInfoUI& info, bool bHot, bool bSelected, bool bEnabled)
{
    DWORD color = info.dwTextColor;
    if (bHot) color = info.dwHotTextColor;
    if (bSelected) color = info.dwSelectedTextColor;
    if (!bEnabled) color = info.dwDisabledTextColor;
    return color;
}

namespace {

// Draws an image at the row; one that fails is emptied and not tried again.
bool DrawRowImage(HDC hDC, CControlUI& row, CUIString& sImage)
{
    if (sImage.IsEmpty()) return false;
    if (row.DrawImage(hDC, sImage)) return true;
    sImage.Empty();
    return false;
}

} // namespace

void PaintListRowBk(HDC hDC, CControlUI& row, TListInfoUI& info, const ListRowState& state, CUIString& sOwnImage)
{
    const bool bEvenOrPlain = !info.bAlternateBk || state.index % 2 == 0;
    DWORD iBackColor = bEvenOrPlain ? info.dwBkColor : 0;
    if (state.hot) iBackColor = info.dwHotBkColor;
    if (state.selected) iBackColor = info.dwSelectedBkColor;
    if (!state.enabled) iBackColor = info.dwDisabledBkColor;
    if (iBackColor != 0) CRenderEngine::DrawColor(hDC, row.GetPaintRect(), row.GetAdjustColor(iBackColor));

    // A state image of the look stands for the whole background.
    if (!state.enabled && DrawRowImage(hDC, row, info.sDisabledImage)) return;
    if (state.selected && DrawRowImage(hDC, row, info.sSelectedImage)) return;
    if (state.hot && DrawRowImage(hDC, row, info.sHotImage)) return;
    if (!sOwnImage.IsEmpty()) {
        if (bEvenOrPlain) DrawRowImage(hDC, row, sOwnImage);
    } else if (DrawRowImage(hDC, row, info.sBkImage)) {
        return;
    }
    if (info.dwLineColor != 0) {
        const RECT& rcItem = row.GetPos();
        RECT rcLine = {rcItem.left, rcItem.bottom - 1, rcItem.right, rcItem.bottom - 1};
        CRenderEngine::DrawLine(hDC, rcLine, 1, row.GetAdjustColor(info.dwLineColor));
    }
}

} // namespace SkinUI
