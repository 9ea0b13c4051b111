// The look shared by all rows of one list, and the interfaces through which a
// list, its rows and whoever supplies cell texts talk to each other. The combo,
// the tree view, the menu and the program's own lists build on them.
#pragma once

#include <windows.h>

#include "core/ui_export.h"
#include "core/ui_string.h"

namespace SkinUI {

class CControlUI;
class CContainerUI;
class CListHeaderUI;
struct TEventUI;

// At most this many header items become columns.
const int UILIST_MAX_COLUMNS = 32;

// The control flags of a list row.
const UINT UIFLAG_LIST_ROW = 0x00000004;

struct UILIB_API TListInfoUI
{
    TListInfoUI();

    int nColumns;
    RECT rcColumn[UILIST_MAX_COLUMNS];
    int nFont;
    UINT uTextStyle;
    RECT rcTextPadding;
    DWORD dwTextColor;
    DWORD dwBkColor;
    CUIString sBkImage;
    bool bAlternateBk;
    DWORD dwSelectedTextColor;
    DWORD dwSelectedBkColor;
    CUIString sSelectedImage;
    DWORD dwHotTextColor;
    DWORD dwHotBkColor;
    CUIString sHotImage;
    DWORD dwDisabledTextColor;
    DWORD dwDisabledBkColor;
    CUIString sDisabledImage;
    DWORD dwLineColor;
    bool bShowHtml;
    bool bMultiExpandable;
    bool bHotSelect;
};

// Supplies the text of a cell; may answer null.
class UILIB_API IListCallbackUI
{
public:
    virtual const wchar_t* GetItemText(CControlUI* pRow, int iRow, int iColumn) = 0;
};

class UILIB_API IListOwnerUI
{
public:
    virtual TListInfoUI* GetListInfo() = 0;
    virtual int GetCurSel() const = 0;
    virtual bool SelectItem(int iIndex, bool bTakeFocus = false) = 0;
    virtual void DoEvent(TEventUI& event) = 0;
};

class UILIB_API IListUI : public IListOwnerUI
{
public:
    virtual CListHeaderUI* GetHeader() const = 0;
    virtual CContainerUI* GetList() const = 0;
    virtual IListCallbackUI* GetTextCallback() const = 0;
    virtual void SetTextCallback(IListCallbackUI* pCallback) = 0;
    virtual bool ExpandItem(int iIndex, bool bExpand = true) = 0;
    virtual int GetExpandedItem() const = 0;
};

class UILIB_API IListItemUI
{
public:
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int iIndex) = 0;
    virtual IListOwnerUI* GetOwner() = 0;
    virtual void SetOwner(CControlUI* pOwner) = 0;
    virtual bool IsSelected() const = 0;
    virtual bool Select(bool bSelect = true) = 0;
    virtual bool IsExpanded() const = 0;
    virtual bool Expand(bool bExpand = true) = 0;
    virtual void DrawItemText(HDC hDC, const RECT& rcItem) = 0;
};

} // namespace SkinUI
