// The slider: thumb placement, the value under the pointer, dragging, clicking,
// the wheel and the thumb images by state.
#include "slider.h"

#include <cwchar>

#include "core/attribute_values.h"

namespace SkinUI {

namespace {

const int kCursorHand = 32649;

} // namespace

CSliderUI::CSliderUI() : m_uButtonState(0), m_nStep(1)
{
    m_uTextStyle = DT_SINGLELINE | DT_CENTER;
    m_szThumb.cx = m_szThumb.cy = 10;
}

const wchar_t* CSliderUI::GetClass() const { return L"SliderUI"; }

LPVOID CSliderUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Slider") == 0) return static_cast<CSliderUI*>(this);
    return CProgressUI::GetInterface(pstrName);
}

UINT CSliderUI::GetControlFlags() const { return IsEnabled() ? CTRLFLAG_SETCURSOR : 0; }

void CSliderUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

int CSliderUI::GetChangeStep() { return m_nStep; }
void CSliderUI::SetChangeStep(int step) { m_nStep = step; }
void CSliderUI::SetThumbSize(SIZE szXY) { m_szThumb = szXY; }

const wchar_t* CSliderUI::GetThumbImage() const { return m_sThumbImage.GetData(); }

void CSliderUI::SetThumbImage(const wchar_t* pStrImage)
{
    m_sThumbImage = pStrImage;
    Invalidate();
}

const wchar_t* CSliderUI::GetThumbHotImage() const { return m_sThumbHotImage.GetData(); }

void CSliderUI::SetThumbHotImage(const wchar_t* pStrImage)
{
    m_sThumbHotImage = pStrImage;
    Invalidate();
}

const wchar_t* CSliderUI::GetThumbPushedImage() const { return m_sThumbPushedImage.GetData(); }

void CSliderUI::SetThumbPushedImage(const wchar_t* pStrImage)
{
    m_sThumbPushedImage = pStrImage;
    Invalidate();
}

void CSliderUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"thumbimage") == 0) SetThumbImage(pstrValue);
    else if (wcscmp(pstrName, L"thumbhotimage") == 0) SetThumbHotImage(pstrValue);
    else if (wcscmp(pstrName, L"thumbpushedimage") == 0) SetThumbPushedImage(pstrValue);
    else if (wcscmp(pstrName, L"thumbsize") == 0) SetThumbSize(ParseSize(pstrValue));
    else if (wcscmp(pstrName, L"step") == 0) SetChangeStep(ParseInt(pstrValue));
    else CProgressUI::SetAttribute(pstrName, pstrValue);
}

RECT CSliderUI::GetThumbRect() const
{
    // Measured like the painting: a range of no length counts as one (no
    // division by zero before the first paint has normalised it).
    const long long offset = static_cast<long long>(m_nValue) - m_nMin;
    RECT rc;
    if (m_bHorizontal) {
        const long long travel = (m_rcItem.right - m_rcItem.left) - m_szThumb.cx;
        rc.left = m_rcItem.left + static_cast<LONG>(travel * offset / RangeLength());
        rc.top = (m_rcItem.top + m_rcItem.bottom - m_szThumb.cy) / 2;
        rc.right = rc.left + m_szThumb.cx;
        rc.bottom = rc.top + m_szThumb.cy;
    } else {
        const long long travel = (m_rcItem.bottom - m_rcItem.top) - m_szThumb.cy;
        rc.left = (m_rcItem.left + m_rcItem.right - m_szThumb.cx) / 2;
        rc.bottom = m_rcItem.bottom - static_cast<LONG>(travel * offset / RangeLength());
        rc.top = rc.bottom - m_szThumb.cy;
        rc.right = rc.left + m_szThumb.cx;
    }
    return rc;
}

int CSliderUI::ValueAt(POINT pt) const
{
    const long long range = static_cast<long long>(m_nMax) - m_nMin;
    if (m_bHorizontal) {
        const int half = m_szThumb.cx / 2;
        if (pt.x >= m_rcItem.right - half) return m_nMax;
        if (pt.x <= m_rcItem.left + half) return m_nMin;
        // Only reached when the control is wider than the thumb.
        const long long travel = (m_rcItem.right - m_rcItem.left) - m_szThumb.cx;
        return static_cast<int>(m_nMin + (pt.x - half - m_rcItem.left) * range / travel);
    }
    const int half = m_szThumb.cy / 2;
    if (pt.y >= m_rcItem.bottom - half) return m_nMin;
    if (pt.y <= m_rcItem.top + half) return m_nMax;
    const long long travel = (m_rcItem.bottom - m_rcItem.top) - m_szThumb.cy;
    return static_cast<int>(m_nMin + range * (m_rcItem.bottom - half - pt.y) / travel);
}

void CSliderUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CLabelUI>(event, m_pParent)) return;
    switch (event.type) {
    case UIEV_BUTTON_DOWN:
    case UIEV_DOUBLE_CLICK:
        if (IsEnabled()) {
            RECT rcThumb = GetThumbRect();
            if (::PtInRect(&rcThumb, event.point)) m_uButtonState |= UISTATE_CAPTURED;
        }
        return;
    case UIEV_BUTTON_UP: {
        m_uButtonState &= ~UISTATE_CAPTURED;
        // A disabled slider is not moved by a click.
        if (!IsEnabled()) return;
        const int nValue = ValueAt(event.point);
        if (nValue != m_nValue && nValue >= m_nMin && nValue <= m_nMax) {
            m_nValue = nValue;
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"valuechanged");
            Invalidate();
        }
        return;
    }
    case UIEV_CONTEXT_MENU: return;
    case UIEV_SCROLL_WHEEL:
        if (event.wParam == SB_LINEUP || event.wParam == SB_LINEDOWN) {
            if (!IsEnabled()) return;
            // Summed wide: a step past the end of the int range is out of range too.
            const long long next = static_cast<long long>(m_nValue) + (event.wParam == SB_LINEUP ? m_nStep : -m_nStep);
            if (next >= m_nMin && next <= m_nMax) SetValue(static_cast<int>(next));
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"valuechanged");
            return;
        }
        break;
    case UIEV_MOUSE_MOVE:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            m_nValue = ValueAt(event.point);
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"valuechanged");
            Invalidate();
        }
        return;
    case UIEV_SET_CURSOR:
        if (IsEnabled()) {
            RECT rcThumb = GetThumbRect();
            if (::PtInRect(&rcThumb, event.point)) {
                ::SetCursor(::LoadCursorW(NULL, MAKEINTRESOURCEW(kCursorHand)));
                return;
            }
        }
        break;
    case UIEV_MOUSE_ENTER:
    case UIEV_MOUSE_LEAVE:
        if (IsEnabled()) {
            if (event.type == UIEV_MOUSE_ENTER) m_uButtonState |= UISTATE_HOT;
            else m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
            return;
        }
        break;
    default: break;
    }
    CControlUI::DoEvent(event);
}

bool CSliderUI::DrawThumb(HDC hDC, CUIString& sImage)
{
    if (sImage.IsEmpty()) return false;
    if (DrawImage(hDC, sImage, m_sImageModify)) return true;
    sImage.Empty();
    return false;
}

void CSliderUI::PaintStatusImage(HDC hDC)
{
    CProgressUI::PaintStatusImage(hDC);
    RECT rcThumb = GetThumbRect();
    ::OffsetRect(&rcThumb, -m_rcItem.left, -m_rcItem.top);
    m_sImageModify.Format(L"dest='%d,%d,%d,%d'", static_cast<int>(rcThumb.left), static_cast<int>(rcThumb.top),
                          static_cast<int>(rcThumb.right), static_cast<int>(rcThumb.bottom));
    if ((m_uButtonState & UISTATE_CAPTURED) != 0 && DrawThumb(hDC, m_sThumbPushedImage)) return;
    if ((m_uButtonState & UISTATE_HOT) != 0 && DrawThumb(hDC, m_sThumbHotImage)) return;
    DrawThumb(hDC, m_sThumbImage);
}

} // namespace SkinUI
