// CWindowWnd: class registration, creation, subclassing, the window procedures that
// find the object again, the modal loop, centring and client resizing.
#include "window_wnd.h"

#include "paint_manager.h"

namespace SkinUI {
namespace {

// Window property that holds the object of a superclassed control window.
const wchar_t kControlObjectProperty[] = L"WndX";

RECT WorkAreaOf(HWND hWnd)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// Places a window of the given size centred on the reference and then inside the work area.
void MoveCentred(HWND hWnd, const RECT& reference, const RECT& work)
{
    RECT rcWindow = {};
    ::GetWindowRect(hWnd, &rcWindow);
    const int width = rcWindow.right - rcWindow.left;
    const int height = rcWindow.bottom - rcWindow.top;
    int x = (reference.left + reference.right) / 2 - width / 2;
    int y = (reference.top + reference.bottom) / 2 - height / 2;
    if (x < work.left) x = work.left;
    else if (x + width > work.right) x = work.right - width;
    if (y < work.top) y = work.top;
    else if (y + height > work.bottom) y = work.bottom - height;
    ::SetWindowPos(hWnd, NULL, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CWindowWnd::CWindowWnd() : m_hWnd(NULL), m_OldWndProc(::DefWindowProcW), m_bSubclassed(false) {}

CWindowWnd::~CWindowWnd()
{
    // A window that outlives its object must not find the object again: its later
    // messages go to the window's own procedure instead of a deleted object.
    if (m_hWnd == NULL || !::IsWindow(m_hWnd)) return;
    if (m_bSubclassed) Unsubclass();
    if (::GetPropW(m_hWnd, kControlObjectProperty) == static_cast<HANDLE>(this)) {
        ::RemovePropW(m_hWnd, kControlObjectProperty);
    }
    if (::GetWindowLongPtrW(m_hWnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    }
}

const wchar_t* CWindowWnd::GetSuperClassName() const { return nullptr; }

UINT CWindowWnd::GetClassStyle() const { return 0; }

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND /*hWnd*/) {}

bool CWindowWnd::RegisterWindowClass()
{
    WNDCLASSW wc = {};
    wc.style = GetClassStyle();
    wc.lpfnWndProc = CWindowWnd::__WndProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.hCursor = ::LoadCursorW(NULL, IDC_ARROW);
    wc.lpszClassName = GetWindowClassName();
    ATOM atom = ::RegisterClassW(&wc);
    return atom != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindowWnd::RegisterSuperclass()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(NULL, GetSuperClassName(), &wc) &&
        !::GetClassInfoExW(CPaintManagerUI::GetInstance(), GetSuperClassName(), &wc)) {
        return false;
    }
    m_OldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = CWindowWnd::__ControlProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.lpszClassName = GetWindowClassName();
    ATOM atom = ::RegisterClassExW(&wc);
    return atom != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT& rc,
                        HMENU hMenu)
{
    return Create(hwndParent, pstrName, dwStyle, dwExStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hMenu);
}

HWND CWindowWnd::Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx,
                        int cy, HMENU hMenu)
{
    if (GetSuperClassName() != nullptr && !RegisterSuperclass()) return NULL;
    if (GetSuperClassName() == nullptr && !RegisterWindowClass()) return NULL;
    m_hWnd = ::CreateWindowExW(dwExStyle, GetWindowClassName(), pstrName, dwStyle, x, y, cx, cy, hwndParent, hMenu,
                               CPaintManagerUI::GetInstance(), this);
    return m_hWnd;
}

HWND CWindowWnd::CreateUIWindow(HWND hwndParent, const wchar_t* pstrWindowName, DWORD dwStyle, DWORD dwExStyle)
{
    return Create(hwndParent, pstrWindowName, dwStyle, dwExStyle, 0, 0, 0, 0, NULL);
}

HWND CWindowWnd::Subclass(HWND hWnd)
{
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CWindowWnd::__WndProc)));
    if (previous == NULL) return NULL;
    m_OldWndProc = previous;
    m_bSubclassed = true;
    m_hWnd = hWnd;
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return m_hWnd;
}

void CWindowWnd::Unsubclass()
{
    if (!::IsWindow(m_hWnd) || !m_bSubclassed) return;
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    m_OldWndProc = ::DefWindowProcW;
    m_bSubclassed = false;
}

void CWindowWnd::ShowWindow(bool bShow, bool bTakeFocus)
{
    if (!::IsWindow(m_hWnd)) return;
    ::ShowWindow(m_hWnd, bShow ? (bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

UINT CWindowWnd::ShowModal()
{
    // The window object may delete itself in OnFinalMessage, so the loop works on a copy
    // of the handle and never touches the object once the window is gone.
    const HWND hWnd = m_hWnd;
    UINT result = 0;
    HWND owner = ::GetWindow(hWnd, GW_OWNER);
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    if (owner != NULL) ::EnableWindow(owner, FALSE);
    MSG msg = {};
    bool quit = false;
    while (::IsWindow(hWnd)) {
        BOOL got = ::GetMessageW(&msg, NULL, 0, 0);
        if (got == 0) {
            quit = true;
            break;
        }
        if (got == -1) break;
        if (msg.message == WM_CLOSE && msg.hwnd == hWnd) {
            result = static_cast<UINT>(msg.wParam);
            // Re-enabled before the dialog disappears, so that activation goes back to it.
            if (owner != NULL) {
                ::EnableWindow(owner, TRUE);
                ::SetFocus(owner);
            }
        }
        if (!CPaintManagerUI::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (owner != NULL) {
        ::EnableWindow(owner, TRUE);
        ::SetFocus(owner);
    }
    if (quit) ::PostQuitMessage(static_cast<int>(msg.wParam));
    return result;
}

void CWindowWnd::Close(UINT nRet)
{
    if (!::IsWindow(m_hWnd)) return;
    ::PostMessageW(m_hWnd, WM_CLOSE, static_cast<WPARAM>(nRet), 0);
}

void CWindowWnd::CenterWindow()
{
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    RECT reference = {};
    RECT work = WorkAreaOf(owner != NULL ? owner : m_hWnd);
    if (owner == NULL || ::IsIconic(owner)) {
        reference = work;
    } else {
        ::GetWindowRect(owner, &reference);
    }
    MoveCentred(m_hWnd, reference, work);
}

void CWindowWnd::CenterDesktopWindow()
{
    RECT work = WorkAreaOf(m_hWnd);
    MoveCentred(m_hWnd, work, work);
}

void CWindowWnd::SetIcon(UINT nRes)
{
    const int cx = (::GetSystemMetrics(SM_CXICON) + 15) & ~15;
    const int cy = (::GetSystemMetrics(SM_CYICON) + 15) & ~15;
    HICON icon = static_cast<HICON>(
        ::LoadImageW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(nRes), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::ResizeClient(int cx, int cy)
{
    RECT rc = {};
    if (!::GetClientRect(m_hWnd, &rc)) return;
    if (cx != -1) rc.right = cx;
    if (cy != -1) rc.bottom = cy;
    const LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    const BOOL hasMenu = !(style & WS_CHILD) && ::GetMenu(m_hWnd) != NULL;
    if (!::AdjustWindowRectEx(&rc, style, hasMenu, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE))) return;
    ::SetWindowPos(m_hWnd, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT CALLBACK CWindowWnd::__WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return RouteMessage(hWnd, uMsg, wParam, lParam, false);
}

LRESULT CALLBACK CWindowWnd::__ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return RouteMessage(hWnd, uMsg, wParam, lParam, true);
}

// A class window keeps its object in the user data, a superclassed control (whose user
// data belongs to the system class) in the property "WndX".
LRESULT CWindowWnd::RouteMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool inProperty)
{
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
        pThis = static_cast<CWindowWnd*>(cs->lpCreateParams);
        // A window of the class made by someone else's CreateWindow has no object.
        if (pThis != nullptr) {
            pThis->m_hWnd = hWnd;
            if (inProperty) ::SetPropW(hWnd, kControlObjectProperty, static_cast<HANDLE>(pThis));
            else ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
        }
    } else {
        pThis = inProperty ? static_cast<CWindowWnd*>(::GetPropW(hWnd, kControlObjectProperty))
                           : reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (uMsg == WM_NCDESTROY && pThis != nullptr) {
            LRESULT lRes = ::CallWindowProcW(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
            if (inProperty) ::RemovePropW(hWnd, kControlObjectProperty);
            else ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
            if (pThis->m_bSubclassed) pThis->Unsubclass();
            pThis->m_hWnd = NULL;
            pThis->OnFinalMessage(hWnd);
            return lRes;
        }
    }
    if (pThis != nullptr) return pThis->HandleMessage(uMsg, wParam, lParam);
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace SkinUI
