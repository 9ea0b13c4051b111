// The list header and its items: size estimates, column dragging, state images
// and the heading text.
#include "list_header.h"

#include <cwchar>

#include "core/attribute_table.h"
#include "core/attribute_values.h"
#include "core/render_engine.h"

namespace SkinUI {

namespace {

int DefaultFontHeight(CPaintManagerUI* pManager)
{
    TFontInfo* pFont = pManager != NULL ? pManager->GetDefaultFontInfo() : NULL;
    return pFont != NULL ? pFont->tm.tmHeight : 0;
}

} // namespace

// ---- header --------------------------------------------------------------------------------

CListHeaderUI::CListHeaderUI() {}

const wchar_t* CListHeaderUI::GetClass() const { return L"ListHeaderUI"; }

LPVOID CListHeaderUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ListHeader") == 0) return this;
    return CHorizontalLayoutUI::GetInterface(pstrName);
}

SIZE CListHeaderUI::EstimateSize(SIZE szAvailable)
{
    SIZE cXY = {0, m_cxyFixed.cy};
    if (cXY.cy == 0 && m_pManager != NULL) {
        for (int it = 0; it < m_items.GetSize(); it++) {
            int cy = static_cast<CControlUI*>(m_items[it])->EstimateSize(szAvailable).cy;
            if (cy > cXY.cy) cXY.cy = cy;
        }
        int nMin = DefaultFontHeight(m_pManager) + 6;
        if (cXY.cy < nMin) cXY.cy = nMin;
    }
    for (int it = 0; it < m_items.GetSize(); it++)
        cXY.cx += static_cast<CControlUI*>(m_items[it])->EstimateSize(szAvailable).cx;
    return cXY;
}

// ---- header item ---------------------------------------------------------------------------

CListHeaderItemUI::CListHeaderItemUI()
    : ptLastMouse(),
      m_bDragable(true),
      m_uButtonState(0),
      m_iSepWidth(4),
      m_dwTextColor(0),
      m_iFont(-1),
      m_uTextStyle(DT_VCENTER | DT_CENTER | DT_SINGLELINE),
      m_bShowHtml(false),
      m_rcTextPadding{2, 0, 2, 0},
      m_iThumbHeight(-1),
      m_iTextTop(-1)
{
    SetMinWidth(16);
}

const wchar_t* CListHeaderItemUI::GetClass() const { return L"ListHeaderItemUI"; }

LPVOID CListHeaderItemUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ListHeaderItem") == 0) return this;
    return CContainerUI::GetInterface(pstrName);
}

UINT CListHeaderItemUI::GetControlFlags() const { return IsEnabled() && m_iSepWidth != 0 ? CTRLFLAG_SETCURSOR : 0; }

void CListHeaderItemUI::SetEnabled(bool bEnable)
{
    CContainerUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

bool CListHeaderItemUI::IsDragable() const { return m_bDragable; }

void CListHeaderItemUI::SetDragable(bool bDragable)
{
    m_bDragable = bDragable;
    if (!m_bDragable) m_uButtonState &= ~UISTATE_CAPTURED;
}

int CListHeaderItemUI::GetSepWidth() const { return m_iSepWidth; }
void CListHeaderItemUI::SetSepWidth(int iWidth) { m_iSepWidth = iWidth; }
UINT CListHeaderItemUI::GetTextStyle() const { return m_uTextStyle; }
void CListHeaderItemUI::SetTextStyle(UINT uStyle)
{
    m_uTextStyle = uStyle;
    Invalidate();
}
DWORD CListHeaderItemUI::GetTextColor() const { return m_dwTextColor; }
void CListHeaderItemUI::SetTextColor(DWORD dwTextColor)
{
    m_dwTextColor = dwTextColor;
    Invalidate();
}
void CListHeaderItemUI::SetTextPadding(RECT rc)
{
    m_rcTextPadding = rc;
    Invalidate();
}
RECT CListHeaderItemUI::GetTextPadding() const { return m_rcTextPadding; }
void CListHeaderItemUI::SetFont(int index) { m_iFont = index; }
bool CListHeaderItemUI::IsShowHtml() { return m_bShowHtml; }
void CListHeaderItemUI::SetShowHtml(bool bShowHtml)
{
    if (m_bShowHtml == bShowHtml) return;
    m_bShowHtml = bShowHtml;
    Invalidate();
}

namespace {

void StoreImage(CControlUI& control, CUIString& sImage, const wchar_t* pStrImage)
{
    if (pStrImage == NULL) sImage.Empty();
    else sImage = pStrImage;
    control.Invalidate();
}

} // namespace

const wchar_t* CListHeaderItemUI::GetNormalImage() const { return m_sNormalImage; }
void CListHeaderItemUI::SetNormalImage(const wchar_t* pStrImage) { StoreImage(*this, m_sNormalImage, pStrImage); }
const wchar_t* CListHeaderItemUI::GetHotImage() const { return m_sHotImage; }
void CListHeaderItemUI::SetHotImage(const wchar_t* pStrImage) { StoreImage(*this, m_sHotImage, pStrImage); }
const wchar_t* CListHeaderItemUI::GetPushedImage() const { return m_sPushedImage; }
void CListHeaderItemUI::SetPushedImage(const wchar_t* pStrImage) { StoreImage(*this, m_sPushedImage, pStrImage); }
const wchar_t* CListHeaderItemUI::GetFocusedImage() const { return m_sFocusedImage; }
void CListHeaderItemUI::SetFocusedImage(const wchar_t* pStrImage) { StoreImage(*this, m_sFocusedImage, pStrImage); }
const wchar_t* CListHeaderItemUI::GetSepImage() const { return m_sSepImage; }
void CListHeaderItemUI::SetSepImage(const wchar_t* pStrImage) { StoreImage(*this, m_sSepImage, pStrImage); }

void CListHeaderItemUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    typedef TAttributeRowUI<CListHeaderItemUI> Row;
    static const Row kAttributes[] = {
        {L"dragable", &Row::ParseAndSet<ParseBool, &CListHeaderItemUI::SetDragable>},
        {L"sepwidth", &Row::ParseAndSet<ParseInt, &CListHeaderItemUI::SetSepWidth>},
        {L"align", [](CListHeaderItemUI& item,
                      const wchar_t* value) { item.m_uTextStyle = AlignHorizontally(item.m_uTextStyle, value); }},
        {L"endellipsis",
         [](CListHeaderItemUI& item, const wchar_t* value) {
             if (ParseBool(value)) item.m_uTextStyle |= DT_END_ELLIPSIS;
             else item.m_uTextStyle &= ~DT_END_ELLIPSIS;
         }},
        {L"font", &Row::ParseAndSet<ParseInt, &CListHeaderItemUI::SetFont>},
        {L"textcolor", &Row::ParseAndSet<ParseColor, &CListHeaderItemUI::SetTextColor>},
        {L"textpadding", &Row::ParseAndSet<ParseRect, &CListHeaderItemUI::SetTextPadding>},
        {L"showhtml", &Row::ParseAndSet<ParseBool, &CListHeaderItemUI::SetShowHtml>},
        {L"normalimage", &Row::ParseAndSet<AttributeText, &CListHeaderItemUI::SetNormalImage>},
        {L"hotimage", &Row::ParseAndSet<AttributeText, &CListHeaderItemUI::SetHotImage>},
        {L"pushedimage", &Row::ParseAndSet<AttributeText, &CListHeaderItemUI::SetPushedImage>},
        {L"focusedimage", &Row::ParseAndSet<AttributeText, &CListHeaderItemUI::SetFocusedImage>},
        {L"sepimage", &Row::ParseAndSet<AttributeText, &CListHeaderItemUI::SetSepImage>},
    };
    if (!ApplyAttributeRow(kAttributes, *this, pstrName, pstrValue)) CContainerUI::SetAttribute(pstrName, pstrValue);
}

SIZE CListHeaderItemUI::EstimateSize(SIZE)
{
    if (m_cxyFixed.cy == 0) return SIZE{m_cxyFixed.cx, DefaultFontHeight(m_pManager) + 14};
    return m_cxyFixed;
}

RECT CListHeaderItemUI::GetThumbRect() const
{
    LONG top = m_rcItem.top;
    if (m_iThumbHeight >= 0 && m_rcItem.bottom - m_iThumbHeight > top) top = m_rcItem.bottom - m_iThumbHeight;
    if (m_iSepWidth >= 0) return RECT{m_rcItem.right - m_iSepWidth, top, m_rcItem.right, m_rcItem.bottom};
    return RECT{m_rcItem.left, top, m_rcItem.left - m_iSepWidth, m_rcItem.bottom};
}

int CListHeaderItemUI::GetThumbHeight() const { return m_iThumbHeight; }

void CListHeaderItemUI::SetThumbHeight(int iHeight)
{
    m_iThumbHeight = iHeight;
    Invalidate();
}

int CListHeaderItemUI::GetTextTop() const { return m_iTextTop; }

void CListHeaderItemUI::SetTextTop(int iTop)
{
    m_iTextTop = iTop;
    Invalidate();
}

RECT CListHeaderItemUI::GetHitRect() const
{
    // Without a separator there is nothing to grab.
    if (m_iSepWidth == 0) return RECT{0, 0, 0, 0};
    RECT rc = GetThumbRect();
    if (m_iSepWidth >= 0) rc.left -= 4;
    else rc.right += 4;
    return rc;
}

void CListHeaderItemUI::AskListLayout()
{
    // The header's parent is the list, which lays out the header and the rows.
    CControlUI* pHeader = GetParent();
    CControlUI* pList = pHeader != NULL ? pHeader->GetParent() : NULL;
    if (pList != NULL) pList->NeedUpdate();
    else NeedParentUpdate();
}

void CListHeaderItemUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CContainerUI>(event, m_pParent)) return;
    if (event.type == UIEV_SET_FOCUS || event.type == UIEV_KILL_FOCUS) {
        Invalidate();
    }
    if (event.type == UIEV_BUTTON_DOWN || event.type == UIEV_DOUBLE_CLICK) {
        if (!IsEnabled()) return;
        RECT rcSeparator = GetHitRect();
        if (::PtInRect(&rcSeparator, event.point)) {
            if (m_bDragable) {
                m_uButtonState |= UISTATE_CAPTURED;
                ptLastMouse = event.point;
            }
        } else {
            m_uButtonState |= UISTATE_PUSHED;
            if (m_pManager != NULL) m_pManager->SendNotify(this, L"headerclick");
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_BUTTON_UP) {
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            m_uButtonState &= ~UISTATE_CAPTURED;
            AskListLayout();
        } else if ((m_uButtonState & UISTATE_PUSHED) != 0) {
            m_uButtonState &= ~UISTATE_PUSHED;
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_MOUSE_MOVE) {
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            RECT rc = m_rcItem;
            if (m_iSepWidth >= 0) rc.right -= ptLastMouse.x - event.point.x;
            else rc.left -= ptLastMouse.x - event.point.x;
            if (rc.right - rc.left > GetMinWidth()) {
                m_cxyFixed.cx = rc.right - rc.left;
                ptLastMouse = event.point;
                AskListLayout();
            }
        }
        return;
    }
    if (event.type == UIEV_SET_CURSOR) {
        RECT rcSeparator = GetHitRect();
        if (IsEnabled() && m_bDragable && ::PtInRect(&rcSeparator, event.point)) {
            ::SetCursor(::LoadCursor(NULL, IDC_SIZEWE));
            return;
        }
    }
    if (event.type == UIEV_MOUSE_ENTER) {
        if (IsEnabled()) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    }
    if (event.type == UIEV_MOUSE_LEAVE) {
        if (IsEnabled()) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    }
    CContainerUI::DoEvent(event);
}

bool CListHeaderItemUI::DrawStateImage(HDC hDC, CUIString& sImage, const wchar_t* pStrModify)
{
    if (sImage.IsEmpty()) return false;
    if (DrawImage(hDC, sImage, pStrModify)) return true;
    sImage.Empty();
    return false;
}

void CListHeaderItemUI::PaintStatusImage(HDC hDC)
{
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;

    if ((m_uButtonState & UISTATE_PUSHED) != 0) {
        if (m_sPushedImage.IsEmpty()) DrawStateImage(hDC, m_sNormalImage);
        DrawStateImage(hDC, m_sPushedImage);
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        if (m_sHotImage.IsEmpty()) DrawStateImage(hDC, m_sNormalImage);
        DrawStateImage(hDC, m_sHotImage);
    } else if ((m_uButtonState & UISTATE_FOCUSED) != 0) {
        if (m_sFocusedImage.IsEmpty()) DrawStateImage(hDC, m_sNormalImage);
        DrawStateImage(hDC, m_sFocusedImage);
    } else {
        DrawStateImage(hDC, m_sNormalImage);
    }

    if (!m_sSepImage.IsEmpty()) {
        RECT rcThumb = GetThumbRect();
        rcThumb.left -= m_rcItem.left;
        rcThumb.top -= m_rcItem.top;
        rcThumb.right -= m_rcItem.left;
        rcThumb.bottom -= m_rcItem.top;
        m_sSepImageModify.Empty();
        m_sSepImageModify.SmallFormat(L"dest='%d,%d,%d,%d'", rcThumb.left, rcThumb.top, rcThumb.right, rcThumb.bottom);
        DrawStateImage(hDC, m_sSepImage, m_sSepImageModify);
    }
}

void CListHeaderItemUI::PaintText(HDC hDC)
{
    if (m_sText.IsEmpty()) return;
    DWORD dwColor = m_dwTextColor;
    if (dwColor == 0 && m_pManager != NULL) dwColor = m_pManager->GetDefaultFontColor();
    RECT rcText = m_rcItem;
    if (m_iTextTop >= 0) rcText.top += m_iTextTop;
    rcText.left += m_rcTextPadding.left;
    rcText.top += m_rcTextPadding.top;
    rcText.right -= m_rcTextPadding.right;
    rcText.bottom -= m_rcTextPadding.bottom;
    if (m_bShowHtml) {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rcText, m_sText, dwColor, NULL, NULL, nLinks,
                                    m_uTextStyle | DT_SINGLELINE);
    } else {
        CRenderEngine::DrawText(hDC, m_pManager, rcText, m_sText, dwColor, m_iFont, m_uTextStyle | DT_SINGLELINE);
    }
}

} // namespace SkinUI
