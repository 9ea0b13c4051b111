// CButtonUI: events (hot, captured and pushed states, click on release inside,
// Space/Return), state images and state text colours.
#include "button.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "core/render_engine.h"

namespace SkinUI {

CButtonUI::CButtonUI()
    : m_uButtonState(0),
      m_dwHotBkColor(0),
      m_dwHotTextColor(0),
      m_dwPushedTextColor(0),
      m_dwFocusedTextColor(0),
      m_bNoHotCursor(false)
{
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

const wchar_t* CButtonUI::GetClass() const { return L"ButtonUI"; }

LPVOID CButtonUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Button") == 0) return static_cast<CButtonUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

UINT CButtonUI::GetControlFlags() const
{
    return (IsKeyboardEnabled() ? CTRLFLAG_TABSTOP : 0) | (IsEnabled() ? CTRLFLAG_SETCURSOR : 0);
}

bool CButtonUI::Activate()
{
    if (!CControlUI::Activate()) return false;
    if (m_pManager != NULL) m_pManager->SendNotify(this, L"click");
    return true;
}

void CButtonUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CButtonUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CLabelUI>(event, m_pParent)) return;
    switch (event.type) {
    case UIEV_SET_FOCUS:
    case UIEV_KILL_FOCUS: Invalidate(); break;
    case UIEV_KEY_DOWN:
        if (IsKeyboardEnabled() && (event.key == VK_SPACE || event.key == VK_RETURN)) {
            Activate();
            return;
        }
        break;
    case UIEV_MOUSE_MOVE:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            if (::PtInRect(&m_rcItem, event.point)) m_uButtonState |= UISTATE_PUSHED;
            else m_uButtonState &= ~UISTATE_PUSHED;
            Invalidate();
        }
        return;
    case UIEV_MOUSE_ENTER:
        if (IsEnabled()) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        break;
    case UIEV_BUTTON_DOWN:
    case UIEV_DOUBLE_CLICK:
        if (::PtInRect(&m_rcItem, event.point) && IsEnabled()) {
            m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
            Invalidate();
        }
        return;
    case UIEV_BUTTON_UP:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
            Invalidate();
            if (::PtInRect(&m_rcItem, event.point)) Activate();
            return;
        }
        break;
    case UIEV_CONTEXT_MENU:
        if (IsContextMenuUsed() && m_pManager != NULL)
            m_pManager->SendNotify(this, L"menu", event.wParam, event.lParam);
        return;
    case UIEV_MOUSE_LEAVE:
        if (IsEnabled()) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        break;
    case UIEV_SET_CURSOR: ::SetCursor(::LoadCursorW(NULL, m_bNoHotCursor ? IDC_ARROW : IDC_HAND)); return;
    default: break;
    }
    CLabelUI::DoEvent(event);
}

// ---- images and colours --------------------------------------------------------------------

void CButtonUI::SetImage(CUIString& sImage, const wchar_t* pStrImage)
{
    sImage = pStrImage != NULL ? pStrImage : L"";
    Invalidate();
}

const wchar_t* CButtonUI::GetNormalImage() { return m_sNormalImage; }
void CButtonUI::SetNormalImage(const wchar_t* pStrImage) { SetImage(m_sNormalImage, pStrImage); }
const wchar_t* CButtonUI::GetHotImage() { return m_sHotImage; }
void CButtonUI::SetHotImage(const wchar_t* pStrImage) { SetImage(m_sHotImage, pStrImage); }
const wchar_t* CButtonUI::GetPushedImage() { return m_sPushedImage; }
void CButtonUI::SetPushedImage(const wchar_t* pStrImage) { SetImage(m_sPushedImage, pStrImage); }
const wchar_t* CButtonUI::GetFocusedImage() { return m_sFocusedImage; }
void CButtonUI::SetFocusedImage(const wchar_t* pStrImage) { SetImage(m_sFocusedImage, pStrImage); }
const wchar_t* CButtonUI::GetDisabledImage() { return m_sDisabledImage; }
void CButtonUI::SetDisabledImage(const wchar_t* pStrImage) { SetImage(m_sDisabledImage, pStrImage); }
const wchar_t* CButtonUI::GetForeImage() { return m_sForeImage; }
void CButtonUI::SetForeImage(const wchar_t* pStrImage) { SetImage(m_sForeImage, pStrImage); }
const wchar_t* CButtonUI::GetHotForeImage() { return m_sHotForeImage; }
void CButtonUI::SetHotForeImage(const wchar_t* pStrImage) { SetImage(m_sHotForeImage, pStrImage); }

void CButtonUI::SetHotBkColor(DWORD dwColor) { m_dwHotBkColor = dwColor; }
DWORD CButtonUI::GetHotBkColor() const { return m_dwHotBkColor; }
void CButtonUI::SetHotTextColor(DWORD dwColor) { m_dwHotTextColor = dwColor; }
DWORD CButtonUI::GetHotTextColor() const { return m_dwHotTextColor; }
void CButtonUI::SetPushedTextColor(DWORD dwColor) { m_dwPushedTextColor = dwColor; }
DWORD CButtonUI::GetPushedTextColor() const { return m_dwPushedTextColor; }
void CButtonUI::SetFocusedTextColor(DWORD dwColor) { m_dwFocusedTextColor = dwColor; }
DWORD CButtonUI::GetFocusedTextColor() const { return m_dwFocusedTextColor; }
void CButtonUI::SetNoHotCursor(bool bNoHotCursor) { m_bNoHotCursor = bNoHotCursor; }
bool CButtonUI::IsNoHotCursor() const { return m_bNoHotCursor; }

SIZE CButtonUI::EstimateSize(SIZE) { return EstimateFromFont(8); }

void CButtonUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"normalimage") == 0) SetNormalImage(pstrValue);
    else if (wcscmp(pstrName, L"hotimage") == 0) SetHotImage(pstrValue);
    else if (wcscmp(pstrName, L"pushedimage") == 0) SetPushedImage(pstrValue);
    else if (wcscmp(pstrName, L"focusedimage") == 0) SetFocusedImage(pstrValue);
    else if (wcscmp(pstrName, L"disabledimage") == 0) SetDisabledImage(pstrValue);
    else if (wcscmp(pstrName, L"foreimage") == 0) SetForeImage(pstrValue);
    else if (wcscmp(pstrName, L"hotforeimage") == 0) SetHotForeImage(pstrValue);
    else if (wcscmp(pstrName, L"hotbkcolor") == 0) SetHotBkColor(ParseColor(pstrValue));
    else if (wcscmp(pstrName, L"hottextcolor") == 0) SetHotTextColor(ParseColor(pstrValue));
    else if (wcscmp(pstrName, L"pushedtextcolor") == 0) SetPushedTextColor(ParseColor(pstrValue));
    else if (wcscmp(pstrName, L"focusedtextcolor") == 0) SetFocusedTextColor(ParseColor(pstrValue));
    else if (wcscmp(pstrName, L"nohotcursor") == 0) SetNoHotCursor(wcscmp(pstrValue, L"false") != 0);
    else CLabelUI::SetAttribute(pstrName, pstrValue);
}

// ---- painting ----------------------------------------------------------------------------

void CButtonUI::RefreshStateBits()
{
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled()) m_uButtonState |= UISTATE_DISABLED;
    else m_uButtonState &= ~UISTATE_DISABLED;
}

bool CButtonUI::DrawStateImage(HDC hDC, CUIString& sImage)
{
    if (sImage.IsEmpty()) return false;
    if (DrawImage(hDC, sImage)) return true;
    sImage.Empty();
    return false;
}

void CButtonUI::PaintStatusImage(HDC hDC)
{
    RefreshStateBits();
    bool drawn = false;
    if ((m_uButtonState & UISTATE_DISABLED) != 0) {
        drawn = DrawStateImage(hDC, m_sDisabledImage);
    } else if ((m_uButtonState & UISTATE_PUSHED) != 0) {
        drawn = DrawStateImage(hDC, m_sPushedImage);
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        if (!m_sHotImage.IsEmpty()) {
            DrawStateImage(hDC, m_sHotImage);
            if (DrawStateImage(hDC, m_sHotForeImage)) return;
            drawn = true;
        } else if (m_dwHotBkColor != 0) {
            CRenderEngine::DrawColor(hDC, m_rcPaint, GetAdjustColor(m_dwHotBkColor));
            return;
        }
    } else if ((m_uButtonState & UISTATE_FOCUSED) != 0) {
        drawn = DrawStateImage(hDC, m_sFocusedImage);
    }
    if (!drawn) DrawStateImage(hDC, m_sNormalImage);
    DrawStateImage(hDC, m_sForeImage);
}

void CButtonUI::DrawLabelText(HDC hDC, DWORD dwColor)
{
    RECT rc = TextRect();
    if (m_bShowHtml) {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rc, m_sText, dwColor, NULL, NULL, nLinks, m_uTextStyle);
    } else {
        CRenderEngine::DrawText(hDC, m_pManager, rc, m_sText, dwColor, m_iFont, m_uTextStyle);
    }
}

void CButtonUI::PaintText(HDC hDC)
{
    m_hPaintDC = hDC;
    RefreshStateBits();
    FillDefaultColors();
    if (m_sText.IsEmpty()) return;
    DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0) color = m_dwPushedTextColor;
    else if ((m_uButtonState & UISTATE_HOT) != 0 && m_dwHotTextColor != 0) color = m_dwHotTextColor;
    else if ((m_uButtonState & UISTATE_FOCUSED) != 0 && m_dwFocusedTextColor != 0) color = m_dwFocusedTextColor;
    DrawLabelText(hDC, color);
}

} // namespace SkinUI
