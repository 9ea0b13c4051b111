// CListUI: the framework's list, a vertical layout of exactly two children, the
// column header and the scrolling body that holds the rows. It keeps the look
// shared by all rows, the selection, the expanded row, keyboard and wheel
// navigation and sorting. CListBodyUI: the body, which gives every row the
// width of the columns and scrolls the header along with the rows.
#pragma once

#include "list_interfaces.h"
#include "vertical_layout.h"

namespace SkinUI {

class CListUI;
class CListHeaderUI;

// Compares two rows (as CControlUI*) with the caller's data, as qsort does.
typedef int(CALLBACK* PULVCompareFunc)(UINT_PTR, UINT_PTR, UINT_PTR);

// The record a sort's data may point to. With the key "CFriendsUI" the two
// numbers are the first row and the count of the range to sort. Every record
// alive is known to the list, so that a sort reads the caller's data as a
// record only when it is one: any other data (a number, a record of another
// kind) is the caller's own and only reaches the comparison.
struct UILIB_API TListSortRange
{
    TListSortRange(const wchar_t* pstrKey = L"", int first = 0, int count = 0);
    TListSortRange(const TListSortRange& other);
    TListSortRange& operator=(const TListSortRange& other);
    ~TListSortRange();

    // True when data is the address of a record alive now; data is never read.
    static bool IsRecord(UINT_PTR data);

    CUIString sKey;
    int iFirst;
    int iCount;
};

class UILIB_API CListBodyUI : public CVerticalLayoutUI
{
public:
    explicit CListBodyUI(CListUI* pOwner);

    int SortItems(PULVCompareFunc pfnCompare, UINT_PTR dwData);
    void SetScrollPos(SIZE szPos) override;
    void SetPos(RECT rc) override;
    void DoEvent(TEventUI& event) override;

protected:
    // The caller's comparison of two rows; 0 when a row is missing.
    int CompareRows(CControlUI* pA, CControlUI* pB) const;

    CListUI* m_pOwner;
    PULVCompareFunc m_pCompareFunc;
    UINT_PTR m_compareData;
};

class UILIB_API CListUI : public CVerticalLayoutUI, public IListUI
{
public:
    CListUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    bool GetScrollSelect();
    void SetScrollSelect(bool bScrollSelect);
    int GetCurSel() const override;
    bool SelectItem(int iIndex, bool bTakeFocus = false) override;

    CListHeaderUI* GetHeader() const override;
    CContainerUI* GetList() const override;
    TListInfoUI* GetListInfo() override;

    CControlUI* GetItemAt(int iIndex) const override;
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    int GetCount() const override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    void EnsureVisible(int iIndex);
    void Scroll(int dx, int dy);

    int GetChildPadding() const override;
    void SetChildPadding(int iPadding) override;

    void SetItemFont(int index);
    void SetItemTextStyle(UINT uStyle);
    void SetItemTextPadding(RECT rc);
    void SetItemTextColor(DWORD dwTextColor);
    void SetItemBkColor(DWORD dwBkColor);
    void SetItemBkImage(const wchar_t* pStrImage);
    void SetAlternateBk(bool bAlternateBk);
    void SetSelectedItemTextColor(DWORD dwTextColor);
    void SetSelectedItemBkColor(DWORD dwBkColor);
    void SetSelectedItemImage(const wchar_t* pStrImage);
    void SetHotItemTextColor(DWORD dwTextColor);
    void SetHotItemBkColor(DWORD dwBkColor);
    void SetHotItemImage(const wchar_t* pStrImage);
    void SetDisabledItemTextColor(DWORD dwTextColor);
    void SetDisabledItemBkColor(DWORD dwBkColor);
    void SetDisabledItemImage(const wchar_t* pStrImage);
    void SetItemLineColor(DWORD dwLineColor);
    bool IsItemShowHtml();
    void SetItemShowHtml(bool bShowHtml = true);
    RECT GetItemTextPadding() const;
    DWORD GetItemTextColor() const;
    DWORD GetItemBkColor() const;
    const wchar_t* GetItemBkImage() const;
    bool IsAlternateBk() const;
    DWORD GetSelectedItemTextColor() const;
    DWORD GetSelectedItemBkColor() const;
    const wchar_t* GetSelectedItemImage() const;
    DWORD GetHotItemTextColor() const;
    DWORD GetHotItemBkColor() const;
    const wchar_t* GetHotItemImage() const;
    DWORD GetDisabledItemTextColor() const;
    DWORD GetDisabledItemBkColor() const;
    DWORD GetItemLineColor() const;

    void SetMultiExpanding(bool bMultiExpandable);
    int GetExpandedItem() const override;
    bool ExpandItem(int iIndex, bool bExpand = true) override;

    void SetPos(RECT rc) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    IListCallbackUI* GetTextCallback() const override;
    void SetTextCallback(IListCallbackUI* pCallback) override;

    SIZE GetScrollPos() const override;
    SIZE GetScrollRange() const override;
    void SetScrollPos(SIZE szPos) override;
    void LineUp() override;
    void LineDown() override;
    void PageUp() override;
    void PageDown() override;
    void HomeUp() override;
    void EndDown() override;
    void LineLeft() override;
    void LineRight() override;
    void PageLeft() override;
    void PageRight() override;
    void HomeLeft() override;
    void EndRight() override;
    void EnableScrollBar(bool bEnableVertical = true, bool bEnableHorizontal = false) override;
    CScrollBarUI* GetVerticalScrollBar() const override;
    CScrollBarUI* GetHorizontalScrollBar() const override;

    int SortItems(PULVCompareFunc pfnCompare, UINT_PTR dwData);
    // After a "CFriendsUI" range sort has renumbered its rows: the program's
    // grouped lists reorder the node records reached from the range's last row.
    virtual void OnRangeSorted(CControlUI* pLastRow);

    void SetReserve(const CUIString& sReserve);
    CUIString GetReserve() const;
    void SetHeaderStyle(int nStyle);
    int GetHeaderStyle() const;
    // Whether a click on a header item sorts the rows; set when the list is made.
    // Pages clear it while a list shows rows whose order is their meaning.
    bool IsSortable() const;
    void SetSortable(bool bSortable);

protected:
    // Min(header items, the column limit).
    void CountColumns();
    // Gives every row from iFirst on its index again.
    void RenumberRows(int iFirst, int iLast);
    // A layout change of the item look, when the list shows.
    void NeedLookUpdate();

    bool m_bScrollSelect;
    int m_iCurSel;
    int m_iExpandedItem;
    IListCallbackUI* m_pCallback;
    CListBodyUI* m_pList;
    CListHeaderUI* m_pHeader;
    TListInfoUI m_ListInfo;
    int m_nHeaderStyle;
    CUIString m_sReserve;
    bool m_bSortable;
};

} // namespace SkinUI
