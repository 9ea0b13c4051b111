// CScrollBarUI: layout of the parts, mouse handling with auto-repeat and thumb
// dragging, attributes and painting by state.
#include "scroll_bar.h"

#include <climits>
#include <cwchar>

#include "attribute_values.h"
#include "container_ui.h"
#include "render_engine.h"

namespace SkinUI {

namespace {

const DWORD kOutlineColor = 0x0085E4FF;

int ClampToInt(long long value)
{
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

CScrollBarUI::CScrollBarUI()
    : m_bHorizontal(false),
      m_nRange(100),
      m_nScrollPos(0),
      m_nLineSize(8),
      m_pOwner(NULL),
      m_nLastScrollPos(0),
      m_nLastScrollOffset(0),
      m_nScrollRepeatDelay(0),
      m_bShowButton1(true),
      m_uButton1State(0),
      m_bShowButton2(true),
      m_uButton2State(0),
      m_uThumbState(0)
{
    m_cxyFixed.cx = 16;
    ptLastMouse.x = ptLastMouse.y = 0;
    ::ZeroMemory(&m_rcThumb, sizeof(m_rcThumb));
    ::ZeroMemory(&m_rcButton1, sizeof(m_rcButton1));
    ::ZeroMemory(&m_rcButton2, sizeof(m_rcButton2));
}

const wchar_t* CScrollBarUI::GetClass() const { return L"ScrollBarUI"; }

LPVOID CScrollBarUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ScrollBar") == 0) return this;
    return CControlUI::GetInterface(pstrName);
}

CContainerUI* CScrollBarUI::GetOwner() const { return m_pOwner; }
void CScrollBarUI::SetOwner(CContainerUI* pOwner) { m_pOwner = pOwner; }

void CScrollBarUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible) return;
    m_bVisible = bVisible;
    if (m_bFocused) m_bFocused = false;
}

void CScrollBarUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) {
        m_uButton1State = 0;
        m_uButton2State = 0;
        m_uThumbState = 0;
    }
}

void CScrollBarUI::SetFocus()
{
    if (m_pOwner != NULL) m_pOwner->SetFocus();
    else CControlUI::SetFocus();
}

bool CScrollBarUI::IsHorizontal() { return m_bHorizontal; }

void CScrollBarUI::SetHorizontal(bool bHorizontal)
{
    if (m_bHorizontal == bHorizontal) return;
    m_bHorizontal = bHorizontal;
    if (m_bHorizontal) {
        if (m_cxyFixed.cy == 0) {
            m_cxyFixed.cx = 0;
            m_cxyFixed.cy = 16;
        }
    } else {
        if (m_cxyFixed.cx == 0) {
            m_cxyFixed.cx = 16;
            m_cxyFixed.cy = 0;
        }
    }
    if (m_pOwner != NULL) {
        if (m_pOwner->IsVisible()) m_pOwner->NeedUpdate();
    } else {
        NeedParentUpdate();
    }
}

int CScrollBarUI::GetScrollRange() const { return m_nRange; }

void CScrollBarUI::SetScrollRange(int nRange)
{
    if (m_nRange == nRange) return;
    m_nRange = nRange < 0 ? 0 : nRange;
    if (m_nScrollPos > m_nRange) m_nScrollPos = m_nRange;
    SetPos(m_rcItem);
}

int CScrollBarUI::GetScrollPos() const { return m_nScrollPos; }

void CScrollBarUI::SetScrollPos(int nPos)
{
    if (nPos < 0) nPos = 0;
    if (nPos > m_nRange) nPos = m_nRange;
    if (m_nScrollPos == nPos) return;
    m_nScrollPos = nPos;
    SetPos(m_rcItem);
}

int CScrollBarUI::GetLineSize() const { return m_nLineSize; }
void CScrollBarUI::SetLineSize(int nSize) { m_nLineSize = nSize; }

bool CScrollBarUI::GetShowButton1() { return m_bShowButton1; }

void CScrollBarUI::SetShowButton1(bool bShow)
{
    m_bShowButton1 = bShow;
    SetPos(m_rcItem);
}

bool CScrollBarUI::GetShowButton2() { return m_bShowButton2; }

void CScrollBarUI::SetShowButton2(bool bShow)
{
    m_bShowButton2 = bShow;
    SetPos(m_rcItem);
}

#define SKINUI_SCROLLBAR_IMAGE(Name, member)                                                                           \
    const wchar_t* CScrollBarUI::Get##Name() { return member; }                                                        \
    void CScrollBarUI::Set##Name(const wchar_t* pStrImage)                                                             \
    {                                                                                                                  \
        member = pStrImage;                                                                                            \
        Invalidate();                                                                                                  \
    }

SKINUI_SCROLLBAR_IMAGE(Button1NormalImage, m_sButton1NormalImage)
SKINUI_SCROLLBAR_IMAGE(Button1HotImage, m_sButton1HotImage)
SKINUI_SCROLLBAR_IMAGE(Button1PushedImage, m_sButton1PushedImage)
SKINUI_SCROLLBAR_IMAGE(Button1DisabledImage, m_sButton1DisabledImage)
SKINUI_SCROLLBAR_IMAGE(Button2NormalImage, m_sButton2NormalImage)
SKINUI_SCROLLBAR_IMAGE(Button2HotImage, m_sButton2HotImage)
SKINUI_SCROLLBAR_IMAGE(Button2PushedImage, m_sButton2PushedImage)
SKINUI_SCROLLBAR_IMAGE(Button2DisabledImage, m_sButton2DisabledImage)
SKINUI_SCROLLBAR_IMAGE(ThumbNormalImage, m_sThumbNormalImage)
SKINUI_SCROLLBAR_IMAGE(ThumbHotImage, m_sThumbHotImage)
SKINUI_SCROLLBAR_IMAGE(ThumbPushedImage, m_sThumbPushedImage)
SKINUI_SCROLLBAR_IMAGE(ThumbDisabledImage, m_sThumbDisabledImage)
SKINUI_SCROLLBAR_IMAGE(RailNormalImage, m_sRailNormalImage)
SKINUI_SCROLLBAR_IMAGE(RailHotImage, m_sRailHotImage)
SKINUI_SCROLLBAR_IMAGE(RailPushedImage, m_sRailPushedImage)
SKINUI_SCROLLBAR_IMAGE(RailDisabledImage, m_sRailDisabledImage)
SKINUI_SCROLLBAR_IMAGE(BkNormalImage, m_sBkNormalImage)
SKINUI_SCROLLBAR_IMAGE(BkHotImage, m_sBkHotImage)
SKINUI_SCROLLBAR_IMAGE(BkPushedImage, m_sBkPushedImage)
SKINUI_SCROLLBAR_IMAGE(BkDisabledImage, m_sBkDisabledImage)

#undef SKINUI_SCROLLBAR_IMAGE

int CScrollBarUI::Thickness() const { return m_bHorizontal ? m_cxyFixed.cy : m_cxyFixed.cx; }

// ---- layout -------------------------------------------------------------------------------

void CScrollBarUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    rc = m_rcItem;
    const int t = Thickness();
    // Along the bar: start, end and length; across it: the thickness.
    const int start = m_bHorizontal ? rc.left : rc.top;
    const int end = m_bHorizontal ? rc.right : rc.bottom;
    const int across = m_bHorizontal ? rc.top : rc.left;
    const int w = end - start;
    int available = w;
    if (m_bShowButton1) available -= t;
    if (m_bShowButton2) available -= t;

    int b1Start = start, b1End = start, b2Start = end, b2End = end;
    int thumbStart = 0, thumbEnd = 0;
    bool thumb = false;
    if (available > t) {
        if (m_bShowButton1) b1End = start + t;
        if (m_bShowButton2) b2Start = end - t;
        thumb = true;
        if (m_nRange > 0) {
            long long length = static_cast<long long>(w) * available / (static_cast<long long>(w) + m_nRange);
            if (length < t) length = t;
            thumbStart = b1End + ClampToInt((available - length) * m_nScrollPos / m_nRange);
            thumbEnd = thumbStart + static_cast<int>(length);
            if (thumbEnd > b2Start) {
                thumbStart = b2Start - static_cast<int>(length);
                thumbEnd = b2Start;
            }
        } else {
            thumbStart = b1End;
            thumbEnd = b2Start;
        }
    } else {
        int size = w / 2 < t ? w / 2 : t;
        if (m_bShowButton1) b1End = start + size;
        if (m_bShowButton2) b2Start = end - size;
    }

    int acrossEnd1 = m_bShowButton1 ? across + t : across;
    int acrossEnd2 = m_bShowButton2 ? across + t : across;
    if (m_bHorizontal) {
        ::SetRect(&m_rcButton1, b1Start, across, b1End, acrossEnd1);
        ::SetRect(&m_rcButton2, b2Start, across, b2End, acrossEnd2);
        if (thumb) ::SetRect(&m_rcThumb, thumbStart, across, thumbEnd, across + t);
        else ::SetRectEmpty(&m_rcThumb);
    } else {
        ::SetRect(&m_rcButton1, across, b1Start, acrossEnd1, b1End);
        ::SetRect(&m_rcButton2, across, b2Start, acrossEnd2, b2End);
        if (thumb) ::SetRect(&m_rcThumb, across, thumbStart, across + t, thumbEnd);
        else ::SetRectEmpty(&m_rcThumb);
    }
}

// ---- events -------------------------------------------------------------------------------

void CScrollBarUI::StepButton1()
{
    if (m_pOwner != NULL) {
        if (m_bHorizontal) m_pOwner->LineLeft();
        else m_pOwner->LineUp();
    } else {
        SetScrollPos(ClampToInt(static_cast<long long>(m_nScrollPos) - m_nLineSize));
    }
}

void CScrollBarUI::StepButton2()
{
    if (m_pOwner != NULL) {
        if (m_bHorizontal) m_pOwner->LineRight();
        else m_pOwner->LineDown();
    } else {
        SetScrollPos(ClampToInt(static_cast<long long>(m_nScrollPos) + m_nLineSize));
    }
}

void CScrollBarUI::StepRail(POINT pt)
{
    const int along = m_bHorizontal ? pt.x : pt.y;
    const int thumbStart = m_bHorizontal ? m_rcThumb.left : m_rcThumb.top;
    const int thumbEnd = m_bHorizontal ? m_rcThumb.right : m_rcThumb.bottom;
    const int length = m_bHorizontal ? m_rcItem.right - m_rcItem.left : m_rcItem.bottom - m_rcItem.top;
    if (along < thumbStart) {
        if (m_pOwner != NULL) {
            if (m_bHorizontal) m_pOwner->PageLeft();
            else m_pOwner->PageUp();
        } else {
            SetScrollPos(ClampToInt(static_cast<long long>(m_nScrollPos) - length));
        }
    } else if (along >= thumbEnd) {
        if (m_pOwner != NULL) {
            if (m_bHorizontal) m_pOwner->PageRight();
            else m_pOwner->PageDown();
        } else {
            SetScrollPos(ClampToInt(static_cast<long long>(m_nScrollPos) + length));
        }
    }
}

void CScrollBarUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CControlUI>(event, m_pOwner)) return;
    if (event.type == UIEV_SET_FOCUS || event.type == UIEV_KILL_FOCUS || event.type == UIEV_CONTEXT_MENU) return;

    if (event.type == UIEV_BUTTON_DOWN || event.type == UIEV_DOUBLE_CLICK) {
        if (!IsEnabled()) return;
        m_nLastScrollOffset = 0;
        m_nScrollRepeatDelay = 0;
        if (m_pManager != NULL) m_pManager->SetTimer(this, REPEAT_TIMER_ID, REPEAT_ELAPSE);
        if (::PtInRect(&m_rcButton1, event.point)) {
            m_uButton1State |= UISTATE_PUSHED;
            StepButton1();
        } else if (::PtInRect(&m_rcButton2, event.point)) {
            m_uButton2State |= UISTATE_PUSHED;
            StepButton2();
        } else if (::PtInRect(&m_rcThumb, event.point)) {
            m_uThumbState |= UISTATE_CAPTURED | UISTATE_PUSHED;
            ptLastMouse = event.point;
            m_nLastScrollPos = m_nScrollPos;
        } else {
            StepRail(event.point);
        }
        if (m_pOwner == NULL && m_pManager != NULL) m_pManager->SendNotify(this, L"scroll");
        return;
    }
    if (event.type == UIEV_BUTTON_UP) {
        m_nScrollRepeatDelay = 0;
        m_nLastScrollOffset = 0;
        if (m_pManager != NULL) m_pManager->KillTimer(this, REPEAT_TIMER_ID);
        if ((m_uThumbState & UISTATE_CAPTURED) != 0) {
            m_uThumbState &= ~(UISTATE_CAPTURED | UISTATE_PUSHED);
        } else if ((m_uButton1State & UISTATE_PUSHED) != 0) {
            m_uButton1State &= ~UISTATE_PUSHED;
        } else if ((m_uButton2State & UISTATE_PUSHED) != 0) {
            m_uButton2State &= ~UISTATE_PUSHED;
        }
        Invalidate();
        return;
    }
    if (event.type == UIEV_MOUSE_MOVE) {
        if ((m_uThumbState & UISTATE_CAPTURED) != 0) {
            // The thumb travels over the bar less the buttons shown and itself.
            int length = m_bHorizontal ? m_rcItem.right - m_rcItem.left : m_rcItem.bottom - m_rcItem.top;
            int thumb = m_bHorizontal ? m_rcThumb.right - m_rcThumb.left : m_rcThumb.bottom - m_rcThumb.top;
            int track = length - thumb;
            if (m_bShowButton1) track -= Thickness();
            if (m_bShowButton2) track -= Thickness();
            if (track <= 0) return;
            long long delta = m_bHorizontal ? event.point.x - ptLastMouse.x : event.point.y - ptLastMouse.y;
            m_nLastScrollOffset = ClampToInt(delta * m_nRange / track);
            return;
        }
        UINT old = m_uThumbState;
        if (IsEnabled() && ::PtInRect(&m_rcThumb, event.point)) m_uThumbState |= UISTATE_HOT;
        else m_uThumbState &= ~UISTATE_HOT;
        if (old != m_uThumbState) Invalidate();
        return;
    }
    if (event.type == UIEV_TIMER && event.wParam == REPEAT_TIMER_ID) {
        ++m_nScrollRepeatDelay;
        if ((m_uThumbState & UISTATE_CAPTURED) != 0) {
            int nPos = ClampToInt(static_cast<long long>(m_nLastScrollPos) + m_nLastScrollOffset);
            if (m_pOwner != NULL) {
                SIZE sz = m_pOwner->GetScrollPos();
                if (m_bHorizontal) sz.cx = nPos;
                else sz.cy = nPos;
                m_pOwner->SetScrollPos(sz);
            } else {
                SetScrollPos(nPos);
            }
            Invalidate();
        } else {
            if (m_nScrollRepeatDelay < REPEAT_DELAY_TICKS) return;
            if ((m_uButton1State & UISTATE_PUSHED) != 0) {
                StepButton1();
            } else if ((m_uButton2State & UISTATE_PUSHED) != 0) {
                StepButton2();
            } else {
                POINT pt = {0, 0};
                ::GetCursorPos(&pt);
                if (m_pManager != NULL && m_pManager->GetPaintWindow() != NULL)
                    ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
                StepRail(pt);
            }
        }
        if (m_pOwner == NULL && m_pManager != NULL) m_pManager->SendNotify(this, L"scroll");
        return;
    }
    if (event.type == UIEV_MOUSE_ENTER) {
        if (IsEnabled()) {
            m_uButton1State |= UISTATE_HOT;
            m_uButton2State |= UISTATE_HOT;
            if (::PtInRect(&m_rcThumb, event.point)) m_uThumbState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_MOUSE_LEAVE) {
        if (IsEnabled()) {
            m_uButton1State &= ~UISTATE_HOT;
            m_uButton2State &= ~UISTATE_HOT;
            m_uThumbState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    }
    if (m_pOwner != NULL) m_pOwner->DoEvent(event);
    else CControlUI::DoEvent(event);
}

// ---- attributes ------------------------------------------------------------------------------

void CScrollBarUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    struct ImageAttribute
    {
        const wchar_t* name;
        CUIString CScrollBarUI::*member;
    };
    static const ImageAttribute kImages[] = {
        {L"button1normalimage", &CScrollBarUI::m_sButton1NormalImage},
        {L"button1hotimage", &CScrollBarUI::m_sButton1HotImage},
        {L"button1pushedimage", &CScrollBarUI::m_sButton1PushedImage},
        {L"button1disabledimage", &CScrollBarUI::m_sButton1DisabledImage},
        {L"button2normalimage", &CScrollBarUI::m_sButton2NormalImage},
        {L"button2hotimage", &CScrollBarUI::m_sButton2HotImage},
        {L"button2pushedimage", &CScrollBarUI::m_sButton2PushedImage},
        {L"button2disabledimage", &CScrollBarUI::m_sButton2DisabledImage},
        {L"thumbnormalimage", &CScrollBarUI::m_sThumbNormalImage},
        {L"thumbhotimage", &CScrollBarUI::m_sThumbHotImage},
        {L"thumbpushedimage", &CScrollBarUI::m_sThumbPushedImage},
        {L"thumbdisabledimage", &CScrollBarUI::m_sThumbDisabledImage},
        {L"railnormalimage", &CScrollBarUI::m_sRailNormalImage},
        {L"railhotimage", &CScrollBarUI::m_sRailHotImage},
        {L"railpushedimage", &CScrollBarUI::m_sRailPushedImage},
        {L"raildisabledimage", &CScrollBarUI::m_sRailDisabledImage},
        {L"bknormalimage", &CScrollBarUI::m_sBkNormalImage},
        {L"bkhotimage", &CScrollBarUI::m_sBkHotImage},
        {L"bkpushedimage", &CScrollBarUI::m_sBkPushedImage},
        {L"bkdisabledimage", &CScrollBarUI::m_sBkDisabledImage},
    };
    for (const ImageAttribute& image : kImages) {
        if (wcscmp(pstrName, image.name) == 0) {
            this->*(image.member) = pstrValue;
            Invalidate();
            return;
        }
    }
    if (wcscmp(pstrName, L"hor") == 0) SetHorizontal(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"linesize") == 0) SetLineSize(ParseInt(pstrValue));
    else if (wcscmp(pstrName, L"range") == 0) SetScrollRange(ParseInt(pstrValue));
    else if (wcscmp(pstrName, L"value") == 0) SetScrollPos(ParseInt(pstrValue));
    else if (wcscmp(pstrName, L"showbutton1") == 0) SetShowButton1(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"showbutton2") == 0) SetShowButton2(ParseBool(pstrValue));
    else CControlUI::SetAttribute(pstrName, pstrValue);
}

// ---- painting ----------------------------------------------------------------------------------

void CScrollBarUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    PaintBk(hDC);
    if (m_bShowButton1) PaintButton1(hDC);
    if (m_bShowButton2) PaintButton2(hDC);
    if (m_rcThumb.left != 0 || m_rcThumb.top != 0 || m_rcThumb.right != 0 || m_rcThumb.bottom != 0) {
        PaintThumb(hDC);
        PaintRail(hDC);
    }
}

bool CScrollBarUI::DrawStateImage(HDC hDC, UINT uState, CUIString& normal, CUIString& hot, CUIString& pushed,
                                  CUIString& disabled, const wchar_t* modify)
{
    CUIString* chosen = NULL;
    if ((uState & UISTATE_DISABLED) != 0) chosen = &disabled;
    else if ((uState & UISTATE_PUSHED) != 0) chosen = &pushed;
    else if ((uState & UISTATE_HOT) != 0) chosen = &hot;
    if (chosen != NULL && !chosen->IsEmpty()) {
        if (DrawImage(hDC, *chosen, modify)) return true;
        chosen->Empty();
    }
    if (normal.IsEmpty()) return false;
    if (DrawImage(hDC, normal, modify)) return true;
    normal.Empty();
    return false;
}

namespace {

CUIString DestModifier(const RECT& part, const RECT& item)
{
    CUIString modify;
    modify.SmallFormat(L"dest='%d,%d,%d,%d'", part.left - item.left, part.top - item.top, part.right - item.left,
                       part.bottom - item.top);
    return modify;
}

}  // namespace

void CScrollBarUI::PaintBk(HDC hDC)
{
    UINT uState = m_uThumbState;
    if (!IsEnabled()) uState |= UISTATE_DISABLED;
    DrawStateImage(hDC, uState, m_sBkNormalImage, m_sBkHotImage, m_sBkPushedImage, m_sBkDisabledImage, NULL);
}

void CScrollBarUI::PaintPart(HDC hDC, UINT uState, const RECT& rcPart, CUIString& normal, CUIString& hot,
                             CUIString& pushed, CUIString& disabled, bool outline)
{
    if (!IsEnabled()) uState |= UISTATE_DISABLED;
    m_sImageModify = DestModifier(rcPart, m_rcItem);
    if (!DrawStateImage(hDC, uState, normal, hot, pushed, disabled, m_sImageModify) && outline)
        CRenderEngine::DrawRect(hDC, rcPart, 2, kOutlineColor);
}

void CScrollBarUI::PaintButton1(HDC hDC)
{
    PaintPart(hDC, m_uButton1State, m_rcButton1, m_sButton1NormalImage, m_sButton1HotImage, m_sButton1PushedImage,
              m_sButton1DisabledImage, true);
}

void CScrollBarUI::PaintButton2(HDC hDC)
{
    PaintPart(hDC, m_uButton2State, m_rcButton2, m_sButton2NormalImage, m_sButton2HotImage, m_sButton2PushedImage,
              m_sButton2DisabledImage, true);
}

void CScrollBarUI::PaintThumb(HDC hDC)
{
    PaintPart(hDC, m_uThumbState, m_rcThumb, m_sThumbNormalImage, m_sThumbHotImage, m_sThumbPushedImage,
              m_sThumbDisabledImage, true);
}

void CScrollBarUI::PaintRail(HDC hDC)
{
    // A square of the bar's thickness at the middle of the thumb.
    const int t = Thickness();
    RECT rcRail;
    if (m_bHorizontal) {
        int centre = (m_rcThumb.left + m_rcThumb.right) / 2;
        ::SetRect(&rcRail, centre - t / 2, m_rcThumb.top, centre - t / 2 + t, m_rcThumb.bottom);
    } else {
        int centre = (m_rcThumb.top + m_rcThumb.bottom) / 2;
        ::SetRect(&rcRail, m_rcThumb.left, centre - t / 2, m_rcThumb.right, centre - t / 2 + t);
    }
    PaintPart(hDC, m_uThumbState, rcRail, m_sRailNormalImage, m_sRailHotImage, m_sRailPushedImage, m_sRailDisabledImage,
              false);
}

}  // namespace SkinUI
