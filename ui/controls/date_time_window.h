// CDateTimeWnd: the native date picker ("SysDateTimePick32" superclassed) that a
// date field opens over itself. It closes itself by posting WM_CLOSE when it
// loses the focus; its final message clears the owner's pointer to it and
// deletes the object.
#pragma once

#include "core/gdi_scope.h"
#include "core/window_wnd.h"

namespace SkinUI {

class CDateTimeUI;

class CDateTimeWnd : public CWindowWnd
{
public:
    CDateTimeWnd();

    // Creates the window over the owner on first use, hands it the owner's
    // date and gives it the keyboard focus.
    void Init(CDateTimeUI* pOwner);
    // The owner goes away first: the window closes without calling back.
    void Detach();

    const wchar_t* GetWindowClassName() const override;
    const wchar_t* GetSuperClassName() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    // The user's choice goes to the owner when the picker closes.
    void WriteBack();
    bool IsOwnPopup(HWND hWnd) const;

    CDateTimeUI* m_pOwner;
    BrushHandle m_hBkBrush;
    bool m_bInit;
    // The owner's date could not be shown (outside the picker's range); the
    // picker's own date is written back only once the user changed it.
    bool m_bDateRefused;
    bool m_bChanged;
};

} // namespace SkinUI
