// Repainting a row within its list, and the row colours and background from
// the list's look.
#include "list_row.h"

#include "core/container_ui.h"
#include "core/render_engine.h"
#include "core/scroll_bar.h"

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
    const RECT rcParent = pParentContainer->GetChildArea();

    RECT rcTemp = rc;
    if (!::IntersectRect(&rc, &rcTemp, &rcParent)) return;
    for (CControlUI* pAncestor = pParent->GetParent(); pAncestor != NULL; pAncestor = pAncestor->GetParent()) {
        rcTemp = rc;
        if (!::IntersectRect(&rc, &rcTemp, &pAncestor->GetPos())) return;
    }
    pManager->Invalidate(rc);
}

TListRowRecordUI::TListRowRecordUI() : pfnPaint(NULL), pPaintArg(0), hPaintDC(NULL) {}

TListRowRecordUI* FindListRowRecord(CControlUI* pRow)
{
    const UINT_PTR tag = pRow->GetTag();
    if (tag == 0) return NULL;
    for (CControlUI* pParent = pRow->GetParent(); pParent != NULL; pParent = pParent->GetParent()) {
        IListRowRecordsUI* pRecords = static_cast<IListRowRecordsUI*>(pParent->GetInterface(L"IListRowRecords"));
        if (pRecords != NULL) return pRecords->GetRowRecord(pRow, tag);
    }
    return NULL;
}

IListOwnerUI* ListOwnerOf(CControlUI* pOwner)
{
    return pOwner != NULL ? static_cast<IListOwnerUI*>(pOwner->GetInterface(L"IListOwner")) : NULL;
}

bool SelectListRow(CControlUI& row, bool& selected, int index, IListOwnerUI* pOwner, bool bSelect)
{
    if (!row.IsEnabled()) return false;
    if (bSelect == selected) return true;
    selected = bSelect;
    if (bSelect && pOwner != NULL) pOwner->SelectItem(index);
    InvalidateListRow(&row);
    return true;
}

void HideListRow(CControlUI& row, bool& selected, IListOwnerUI* pOwner)
{
    if (row.IsVisible() || !selected) return;
    selected = false;
    if (pOwner != NULL) pOwner->SelectItem(-1);
}

bool ActivateListRow(CControlUI& row, bool bActive)
{
    if (!bActive) return false;
    if (row.GetManager() != NULL) row.GetManager()->SendNotify(&row, L"itemactivate");
    return true;
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

void PaintListRowBk(HDC hDC, CControlUI& row, TListInfoUI& info, const ListRowState& state, const ListRowImages& images)
{
    CUIString& sSelectedImage =
        images.selected != NULL && !images.selected->IsEmpty() ? *images.selected : info.sSelectedImage;
    CUIString& sHotImage = images.hot != NULL && !images.hot->IsEmpty() ? *images.hot : info.sHotImage;
    const bool bSelectedReplaced = images.selected != NULL && !images.selected->IsEmpty();

    const bool bEvenOrPlain = !info.bAlternateBk || state.index % 2 == 0;
    DWORD iBackColor = bEvenOrPlain ? info.dwBkColor : 0;
    if (state.hot) iBackColor = info.dwHotBkColor;
    if (state.selected && (images.selectedColorUnderImage || !bSelectedReplaced)) iBackColor = info.dwSelectedBkColor;
    if (!state.enabled) iBackColor = info.dwDisabledBkColor;
    if (iBackColor != 0) CRenderEngine::DrawColor(hDC, row.GetPaintRect(), row.GetAdjustColor(iBackColor));

    // A state image stands for the whole background.
    if (!state.enabled && DrawRowImage(hDC, row, info.sDisabledImage)) return;
    if (state.selected && DrawRowImage(hDC, row, sSelectedImage)) return;
    if (state.hot && DrawRowImage(hDC, row, sHotImage)) return;
    if (!images.own->IsEmpty()) {
        if (bEvenOrPlain) DrawRowImage(hDC, row, *images.own);
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
