// The test harness for framework windows (see test_window.h).
#include "core/test_support/test_window.h"

#include "gtest/gtest.h"
#include "core/test_support/test_canvas.h"

namespace SkinUI {
namespace test {

namespace {

// Delivers the waiting messages that PeekMessage's flags let through; a WM_QUIT is
// put back for the caller's own loop and stops the pump.
void Pump(UINT removeFlags)
{
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, removeFlags)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!CPaintManagerUI::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

}  // namespace

void PumpMessages() { Pump(PM_REMOVE); }

void PumpPosted() { Pump(PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE); }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

void PaintNow(HWND hWnd)
{
    ::InvalidateRect(hWnd, NULL, FALSE);
    ::UpdateWindow(hWnd);
}

void NotifyLog::Notify(TNotifyUI& msg)
{
    records.push_back({msg.type.GetData(), msg.virtualWnd.GetData(), msg.sender});
    if (onNotify) onNotify(msg);
}

int NotifyLog::Count(const wchar_t* type) const
{
    int n = 0;
    for (const NotifyRecord& r : records) n += r.type == type;
    return n;
}

TestWindow::TestWindow(const wchar_t* layout, int width, int height, IDialogBuilderCallback* callback)
{
    if (CreateAt(0, 0, width, height) == NULL) return;
    Load(layout, callback);
}

TestWindow::TestWindow(int width, int height, bool shown)
{
    m_ok = CreateHidden(width, height) != NULL;
    EXPECT_TRUE(m_ok);
    if (m_ok && shown) ShowWindow(true, false);
}

TestWindow::~TestWindow()
{
    if (m_listening) pm.RemoveNotifier(&log);
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

LRESULT TestWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_CREATE) {
        pm.Init(m_hWnd);
        return 0;
    }
    LRESULT lRes = 0;
    if (pm.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

HWND TestWindow::CreateAt(int x, int y, int cx, int cy, HWND parent, DWORD style)
{
    if (Create(parent, L"test", style, 0, x, y, cx, cy) == NULL) return NULL;
    ShowWindow(true, false);
    return m_hWnd;
}

HWND TestWindow::CreateHidden(int cx, int cy)
{
    return Create(NULL, L"test", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, cx, cy);
}

bool TestWindow::Load(const wchar_t* layout, IDialogBuilderCallback* callback)
{
    CDialogBuilder builder;
    CControlUI* tree = builder.Create(STRINGorID(layout), NULL, callback, &pm);
    if (tree == NULL) {
        wchar_t message[256] = L"";
        builder.GetLastErrorMessage(message, 256);
        m_buildError = message;
        return false;
    }
    return Attach(tree);
}

bool TestWindow::Attach(CControlUI* tree)
{
    if (!pm.AttachDialog(tree)) return false;
    root = tree;
    if (!m_listening) pm.AddNotifier(&log);
    m_listening = true;
    PaintNow(m_hWnd);
    PumpPosted();
    m_ok = true;
    return true;
}

void TestWindow::Click(int x, int y)
{
    Move(x, y);
    Down(x, y);
    Up(x, y);
}

void TestWindow::Drag(POINT from, const std::vector<POINT>& moves)
{
    Down(from);
    for (const POINT& pt : moves) Move(pt, MK_LBUTTON);
}

void TestWindow::Wheel(int x, int y, int delta, WORD keys)
{
    POINT screen = {x, y};
    ::ClientToScreen(m_hWnd, &screen);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), Point(screen.x, screen.y));
}

void TestWindow::Key(UINT msg, WPARAM key)
{
    MSG m = {m_hWnd, msg, key, 0, 0, {0, 0}};
    if (!CPaintManagerUI::TranslateMessage(&m)) ::DispatchMessageW(&m);
}

void TestWindow::Type(const wchar_t* text)
{
    for (const wchar_t* p = text; *p != 0; ++p) Send(WM_CHAR, *p, 1);
}

void TestWindow::PaintInto(TestCanvas& canvas)
{
    RECT rc = canvas.rect();
    root->DoPaint(canvas.dc(), rc);
}

}  // namespace test
}  // namespace SkinUI
