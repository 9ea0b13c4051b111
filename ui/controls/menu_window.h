// CMenuWnd: one popup menu window. The top menu is built from a layout file of
// the skin; a sub-menu window shows the sub-items of the item that opened it.
// Every open menu window listens on one channel: choosing an item broadcasts on
// it, which closes all menus, and the top menu posts the item's name to the
// window that owns it as WM_MENUCLICK.
#pragma once

#include <vector>

#include "observer_impl.h"
#include "core/paint_manager.h"
#include "core/window_wnd.h"

namespace SkinUI {

class CMenuUI;
class CMenuElementUI;

// Posted to a top menu's owner window when an item was chosen: wParam is a
// CUIString* allocated with new holding the item's name, lParam 0. The window
// that handles the message owns the string and deletes it.
const UINT WM_MENUCLICK = 0x2340;

// Where a menu hangs from its point: flag 8 puts it left of the point, flag 16
// above it. Callers pass 6 (right and below) or 18 (above).
const DWORD MENU_ALIGN_DEFAULT = 6;
const DWORD MENU_ALIGN_LEFT = 8;
const DWORD MENU_ALIGN_TOP = 16;

class UILIB_API CMenuWnd : public CWindowWnd, public BASEMENU::ContextMenuReceiver
{
public:
    explicit CMenuWnd(HWND hWndOwner);

    // Opens the menu: a top menu (no owner element) from the layout file at the
    // screen point, a sub-menu beside its owner element. False when no window
    // came up (a layout that builds nothing); the object is gone then.
    bool Init(CMenuElementUI* pOwner, const wchar_t* pstrXml, DWORD dwAlignment, POINT point);

    const wchar_t* GetWindowClassName() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;
    int Receive(BASEMENU::ContextMenuParam param) override;

    CPaintManagerUI& GetPaintManager();

    // The channel every open menu window listens on.
    static BASEMENU::ContextMenuObserver s_context_menu_observer;
    // True when hWnd is the window of an open menu.
    static bool IsMenuWindow(HWND hWnd);

private:
    ~CMenuWnd() override;

    LRESULT CreateTopMenu();
    LRESULT CreateSubMenu();
    void PlaceSubMenu();

    HWND m_hWndOwner;
    POINT m_ptBase;
    CUIString m_sXml;
    CPaintManagerUI m_pm;
    CMenuElementUI* m_pOwner;
    CMenuUI* m_pLayout;
    // A sub-menu's items, taken from the owner item while the window shows them.
    std::vector<CMenuElementUI*> m_subItems;
    DWORD m_dwAlignment;
    int m_nTransparency;
    // Set once the menu is closing: it reports no further choice.
    bool m_bClosing;
    // The top menu's layout built nothing.
    bool m_bNoLayout;
};

} // namespace SkinUI
