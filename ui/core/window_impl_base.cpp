// WindowImplBase: skin loading in WM_CREATE, the frameless window's own hit-testing,
// sizing and rounding, default buttons and keys.
#include "window_impl_base.h"

#include <windowsx.h>

#include <cwchar>
#include <memory>

#include "blocking_calls.h"
#include "control_ui.h"
#include "gdi_scope.h"

namespace SkinUI {
namespace {

// Controls that take the mouse themselves even inside the caption area.
const wchar_t* const kNonCaptionClasses[] = {L"ButtonUI",   L"OptionUI",  L"ComboUI",   L"EditUI",
                                             L"CheckBoxUI", L"FriendsUI", L"AccListUI", L"TextUI"};

// The skin archive copied out of the program's resources, once per process.
struct ResourceZipCopy
{
    std::unique_ptr<BYTE[]> bytes;
    DWORD size = 0;
};

ResourceZipCopy& SharedResourceZip()
{
    static ResourceZipCopy copy;
    return copy;
}

// Finds the "ZIPRES" resource and copies it the first time; later windows reuse that
// one copy. False when the resource is missing or empty.
bool LoadResourceZip(const wchar_t* resourceId)
{
    HINSTANCE hModule = CPaintManagerUI::GetResourceDll();
    HRSRC hResource = ::FindResourceW(hModule, resourceId, L"ZIPRES");
    if (hResource == NULL) return false;
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    if (hGlobal == NULL) return false;
    const DWORD size = ::SizeofResource(hModule, hResource);
    const void* data = ::LockResource(hGlobal);
    if (size == 0 || data == NULL) return false;
    ResourceZipCopy& copy = SharedResourceZip();
    if (copy.bytes) return true;
    copy.bytes.reset(new BYTE[size]);
    ::CopyMemory(copy.bytes.get(), data, size);
    copy.size = size;
    return true;
}

// The default handlers leave the message to the next stage.
LRESULT NotHandled(BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

MONITORINFO MonitorOf(HWND hWnd)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

// The work area relative to the monitor's origin.
RECT RelativeWorkArea(const MONITORINFO& info)
{
    RECT rc = info.rcWork;
    ::OffsetRect(&rc, -info.rcMonitor.left, -info.rcMonitor.top);
    return rc;
}

}  // namespace

LPBYTE WindowImplBase::m_lpResourceZIPBuffer = NULL;

UI_BEGIN_MESSAGE_MAP(WindowImplBase, CNotifyPump)
UI_ON_MSGTYPE(L"click", OnClick)
UI_END_MESSAGE_MAP()

WindowImplBase::WindowImplBase() = default;

WindowImplBase::~WindowImplBase() = default;

void WindowImplBase::InitWindow() {}

void WindowImplBase::OnClick(TNotifyUI& msg)
{
    if (msg.sender == NULL) return;
    const CUIString sName = msg.sender->GetName();
    if (sName == L"closebtn") {
        Close(1);
    } else if (sName == L"minbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (sName == L"maxbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    } else if (sName == L"restorebtn") {
        SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    }
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM wParam)
{
    if (wParam == VK_ESCAPE) {
        Close(1);
        return TRUE;
    }
    return FALSE;
}

CPaintManagerUI* WindowImplBase::GetPaintManager() { return &m_PaintManager; }

SKIN_RESOURCETYPE WindowImplBase::GetResourceType() const { return SKIN_FROM_FILE; }

CUIString WindowImplBase::GetZIPFileName() const { return CUIString(); }

const wchar_t* WindowImplBase::GetResourceID() const { return L""; }

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, BOOL& bHandled)
{
    if (::IsIconic(m_hWnd)) bHandled = FALSE;
    return wParam == 0 ? TRUE : FALSE;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM wParam, LPARAM lParam, BOOL&)
{
    LPRECT pRect = wParam ? &reinterpret_cast<LPNCCALCSIZE_PARAMS>(lParam)->rgrc[0] : reinterpret_cast<LPRECT>(lParam);
    if (::IsZoomed(m_hWnd)) {
        const RECT rcWork = RelativeWorkArea(MonitorOf(m_hWnd));
        pRect->right = pRect->left + (rcWork.right - rcWork.left);
        pRect->bottom = pRect->top + (rcWork.bottom - rcWork.top);
        return WVR_REDRAW;
    }
    return 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, BOOL&)
{
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_hWnd, &pt);
    RECT rcClient = {};
    ::GetClientRect(m_hWnd, &rcClient);

    if (!::IsZoomed(m_hWnd)) {
        const RECT& rcSizeBox = m_PaintManager.GetSizeBox();
        const bool bLeft = pt.x < rcClient.left + rcSizeBox.left;
        const bool bRight = pt.x >= rcClient.right - rcSizeBox.right;
        if (pt.y < rcClient.top + rcSizeBox.top) return bLeft ? HTTOPLEFT : bRight ? HTTOPRIGHT : HTTOP;
        if (pt.y >= rcClient.bottom - rcSizeBox.bottom) return bLeft ? HTBOTTOMLEFT : bRight ? HTBOTTOMRIGHT : HTBOTTOM;
        if (bLeft) return HTLEFT;
        if (bRight) return HTRIGHT;
    }

    const RECT& rcCaption = m_PaintManager.GetCaptionRect();
    const int captionBottom = rcCaption.bottom == -1 ? rcClient.bottom : rcCaption.bottom;
    if (pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right && pt.y >= rcCaption.top &&
        pt.y < captionBottom) {
        CControlUI* pControl = m_PaintManager.FindControl(pt);
        if (pControl == NULL) return HTCLIENT;
        for (const wchar_t* className : kNonCaptionClasses) {
            if (_wcsicmp(pControl->GetClass(), className) == 0) return HTCLIENT;
        }
        return HTCAPTION;
    }
    return HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, BOOL& bHandled)
{
    const RECT rcWork = RelativeWorkArea(MonitorOf(m_hWnd));
    LPMINMAXINFO lpMMI = reinterpret_cast<LPMINMAXINFO>(lParam);
    lpMMI->ptMaxPosition.x = rcWork.left;
    lpMMI->ptMaxPosition.y = rcWork.top;
    lpMMI->ptMaxTrackSize.x = rcWork.right - rcWork.left;
    lpMMI->ptMaxTrackSize.y = rcWork.bottom - rcWork.top;
    lpMMI->ptMinTrackSize.x = m_PaintManager.GetMinInfo().cx;
    lpMMI->ptMinTrackSize.y = m_PaintManager.GetMinInfo().cy;
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    const SIZE szRoundCorner = m_PaintManager.GetRoundCorner();
    if (!::IsIconic(m_hWnd) && (szRoundCorner.cx != 0 || szRoundCorner.cy != 0)) {
        RECT rcWnd = {};
        ::GetWindowRect(m_hWnd, &rcWnd);
        ::OffsetRect(&rcWnd, -rcWnd.left, -rcWnd.top);
        RegionHandle hRgn(::CreateRoundRectRgn(rcWnd.left, rcWnd.top, rcWnd.right + 1, rcWnd.bottom + 1,
                                               szRoundCorner.cx, szRoundCorner.cy));
        // The window owns the region once it is set; it is only ours to delete on failure.
        if (hRgn != NULL && ::SetWindowRgn(m_hWnd, hRgn, TRUE)) hRgn.Release();
    }
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    // The low four bits of the command are the system's own.
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        bHandled = TRUE;
        SendMessage(WM_CLOSE);
        return 0;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, BOOL&)
{
    LONG styleValue = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    styleValue &= ~WS_CAPTION;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, styleValue | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    RECT rcClient = {};
    ::GetClientRect(m_hWnd, &rcClient);
    ::SetWindowPos(m_hWnd, NULL, rcClient.left, rcClient.top, rcClient.right - rcClient.left,
                   rcClient.bottom - rcClient.top, SWP_FRAMECHANGED | SWP_NOACTIVATE);

    m_PaintManager.Init(m_hWnd);
    m_PaintManager.AddPreMessageFilter(this);

    if (CPaintManagerUI::GetResourcePath().IsEmpty()) {
        CUIString sResourcePath = CPaintManagerUI::GetInstancePath();
        sResourcePath += GetSkinFolder();
        CPaintManagerUI::SetResourcePath(sResourcePath);
    }

    switch (GetResourceType()) {
    case SKIN_FROM_ZIPFILE:
        CPaintManagerUI::SetResourceZip(GetZIPFileName(), true);
        break;
    case SKIN_FROM_ZIPRESOURCE:
        if (!LoadResourceZip(GetResourceID())) return 0;
        m_lpResourceZIPBuffer = SharedResourceZip().bytes.get();
        CPaintManagerUI::SetResourceZip(m_lpResourceZIPBuffer, SharedResourceZip().size);
        break;
    default:
        break;
    }

    CControlUI* pRoot = NULL;
    CDialogBuilder builder;
    if (GetResourceType() == SKIN_FROM_RESOURCE) {
        const UINT id = static_cast<UINT>(wcstoul(GetSkinFile(), NULL, 10));
        pRoot = builder.Create(STRINGorID(id), L"xml", this, &m_PaintManager);
    } else {
        const CUIString sSkinFile = GetSkinFile();
        pRoot = builder.Create(STRINGorID(sSkinFile.GetData()), NULL, this, &m_PaintManager);
    }
    if (pRoot == NULL) {
        UIMessageBox(NULL, L"加载资源文件失败", L"KXPlatform", MB_ICONERROR);
        UIExitProcess(1);
        return -1;  // reached only when the exit is replaced (tests): creation fails
    }
    m_PaintManager.AttachDialog(pRoot);
    m_PaintManager.AddNotifier(this);
    m_PaintManager.SetBackgroundTransparent(true);
    InitWindow();
    return 0;
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, BOOL& bHandled) { return NotHandled(bHandled); }

LONG WindowImplBase::GetStyle()
{
    LONG styleValue = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    return styleValue & ~WS_CAPTION;
}

UINT WindowImplBase::GetClassStyle() const { return CS_DBLCLKS; }

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    typedef LRESULT (WindowImplBase::*Handler)(UINT, WPARAM, LPARAM, BOOL&);
    static const struct
    {
        UINT message;
        Handler handler;
    } kHandlers[] = {
        {WM_CREATE, &WindowImplBase::OnCreate},
        {WM_CLOSE, &WindowImplBase::OnClose},
        {WM_DESTROY, &WindowImplBase::OnDestroy},
        {WM_NCACTIVATE, &WindowImplBase::OnNcActivate},
        {WM_NCCALCSIZE, &WindowImplBase::OnNcCalcSize},
        {WM_NCPAINT, &WindowImplBase::OnNcPaint},
        {WM_NCHITTEST, &WindowImplBase::OnNcHitTest},
        {WM_GETMINMAXINFO, &WindowImplBase::OnGetMinMaxInfo},
        {WM_MOUSEWHEEL, &WindowImplBase::OnMouseWheel},
        {WM_MOUSEHOVER, &WindowImplBase::OnMouseHover},
        {WM_SIZE, &WindowImplBase::OnSize},
        {WM_CHAR, &WindowImplBase::OnChar},
        {WM_SYSCOMMAND, &WindowImplBase::OnSysCommand},
        {WM_KEYDOWN, &WindowImplBase::OnKeyDown},
        {WM_KILLFOCUS, &WindowImplBase::OnKillFocus},
        {WM_SETFOCUS, &WindowImplBase::OnSetFocus},
        {WM_LBUTTONDOWN, &WindowImplBase::OnLButtonDown},
        {WM_LBUTTONUP, &WindowImplBase::OnLButtonUp},
        {WM_MOUSEMOVE, &WindowImplBase::OnMouseMove},
    };
    LRESULT lRes = 0;
    BOOL bHandled = FALSE;
    for (const auto& entry : kHandlers) {
        if (entry.message != uMsg) continue;
        bHandled = TRUE;
        lRes = (this->*entry.handler)(uMsg, wParam, lParam, bHandled);
        break;
    }
    if (bHandled) return lRes;
    lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled) return lRes;
    if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void WindowImplBase::OnFinalMessage(HWND hWnd)
{
    m_PaintManager.RemovePreMessageFilter(this);
    m_PaintManager.RemoveNotifier(this);
    m_PaintManager.ReapObjects(m_PaintManager.GetRoot());
    CWindowWnd::OnFinalMessage(hWnd);
}

void WindowImplBase::Notify(TNotifyUI& msg) { NotifyPump(msg); }

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool&)
{
    if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return ResponseDefaultKeyEvent(wParam);
    return FALSE;
}

CControlUI* WindowImplBase::CreateControl(const wchar_t*) { return NULL; }

}  // namespace SkinUI
