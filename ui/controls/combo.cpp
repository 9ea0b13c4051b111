// CComboUI: the elements with their indexes, the selection, opening the
// drop-down, the keys and the wheel, the state images, the selected text and
// the elements' shared look.
#include "combo.h"

#include <algorithm>
#include <cwchar>

#include "core/attribute_values.h"
#include "combo_window.h"

namespace SkinUI {

namespace {

IListItemUI* ListItemOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<IListItemUI*>(pControl->GetInterface(L"ListItem")) : NULL;
}

// A state image that fails to draw is emptied and not tried again.
bool DrawStateImage(CControlUI& control, HDC hDC, CUIString& sImage)
{
    if (sImage.IsEmpty()) return false;
    if (control.DrawImage(hDC, sImage)) return true;
    sImage.Empty();
    return false;
}

} // namespace

CComboUI::CComboUI() : m_pWindow(NULL), m_iCurSel(-1), m_rcTextPadding(), m_szDropBox{0, 150}, m_uButtonState(0)
{
    // A combo's elements look lighter than a list's rows.
    m_ListInfo.uTextStyle = DT_VCENTER;
    m_ListInfo.dwSelectedBkColor = 0xFFC1E3FF;
    m_ListInfo.dwHotBkColor = 0xFFE9F5FF;
}

CComboUI::~CComboUI()
{
    // The popup's layout still holds the elements that the container is about
    // to free: they come back first and the popup goes without calling back.
    if (m_pWindow != NULL) {
        CComboWnd* pWindow = m_pWindow;
        m_pWindow = NULL;
        pWindow->Detach();
    }
}

const wchar_t* CComboUI::GetClass() const { return L"ComboUI"; }

LPVOID CComboUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL) {
        if (wcscmp(pstrName, L"Combo") == 0) return static_cast<CComboUI*>(this);
        if (wcscmp(pstrName, L"IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
    }
    return CContainerUI::GetInterface(pstrName);
}

CUIString CComboUI::GetText() const
{
    if (m_iCurSel < 0) return CUIString();
    CControlUI* pControl = GetItemAt(m_iCurSel);
    return pControl != NULL ? pControl->GetText() : CUIString();
}

void CComboUI::SetEnabled(bool bEnable)
{
    CContainerUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

CUIString CComboUI::GetDropBoxAttributeList() const { return m_sDropBoxAttributes; }
void CComboUI::SetDropBoxAttributeList(const wchar_t* pstrList) { m_sDropBoxAttributes = pstrList; }
SIZE CComboUI::GetDropBoxSize() const { return m_szDropBox; }
void CComboUI::SetDropBoxSize(SIZE szDropBox) { m_szDropBox = szDropBox; }
HWND CComboUI::GetDropWindow() const { return m_pWindow != NULL ? m_pWindow->GetHWND() : NULL; }
int CComboUI::GetCurSel() const { return m_iCurSel; }

void CComboUI::CloseDropDown()
{
    if (m_pWindow == NULL) return;
    m_pWindow->GiveBack();
    m_pWindow->PostMessage(WM_CLOSE);
}

void CComboUI::RenumberItems(int iFirst, int iLast)
{
    for (int i = std::max(iFirst, 0); i <= iLast && i < GetCount(); ++i) {
        IListItemUI* pItem = ListItemOf(GetItemAt(i));
        if (pItem != NULL) pItem->SetIndex(i);
    }
}

// ---- elements ----------------------------------------------------------------------------

bool CComboUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    const int iOrginIndex = GetItemIndex(pControl);
    if (iOrginIndex == -1) return false;
    if (iOrginIndex == iIndex) return true;
    IListItemUI* pSelected = m_iCurSel >= 0 ? ListItemOf(GetItemAt(m_iCurSel)) : NULL;
    if (!CContainerUI::SetItemIndex(pControl, iIndex)) return false;
    RenumberItems(std::min(iOrginIndex, iIndex), std::max(iOrginIndex, iIndex));
    if (pSelected != NULL) m_iCurSel = pSelected->GetIndex();
    return true;
}

bool CComboUI::Add(CControlUI* pControl)
{
    IListItemUI* pItem = ListItemOf(pControl);
    if (pItem != NULL) {
        pItem->SetOwner(this);
        pItem->SetIndex(GetCount());
    }
    return CContainerUI::Add(pControl);
}

bool CComboUI::AddAt(CControlUI* pControl, int iIndex)
{
    if (!CContainerUI::AddAt(pControl, iIndex)) return false;
    IListItemUI* pItem = ListItemOf(pControl);
    if (pItem != NULL) {
        pItem->SetOwner(this);
        pItem->SetIndex(iIndex);
    }
    RenumberItems(iIndex + 1, GetCount() - 1);
    if (m_iCurSel >= iIndex) m_iCurSel += 1;
    return true;
}

bool CComboUI::Remove(CControlUI* pControl)
{
    const int iIndex = GetItemIndex(pControl);
    return iIndex >= 0 && RemoveAt(iIndex);
}

bool CComboUI::RemoveAt(int iIndex)
{
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == NULL) return false;
    CloseDropDown();
    // The container's RemoveAt would come back here through Remove.
    if (!CContainerUI::Remove(pControl)) return false;
    RenumberItems(iIndex, GetCount() - 1);
    if (iIndex == m_iCurSel && m_iCurSel >= 0) {
        m_iCurSel = -1;
        SelectItem(FindSelectable(iIndex, false), false);
    } else if (iIndex < m_iCurSel) {
        m_iCurSel -= 1;
    }
    return true;
}

void CComboUI::RemoveAll()
{
    CloseDropDown();
    m_iCurSel = -1;
    CContainerUI::RemoveAll();
}

// ---- selection and opening ---------------------------------------------------------------

bool CComboUI::SelectItem(int iIndex, bool bTakeFocus)
{
    if (m_pWindow != NULL) m_pWindow->PostMessage(WM_CLOSE, 1);
    if (iIndex == m_iCurSel) return true;
    const int iOldSel = m_iCurSel;
    if (m_iCurSel >= 0) {
        IListItemUI* pOld = ListItemOf(GetItemAt(m_iCurSel));
        if (pOld == NULL) return false;
        pOld->Select(false);
        m_iCurSel = -1;
    }
    if (iIndex < 0 || GetCount() == 0) return false;
    if (iIndex >= GetCount()) iIndex = GetCount() - 1;
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == NULL || !pControl->IsVisible() || !pControl->IsEnabled()) return false;
    IListItemUI* pItem = ListItemOf(pControl);
    if (pItem == NULL) return false;
    m_iCurSel = iIndex;
    if (m_pWindow != NULL || bTakeFocus) pControl->SetFocus();
    pItem->Select(true);
    if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemselect", m_iCurSel, iOldSel);
    Invalidate();
    return true;
}

void CComboUI::SelectNear(int iFrom, bool bForward) { SelectItem(FindSelectable(iFrom, bForward), false); }

bool CComboUI::Activate()
{
    if (!CControlUI::Activate()) return false;
    if (m_pWindow != NULL) return true;
    m_pWindow = new CComboWnd();
    m_pWindow->Init(this);
    // A popup that could not be made has deleted itself and cleared m_pWindow.
    if (m_pWindow == NULL) return false;
    if (m_pManager != NULL) m_pManager->SendNotify(this, L"dropdown");
    Invalidate();
    return true;
}

// ---- layout, events and painting ---------------------------------------------------------

SIZE CComboUI::EstimateSize(SIZE)
{
    if (m_cxyFixed.cy != 0) return m_cxyFixed;
    int cy = 12;
    if (m_pManager != NULL) cy += m_pManager->GetDefaultFontInfo()->tm.tmHeight;
    return SIZE{m_cxyFixed.cx, cy};
}

void CComboUI::SetPos(RECT rc)
{
    // The elements are laid out only in the drop-down.
    RECT rcNull = {0, 0, 0, 0};
    for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetPos(rcNull);
    CControlUI::SetPos(rc);
}

void CComboUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CContainerUI>(event, m_pParent)) return;
    switch (event.type) {
    case UIEV_SET_FOCUS:
    case UIEV_KILL_FOCUS: Invalidate(); break;
    case UIEV_BUTTON_DOWN:
        if (IsEnabled()) {
            Activate();
            m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
        }
        return;
    case UIEV_BUTTON_UP:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            m_uButtonState &= ~UISTATE_CAPTURED;
            Invalidate();
        }
        return;
    case UIEV_MOUSE_MOVE:
    case UIEV_CONTEXT_MENU: return;
    case UIEV_KEY_DOWN:
        switch (event.key) {
        case VK_F4: Activate(); return;
        case VK_UP:
        case VK_PRIOR: SelectNear(m_iCurSel - 1, false); return;
        case VK_DOWN:
        case VK_NEXT: SelectNear(m_iCurSel + 1, true); return;
        case VK_HOME: SelectNear(0, false); return;
        case VK_END: SelectNear(GetCount() - 1, true); return;
        default: break;
        }
        break;
    case UIEV_SCROLL_WHEEL:
        if (event.wParam == SB_LINEDOWN) SelectNear(m_iCurSel + 1, true);
        else SelectNear(m_iCurSel - 1, false);
        return;
    case UIEV_MOUSE_ENTER:
        if (::PtInRect(&m_rcItem, event.point)) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    case UIEV_MOUSE_LEAVE:
        if ((m_uButtonState & UISTATE_HOT) != 0) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    default: break;
    }
    CControlUI::DoEvent(event);
}

void CComboUI::DoPaint(HDC hDC, const RECT& rcPaint) { CControlUI::DoPaint(hDC, rcPaint); }

void CComboUI::PaintStatusImage(HDC hDC)
{
    if (IsFocused()) m_uButtonState |= UISTATE_FOCUSED;
    else m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled()) m_uButtonState |= UISTATE_DISABLED;
    else m_uButtonState &= ~UISTATE_DISABLED;

    CUIString* pImage = NULL;
    if ((m_uButtonState & UISTATE_DISABLED) != 0) pImage = &m_sDisabledImage;
    else if ((m_uButtonState & UISTATE_PUSHED) != 0) pImage = &m_sPushedImage;
    else if ((m_uButtonState & UISTATE_HOT) != 0) pImage = &m_sHotImage;
    else if ((m_uButtonState & UISTATE_FOCUSED) != 0) pImage = &m_sFocusedImage;
    if (pImage != NULL && DrawStateImage(*this, hDC, *pImage)) return;
    DrawStateImage(*this, hDC, m_sNormalImage);
}

RECT CComboUI::GetTextArea() const
{
    RECT rcText = m_rcItem;
    rcText.left += m_rcTextPadding.left;
    rcText.right -= m_rcTextPadding.right;
    rcText.top += m_rcTextPadding.top;
    rcText.bottom -= m_rcTextPadding.bottom;
    return rcText;
}

void CComboUI::PaintText(HDC hDC) { PaintSelected(hDC, GetTextArea()); }

void CComboUI::PaintSelected(HDC hDC, const RECT& rcText)
{
    if (m_iCurSel < 0) return;
    CControlUI* pControl = GetItemAt(m_iCurSel);
    if (pControl == NULL) return;
    IListItemUI* pItem = ListItemOf(pControl);
    if (pItem != NULL) {
        pItem->DrawItemText(hDC, rcText);
        return;
    }
    // Laid over the text without a manager: placing a control with one asks
    // for a repaint, and asking from inside a paint would never end.
    CPaintManagerUI* pManager = pControl->GetManager();
    CControlUI* pParent = pControl->GetParent();
    const RECT rcOld = pControl->GetPos();
    pControl->SetManager(NULL, pParent, false);
    pControl->SetPos(rcText);
    pControl->SetManager(pManager, pParent, false);
    pControl->DoPaint(hDC, rcText);
    pControl->SetManager(NULL, pParent, false);
    pControl->SetPos(rcOld);
    pControl->SetManager(pManager, pParent, false);
}

// ---- state images and text padding -------------------------------------------------------

namespace {

void StoreImage(CControlUI& control, CUIString& sImage, const wchar_t* pStrImage)
{
    sImage = pStrImage;
    control.Invalidate();
}

} // namespace

RECT CComboUI::GetTextPadding() const { return m_rcTextPadding; }

void CComboUI::SetTextPadding(RECT rc)
{
    m_rcTextPadding = rc;
    Invalidate();
}

const wchar_t* CComboUI::GetNormalImage() const { return m_sNormalImage; }
void CComboUI::SetNormalImage(const wchar_t* pStrImage) { StoreImage(*this, m_sNormalImage, pStrImage); }
const wchar_t* CComboUI::GetHotImage() const { return m_sHotImage; }
void CComboUI::SetHotImage(const wchar_t* pStrImage) { StoreImage(*this, m_sHotImage, pStrImage); }
const wchar_t* CComboUI::GetPushedImage() const { return m_sPushedImage; }
void CComboUI::SetPushedImage(const wchar_t* pStrImage) { StoreImage(*this, m_sPushedImage, pStrImage); }
const wchar_t* CComboUI::GetFocusedImage() const { return m_sFocusedImage; }
void CComboUI::SetFocusedImage(const wchar_t* pStrImage) { StoreImage(*this, m_sFocusedImage, pStrImage); }
const wchar_t* CComboUI::GetDisabledImage() const { return m_sDisabledImage; }
void CComboUI::SetDisabledImage(const wchar_t* pStrImage) { StoreImage(*this, m_sDisabledImage, pStrImage); }

// ---- the elements' look ------------------------------------------------------------------

TListInfoUI* CComboUI::GetListInfo() { return &m_ListInfo; }

void CComboUI::SetItemFont(int index)
{
    m_ListInfo.nFont = index;
    Invalidate();
}

void CComboUI::SetItemTextStyle(UINT uStyle)
{
    m_ListInfo.uTextStyle = uStyle;
    Invalidate();
}

RECT CComboUI::GetItemTextPadding() const { return m_ListInfo.rcTextPadding; }

void CComboUI::SetItemTextPadding(RECT rc)
{
    m_ListInfo.rcTextPadding = rc;
    Invalidate();
}

DWORD CComboUI::GetItemTextColor() const { return m_ListInfo.dwTextColor; }

void CComboUI::SetItemTextColor(DWORD dwTextColor)
{
    m_ListInfo.dwTextColor = dwTextColor;
    Invalidate();
}

bool CComboUI::IsItemShowHtml() const { return m_ListInfo.bShowHtml; }

void CComboUI::SetItemShowHtml(bool bShowHtml)
{
    if (m_ListInfo.bShowHtml == bShowHtml) return;
    m_ListInfo.bShowHtml = bShowHtml;
    Invalidate();
}

DWORD CComboUI::GetItemBkColor() const { return m_ListInfo.dwBkColor; }
void CComboUI::SetItemBkColor(DWORD dwBkColor) { m_ListInfo.dwBkColor = dwBkColor; }
const wchar_t* CComboUI::GetItemBkImage() const { return m_ListInfo.sBkImage; }
void CComboUI::SetItemBkImage(const wchar_t* pStrImage) { m_ListInfo.sBkImage = pStrImage; }
bool CComboUI::IsAlternateBk() const { return m_ListInfo.bAlternateBk; }
void CComboUI::SetAlternateBk(bool bAlternateBk) { m_ListInfo.bAlternateBk = bAlternateBk; }
DWORD CComboUI::GetSelectedItemTextColor() const { return m_ListInfo.dwSelectedTextColor; }
void CComboUI::SetSelectedItemTextColor(DWORD dwTextColor) { m_ListInfo.dwSelectedTextColor = dwTextColor; }
DWORD CComboUI::GetSelectedItemBkColor() const { return m_ListInfo.dwSelectedBkColor; }
void CComboUI::SetSelectedItemBkColor(DWORD dwBkColor) { m_ListInfo.dwSelectedBkColor = dwBkColor; }
const wchar_t* CComboUI::GetSelectedItemImage() const { return m_ListInfo.sSelectedImage; }
void CComboUI::SetSelectedItemImage(const wchar_t* pStrImage) { m_ListInfo.sSelectedImage = pStrImage; }
DWORD CComboUI::GetHotItemTextColor() const { return m_ListInfo.dwHotTextColor; }
void CComboUI::SetHotItemTextColor(DWORD dwTextColor) { m_ListInfo.dwHotTextColor = dwTextColor; }
DWORD CComboUI::GetHotItemBkColor() const { return m_ListInfo.dwHotBkColor; }
void CComboUI::SetHotItemBkColor(DWORD dwBkColor) { m_ListInfo.dwHotBkColor = dwBkColor; }
const wchar_t* CComboUI::GetHotItemImage() const { return m_ListInfo.sHotImage; }
void CComboUI::SetHotItemImage(const wchar_t* pStrImage) { m_ListInfo.sHotImage = pStrImage; }
DWORD CComboUI::GetDisabledItemTextColor() const { return m_ListInfo.dwDisabledTextColor; }
void CComboUI::SetDisabledItemTextColor(DWORD dwTextColor) { m_ListInfo.dwDisabledTextColor = dwTextColor; }
DWORD CComboUI::GetDisabledItemBkColor() const { return m_ListInfo.dwDisabledBkColor; }
void CComboUI::SetDisabledItemBkColor(DWORD dwBkColor) { m_ListInfo.dwDisabledBkColor = dwBkColor; }
const wchar_t* CComboUI::GetDisabledItemImage() const { return m_ListInfo.sDisabledImage; }
void CComboUI::SetDisabledItemImage(const wchar_t* pStrImage) { m_ListInfo.sDisabledImage = pStrImage; }
DWORD CComboUI::GetItemLineColor() const { return m_ListInfo.dwLineColor; }
void CComboUI::SetItemLineColor(DWORD dwLineColor) { m_ListInfo.dwLineColor = dwLineColor; }

// ---- attributes --------------------------------------------------------------------------

void CComboUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    typedef void (CComboUI::*ColorSetter)(DWORD);
    typedef void (CComboUI::*TextSetter)(const wchar_t*);
    static const struct
    {
        const wchar_t* name;
        ColorSetter set;
    } kColors[] = {
        {L"itemtextcolor", &CComboUI::SetItemTextColor},
        {L"itembkcolor", &CComboUI::SetItemBkColor},
        {L"itemselectedtextcolor", &CComboUI::SetSelectedItemTextColor},
        {L"itemselectedbkcolor", &CComboUI::SetSelectedItemBkColor},
        {L"itemhottextcolor", &CComboUI::SetHotItemTextColor},
        {L"itemhotbkcolor", &CComboUI::SetHotItemBkColor},
        {L"itemdisabledtextcolor", &CComboUI::SetDisabledItemTextColor},
        {L"itemdisabledbkcolor", &CComboUI::SetDisabledItemBkColor},
        {L"itemlinecolor", &CComboUI::SetItemLineColor},
    };
    static const struct
    {
        const wchar_t* name;
        TextSetter set;
    } kTexts[] = {
        {L"normalimage", &CComboUI::SetNormalImage},     {L"hotimage", &CComboUI::SetHotImage},
        {L"pushedimage", &CComboUI::SetPushedImage},     {L"focusedimage", &CComboUI::SetFocusedImage},
        {L"disabledimage", &CComboUI::SetDisabledImage}, {L"dropbox", &CComboUI::SetDropBoxAttributeList},
        {L"itembkimage", &CComboUI::SetItemBkImage},     {L"itemselectedimage", &CComboUI::SetSelectedItemImage},
        {L"itemhotimage", &CComboUI::SetHotItemImage},   {L"itemdisabledimage", &CComboUI::SetDisabledItemImage},
    };
    for (const auto& entry : kColors) {
        if (wcscmp(pstrName, entry.name) == 0) {
            (this->*entry.set)(ParseColor(pstrValue));
            return;
        }
    }
    for (const auto& entry : kTexts) {
        if (wcscmp(pstrName, entry.name) == 0) {
            (this->*entry.set)(pstrValue);
            return;
        }
    }
    if (wcscmp(pstrName, L"textpadding") == 0) {
        SetTextPadding(ParseRect(pstrValue));
    } else if (wcscmp(pstrName, L"dropboxsize") == 0) {
        // A short value sets what it gives and keeps the rest.
        int values[2] = {0, 0};
        const int n = ParseIntList(pstrValue, values, 2);
        SIZE sz = m_szDropBox;
        if (n >= 1) sz.cx = values[0];
        if (n >= 2) sz.cy = values[1];
        SetDropBoxSize(sz);
    } else if (wcscmp(pstrName, L"itemfont") == 0) {
        SetItemFont(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"itemalign") == 0) {
        UINT uStyle = m_ListInfo.uTextStyle;
        if (wcsstr(pstrValue, L"left") != NULL) uStyle &= ~(DT_CENTER | DT_RIGHT);
        if (wcsstr(pstrValue, L"center") != NULL) uStyle = (uStyle & ~DT_RIGHT) | DT_CENTER;
        if (wcsstr(pstrValue, L"right") != NULL) uStyle = (uStyle & ~DT_CENTER) | DT_RIGHT;
        SetItemTextStyle(uStyle);
    } else if (wcscmp(pstrName, L"itemtextpadding") == 0) {
        SetItemTextPadding(ParseRect(pstrValue));
    } else if (wcscmp(pstrName, L"itemaltbk") == 0) {
        SetAlternateBk(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"itemshowhtml") == 0) {
        SetItemShowHtml(ParseBool(pstrValue));
    } else {
        CContainerUI::SetAttribute(pstrName, pstrValue);
    }
}

} // namespace SkinUI
