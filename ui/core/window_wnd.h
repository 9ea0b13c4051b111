// CWindowWnd: a thin object wrapper of one native window. It registers the window
// class (or a superclass of an existing one), creates or subclasses the window, finds
// the object again in the window procedure, runs the modal loop and centres windows.
#pragma once

#include <windows.h>

#include "ui_export.h"

namespace SkinUI {

class UILIB_API CWindowWnd
{
public:
    CWindowWnd();

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    bool RegisterWindowClass();
    bool RegisterSuperclass();

    HWND Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT& rc,
                HMENU hMenu = NULL);
    HWND Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU hMenu = NULL);
    HWND CreateUIWindow(HWND hwndParent, const wchar_t* pstrWindowName, DWORD dwStyle = 0, DWORD dwExStyle = 0);
    HWND Subclass(HWND hWnd);
    void Unsubclass();
    void ShowWindow(bool bShow = true, bool bTakeFocus = true);
    UINT ShowModal();
    void Close(UINT nRet = IDOK);
    void CenterWindow();
    void CenterDesktopWindow();
    void SetIcon(UINT nRes);

    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    void ResizeClient(int cx = -1, int cy = -1);

    virtual const wchar_t* GetWindowClassName() const = 0;
    virtual const wchar_t* GetSuperClassName() const;
    virtual UINT GetClassStyle() const;
    virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND hWnd);
    // Derived windows are often deleted through a base pointer in OnFinalMessage.
    virtual ~CWindowWnd();

protected:
    static LRESULT CALLBACK __WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK __ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT RouteMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool inProperty);

    HWND m_hWnd;
    WNDPROC m_OldWndProc;
    bool m_bSubclassed;
};

// Name of a window message for tracing ("WM_PAINT"), or its number as "0x%04X".
UILIB_API const wchar_t* UI__TraceMsg(UINT uMsg);
// Trace output is discarded.
UILIB_API void UI__Trace(const wchar_t* pstrFormat, ...);

}  // namespace SkinUI
