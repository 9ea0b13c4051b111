// CPaintManagerUI paint cycle: WM_PAINT lays out what needs it, moves a pending focus,
// and paints the tree through an off-screen bitmap (over a captured copy of the window
// image for windows with a transparent background); WM_PRINTCLIENT paints the tree and
// the child windows into a given device context.
#include <utility>

#include "control_ui.h"
#include "gdi_scope.h"
#include "paint_manager.h"

namespace SkinUI {
namespace {

// Outlines the painted rectangle, for finding out what each paint covers.
void OutlineUpdateRect(HDC hDC, const RECT& rc)
{
    PenHandle pen(::CreatePen(PS_SOLID, 1, RGB(220, 0, 0)));
    SelectObjectScope selectPen(hDC, pen);
    SelectObjectScope selectBrush(hDC, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
}

}  // namespace

void CPaintManagerUI::OnPaintMessage()
{
    RECT rcUpdate = {};
    if (!::GetUpdateRect(m_hWndPaint, &rcUpdate, FALSE)) return;
    if (m_pRoot == NULL) {
        PAINTSTRUCT ps = {};
        ::BeginPaint(m_hWndPaint, &ps);
        ::EndPaint(m_hWndPaint, &ps);
        return;
    }

    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    // The layout pass drops the buffers when the root is laid out anew, so that they are
    // remade at the new size. The captured background is kept while the size stays: a
    // capture taken now would hold the tree's own previous image, and a control hidden
    // since would stay on screen as part of the "background".
    if (m_bUpdateNeeded) {
        CompatibleBuffer background = m_surface.TakeBackground();
        LayoutPass(rcClient);
        m_surface.KeepBackgroundIfSized(std::move(background), rcClient);
    }
    if (m_focusNavigator.IsPending()) {
        if (m_bUpdateNeeded) {
            Invalidate();
        } else {
            SetNextTabControl(true);
        }
    }

    const bool bOffscreen = m_bOffscreenPaint && m_surface.EnsureOffscreen(rcClient);
    PAINTSTRUCT ps = {};
    ::BeginPaint(m_hWndPaint, &ps);
    const RECT& rcPaint = ps.rcPaint;
    const int cxPaint = rcPaint.right - rcPaint.left;
    const int cyPaint = rcPaint.bottom - rcPaint.top;
    if (bOffscreen) {
        const HDC hDcOffscreen = m_surface.OffscreenDC();
        {
            SelectObjectScope selectBitmap(hDcOffscreen, m_surface.OffscreenBitmap());
            {
                SaveDCScope saved(hDcOffscreen);
                if (m_bAlphaBackground) m_surface.PaintBackground(ps.hdc, rcClient, rcPaint);
                m_pRoot->DoPaint(hDcOffscreen, rcPaint);
                CStdPtrArray postPaint(m_aPostPaintControls);
                for (int i = 0; i < postPaint.GetSize(); i++) {
                    CControlUI* pPostPaint = static_cast<CControlUI*>(postPaint[i]);
                    if (m_aPostPaintControls.Find(pPostPaint) >= 0) pPostPaint->DoPostPaint(hDcOffscreen, rcPaint);
                }
            }
            ::BitBlt(ps.hdc, rcPaint.left, rcPaint.top, cxPaint, cyPaint, hDcOffscreen, rcPaint.left, rcPaint.top,
                     SRCCOPY);
        }
        if (m_bShowUpdateRect) OutlineUpdateRect(ps.hdc, rcPaint);
    } else {
        SaveDCScope saved(ps.hdc);
        m_pRoot->DoPaint(ps.hdc, rcPaint);
    }
    ::EndPaint(m_hWndPaint, &ps);

    // Something asked for layout while painting: another cycle follows.
    if (m_bUpdateNeeded) Invalidate();
}

void CPaintManagerUI::OnPrintClientMessage(HDC hDC, LPARAM lParam)
{
    if (m_pRoot == NULL || hDC == NULL) return;
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    // A window that has not been painted yet (a hidden one) still waits for its layout;
    // printing it unplaced would print nothing useful.
    if (m_bUpdateNeeded) LayoutPass(rcClient);
    SaveDCScope saved(hDC);
    m_pRoot->DoPaint(hDC, rcClient);
    if ((lParam & PRF_CHILDREN) == 0) return;
    POINT ptOrigin = {};
    ::GetWindowOrgEx(hDC, &ptOrigin);
    for (HWND hWndChild = ::GetWindow(m_hWndPaint, GW_CHILD); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        RECT rcPos = {};
        ::GetWindowRect(hWndChild, &rcPos);
        ::MapWindowPoints(HWND_DESKTOP, m_hWndPaint, reinterpret_cast<LPPOINT>(&rcPos), 2);
        ::SetWindowOrgEx(hDC, ptOrigin.x - rcPos.left, ptOrigin.y - rcPos.top, NULL);
        ::SendMessageW(hWndChild, WM_PRINT, reinterpret_cast<WPARAM>(hDC), lParam | PRF_CLIENT);
    }
}

}  // namespace SkinUI
