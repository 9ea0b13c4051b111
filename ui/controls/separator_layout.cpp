// The separator of the vertical and horizontal layouts: hit strip, dragging with
// min/max limits, the delayed-mode preview and the resize cursor.
#include "separator_layout.h"

#include <cwchar>

#include "core/attribute_values.h"
#include "core/render_engine.h"

namespace SkinUI {

namespace {

const DWORD kPreviewColor = 0xAA000000;
const int kCursorSizeWE = 32644;
const int kCursorSizeNS = 32645;

RECT UnionOf(const RECT& a, const RECT& b)
{
    RECT rc = {};
    ::UnionRect(&rc, &a, &b);
    return rc;
}

} // namespace

CSeparatorLayoutUI::CSeparatorLayoutUI(bool bVertical)
    : m_iSepSize(0),
      m_bVertical(bVertical),
      m_uButtonState(0),
      m_bImmMode(false)
{
    m_ptLastMouse.x = m_ptLastMouse.y = 0;
    ::ZeroMemory(&m_rcNewPos, sizeof(m_rcNewPos));
}

UINT CSeparatorLayoutUI::GetControlFlags() const { return (IsEnabled() && m_iSepSize != 0) ? CTRLFLAG_SETCURSOR : 0; }

bool CSeparatorLayoutUI::IsSepImmMode() const { return m_bImmMode; }

void CSeparatorLayoutUI::SetSepImmMode(bool bImmediately)
{
    if (m_bImmMode == bImmediately) return;
    // A delayed drag in progress stops drawing its preview.
    if (IsCaptured() && !m_bImmMode && m_pManager != NULL) m_pManager->RemovePostPaint(this);
    m_bImmMode = bImmediately;
}

RECT CSeparatorLayoutUI::GetThumbRect(bool bUseNew) const
{
    const RECT& rc = (bUseNew && IsCaptured()) ? m_rcNewPos : m_rcItem;
    RECT rcThumb = rc;
    if (m_bVertical) {
        if (m_iSepSize >= 0) rcThumb.top = (rc.bottom - m_iSepSize > rc.top) ? rc.bottom - m_iSepSize : rc.top;
        else rcThumb.bottom = (rc.top - m_iSepSize < rc.bottom) ? rc.top - m_iSepSize : rc.bottom;
    } else {
        if (m_iSepSize >= 0) rcThumb.left = rc.right - m_iSepSize;
        else rcThumb.right = rc.left - m_iSepSize;
    }
    return rcThumb;
}

void CSeparatorLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"sepimm") == 0) SetSepImmMode(ParseBool(pstrValue));
    else CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CSeparatorLayoutUI::DoEvent(TEventUI& event)
{
    if (m_iSepSize == 0) {
        CContainerUI::DoEvent(event);
        return;
    }
    if (event.type == UIEV_BUTTON_DOWN && IsEnabled()) {
        RECT rcSeparator = GetThumbRect(false);
        if (::PtInRect(&rcSeparator, event.point)) {
            m_uButtonState |= UISTATE_CAPTURED;
            m_ptLastMouse = event.point;
            m_rcNewPos = m_rcItem;
            if (!m_bImmMode && m_pManager != NULL) {
                // A second press without a release must not register twice.
                m_pManager->RemovePostPaint(this);
                m_pManager->AddPostPaint(this);
            }
            return;
        }
    }
    if (event.type == UIEV_BUTTON_UP && IsCaptured()) {
        m_uButtonState &= ~UISTATE_CAPTURED;
        m_rcItem = m_rcNewPos;
        if (!m_bImmMode && m_pManager != NULL) m_pManager->RemovePostPaint(this);
        NeedParentUpdate();
        return;
    }
    if (event.type == UIEV_MOUSE_MOVE && IsCaptured()) {
        DragTo(event.point);
        return;
    }
    if (event.type == UIEV_SET_CURSOR && IsEnabled()) {
        RECT rcSeparator = GetThumbRect(false);
        if (::PtInRect(&rcSeparator, event.point)) {
            ::SetCursor(::LoadCursorW(NULL, MAKEINTRESOURCEW(m_bVertical ? kCursorSizeNS : kCursorSizeWE)));
            return;
        }
    }
    CContainerUI::DoEvent(event);
}

// One move of a drag. The separator follows the pointer only while the pointer
// is on the strip or beyond it in the direction of the move, so that the strip
// stays under the pointer; a move beyond the limits stops at the limit.
void CSeparatorLayoutUI::DragTo(POINT pt)
{
    const int at = m_bVertical ? pt.y : pt.x;
    const int delta = at - (m_bVertical ? m_ptLastMouse.y : m_ptLastMouse.x);
    m_ptLastMouse = pt;

    RECT rc = m_rcNewPos;
    LONG& nearEdge = m_bVertical ? rc.top : rc.left;
    LONG& farEdge = m_bVertical ? rc.bottom : rc.right;
    const int oldSize = farEdge - nearEdge;
    if (m_iSepSize > 0) {
        // Strip [far - size, far]: growing needs the pointer past its inner
        // side, shrinking needs it before its outer side.
        if (delta > 0 && at < farEdge - m_iSepSize) return;
        if (delta < 0 && at > farEdge) return;
        farEdge += delta;
    } else {
        // Strip [near, near + |size|].
        if (delta > 0 && at < nearEdge) return;
        if (delta < 0 && at > nearEdge - m_iSepSize) return;
        nearEdge += delta;
    }

    const int minSize = m_bVertical ? GetMinHeight() : GetMinWidth();
    const int maxSize = m_bVertical ? GetMaxHeight() : GetMaxWidth();
    int size = farEdge - nearEdge;
    if (size <= minSize) {
        if (oldSize <= minSize) return;
        size = minSize;
    } else if (size >= maxSize) {
        if (oldSize >= maxSize) return;
        size = maxSize;
    }
    // The dragged edge moves; the other one stays.
    if (m_iSepSize > 0) farEdge = nearEdge + size;
    else nearEdge = farEdge - size;

    RECT rcInvalidate = GetThumbRect(true);
    m_rcNewPos = rc;
    // The fixed size is stored without asking for a relayout: in delayed mode
    // the layout keeps its size until the button goes up.
    if (m_bVertical) m_cxyFixed.cy = size;
    else m_cxyFixed.cx = size;

    if (m_bImmMode) {
        m_rcItem = m_rcNewPos;
        NeedParentUpdate();
        return;
    }
    rcInvalidate = UnionOf(rcInvalidate, GetThumbRect(true));
    rcInvalidate = UnionOf(rcInvalidate, GetThumbRect(false));
    if (m_pManager != NULL && m_pManager->GetPaintWindow() != NULL)
        ::InvalidateRect(m_pManager->GetPaintWindow(), &rcInvalidate, FALSE);
}

void CSeparatorLayoutUI::DoPostPaint(HDC hDC, const RECT& rcPaint)
{
    (void)rcPaint;
    if (IsCaptured() && !m_bImmMode) CRenderEngine::DrawColor(hDC, GetThumbRect(true), kPreviewColor);
}

} // namespace SkinUI
