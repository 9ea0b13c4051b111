// The plain list rows: the row base (index, owner, selection, activation) and
// the label row (mouse, size and its one text).
#include "list_element.h"

#include <cwchar>

#include "core/gdi_scope.h"
#include "list_row.h"
#include "core/render_engine.h"

namespace SkinUI {

// ---- row base ------------------------------------------------------------------------------

CListElementUI::CListElementUI() : m_iIndex(-1), m_bSelected(false), m_uButtonState(0), m_pOwner(NULL) {}

const wchar_t* CListElementUI::GetClass() const { return L"ListElementUI"; }

UINT CListElementUI::GetControlFlags() const { return UIFLAG_LIST_ROW; }

LPVOID CListElementUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL) {
        if (wcscmp(pstrName, L"ListItem") == 0) return static_cast<IListItemUI*>(this);
        if (wcscmp(pstrName, L"ListElement") == 0) return static_cast<CListElementUI*>(this);
    }
    return CControlUI::GetInterface(pstrName);
}

IListOwnerUI* CListElementUI::GetOwner() { return m_pOwner; }

void CListElementUI::SetOwner(CControlUI* pOwner) { m_pOwner = ListOwnerOf(pOwner); }

void CListElementUI::SetVisible(bool bVisible)
{
    CControlUI::SetVisible(bVisible);
    HideListRow(*this, m_bSelected, m_pOwner);
}

void CListElementUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

int CListElementUI::GetIndex() const { return m_iIndex; }
void CListElementUI::SetIndex(int iIndex) { m_iIndex = iIndex; }

void CListElementUI::Invalidate() { InvalidateListRow(this); }

bool CListElementUI::Activate() { return ActivateListRow(*this, CControlUI::Activate()); }

bool CListElementUI::IsSelected() const { return m_bSelected; }

bool CListElementUI::Select(bool bSelect) { return SelectListRow(*this, m_bSelected, m_iIndex, m_pOwner, bSelect); }

bool CListElementUI::IsExpanded() const { return false; }
bool CListElementUI::Expand(bool) { return false; }

void CListElementUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CControlUI>(event, m_pOwner)) return;
    if (event.type == UIEV_DOUBLE_CLICK) {
        if (IsEnabled()) {
            Activate();
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_KEY_DOWN && IsEnabled() && event.key == VK_RETURN) {
        Activate();
        Invalidate();
        return;
    }
    HandOn<CControlUI>(event, m_pOwner);
}

void CListElementUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"selected") == 0) Select();
    else CControlUI::SetAttribute(pstrName, pstrValue);
}

void CListElementUI::DrawItemBk(HDC hDC, const RECT&)
{
    if (m_pOwner == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    ListRowState state = {m_iIndex, (m_uButtonState & UISTATE_HOT) != 0, IsSelected(), IsEnabled()};
    ListRowImages images = {NULL, NULL, &m_sBkImage, false};
    TListRowRecordUI* pRecord = FindListRowRecord(this);
    if (pRecord != NULL) {
        images.selected = &pRecord->sSelectedImage;
        images.hot = &pRecord->sHotImage;
        if (!pRecord->sBkImage.IsEmpty()) images.own = &pRecord->sBkImage;
    }
    PaintListRowBk(hDC, *this, *pInfo, state, images);
}

// ---- label row -----------------------------------------------------------------------------

CListLabelElementUI::CListLabelElementUI() {}

const wchar_t* CListLabelElementUI::GetClass() const { return L"ListLabelElementUI"; }

LPVOID CListLabelElementUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ListLabelElement") == 0) return static_cast<CListLabelElementUI*>(this);
    return CListElementUI::GetInterface(pstrName);
}

void CListLabelElementUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CListElementUI>(event, m_pOwner)) return;
    if (event.type == UIEV_BUTTON_DOWN || event.type == UIEV_RBUTTON_DOWN || event.type == UIEV_RBUTTON_UP) {
        if (IsEnabled()) {
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemclick", event.type);
            Select();
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_MOUSE_MOVE || event.type == UIEV_BUTTON_UP) return;
    if (event.type == UIEV_MOUSE_ENTER) {
        if (IsEnabled()) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_MOUSE_LEAVE) {
        if ((m_uButtonState & UISTATE_HOT) != 0) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    }
    CListElementUI::DoEvent(event);
}

int CListLabelElementUI::EstimateHeight(const TListInfoUI& info) const
{
    if (m_cxyFixed.cy != 0) return m_cxyFixed.cy;
    TFontInfo* pFont = m_pManager != NULL ? m_pManager->GetFontInfo(info.nFont) : NULL;
    int cyFont = pFont != NULL ? pFont->tm.tmHeight : 0;
    return cyFont + info.rcTextPadding.top + info.rcTextPadding.bottom + 8;
}

SIZE CListLabelElementUI::EstimateSize(SIZE)
{
    if (m_pOwner == NULL) return SIZE{0, 0};
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    SIZE cXY = m_cxyFixed;
    cXY.cy = EstimateHeight(*pInfo);
    if (cXY.cx == 0 && m_pManager != NULL) {
        // Measured on the window's DC, or on a screen-compatible one while
        // the manager has no window.
        MemoryDC fallback(NULL);
        HDC hDC = m_pManager->GetPaintDC() != NULL ? m_pManager->GetPaintDC() : fallback.Get();
        RECT rcText = {0, 0, 9999, cXY.cy};
        const UINT uStyle = (pInfo->uTextStyle | DT_SINGLELINE | DT_CALCRECT) & ~(DT_RIGHT | DT_CENTER);
        if (pInfo->bShowHtml) {
            int nLinks = 0;
            CRenderEngine::DrawHtmlText(hDC, m_pManager, rcText, m_sText, 0, NULL, NULL, nLinks, uStyle);
        } else {
            CRenderEngine::DrawText(hDC, m_pManager, rcText, m_sText, 0, pInfo->nFont, uStyle);
        }
        cXY.cx = rcText.right - rcText.left + pInfo->rcTextPadding.left + pInfo->rcTextPadding.right;
    }
    return cXY;
}

void CListLabelElementUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    DrawItemBk(hDC, m_rcItem);
    DrawItemText(hDC, m_rcItem);
}

void CListLabelElementUI::DrawItemText(HDC hDC, const RECT& rcItem)
{
    if (m_sText.IsEmpty() || m_pOwner == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    DWORD iTextColor = ListRowTextColor(*pInfo, (m_uButtonState & UISTATE_HOT) != 0, IsSelected(), IsEnabled());
    RECT rcText = rcItem;
    rcText.left += pInfo->rcTextPadding.left;
    rcText.right -= pInfo->rcTextPadding.right;
    rcText.top += pInfo->rcTextPadding.top;
    rcText.bottom -= pInfo->rcTextPadding.bottom;
    if (pInfo->bShowHtml) {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rcText, m_sText, iTextColor, NULL, NULL, nLinks,
                                    DT_SINGLELINE | pInfo->uTextStyle);
    } else {
        CRenderEngine::DrawText(hDC, m_pManager, rcText, m_sText, iTextColor, pInfo->nFont,
                                DT_SINGLELINE | pInfo->uTextStyle);
    }
}

} // namespace SkinUI
