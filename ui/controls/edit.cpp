// CEditUI: attributes, events, painting and the hand-over to the native window.
#include "edit.h"

#include <windowsx.h>

#include <cwchar>

#include "core/attribute_values.h"
#include "edit_window.h"
#include "core/paint_manager.h"
#include "core/render_engine.h"

namespace SkinUI {

CEditUI::CEditUI()
    : m_pWindow(NULL),
      m_uMaxChar(255),
      m_bReadOnly(false),
      m_bPasswordMode(false),
      m_cPasswordChar(L'*'),
      m_uButtonState(0),
      m_dwEditbkColor(0xFFFFFFFF),
      m_dwHintTextColor(0xFF999999),
      m_iWindowStyls(0)
{
    SetTextPadding(RECT{4, 3, 4, 3});
    SetBkColor(0xFFFFFFFF);
}

CEditUI::~CEditUI()
{
    if (m_pWindow != NULL) {
        CEditWnd* pWindow = m_pWindow;
        m_pWindow = NULL;
        pWindow->Detach();
        if (::IsWindow(pWindow->GetHWND())) ::DestroyWindow(pWindow->GetHWND());
        else delete pWindow;
    }
}

const wchar_t* CEditUI::GetClass() const { return L"EditUI"; }

LPVOID CEditUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Edit") == 0) return static_cast<CEditUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

UINT CEditUI::GetControlFlags() const { return IsEnabled() ? (CTRLFLAG_TABSTOP | CTRLFLAG_SETCURSOR) : 0; }

void CEditUI::OpenNativeWindow()
{
    m_pWindow = new CEditWnd();
    m_pWindow->Init(this);
    if (m_pWindow != NULL && m_pWindow->GetHWND() == NULL) {
        delete m_pWindow;
        m_pWindow = NULL;
    }
}

void CEditUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CLabelUI>(event, m_pParent)) return;

    switch (event.type) {
    case UIEV_SET_CURSOR:
        if (IsEnabled()) {
            ::SetCursor(::LoadCursorW(NULL, IDC_IBEAM));
            return;
        }
        break;
    case UIEV_WINDOW_SIZE:
        if (m_bFocused) return;
        if (m_pWindow != NULL) m_pManager->SetFocusNeeded(this);
        break;
    case UIEV_SCROLL_WHEEL:
        if (m_pWindow != NULL) return;
        break;
    // The focus events go on to the label too, which keeps the focused state.
    case UIEV_SET_FOCUS:
        if (IsEnabled()) {
            if (m_pWindow == NULL) OpenNativeWindow();
            Invalidate();
        }
        break;
    case UIEV_KILL_FOCUS:
        if (IsEnabled()) Invalidate();
        break;
    case UIEV_MOUSE_MOVE:
    case UIEV_BUTTON_UP:
    case UIEV_CONTEXT_MENU: return;
    case UIEV_MOUSE_ENTER:
        if (IsEnabled()) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    case UIEV_MOUSE_LEAVE:
        if (IsEnabled()) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    case UIEV_BUTTON_DOWN:
    case UIEV_RBUTTON_DOWN:
    case UIEV_DOUBLE_CLICK:
        if (IsEnabled()) {
            m_pManager->ReleaseCapture();
            if (IsFocused() && m_pWindow == NULL) {
                OpenNativeWindow();
                if (!::PtInRect(&m_rcItem, event.point)) return;
            }
            if (m_pWindow != NULL) {
                const int length = ::GetWindowTextLengthW(m_pWindow->GetHWND());
                Edit_SetSel(m_pWindow->GetHWND(), 0, length == 0 ? 1 : length);
            }
            return;
        }
        break;
    default: break;
    }
    CLabelUI::DoEvent(event);
}

void CEditUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CEditUI::SetText(const wchar_t* pstrText)
{
    m_sText = pstrText != NULL ? pstrText : L"";
    if (m_pWindow != NULL) m_pWindow->SetTextQuietly(m_sText.GetData());
    Invalidate();
}

void CEditUI::SetMaxChar(UINT uMax)
{
    m_uMaxChar = uMax;
    if (m_pWindow != NULL) Edit_LimitText(m_pWindow->GetHWND(), m_uMaxChar);
}

UINT CEditUI::GetMaxChar() const { return m_uMaxChar; }

void CEditUI::SetReadOnly(bool bReadOnly)
{
    if (m_bReadOnly == bReadOnly) return;
    m_bReadOnly = bReadOnly;
    if (m_pWindow != NULL) Edit_SetReadOnly(m_pWindow->GetHWND(), m_bReadOnly);
    Invalidate();
}

bool CEditUI::IsReadOnly() const { return m_bReadOnly; }

void CEditUI::SetNumberOnly(bool bNumberOnly)
{
    if (bNumberOnly) m_iWindowStyls |= ES_NUMBER;
    else m_iWindowStyls &= ~ES_NUMBER;
}

bool CEditUI::IsNumberOnly() const { return (m_iWindowStyls & ES_NUMBER) != 0; }

int CEditUI::GetWindowStyls() const { return m_iWindowStyls; }

void CEditUI::SetPasswordMode(bool bPasswordMode)
{
    if (m_bPasswordMode == bPasswordMode) return;
    m_bPasswordMode = bPasswordMode;
    Invalidate();
}

bool CEditUI::IsPasswordMode() const { return m_bPasswordMode; }

void CEditUI::SetPasswordChar(wchar_t cPasswordChar)
{
    if (m_cPasswordChar == cPasswordChar) return;
    m_cPasswordChar = cPasswordChar;
    if (m_pWindow != NULL) Edit_SetPasswordChar(m_pWindow->GetHWND(), m_cPasswordChar);
    Invalidate();
}

wchar_t CEditUI::GetPasswordChar() const { return m_cPasswordChar; }

const wchar_t* CEditUI::GetNormalImage() const { return m_sNormalImage.GetData(); }

void CEditUI::SetNormalImage(const wchar_t* pStrImage)
{
    m_sNormalImage = pStrImage;
    Invalidate();
}

const wchar_t* CEditUI::GetHotImage() const { return m_sHotImage.GetData(); }

void CEditUI::SetHotImage(const wchar_t* pStrImage)
{
    m_sHotImage = pStrImage;
    Invalidate();
}

const wchar_t* CEditUI::GetFocusedImage() const { return m_sFocusedImage.GetData(); }

void CEditUI::SetFocusedImage(const wchar_t* pStrImage)
{
    m_sFocusedImage = pStrImage;
    Invalidate();
}

const wchar_t* CEditUI::GetDisabledImage() const { return m_sDisabledImage.GetData(); }

void CEditUI::SetDisabledImage(const wchar_t* pStrImage)
{
    m_sDisabledImage = pStrImage;
    Invalidate();
}

void CEditUI::SetNativeEditBkColor(DWORD dwBkColor) { m_dwEditbkColor = dwBkColor; }

DWORD CEditUI::GetNativeEditBkColor() const { return m_dwEditbkColor; }

void CEditUI::SetHintText(const wchar_t* pstrText)
{
    m_sHintText = pstrText != NULL ? pstrText : L"";
    Invalidate();
}

CUIString CEditUI::GetHintText() const { return m_sHintText; }

void CEditUI::SetHintTextColor(DWORD dwColor)
{
    m_dwHintTextColor = dwColor;
    Invalidate();
}

DWORD CEditUI::GetHintTextColor() const { return m_dwHintTextColor; }

void CEditUI::SetSel(long nStartChar, long nEndChar)
{
    if (m_pWindow != NULL) Edit_SetSel(m_pWindow->GetHWND(), nStartChar, nEndChar);
}

void CEditUI::SetSelAll() { SetSel(0, -1); }

void CEditUI::SetReplaceSel(const wchar_t* lpszReplace)
{
    if (m_pWindow != NULL) Edit_ReplaceSel(m_pWindow->GetHWND(), lpszReplace != NULL ? lpszReplace : L"");
}

HWND CEditUI::GetSafeWnd() const { return m_pWindow != NULL ? m_pWindow->GetHWND() : NULL; }

HFONT CEditUI::NativeFont()
{
    TFontInfo* pInfo = m_iFont >= 0 ? m_pManager->GetFontInfo(m_iFont) : NULL;
    if (pInfo == NULL || pInfo->hFont == NULL) pInfo = m_pManager->GetDefaultFontInfo();
    return pInfo->hFont;
}

RECT CEditUI::NativeWindowRect()
{
    RECT rc = m_rcItem;
    rc.left += m_rcTextPadding.left;
    rc.top += m_rcTextPadding.top;
    rc.right -= m_rcTextPadding.right;
    rc.bottom -= m_rcTextPadding.bottom;
    TFontInfo* pInfo = m_iFont >= 0 ? m_pManager->GetFontInfo(m_iFont) : NULL;
    if (pInfo == NULL || pInfo->hFont == NULL) pInfo = m_pManager->GetDefaultFontInfo();
    const LONG lEditHeight = pInfo->tm.tmHeight;
    if (lEditHeight < rc.bottom - rc.top) {
        rc.top += (rc.bottom - rc.top - lEditHeight) / 2;
        rc.bottom = rc.top + lEditHeight;
    }
    return rc;
}

void CEditUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    if (m_pWindow != NULL) {
        RECT rcPos = NativeWindowRect();
        ::SetWindowPos(m_pWindow->GetHWND(), NULL, rcPos.left, rcPos.top, rcPos.right - rcPos.left,
                       rcPos.bottom - rcPos.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CEditUI::SetVisible(bool bVisible)
{
    CControlUI::SetVisible(bVisible);
    if (!IsVisible() && m_pWindow != NULL && m_pManager != NULL) m_pManager->SetFocus(NULL);
}

void CEditUI::SetInternVisible(bool bVisible)
{
    CControlUI::SetInternVisible(bVisible);
    if (!IsVisible() && m_pWindow != NULL && m_pManager != NULL) m_pManager->SetFocus(NULL);
}

SIZE CEditUI::EstimateSize(SIZE)
{
    if (m_cxyFixed.cy != 0) return m_cxyFixed;
    TFontInfo* pInfo = m_pManager != NULL ? m_pManager->GetFontInfo(m_iFont) : NULL;
    const int fontHeight = pInfo != NULL ? pInfo->tm.tmHeight : 0;
    return SIZE{m_cxyFixed.cx, fontHeight + 6};
}

void CEditUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"readonly") == 0) SetReadOnly(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"numberonly") == 0) SetNumberOnly(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"password") == 0) SetPasswordMode(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"maxchar") == 0) SetMaxChar(static_cast<UINT>(_wtoi(pstrValue)));
    else if (wcscmp(pstrName, L"normalimage") == 0) SetNormalImage(pstrValue);
    else if (wcscmp(pstrName, L"hotimage") == 0) SetHotImage(pstrValue);
    else if (wcscmp(pstrName, L"focusedimage") == 0) SetFocusedImage(pstrValue);
    else if (wcscmp(pstrName, L"disabledimage") == 0) SetDisabledImage(pstrValue);
    else if (wcscmp(pstrName, L"hinttext") == 0) SetHintText(pstrValue);
    else if (wcscmp(pstrName, L"hinttextcolor") == 0) SetHintTextColor(ParseColor(pstrValue));
    else if (wcscmp(pstrName, L"nativebkcolor") == 0) SetNativeEditBkColor(ParseColor(pstrValue));
    else CLabelUI::SetAttribute(pstrName, pstrValue);
}

bool CEditUI::DrawStateImage(HDC hDC, CUIString& sImage)
{
    if (sImage.IsEmpty()) return false;
    if (DrawImage(hDC, sImage)) return true;
    sImage.Empty();
    return false;
}

void CEditUI::PaintStatusImage(HDC hDC)
{
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled()) m_uButtonState |= UISTATE_DISABLED;
    else m_uButtonState &= ~UISTATE_DISABLED;

    bool drawn = false;
    if (m_uButtonState & UISTATE_DISABLED) drawn = DrawStateImage(hDC, m_sDisabledImage);
    else if (m_uButtonState & UISTATE_FOCUSED) drawn = DrawStateImage(hDC, m_sFocusedImage);
    else if (m_uButtonState & UISTATE_HOT) drawn = DrawStateImage(hDC, m_sHotImage);
    if (!drawn) DrawStateImage(hDC, m_sNormalImage);
}

void CEditUI::PaintText(HDC hDC)
{
    FillDefaultColors();
    CUIString sText = m_sText;
    bool bHint = false;
    if (sText.IsEmpty()) {
        if (m_sHintText.IsEmpty()) return;
        sText = m_sHintText;
        bHint = true;
    }
    if (m_bPasswordMode) {
        // The mask stands for the text only: an empty password shows nothing.
        sText.Empty();
        for (int i = 0; i < m_sText.GetLength(); ++i) sText += m_cPasswordChar;
        if (sText.IsEmpty()) return;
        bHint = false;
    }
    RECT rc = m_rcItem;
    rc.left += m_rcTextPadding.left;
    rc.right -= m_rcTextPadding.right;
    rc.top += m_rcTextPadding.top;
    rc.bottom -= m_rcTextPadding.bottom;
    const DWORD color = bHint ? m_dwHintTextColor : (IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor);
    CRenderEngine::DrawText(hDC, m_pManager, rc, sText.GetData(), color, m_iFont, DT_SINGLELINE | m_uTextStyle);
}

} // namespace SkinUI
