// CEditWnd: the native "Edit" child window that an edit control opens while it
// has the focus. It closes itself when it loses the focus; its final message
// clears the owner's pointer to it and deletes the object.
#pragma once

#include "core/gdi_scope.h"
#include "core/window_wnd.h"

namespace SkinUI {

class CEditUI;

class CEditWnd : public CWindowWnd
{
public:
    CEditWnd();

    void Init(CEditUI* pOwner);
    // The owner goes away first: the window closes without calling back.
    void Detach();
    // Text put in by the program, not typed: no "textchanged".
    void SetTextQuietly(const wchar_t* pstrText);

    const wchar_t* GetWindowClassName() const override;
    const wchar_t* GetSuperClassName() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    CEditUI* m_pOwner;
    BrushHandle m_hBkBrush;
    bool m_bInit;
    bool m_bQuiet;
};

} // namespace SkinUI
