// The native window of the edit control: created over the edit's text area with
// the edit's font, limits and styles; copies its text back on every change and
// closes itself when it loses the focus.
#include "edit_window.h"

#include <windowsx.h>

#include <vector>

#include "edit.h"
#include "core/gdi_scope.h"
#include "core/paint_manager.h"

namespace SkinUI {

namespace {

// Child notifications reflected back to the child by the paint manager's window.
const UINT kReflectBase = WM_USER + 0x1C00;
const UINT kReflectedCommand = kReflectBase + WM_COMMAND;
const UINT kReflectedColorEdit = kReflectBase + WM_CTLCOLOREDIT;
const UINT kReflectedColorStatic = kReflectBase + WM_CTLCOLORSTATIC;

CUIString WindowText(HWND hWnd)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    std::vector<wchar_t> text(length + 1, L'\0');
    ::GetWindowTextW(hWnd, text.data(), length + 1);
    return CUIString(text.data());
}

} // namespace

CEditWnd::CEditWnd() : m_pOwner(NULL), m_bInit(false), m_bQuiet(false) {}

void CEditWnd::Init(CEditUI* pOwner)
{
    m_pOwner = pOwner;
    RECT rcPos = m_pOwner->NativeWindowRect();
    UINT uStyle = WS_CHILD | ES_AUTOHSCROLL;
    if (m_pOwner->IsPasswordMode()) uStyle |= ES_PASSWORD;
    Create(m_pOwner->GetManager()->GetPaintWindow(), NULL, uStyle, 0, rcPos);
    if (m_hWnd == NULL) return;

    SetWindowFont(m_hWnd, m_pOwner->NativeFont(), TRUE);
    Edit_LimitText(m_hWnd, m_pOwner->GetMaxChar());
    if (m_pOwner->IsPasswordMode()) Edit_SetPasswordChar(m_hWnd, m_pOwner->GetPasswordChar());
    ::SetWindowTextW(m_hWnd, m_pOwner->GetText().GetData());
    Edit_SetModify(m_hWnd, FALSE);
    ::SendMessageW(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    Edit_Enable(m_hWnd, m_pOwner->IsEnabled() == true);
    Edit_SetReadOnly(m_hWnd, m_pOwner->IsReadOnly() == true);
    const LONG styleValue = ::GetWindowLongW(m_hWnd, GWL_STYLE) | m_pOwner->GetWindowStyls();
    ::SetWindowLongW(m_hWnd, GWL_STYLE, styleValue);
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hWnd);
    m_bInit = true;
}

void CEditWnd::Detach() { m_pOwner = NULL; }

void CEditWnd::SetTextQuietly(const wchar_t* pstrText)
{
    m_bQuiet = true;
    ::SetWindowTextW(m_hWnd, pstrText);
    m_bQuiet = false;
}

const wchar_t* CEditWnd::GetWindowClassName() const { return L"EditWnd"; }

const wchar_t* CEditWnd::GetSuperClassName() const { return L"Edit"; }

void CEditWnd::OnFinalMessage(HWND)
{
    if (m_pOwner != NULL) {
        m_pOwner->Invalidate();
        m_pOwner->m_pWindow = NULL;
    }
    delete this;
}

LRESULT CEditWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner == NULL) return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_KILLFOCUS: {
        LRESULT lRes = ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
        PostMessage(WM_CLOSE);
        return lRes;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            m_pOwner->GetManager()->SendNotify(m_pOwner, L"return");
            return 0;
        }
        break;
    case kReflectedCommand:
        if (HIWORD(wParam) == EN_CHANGE) {
            if (m_bInit && !m_bQuiet) {
                m_pOwner->m_sText = WindowText(m_hWnd);
                m_pOwner->GetManager()->SendNotify(m_pOwner, L"textchanged");
            }
            return 0;
        }
        if (HIWORD(wParam) == EN_UPDATE) {
            ::InvalidateRect(m_hWnd, NULL, FALSE);
            return 0;
        }
        return 0;
    case kReflectedColorEdit:
    case kReflectedColorStatic: {
        const DWORD color = m_pOwner->GetNativeEditBkColor();
        if (color == 0xFFFFFFFF) return 0;
        HDC hDC = reinterpret_cast<HDC>(wParam);
        ::SetBkMode(hDC, TRANSPARENT);
        ::SetTextColor(hDC, ToColorRef(m_pOwner->GetTextColor()));
        if (m_hBkBrush == NULL) m_hBkBrush.Reset(::CreateSolidBrush(ToColorRef(color)));
        return reinterpret_cast<LRESULT>(m_hBkBrush.Get());
    }
    default: break;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

} // namespace SkinUI
