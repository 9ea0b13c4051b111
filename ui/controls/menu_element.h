// CMenuElementUI: one item of a popup menu. An item whose children include
// further menu elements opens them as a sub-menu window beside itself when it
// is hovered or clicked; any other item, when chosen, closes every menu and
// reports its name to the window that owns the top menu.
#pragma once

#include <vector>

#include "list_container_element.h"

namespace SkinUI {

class CMenuWnd;

class UILIB_API CMenuElementUI : public CListContainerElementUI
{
public:
    CMenuElementUI();
    ~CMenuElementUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    bool Activate() override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void DrawItemText(HDC hDC, const RECT& rcItem) override;

    bool IsChecked() const;
    void SetChecked(bool bChecked);
    const CUIString& GetCheckImage() const;
    void SetCheckImage(const wchar_t* pstrImage);

    // The sub-menu window while one is open, else null.
    CMenuWnd* GetSubMenuWnd() const;
    // Opens the sub-menu of this item unless one is open.
    void CreateMenuWnd();

    // The sub-menu's window takes the sub-items while it shows them and hands
    // them back (hidden, owned by this item again) when it is gone, so that
    // this item never lays out, paints or hit-tests rows that another window
    // shows.
    std::vector<CMenuElementUI*> TakeSubItems();
    void GiveBackSubItems(const std::vector<CMenuElementUI*>& items);
    // Called from the sub-menu's final message.
    void OnSubMenuClosed();

private:
    bool HasSubItems() const;
    // Makes the sub-items visible; true when there is one.
    bool ShowSubItems();
    // Closes every menu; the top menu reports the name when it is not empty.
    void Choose(const CUIString& sName);

    CMenuWnd* m_pWindow;
    bool m_bChecked;
    CUIString m_sCheckImage;
};

// Hides the menu-element children of an item: they are its sub-menu's items.
void HideMenuSubItems(CControlUI* pItem);

} // namespace SkinUI
