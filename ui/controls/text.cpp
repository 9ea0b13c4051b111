// CTextUI: multi-line text that measures its own height, with clickable links.
#include "text.h"

#include <cwchar>

#include "core/gdi_scope.h"
#include "core/render_engine.h"

namespace SkinUI {

CTextUI::CTextUI() : m_nLinks(0), m_rcLinks(), m_nHoverLink(-1)
{
    m_uTextStyle = DT_WORDBREAK;
    m_rcTextPadding.left = 2;
    m_rcTextPadding.right = 2;
}

const wchar_t* CTextUI::GetClass() const { return L"TextUI"; }

LPVOID CTextUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Text") == 0) return static_cast<CTextUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

UINT CTextUI::GetControlFlags() const { return IsEnabled() && m_nLinks > 0 ? CTRLFLAG_SETCURSOR : 0; }

CUIString* CTextUI::GetLinkContent(int iIndex)
{
    if (iIndex >= 0 && iIndex < m_nLinks) return &m_sLinks[iIndex];
    return NULL;
}

int CTextUI::LinkAt(POINT pt) const
{
    for (int i = 0; i < m_nLinks; ++i) {
        if (::PtInRect(&m_rcLinks[i], pt)) return i;
    }
    return -1;
}

void CTextUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CLabelUI>(event, m_pParent)) return;
    if (event.type == UIEV_SET_CURSOR) {
        if (LinkAt(event.point) >= 0) {
            ::SetCursor(::LoadCursorW(NULL, MAKEINTRESOURCEW(32649) /* IDC_HAND */));
            return;
        }
    }
    if (event.type == UIEV_BUTTON_DOWN || (event.type == UIEV_DOUBLE_CLICK && IsEnabled())) {
        if (LinkAt(event.point) >= 0) {
            Invalidate();
            return;
        }
    }
    if (event.type == UIEV_BUTTON_UP && IsEnabled()) {
        int link = LinkAt(event.point);
        if (link >= 0) {
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"link", link);
            return;
        }
    }
    if (event.type == UIEV_CONTEXT_MENU) return;
    if (m_nLinks > 0 && IsEnabled()) {
        if (event.type == UIEV_MOUSE_MOVE) {
            int link = LinkAt(event.point);
            if (link != m_nHoverLink) {
                m_nHoverLink = link;
                Invalidate();
                return;
            }
        }
        if (event.type == UIEV_MOUSE_LEAVE && m_nHoverLink >= 0) {
            m_nHoverLink = -1;
            Invalidate();
            return;
        }
    }
    if (event.type == UIEV_SET_FOCUS || event.type == UIEV_KILL_FOCUS) {
        CLabelUI::DoEvent(event);
        return;
    }
    CControlUI::DoEvent(event);
}

SIZE CTextUI::EstimateSize(SIZE szAvailable)
{
    int width = m_cxyFixed.cx > szAvailable.cx ? m_cxyFixed.cx : szAvailable.cx;
    RECT rc = {m_rcTextPadding.left, 0, width - m_rcTextPadding.right, 9999};
    // Without a manager there are no fonts to measure with: no text height.
    if (m_pManager == NULL) rc.bottom = rc.top;
    std::unique_ptr<MemoryDC> screenDC;
    HDC hDC = MeasuringDC(screenDC);
    if (m_bShowHtml) {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rc, m_sText, m_dwTextColor, NULL, NULL, nLinks,
                                    DT_CALCRECT | m_uTextStyle);
    } else {
        CRenderEngine::DrawText(hDC, m_pManager, rc, m_sText, m_dwTextColor, m_iFont, DT_CALCRECT | m_uTextStyle);
    }
    SIZE sz = {rc.right - rc.left + m_rcTextPadding.left + m_rcTextPadding.right,
               rc.bottom - rc.top + m_rcTextPadding.top + m_rcTextPadding.bottom};
    if (m_cxyFixed.cy != 0) sz.cy = m_cxyFixed.cy;
    return sz;
}

void CTextUI::PaintText(HDC hDC)
{
    if (m_sText.IsEmpty()) {
        m_nLinks = 0;
        return;
    }
    FillDefaultColors();
    RECT rc = TextRect();
    DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        m_nLinks = kMaxLinks;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rc, m_sText, color, m_rcLinks, m_sLinks, m_nLinks, m_uTextStyle);
    } else {
        m_nLinks = 0;
        CRenderEngine::DrawText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle);
    }
    if (m_nHoverLink >= m_nLinks) m_nHoverLink = -1;
}

} // namespace SkinUI
