// CWndShadow: a soft drop shadow behind a top-level window, drawn in a separate
// layered, click-through popup that follows its owner by hooking the owner's
// window procedure. The shape follows the owner's window region, so rounded
// corners get rounded shadows. Until Initialize has run, shadows stay off.
#pragma once

#include <windows.h>

#include "core/ui_export.h"

namespace SkinUI {

class UILIB_API CWndShadow
{
public:
    typedef BOOL(WINAPI* UpdateLayeredWindowFn)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

    CWndShadow();
    // Unhooks the owner and destroys the shadow window when the owner outlives
    // the object.
    virtual ~CWndShadow();
    CWndShadow(const CWndShadow&) = delete;
    CWndShadow& operator=(const CWndShadow&) = delete;

    // Sets the layered update and registers the shadow window class, once.
    static bool Initialize(HINSTANCE hInstance);
    // Creates the shadow of a window and starts following it; false when shadows
    // are off or the window already has a shadow.
    bool Create(HWND hParentWnd);

    bool SetSize(int NewSize);
    bool SetSharpness(unsigned int NewSharpness);
    bool SetDarkness(unsigned int NewDarkness);
    bool SetPosition(int NewXOffset, int NewYOffset);
    bool SetColor(COLORREF NewColor);

    HWND GetShadowWnd() const { return m_hWnd; }

    // The layered update in use (null: shadows off); tests put a recorder in front of it.
    static UpdateLayeredWindowFn s_UpdateLayeredWindow;

protected:
    enum ShadowStatus
    {
        SS_ENABLED = 1,
        SS_VISABLE = 2,
        SS_PARENTVISIBLE = 4,
    };

    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void HandleParentMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void Update(HWND hParent);
    void MakeShadow(DWORD* pShadBits, HWND hParent, const RECT& rcParent);
    bool HasShadowWindow() const;
    void Redraw();

    HWND m_hWnd;
    WNDPROC m_OriParentProc;
    BYTE m_Status;
    unsigned char m_nDarkness;
    unsigned char m_nSharpness;
    signed char m_nSize;
    signed char m_nxOffset;
    signed char m_nyOffset;
    LPARAM m_WndSize;
    bool m_bUpdate;
    COLORREF m_Color;
    HWND m_hParent;
};

} // namespace SkinUI
