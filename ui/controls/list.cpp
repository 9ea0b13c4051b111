// CListUI: rows kept in the body with their indexes, the header, selection,
// expanding, keyboard and wheel, the shared row look and its attributes.
#include "list.h"

#include <algorithm>
#include <cwchar>

#include "core/attribute_table.h"
#include "core/attribute_values.h"
#include "list_header.h"
#include "core/scroll_bar.h"

namespace SkinUI {

TListInfoUI::TListInfoUI()
    : nColumns(0),
      rcColumn(),
      nFont(-1),
      uTextStyle(DT_VCENTER | DT_END_ELLIPSIS),
      rcTextPadding(),
      dwTextColor(0xFF000000),
      dwBkColor(0),
      bAlternateBk(false),
      dwSelectedTextColor(0xFF000000),
      dwSelectedBkColor(0xFFF1E4AF),
      dwHotTextColor(0xFF000000),
      dwHotBkColor(0xFFF2EBCD),
      dwDisabledTextColor(0xFFCCCCCC),
      dwDisabledBkColor(0xFFFFFFFF),
      dwLineColor(0),
      bShowHtml(false),
      bMultiExpandable(false),
      bHotSelect(false)
{}

namespace {

bool IsHeaderItem(CControlUI* pControl) { return wcsstr(pControl->GetClass(), L"ListHeaderItemUI") != NULL; }

IListItemUI* ListItemOf(CControlUI* pControl)
{
    return pControl != NULL ? static_cast<IListItemUI*>(pControl->GetInterface(L"ListItem")) : NULL;
}

} // namespace

CListUI::CListUI()
    : m_bScrollSelect(false),
      m_iCurSel(-1),
      m_iExpandedItem(-1),
      m_pCallback(NULL),
      m_pList(new CListBodyUI(this)),
      m_pHeader(new CListHeaderUI()),
      m_nHeaderStyle(0),
      m_bSortable(true)
{
    // Placed by the container's own AddAt: Add would come back to this list's.
    CVerticalLayoutUI::AddAt(m_pHeader, 0);
    CVerticalLayoutUI::AddAt(m_pList, 1);
}

const wchar_t* CListUI::GetClass() const { return L"ListUI"; }

LPVOID CListUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL) {
        if (wcscmp(pstrName, L"List") == 0) return static_cast<CListUI*>(this);
        if (wcscmp(pstrName, L"IList") == 0 || wcscmp(pstrName, L"IListOwner") == 0) return static_cast<IListUI*>(this);
    }
    return CVerticalLayoutUI::GetInterface(pstrName);
}

bool CListUI::GetScrollSelect() { return m_bScrollSelect; }
void CListUI::SetScrollSelect(bool bScrollSelect) { m_bScrollSelect = bScrollSelect; }
int CListUI::GetCurSel() const { return m_iCurSel; }
CListHeaderUI* CListUI::GetHeader() const { return m_pHeader; }
CContainerUI* CListUI::GetList() const { return m_pList; }
TListInfoUI* CListUI::GetListInfo() { return &m_ListInfo; }
IListCallbackUI* CListUI::GetTextCallback() const { return m_pCallback; }
void CListUI::SetTextCallback(IListCallbackUI* pCallback) { m_pCallback = pCallback; }

void CListUI::CountColumns()
{
    m_ListInfo.nColumns = m_pHeader != NULL ? std::min(m_pHeader->GetCount(), UILIST_MAX_COLUMNS) : 0;
}

void CListUI::RenumberRows(int iFirst, int iLast)
{
    for (int i = std::max(iFirst, 0); i <= iLast && i < m_pList->GetCount(); ++i) {
        IListItemUI* pItem = ListItemOf(m_pList->GetItemAt(i));
        if (pItem != NULL) pItem->SetIndex(i);
    }
}

// ---- rows and header -----------------------------------------------------------------------

CControlUI* CListUI::GetItemAt(int iIndex) const { return m_pList->GetItemAt(iIndex); }
int CListUI::GetCount() const { return m_pList->GetCount(); }

int CListUI::GetItemIndex(CControlUI* pControl) const
{
    if (pControl == NULL) return -1;
    if (pControl->GetInterface(L"ListHeader") != NULL) return CVerticalLayoutUI::GetItemIndex(pControl);
    if (IsHeaderItem(pControl)) return m_pHeader != NULL ? m_pHeader->GetItemIndex(pControl) : -1;
    return m_pList->GetItemIndex(pControl);
}

bool CListUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    if (pControl == NULL) return false;
    if (pControl->GetInterface(L"ListHeader") != NULL) return CVerticalLayoutUI::SetItemIndex(pControl, iIndex);
    if (IsHeaderItem(pControl)) return m_pHeader != NULL && m_pHeader->SetItemIndex(pControl, iIndex);

    int iOrginIndex = m_pList->GetItemIndex(pControl);
    if (iOrginIndex == -1) return false;
    if (iOrginIndex == iIndex) return true;
    IListItemUI* pSelectedListItem = m_iCurSel >= 0 ? ListItemOf(GetItemAt(m_iCurSel)) : NULL;
    CControlUI* pExpanded = m_iExpandedItem >= 0 ? GetItemAt(m_iExpandedItem) : NULL;
    if (!m_pList->SetItemIndex(pControl, iIndex)) return false;
    RenumberRows(std::min(iOrginIndex, iIndex), std::max(iOrginIndex, iIndex));
    if (pSelectedListItem != NULL) m_iCurSel = pSelectedListItem->GetIndex();
    if (pExpanded != NULL) m_iExpandedItem = m_pList->GetItemIndex(pExpanded);
    return true;
}

bool CListUI::Add(CControlUI* pControl)
{
    if (pControl == NULL) return false;
    if (pControl->GetInterface(L"ListHeader") != NULL) {
        // The list's own header is a child already: adding it again would
        // leave it twice among the children (and delete it twice).
        if (CVerticalLayoutUI::GetItemIndex(pControl) >= 0) {
            CountColumns();
            return true;
        }
        if (m_pHeader == NULL) {
            m_pHeader = static_cast<CListHeaderUI*>(pControl);
        } else if (pControl != m_pHeader && m_pHeader->GetCount() == 0) {
            CVerticalLayoutUI::Remove(m_pHeader);
            m_pHeader = static_cast<CListHeaderUI*>(pControl);
        }
        CountColumns();
        return CVerticalLayoutUI::AddAt(pControl, 0);
    }
    if (IsHeaderItem(pControl)) {
        bool ret = m_pHeader != NULL && m_pHeader->Add(pControl);
        CountColumns();
        return ret;
    }
    IListItemUI* pListItem = ListItemOf(pControl);
    if (pListItem != NULL) {
        pListItem->SetOwner(this);
        pListItem->SetIndex(GetCount());
    }
    return m_pList->Add(pControl);
}

bool CListUI::AddAt(CControlUI* pControl, int iIndex)
{
    if (pControl == NULL) return false;
    if (pControl->GetInterface(L"ListHeader") != NULL) return Add(pControl);
    if (IsHeaderItem(pControl)) {
        bool ret = m_pHeader != NULL && m_pHeader->AddAt(pControl, iIndex);
        CountColumns();
        return ret;
    }
    if (!m_pList->AddAt(pControl, iIndex)) return false;
    IListItemUI* pListItem = ListItemOf(pControl);
    if (pListItem != NULL) {
        pListItem->SetOwner(this);
        pListItem->SetIndex(iIndex);
    }
    RenumberRows(iIndex + 1, GetCount() - 1);
    if (m_iCurSel >= iIndex) m_iCurSel += 1;
    // The expanded row follows like the selection does.
    if (m_iExpandedItem >= iIndex) m_iExpandedItem += 1;
    return true;
}

bool CListUI::Remove(CControlUI* pControl)
{
    if (pControl == NULL) return false;
    if (pControl->GetInterface(L"ListHeader") != NULL) {
        if (!CVerticalLayoutUI::Remove(pControl)) return false;
        // The list keeps no pointer to a header that is gone.
        if (pControl == m_pHeader) m_pHeader = NULL;
        CountColumns();
        return true;
    }
    if (IsHeaderItem(pControl)) {
        bool ret = m_pHeader != NULL && m_pHeader->Remove(pControl);
        CountColumns();
        return ret;
    }
    return RemoveAt(m_pList->GetItemIndex(pControl));
}

bool CListUI::RemoveAt(int iIndex)
{
    if (!m_pList->RemoveAt(iIndex)) return false;
    RenumberRows(iIndex, GetCount() - 1);
    if (iIndex == m_iCurSel && m_iCurSel >= 0) {
        m_iCurSel = -1;
        SelectItem(FindSelectable(iIndex, false), false);
    } else if (iIndex < m_iCurSel) {
        m_iCurSel -= 1;
    }
    // The expanded row follows like the selection does.
    if (iIndex == m_iExpandedItem) m_iExpandedItem = -1;
    else if (iIndex < m_iExpandedItem) m_iExpandedItem -= 1;
    return true;
}

void CListUI::RemoveAll()
{
    m_iCurSel = -1;
    m_iExpandedItem = -1;
    m_pList->RemoveAll();
}

// ---- selection and expanding ---------------------------------------------------------------

bool CListUI::SelectItem(int iIndex, bool bTakeFocus)
{
    if (iIndex == m_iCurSel) return true;
    const int iOldSel = m_iCurSel;
    if (m_iCurSel >= 0) {
        IListItemUI* pOld = ListItemOf(GetItemAt(m_iCurSel));
        if (pOld != NULL) pOld->Select(false);
        m_iCurSel = -1;
    }
    if (iIndex < 0) return false;
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == NULL || !pControl->IsVisible() || !pControl->IsEnabled()) return false;
    IListItemUI* pListItem = ListItemOf(pControl);
    if (pListItem == NULL) return false;
    m_iCurSel = iIndex;
    if (!pListItem->Select(true)) {
        m_iCurSel = -1;
        return false;
    }
    EnsureVisible(m_iCurSel);
    if (bTakeFocus) pControl->SetFocus();
    if (m_pManager != NULL) m_pManager->SendNotify(this, L"itemselect", m_iCurSel, iOldSel);
    return true;
}

void CListUI::SetMultiExpanding(bool bMultiExpandable) { m_ListInfo.bMultiExpandable = bMultiExpandable; }
int CListUI::GetExpandedItem() const { return m_iExpandedItem; }

bool CListUI::ExpandItem(int iIndex, bool bExpand)
{
    if (m_iExpandedItem >= 0 && !m_ListInfo.bMultiExpandable) {
        IListItemUI* pExpanded = ListItemOf(GetItemAt(m_iExpandedItem));
        if (pExpanded != NULL) pExpanded->Expand(false);
        m_iExpandedItem = -1;
    }
    if (bExpand) {
        CControlUI* pControl = GetItemAt(iIndex);
        if (pControl == NULL || !pControl->IsVisible()) return false;
        IListItemUI* pListItem = ListItemOf(pControl);
        if (pListItem == NULL) return false;
        m_iExpandedItem = iIndex;
        if (!pListItem->Expand(true)) {
            m_iExpandedItem = -1;
            return false;
        }
    }
    NeedUpdate();
    return true;
}

void CListUI::EnsureVisible(int iIndex)
{
    if (m_iCurSel < 0) return;
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == NULL) return;
    RECT rcItem = pControl->GetPos();
    const RECT rcList = m_pList->GetChildArea();
    if (rcItem.top < rcList.top) Scroll(0, rcItem.top - rcList.top);
    else if (rcItem.bottom > rcList.bottom) Scroll(0, rcItem.bottom - rcList.bottom);
}

void CListUI::Scroll(int dx, int dy)
{
    if (dx == 0 && dy == 0) return;
    SIZE sz = m_pList->GetScrollPos();
    sz.cx += dx;
    sz.cy += dy;
    m_pList->SetScrollPos(sz);
}

// ---- layout and events ---------------------------------------------------------------------

void CListUI::SetPos(RECT rc)
{
    // Rows that follow the header's columns read its items while the body is laid
    // out, so a hidden header gets its places (in a band of no height) first.
    if (m_pHeader != NULL && !m_pHeader->IsVisible() && m_pHeader->GetCount() > 0) {
        for (int it = 0; it < m_pHeader->GetCount(); ++it) m_pHeader->GetItemAt(it)->SetInternVisible(true);
        m_pHeader->SetPos(RECT{rc.left, rc.top, rc.right, rc.top});
        for (int it = 0; it < m_pHeader->GetCount(); ++it) m_pHeader->GetItemAt(it)->SetInternVisible(false);
    }
    CVerticalLayoutUI::SetPos(rc);
    CountColumns();
    if (m_pHeader == NULL) return;

    // A hidden header still gives the columns their places: its items are laid
    // out in a band of no height and read before they are hidden again.
    const bool bHidden = !m_pHeader->IsVisible();
    if (bHidden) {
        for (int it = 0; it < m_pHeader->GetCount(); ++it) m_pHeader->GetItemAt(it)->SetInternVisible(true);
        m_pHeader->SetPos(RECT{m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.top});
    }
    CScrollBarUI* pHorizontal = m_pList->GetHorizontalScrollBar();
    const int iOffset = pHorizontal != NULL && pHorizontal->IsVisible() ? pHorizontal->GetScrollPos() : 0;
    for (int i = 0; i < m_ListInfo.nColumns; ++i) {
        CControlUI* pControl = m_pHeader->GetItemAt(i);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        RECT rcPos = pControl->GetPos();
        if (iOffset > 0) {
            ::OffsetRect(&rcPos, -iOffset, 0);
            pControl->SetPos(rcPos);
        }
        m_ListInfo.rcColumn[i] = pControl->GetPos();
    }
    if (bHidden) {
        for (int it = 0; it < m_pHeader->GetCount(); ++it) m_pHeader->GetItemAt(it)->SetInternVisible(false);
    }
}

void CListUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CVerticalLayoutUI>(event, m_pParent)) return;
    if (event.type == UIEV_SET_FOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.type == UIEV_KILL_FOCUS) {
        m_bFocused = false;
        return;
    }
    if (event.type == UIEV_KEY_DOWN) {
        switch (event.key) {
        case VK_RETURN:
            if (m_iCurSel != -1) {
                CControlUI* pSelected = GetItemAt(m_iCurSel);
                if (pSelected != NULL) pSelected->Activate();
            }
            return;
        case VK_UP: SelectItem(FindSelectable(m_iCurSel - 1, false), true); return;
        case VK_DOWN: SelectItem(FindSelectable(m_iCurSel + 1, true), true); return;
        case VK_PRIOR: PageUp(); return;
        case VK_NEXT: PageDown(); return;
        case VK_HOME: SelectItem(FindSelectable(0, false), true); return;
        case VK_END: SelectItem(FindSelectable(GetCount() - 1, true), true); return;
        default: break;
        }
    } else if (event.type == UIEV_SCROLL_WHEEL) {
        switch (LOWORD(event.wParam)) {
        case SB_LINEUP:
            if (m_bScrollSelect) SelectItem(FindSelectable(m_iCurSel - 1, false), true);
            else LineUp();
            return;
        case SB_LINEDOWN:
            if (m_bScrollSelect) SelectItem(FindSelectable(m_iCurSel + 1, true), true);
            else LineDown();
            return;
        default: break;
        }
    }
    CVerticalLayoutUI::DoEvent(event);
}

// ---- forwarded to the body -----------------------------------------------------------------

int CListUI::GetChildPadding() const { return m_pList->GetChildPadding(); }
void CListUI::SetChildPadding(int iPadding) { m_pList->SetChildPadding(iPadding); }
SIZE CListUI::GetScrollPos() const { return m_pList->GetScrollPos(); }
SIZE CListUI::GetScrollRange() const { return m_pList->GetScrollRange(); }
void CListUI::SetScrollPos(SIZE szPos) { m_pList->SetScrollPos(szPos); }
void CListUI::LineUp() { m_pList->LineUp(); }
void CListUI::LineDown() { m_pList->LineDown(); }
void CListUI::PageUp() { m_pList->PageUp(); }
void CListUI::PageDown() { m_pList->PageDown(); }
void CListUI::HomeUp() { m_pList->HomeUp(); }
void CListUI::EndDown() { m_pList->EndDown(); }
void CListUI::LineLeft() { m_pList->LineLeft(); }
void CListUI::LineRight() { m_pList->LineRight(); }
void CListUI::PageLeft() { m_pList->PageLeft(); }
void CListUI::PageRight() { m_pList->PageRight(); }
void CListUI::HomeLeft() { m_pList->HomeLeft(); }
void CListUI::EndRight() { m_pList->EndRight(); }
void CListUI::EnableScrollBar(bool bEnableVertical, bool bEnableHorizontal)
{
    m_pList->EnableScrollBar(bEnableVertical, bEnableHorizontal);
}
CScrollBarUI* CListUI::GetVerticalScrollBar() const { return m_pList->GetVerticalScrollBar(); }
CScrollBarUI* CListUI::GetHorizontalScrollBar() const { return m_pList->GetHorizontalScrollBar(); }

int CListUI::SortItems(PULVCompareFunc pfnCompare, UINT_PTR dwData)
{
    return m_pList != NULL ? m_pList->SortItems(pfnCompare, dwData) : 0;
}

void CListUI::OnRangeSorted(CControlUI*) {}

bool CListUI::IsSortable() const { return m_bSortable; }

void CListUI::SetSortable(bool bSortable) { m_bSortable = bSortable; }

void CListUI::SetReserve(const CUIString& sReserve) { m_sReserve = sReserve; }
CUIString CListUI::GetReserve() const { return m_sReserve; }
void CListUI::SetHeaderStyle(int nStyle) { m_nHeaderStyle = nStyle; }
int CListUI::GetHeaderStyle() const { return m_nHeaderStyle; }

// ---- the rows' look ------------------------------------------------------------------------

void CListUI::NeedLookUpdate()
{
    if (IsVisible()) NeedUpdate();
}

void CListUI::SetItemFont(int index)
{
    m_ListInfo.nFont = index;
    NeedLookUpdate();
}

void CListUI::SetItemTextStyle(UINT uStyle)
{
    m_ListInfo.uTextStyle = uStyle;
    NeedLookUpdate();
}

void CListUI::SetItemTextPadding(RECT rc)
{
    m_ListInfo.rcTextPadding = rc;
    NeedLookUpdate();
}

RECT CListUI::GetItemTextPadding() const { return m_ListInfo.rcTextPadding; }

bool CListUI::IsItemShowHtml() { return m_ListInfo.bShowHtml; }

void CListUI::SetItemShowHtml(bool bShowHtml)
{
    if (m_ListInfo.bShowHtml == bShowHtml) return;
    m_ListInfo.bShowHtml = bShowHtml;
    NeedLookUpdate();
}

namespace {

template <class T> void Store(CListUI& list, T& field, const T& value)
{
    field = value;
    list.Invalidate();
}

} // namespace

void CListUI::SetItemTextColor(DWORD dwTextColor) { Store(*this, m_ListInfo.dwTextColor, dwTextColor); }
void CListUI::SetItemBkColor(DWORD dwBkColor) { Store(*this, m_ListInfo.dwBkColor, dwBkColor); }
void CListUI::SetItemBkImage(const wchar_t* pStrImage) { Store(*this, m_ListInfo.sBkImage, CUIString(pStrImage)); }
void CListUI::SetAlternateBk(bool bAlternateBk) { Store(*this, m_ListInfo.bAlternateBk, bAlternateBk); }
void CListUI::SetSelectedItemTextColor(DWORD dwTextColor) { Store(*this, m_ListInfo.dwSelectedTextColor, dwTextColor); }
void CListUI::SetSelectedItemBkColor(DWORD dwBkColor) { Store(*this, m_ListInfo.dwSelectedBkColor, dwBkColor); }
void CListUI::SetSelectedItemImage(const wchar_t* pStrImage)
{
    Store(*this, m_ListInfo.sSelectedImage, CUIString(pStrImage));
}
void CListUI::SetHotItemTextColor(DWORD dwTextColor) { Store(*this, m_ListInfo.dwHotTextColor, dwTextColor); }
void CListUI::SetHotItemBkColor(DWORD dwBkColor) { Store(*this, m_ListInfo.dwHotBkColor, dwBkColor); }
void CListUI::SetHotItemImage(const wchar_t* pStrImage) { Store(*this, m_ListInfo.sHotImage, CUIString(pStrImage)); }
void CListUI::SetDisabledItemTextColor(DWORD dwTextColor) { Store(*this, m_ListInfo.dwDisabledTextColor, dwTextColor); }
void CListUI::SetDisabledItemBkColor(DWORD dwBkColor) { Store(*this, m_ListInfo.dwDisabledBkColor, dwBkColor); }
void CListUI::SetDisabledItemImage(const wchar_t* pStrImage)
{
    Store(*this, m_ListInfo.sDisabledImage, CUIString(pStrImage));
}
void CListUI::SetItemLineColor(DWORD dwLineColor) { Store(*this, m_ListInfo.dwLineColor, dwLineColor); }

DWORD CListUI::GetItemTextColor() const { return m_ListInfo.dwTextColor; }
DWORD CListUI::GetItemBkColor() const { return m_ListInfo.dwBkColor; }
const wchar_t* CListUI::GetItemBkImage() const { return m_ListInfo.sBkImage; }
bool CListUI::IsAlternateBk() const { return m_ListInfo.bAlternateBk; }
DWORD CListUI::GetSelectedItemTextColor() const { return m_ListInfo.dwSelectedTextColor; }
DWORD CListUI::GetSelectedItemBkColor() const { return m_ListInfo.dwSelectedBkColor; }
const wchar_t* CListUI::GetSelectedItemImage() const { return m_ListInfo.sSelectedImage; }
DWORD CListUI::GetHotItemTextColor() const { return m_ListInfo.dwHotTextColor; }
DWORD CListUI::GetHotItemBkColor() const { return m_ListInfo.dwHotBkColor; }
const wchar_t* CListUI::GetHotItemImage() const { return m_ListInfo.sHotImage; }
DWORD CListUI::GetDisabledItemTextColor() const { return m_ListInfo.dwDisabledTextColor; }
DWORD CListUI::GetDisabledItemBkColor() const { return m_ListInfo.dwDisabledBkColor; }
DWORD CListUI::GetItemLineColor() const { return m_ListInfo.dwLineColor; }

// ---- attributes ----------------------------------------------------------------------------

void CListUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    typedef TAttributeRowUI<CListUI> Row;
    static const Row kAttributes[] = {
        {L"itemtextcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetItemTextColor>},
        {L"itembkcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetItemBkColor>},
        {L"itemselectedtextcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetSelectedItemTextColor>},
        {L"itemselectedbkcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetSelectedItemBkColor>},
        {L"itemhottextcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetHotItemTextColor>},
        {L"itemhotbkcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetHotItemBkColor>},
        {L"itemdisabledtextcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetDisabledItemTextColor>},
        {L"itemdisabledbkcolor", &Row::ParseAndSet<ParseColor, &CListUI::SetDisabledItemBkColor>},
        {L"itemlinecolor", &Row::ParseAndSet<ParseColor, &CListUI::SetItemLineColor>},
        {L"itembkimage", &Row::ParseAndSet<AttributeText, &CListUI::SetItemBkImage>},
        {L"itemselectedimage", &Row::ParseAndSet<AttributeText, &CListUI::SetSelectedItemImage>},
        {L"itemhotimage", &Row::ParseAndSet<AttributeText, &CListUI::SetHotItemImage>},
        {L"itemdisabledimage", &Row::ParseAndSet<AttributeText, &CListUI::SetDisabledItemImage>},
        {L"header",
         [](CListUI& list, const wchar_t* value) {
             if (list.m_pHeader != NULL) list.m_pHeader->SetVisible(wcscmp(value, L"hidden") != 0);
         }},
        {L"headerbkimage",
         [](CListUI& list, const wchar_t* value) {
             if (list.m_pHeader != NULL) list.m_pHeader->SetBkImage(value);
         }},
        {L"scrollselect", &Row::ParseAndSet<ParseBool, &CListUI::SetScrollSelect>},
        {L"hotselect", [](CListUI& list, const wchar_t* value) { list.m_ListInfo.bHotSelect = ParseBool(value); }},
        {L"multiexpanding", &Row::ParseAndSet<ParseBool, &CListUI::SetMultiExpanding>},
        {L"itemfont", &Row::ParseAndSet<ParseInt, &CListUI::SetItemFont>},
        {L"itemalign",
         [](CListUI& list, const wchar_t* value) {
             list.SetItemTextStyle(AlignHorizontally(list.m_ListInfo.uTextStyle, value));
         }},
        {L"itemendellipsis",
         [](CListUI& list, const wchar_t* value) {
             UINT uStyle = list.m_ListInfo.uTextStyle;
             if (ParseBool(value)) uStyle |= DT_END_ELLIPSIS;
             else uStyle &= ~DT_END_ELLIPSIS;
             list.SetItemTextStyle(uStyle);
         }},
        {L"itemtextpadding", &Row::ParseAndSet<ParseRect, &CListUI::SetItemTextPadding>},
        {L"itemaltbk", &Row::ParseAndSet<ParseBool, &CListUI::SetAlternateBk>},
        {L"itemshowhtml", &Row::ParseAndSet<ParseBool, &CListUI::SetItemShowHtml>},
    };
    if (!ApplyAttributeRow(kAttributes, *this, pstrName, pstrValue))
        CVerticalLayoutUI::SetAttribute(pstrName, pstrValue);
}

} // namespace SkinUI
