// CComboWnd: the drop-down list of a combo, a popup window with its own paint
// manager whose vertical layout borrows the combo's elements while it is open.
// It closes itself by posting WM_CLOSE when it loses the focus; the elements go
// back to the combo at the latest in its final message, which also clears the
// combo's pointer to it and deletes the object.
#pragma once

#include "core/paint_manager.h"
#include "core/window_wnd.h"

namespace SkinUI {

class CComboUI;
class CVerticalLayoutUI;

class CComboWnd : public CWindowWnd
{
public:
    CComboWnd();

    // Places the popup under the combo (over it near the bottom of the combo's
    // monitor; ending at the combo's right edge when a wider list would pass the
    // right edge of the combo's window; inside the monitor's work area sideways),
    // creates and shows it. When the window cannot be made the object
    // is gone on return and the combo's pointer to it is cleared.
    void Init(CComboUI* pOwner);
    // Hands the borrowed elements back to the combo now; once only.
    void GiveBack();
    // The combo goes away first: the elements go back, and the window closes
    // without calling the combo again.
    void Detach();

    const wchar_t* GetWindowClassName() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    // Counts the calls into the window that are running, so that the object
    // (and its paint manager) is deleted only after the outermost one returned.
    class Busy
    {
    public:
        explicit Busy(CComboWnd& window) : m_window(window) { ++m_window.m_iBusy; }
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        CComboWnd& m_window;
    };

    LRESULT OnCreate();
    LRESULT Dispatch(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Scrolls the layout so that the combo's selected element shows.
    void EnsureVisible();
    // The message as an event for the combo.
    void PassToOwner(int type, WPARAM wParam, LPARAM lParam, wchar_t key = 0);

    CPaintManagerUI m_pm;
    CComboUI* m_pOwner;
    CVerticalLayoutUI* m_pLayout;
    int m_iOldSel;
    int m_iBusy;
    bool m_bLent;
    bool m_bFinal;
};

} // namespace SkinUI
