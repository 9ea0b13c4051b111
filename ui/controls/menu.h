// CMenuUI: the list that holds the items of one popup menu window (its header is
// hidden; the list's item attributes style the items). CMenuBuilderCallback: the
// builder callback that knows the elements "Menu" and "MenuElement" of a menu
// layout.
#pragma once

#include "core/dialog_builder.h"
#include "list.h"

namespace SkinUI {

class UILIB_API CMenuUI : public CListUI
{
public:
    CMenuUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    // Items are menu elements; the other rows of a menu are containers whose
    // buttons choose by their own names.
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;

    // The widest visible item by the sum of the visible items' heights.
    SIZE EstimateSize(SIZE szAvailable) override;

private:
    // A "click" of a button in a container row chooses the button's name.
    bool OnButtonNotify(void* pParam);
};

class UILIB_API CMenuBuilderCallback : public IDialogBuilderCallback
{
public:
    CControlUI* CreateControl(const wchar_t* pstrClass) override;
};

} // namespace SkinUI
