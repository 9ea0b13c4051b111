// The text row: one text per column, links of tagged texts and their hand
// cursor, and the "link" notification.
#include "list_text_element.h"

#include <cwchar>

#include "list_header.h"
#include "list_row.h"
#include "core/render_engine.h"

namespace SkinUI {

CListTextElementUI::CListTextElementUI() : m_nLinks(0), m_rcLinks(), m_nHoverLink(-1), m_pOwner(NULL) {}

CListTextElementUI::~CListTextElementUI()
{
    for (int it = 0; it < m_aTexts.GetSize(); it++) delete static_cast<CUIString*>(m_aTexts[it]);
    m_aTexts.Empty();
}

const wchar_t* CListTextElementUI::GetClass() const { return L"ListTextElementUI"; }

LPVOID CListTextElementUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ListTextElement") == 0) return static_cast<CListTextElementUI*>(this);
    return CListLabelElementUI::GetInterface(pstrName);
}

UINT CListTextElementUI::GetControlFlags() const
{
    return UIFLAG_LIST_ROW | (IsEnabled() && m_nLinks > 0 ? CTRLFLAG_SETCURSOR : 0);
}

const wchar_t* CListTextElementUI::GetText(int iIndex) const
{
    CUIString* pText = static_cast<CUIString*>(m_aTexts.GetAt(iIndex));
    return pText != NULL ? pText->GetData() : NULL;
}

void CListTextElementUI::SetText(int iIndex, const wchar_t* pstrText)
{
    if (m_pOwner == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    if (iIndex < 0 || iIndex >= pInfo->nColumns) return;
    while (m_aTexts.GetSize() < pInfo->nColumns) m_aTexts.Add(NULL);

    CUIString* pText = static_cast<CUIString*>(m_aTexts[iIndex]);
    if ((pText == NULL && pstrText == NULL) || (pText != NULL && pstrText != NULL && *pText == pstrText)) return;
    if (pText != NULL) {
        delete pText;
        m_aTexts.SetAt(iIndex, NULL);
    }
    if (pstrText != NULL) m_aTexts.SetAt(iIndex, new CUIString(pstrText));
    Invalidate();
}

void CListTextElementUI::SetOwner(CControlUI* pOwner)
{
    CListElementUI::SetOwner(pOwner);
    m_pOwner = pOwner != NULL ? static_cast<IListUI*>(pOwner->GetInterface(L"IList")) : NULL;
}

CUIString* CListTextElementUI::GetLinkContent(int iIndex)
{
    if (iIndex >= 0 && iIndex < m_nLinks) return &m_sLinks[iIndex];
    return NULL;
}

int CListTextElementUI::LinkAt(POINT pt) const
{
    for (int i = 0; i < m_nLinks; i++) {
        if (::PtInRect(&m_rcLinks[i], pt)) return i;
    }
    return -1;
}

void CListTextElementUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CListLabelElementUI>(event, CListElementUI::m_pOwner)) return;
    if (event.type == UIEV_SET_CURSOR) {
        if (LinkAt(event.point) >= 0) {
            ::SetCursor(::LoadCursor(NULL, IDC_HAND));
            return;
        }
    }
    if (event.type == UIEV_BUTTON_UP && IsEnabled()) {
        int iLink = LinkAt(event.point);
        if (iLink >= 0) {
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"link", iLink);
            return;
        }
    }
    if (m_nLinks > 0 && event.type == UIEV_MOUSE_MOVE) {
        int nHoverLink = LinkAt(event.point);
        if (m_nHoverLink != nHoverLink) {
            m_nHoverLink = nHoverLink;
            Invalidate();
            return;
        }
    }
    if (m_nLinks > 0 && event.type == UIEV_MOUSE_LEAVE) {
        if (m_nHoverLink != -1) {
            m_nHoverLink = -1;
            Invalidate();
        }
    }
    CListLabelElementUI::DoEvent(event);
}

SIZE CListTextElementUI::EstimateSize(SIZE)
{
    if (m_pOwner == NULL) return SIZE{0, 0};
    SIZE cXY = m_cxyFixed;
    cXY.cy = EstimateHeight(*m_pOwner->GetListInfo());
    return cXY;
}

void CListTextElementUI::DrawItemText(HDC hDC, const RECT& rcItem)
{
    if (m_pOwner == NULL) return;
    TListInfoUI* pInfo = m_pOwner->GetListInfo();
    DWORD iTextColor = ListRowTextColor(*pInfo, (m_uButtonState & UISTATE_HOT) != 0, IsSelected(), IsEnabled());
    IListCallbackUI* pCallback = m_pOwner->GetTextCallback();

    m_nLinks = 0;
    const int nColumns = pInfo->nColumns < UILIST_MAX_COLUMNS ? pInfo->nColumns : UILIST_MAX_COLUMNS;
    for (int i = 0; i < nColumns; i++) {
        RECT rcItemText = {pInfo->rcColumn[i].left, rcItem.top, pInfo->rcColumn[i].right, rcItem.bottom};
        rcItemText.left += pInfo->rcTextPadding.left;
        rcItemText.right -= pInfo->rcTextPadding.right;
        rcItemText.top += pInfo->rcTextPadding.top;
        rcItemText.bottom -= pInfo->rcTextPadding.bottom;

        const wchar_t* pstrText = pCallback != NULL ? pCallback->GetItemText(this, m_iIndex, i) : GetText(i);
        if (pstrText == NULL) continue;
        if (pInfo->bShowHtml) {
            int nLinks = UILIST_MAX_LINKS - m_nLinks;
            CRenderEngine::DrawHtmlText(hDC, m_pManager, rcItemText, pstrText, iTextColor, &m_rcLinks[m_nLinks],
                                        &m_sLinks[m_nLinks], nLinks, DT_SINGLELINE | pInfo->uTextStyle);
            if (nLinks > 0) m_nLinks += nLinks;
        } else {
            CRenderEngine::DrawText(hDC, m_pManager, rcItemText, pstrText, iTextColor, pInfo->nFont,
                                    DT_SINGLELINE | pInfo->uTextStyle);
        }
    }
    for (int i = m_nLinks; i < UILIST_MAX_LINKS; i++) {
        ::ZeroMemory(m_rcLinks + i, sizeof(RECT));
        m_sLinks[i].Empty();
    }
}

} // namespace SkinUI
