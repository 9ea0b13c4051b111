// The shadow window: creation beside its owner, the owner's hook that moves,
// shows, hides and redraws it, and the layered update of its bitmap.
#include "window_shadow.h"

#include <cstring>
#include <map>
#include <vector>

#include "core/gdi_scope.h"
#include "shadow_shape.h"

namespace SkinUI {

namespace {

const wchar_t kShadowClassName[] = L"VorrelShadowWnd";
const HWND kNoWindow = reinterpret_cast<HWND>(-1);

HINSTANCE g_hInstance = NULL;

// The hook on one owner window: the procedure it replaced and the shadow it
// serves. A shadow freed while another subclass sits above the hook cannot take
// the hook out of the chain; the entry then stays without a shadow and only
// passes messages on, until the owner is destroyed or a new shadow takes it.
struct OwnerHook
{
    WNDPROC previous;
    CWndShadow* shadow;
};

std::map<HWND, OwnerHook>& HookMap()
{
    static std::map<HWND, OwnerHook> map;
    return map;
}

} // namespace

CWndShadow::UpdateLayeredWindowFn CWndShadow::s_UpdateLayeredWindow = NULL;

CWndShadow::CWndShadow()
    : m_hWnd(kNoWindow),
      m_OriParentProc(NULL),
      m_Status(0),
      m_nDarkness(150),
      m_nSharpness(5),
      m_nSize(0),
      m_nxOffset(5),
      m_nyOffset(5),
      m_WndSize(0),
      m_bUpdate(false),
      m_Color(RGB(0, 0, 0)),
      m_hParent(NULL)
{}

CWndShadow::~CWndShadow()
{
    if (m_hParent == NULL) return;
    auto it = HookMap().find(m_hParent);
    if (it != HookMap().end() && it->second.shadow == this) {
        // Left pointing here, the hook would call into a freed object.
        it->second.shadow = NULL;
        if (::IsWindow(m_hParent) &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hParent, GWLP_WNDPROC)) == &CWndShadow::ParentProc) {
            ::SetWindowLongPtrW(m_hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
            HookMap().erase(it);
        }
    }
    if (HasShadowWindow()) ::DestroyWindow(m_hWnd);
}

bool CWndShadow::Initialize(HINSTANCE hInstance)
{
    if (s_UpdateLayeredWindow != NULL) return true;
    s_UpdateLayeredWindow = &::UpdateLayeredWindow;
    g_hInstance = hInstance;

    WNDCLASSEXW wcex = {};
    wcex.cbSize = sizeof(wcex);
    wcex.style = CS_HREDRAW | CS_VREDRAW;
    wcex.lpfnWndProc = ::DefWindowProcW;
    wcex.hInstance = hInstance;
    wcex.hCursor = ::LoadCursorW(NULL, IDC_ARROW);
    wcex.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wcex.lpszClassName = kShadowClassName;
    ::RegisterClassExW(&wcex);
    return true;
}

bool CWndShadow::HasShadowWindow() const { return m_hWnd != kNoWindow && m_hWnd != NULL && ::IsWindow(m_hWnd); }

bool CWndShadow::Create(HWND hParentWnd)
{
    if (s_UpdateLayeredWindow == NULL || hParentWnd == NULL || !::IsWindow(hParentWnd)) return false;
    // A second hook on the same owner would make the owner's procedure call itself.
    auto it = HookMap().find(hParentWnd);
    if (HasShadowWindow() || (it != HookMap().end() && it->second.shadow != NULL)) return false;

    m_hParent = hParentWnd;
    m_hWnd = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kShadowClassName, NULL, WS_POPUPWINDOW, CW_USEDEFAULT,
                               0, 0, 0, hParentWnd, NULL, g_hInstance, NULL);
    if (m_hWnd == NULL) {
        m_hWnd = kNoWindow;
        m_hParent = NULL;
        return false;
    }
    // A hook left behind by a freed shadow is still in the owner's chain: serve it.
    const bool hookInChain = it != HookMap().end();
    if (!hookInChain) {
        WNDPROC previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hParentWnd, GWLP_WNDPROC));
        it = HookMap().insert(std::make_pair(hParentWnd, OwnerHook{previous, NULL})).first;
    }
    it->second.shadow = this;
    m_OriParentProc = it->second.previous;

    const LONG style = ::GetWindowLongW(hParentWnd, GWL_STYLE);
    m_Status = SS_ENABLED;
    if (style & WS_VISIBLE) {
        m_Status |= SS_PARENTVISIBLE;
        if (!(style & (WS_MAXIMIZE | WS_MINIMIZE))) {
            m_Status |= SS_VISABLE;
            ::ShowWindow(m_hWnd, SW_SHOWNA);
            Update(hParentWnd);
        }
    }

    if (!hookInChain) {
        ::SetWindowLongPtrW(hParentWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWndShadow::ParentProc));
    }
    return true;
}

LRESULT CALLBACK CWndShadow::ParentProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto it = HookMap().find(hwnd);
    if (it == HookMap().end()) return ::DefWindowProcW(hwnd, uMsg, wParam, lParam);
    // Kept before the message may remove the entry from the map.
    WNDPROC previous = it->second.previous;
    if (it->second.shadow != NULL) it->second.shadow->HandleParentMessage(hwnd, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY) HookMap().erase(hwnd);
    return ::CallWindowProcW(previous, hwnd, uMsg, wParam, lParam);
}

void CWndShadow::HandleParentMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_MOVE:
        if (m_Status & SS_VISABLE) {
            RECT rc;
            ::GetWindowRect(hwnd, &rc);
            ::SetWindowPos(m_hWnd, NULL, rc.left + m_nxOffset - m_nSize, rc.top + m_nyOffset - m_nSize, 0, 0,
                           SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
        break;
    case WM_SIZE:
        if (m_Status & SS_ENABLED) {
            if (wParam == SIZE_MAXIMIZED || wParam == SIZE_MINIMIZED) {
                ::ShowWindow(m_hWnd, SW_HIDE);
                m_Status &= ~SS_VISABLE;
            } else if (::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) {
                // A larger owner has its new region only after it has painted.
                if (LOWORD(lParam) > LOWORD(m_WndSize) || HIWORD(lParam) > HIWORD(m_WndSize)) m_bUpdate = true;
                else Update(hwnd);
                if (!(m_Status & SS_VISABLE)) {
                    ::ShowWindow(m_hWnd, SW_SHOWNA);
                    m_Status |= SS_VISABLE;
                }
            }
            m_WndSize = lParam;
        }
        break;
    case WM_PAINT:
        if (m_bUpdate) {
            Update(hwnd);
            m_bUpdate = false;
        }
        break;
    case WM_SHOWWINDOW:
        if (m_Status & SS_ENABLED) {
            if (wParam == 0) {
                ::ShowWindow(m_hWnd, SW_HIDE);
                m_Status &= ~(SS_VISABLE | SS_PARENTVISIBLE);
            } else if (!(m_Status & SS_PARENTVISIBLE)) {
                m_bUpdate = true;
                ::ShowWindow(m_hWnd, SW_SHOWNA);
                m_Status |= SS_VISABLE | SS_PARENTVISIBLE;
            }
        }
        break;
    case WM_EXITSIZEMOVE:
        if (m_Status & SS_VISABLE) Update(hwnd);
        break;
    case WM_DESTROY:
        if (HasShadowWindow()) ::DestroyWindow(m_hWnd);
        m_hWnd = kNoWindow;
        break;
    case WM_NCDESTROY: m_hParent = NULL; break;
    }
}

void CWndShadow::Update(HWND hParent)
{
    if (!HasShadowWindow() || s_UpdateLayeredWindow == NULL) return;
    RECT rcParent;
    ::GetWindowRect(hParent, &rcParent);
    const int width = rcParent.right - rcParent.left + 2 * m_nSize;
    const int height = rcParent.bottom - rcParent.top + 2 * m_nSize;
    // A shadow shrunk below nothing has no bitmap to draw.
    if (width <= 0 || height <= 0) return;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(width) * height * 4;
    void* bits = NULL;
    BitmapHandle bitmap(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &bits, NULL, 0));
    if (bitmap.Get() == NULL || bits == NULL) return;
    ZeroMemory(bits, bmi.bmiHeader.biSizeImage);
    MakeShadow(static_cast<DWORD*>(bits), hParent, rcParent);

    MemoryDC memDC(NULL);
    SelectObjectScope select(memDC, bitmap.Get());
    POINT ptDst = {rcParent.left + m_nxOffset - m_nSize, rcParent.top + m_nyOffset - m_nSize};
    POINT ptSrc = {0, 0};
    SIZE szShadow = {width, height};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::MoveWindow(m_hWnd, ptDst.x, ptDst.y, width, height, FALSE);
    s_UpdateLayeredWindow(m_hWnd, NULL, &ptDst, &szShadow, memDC, &ptSrc, 0, &blend, ULW_ALPHA);
}

void CWndShadow::MakeShadow(DWORD* pShadBits, HWND hParent, const RECT& rcParent)
{
    const int ownerWidth = rcParent.right - rcParent.left;
    const int ownerHeight = rcParent.bottom - rcParent.top;
    RegionHandle region(::CreateRectRgn(0, 0, 0, 0));
    std::vector<ShadowSpan> spans;
    if (::GetWindowRgn(hParent, region) != ERROR) spans = RegionSpans(region, ownerWidth, ownerHeight);

    const ShadowLook look = {m_nSize, m_nSharpness, m_nDarkness, m_nxOffset, m_nyOffset, m_Color};
    const std::vector<DWORD> pixels = MakeShadowPixels(spans, ownerWidth, ownerHeight, look);
    const int width = ownerWidth + 2 * m_nSize;
    const int height = ownerHeight + 2 * m_nSize;
    if (pixels.size() != static_cast<size_t>(width) * height) return;
    // The bitmap is bottom-up.
    for (int y = 0; y < height; ++y) {
        memcpy(pShadBits + static_cast<size_t>(height - 1 - y) * width, &pixels[static_cast<size_t>(y) * width],
               width * sizeof(DWORD));
    }
}

void CWndShadow::Redraw()
{
    if ((m_Status & SS_VISABLE) && HasShadowWindow()) Update(::GetWindow(m_hWnd, GW_OWNER));
}

bool CWndShadow::SetSize(int NewSize)
{
    if (NewSize < -128 || NewSize > 127) return false;
    m_nSize = static_cast<signed char>(NewSize);
    Redraw();
    return true;
}

bool CWndShadow::SetSharpness(unsigned int NewSharpness)
{
    if (NewSharpness > 255) return false;
    m_nSharpness = static_cast<unsigned char>(NewSharpness);
    Redraw();
    return true;
}

bool CWndShadow::SetDarkness(unsigned int NewDarkness)
{
    if (NewDarkness > 255) return false;
    m_nDarkness = static_cast<unsigned char>(NewDarkness);
    Redraw();
    return true;
}

bool CWndShadow::SetPosition(int NewXOffset, int NewYOffset)
{
    if (NewXOffset < -128 || NewXOffset > 127 || NewYOffset < -128 || NewYOffset > 127) return false;
    m_nxOffset = static_cast<signed char>(NewXOffset);
    m_nyOffset = static_cast<signed char>(NewYOffset);
    Redraw();
    return true;
}

bool CWndShadow::SetColor(COLORREF NewColor)
{
    m_Color = NewColor;
    Redraw();
    return true;
}

} // namespace SkinUI
