// CWindowWnd under real windows: class windows, superclassed and subclassed controls,
// the final message, the modal loop and its result, centring, client resizing; and the
// names of messages for tracing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class RecordingWindow : public CWindowWnd
{
public:
    const wchar_t* GetWindowClassName() const override { return L"SkinUITestRecordingWindow"; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(uMsg);
        if (uMsg == WM_APP + 7) return 77;
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }
    void OnFinalMessage(HWND hWnd) override
    {
        finalWindow = hWnd;
        if (deleteOnFinal) delete this;
    }
    bool Saw(UINT uMsg) const
    {
        for (UINT m : messages) {
            if (m == uMsg) return true;
        }
        return false;
    }
    std::vector<UINT> messages;
    HWND finalWindow = NULL;
    bool deleteOnFinal = false;
};

TEST(WindowWnd, ClassWindowFindsItsObjectUntilTheFinalMessage)
{
    RecordingWindow window;
    EXPECT_TRUE(window.RegisterWindowClass());
    EXPECT_TRUE(window.RegisterWindowClass());  // already registered counts as success
    HWND hWnd = window.Create(NULL, L"rec", WS_POPUP, 0, 0, 0, 50, 50);
    ASSERT_NE(hWnd, (HWND)NULL);
    EXPECT_EQ(window.GetHWND(), hWnd);
    EXPECT_TRUE(window.Saw(WM_NCCREATE));
    EXPECT_TRUE(window.Saw(WM_CREATE));
    EXPECT_EQ(window.SendMessage(WM_APP + 7), 77);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(window.finalWindow, hWnd);
    EXPECT_EQ(window.GetHWND(), (HWND)NULL);
}

TEST(WindowWnd, AWindowThatOutlivesItsObjectNoLongerReachesIt)
{
    struct Counting : CWindowWnd
    {
        int* calls = nullptr;
        const wchar_t* GetWindowClassName() const override { return L"SkinUITestCounting"; }
        LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
        {
            ++*calls;
            return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
        }
    };
    int calls = 0;
    Counting* window = new Counting;
    window->calls = &calls;
    HWND hWnd = window->Create(NULL, L"w", WS_POPUP, 0, 0, 0, 20, 20);
    ASSERT_NE(hWnd, (HWND)NULL);
    delete window;
    const int before = calls;
    ::SendMessageW(hWnd, WM_APP + 7, 0, 0);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(calls, before);
    EXPECT_FALSE(::IsWindow(hWnd));

    // A subclassed window gets its own procedure back.
    HWND hStatic = ::CreateWindowExW(0, L"STATIC", L"s", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(hStatic, (HWND)NULL);
    const LONG_PTR ownProc = ::GetWindowLongPtrW(hStatic, GWLP_WNDPROC);
    window = new Counting;
    window->calls = &calls;
    ASSERT_EQ(window->Subclass(hStatic), hStatic);
    delete window;
    EXPECT_EQ(::GetWindowLongPtrW(hStatic, GWLP_WNDPROC), ownProc);
    ::DestroyWindow(hStatic);
}

TEST(WindowWnd, SuperclassedControlKeepsTheSystemBehaviour)
{
    struct SuperButton : RecordingWindow
    {
        const wchar_t* GetWindowClassName() const override { return L"SkinUITestSuperButton"; }
        const wchar_t* GetSuperClassName() const override { return L"BUTTON"; }
    } button;
    HWND hWnd = button.Create(NULL, L"caption", WS_POPUP | BS_AUTOCHECKBOX, 0, 0, 0, 80, 20);
    ASSERT_NE(hWnd, (HWND)NULL);
    EXPECT_NE(::GetPropW(hWnd, L"WndX"), (HANDLE)NULL);
    EXPECT_EQ(button.SendMessage(WM_APP + 7), 77);
    wchar_t text[32] = {};
    ::GetWindowTextW(hWnd, text, 32);
    EXPECT_STREQ(text, L"caption");
    button.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), BST_CHECKED);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(button.finalWindow, hWnd);
}

TEST(WindowWnd, SuperclassOfAnUnknownClassFails)
{
    struct Nothing : RecordingWindow
    {
        const wchar_t* GetWindowClassName() const override { return L"SkinUITestNothing"; }
        const wchar_t* GetSuperClassName() const override { return L"NoSuchClassAnywhere"; }
    } window;
    EXPECT_EQ(window.Create(NULL, L"", WS_POPUP, 0, 0, 0, 10, 10), (HWND)NULL);
}

TEST(WindowWnd, SubclassRoutesMessagesUntilUnsubclassed)
{
    HWND hStatic = ::CreateWindowExW(0, L"STATIC", L"s", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(hStatic, (HWND)NULL);
    RecordingWindow window;
    EXPECT_EQ(window.Subclass(hStatic), hStatic);
    EXPECT_EQ(::SendMessageW(hStatic, WM_APP + 7, 0, 0), 77);
    window.Unsubclass();
    EXPECT_EQ(::SendMessageW(hStatic, WM_APP + 7, 0, 0), 0);
    ::DestroyWindow(hStatic);
}

struct ModalProbe
{
    HWND owner;
    bool ownerDisabled;
};

// Checks the owner from inside the modal loop, then closes the dialog with result 7.
void CALLBACK CloseWithSeven(HWND hWnd, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(hWnd, id);
    ModalProbe* probe = static_cast<ModalProbe*>(::GetPropW(hWnd, L"probe"));
    probe->ownerDisabled = !::IsWindowEnabled(probe->owner);
    ::RemovePropW(hWnd, L"probe");
    ::PostMessageW(hWnd, WM_CLOSE, 7, 0);
}

TEST(WindowWnd, ModalLoopReturnsTheCloseResultAndReenablesTheOwner)
{
    RecordingWindow owner;
    ASSERT_NE(owner.Create(NULL, L"owner", WS_POPUP, 0, 0, 0, 50, 50), (HWND)NULL);
    // Deleted by its own final message while the modal loop still runs.
    RecordingWindow* dialog = new RecordingWindow;
    dialog->deleteOnFinal = true;
    HWND hDialog = dialog->Create(owner, L"dialog", WS_POPUP, 0, 0, 0, 40, 40);
    ASSERT_NE(hDialog, (HWND)NULL);
    ModalProbe probe = {owner, false};
    ::SetPropW(hDialog, L"probe", &probe);
    ::SetTimer(hDialog, 1, 10, CloseWithSeven);
    EXPECT_EQ(dialog->ShowModal(), 7u);
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_TRUE(probe.ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
}

TEST(WindowWnd, ModalLoopEndedByQuitPostsTheQuitAgain)
{
    RecordingWindow dialog;
    ASSERT_NE(dialog.Create(NULL, L"dialog", WS_POPUP, 0, 0, 0, 40, 40), (HWND)NULL);
    ::PostQuitMessage(5);
    EXPECT_EQ(dialog.ShowModal(), 0u);
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    ::DestroyWindow(dialog);
}

TEST(WindowWnd, CenterWindowCentresOnTheOwnerInsideTheWorkArea)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    struct Case
    {
        RECT owner;
        POINT expected;
    } cases[] = {
        {{100, 100, 500, 400}, {200, 200}},                                         // plain centre
        {{work.right - 100, 100, work.right + 300, 400}, {work.right - 200, 200}},  // kept inside on the right
        {{-300, -300, -100, -100}, {work.left, work.top}},                          // kept inside at the top left
    };
    for (const Case& test : cases) {
        RecordingWindow owner;
        ASSERT_NE(owner.Create(NULL, L"owner", WS_POPUP, 0, test.owner), (HWND)NULL);
        RecordingWindow window;
        ASSERT_NE(window.Create(owner, L"w", WS_POPUP, 0, 0, 0, 200, 100), (HWND)NULL);
        window.CenterWindow();
        RECT rc = {};
        ::GetWindowRect(window, &rc);
        EXPECT_EQ(rc.left, test.expected.x);
        EXPECT_EQ(rc.top, test.expected.y);
        ::DestroyWindow(window);
        ::DestroyWindow(owner);
    }
}

TEST(WindowWnd, CenterDesktopWindowCentresInTheWorkArea)
{
    RecordingWindow window;
    ASSERT_NE(window.Create(NULL, L"w", WS_POPUP, 0, 0, 0, 200, 100), (HWND)NULL);
    window.CenterDesktopWindow();
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT rc = {};
    ::GetWindowRect(window, &rc);
    EXPECT_EQ(rc.left, (monitor.rcWork.left + monitor.rcWork.right) / 2 - 100);
    EXPECT_EQ(rc.top, (monitor.rcWork.top + monitor.rcWork.bottom) / 2 - 50);
    ::DestroyWindow(window);
}

TEST(WindowWnd, ResizeClientSizesTheClientArea)
{
    RecordingWindow window;
    ASSERT_NE(window.Create(NULL, L"w", WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100), (HWND)NULL);
    window.ResizeClient(300, -1);
    RECT rc = {};
    ::GetClientRect(window, &rc);
    EXPECT_EQ(rc.right, 300);
    const int height = rc.bottom;
    window.ResizeClient(-1, 120);
    ::GetClientRect(window, &rc);
    EXPECT_EQ(rc.right, 300);
    EXPECT_EQ(rc.bottom, 120);
    EXPECT_NE(height, 0);
    ::DestroyWindow(window);
}

TEST(WindowWnd, SetIconSetsTheBigAndTheSmallIcon)
{
    RecordingWindow window;
    ASSERT_NE(window.Create(NULL, L"w", WS_POPUP, 0, 0, 0, 50, 50), (HWND)NULL);
    // The system's application icon, loaded from the module that carries it.
    const HINSTANCE previous = CPaintManagerUI::GetInstance();
    CPaintManagerUI::SetInstance(::GetModuleHandleW(L"user32.dll"));
    window.SetIcon(32512);
    CPaintManagerUI::SetInstance(previous);
    HICON big = reinterpret_cast<HICON>(window.SendMessage(WM_GETICON, ICON_BIG));
    HICON small = reinterpret_cast<HICON>(window.SendMessage(WM_GETICON, ICON_SMALL));
    EXPECT_NE(big, (HICON)NULL);
    EXPECT_EQ(small, big);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(big, &info));
    BITMAP bm = {};
    ::GetObjectW(info.hbmColor != NULL ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth % 16, 0);  // the large-icon size rounded up to a multiple of 16
    if (info.hbmColor != NULL) ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL) ::DeleteObject(info.hbmMask);
    ::DestroyWindow(window);
}

TEST(WindowWnd, CloseAndShowDoNothingWithoutAWindow)
{
    RecordingWindow window;
    window.Close(3);
    window.ShowWindow(true);
    MSG msg = {};
    EXPECT_FALSE(::PeekMessageW(&msg, NULL, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
}

TEST(MessageTrace, NamesKnownMessagesAndNumbersTheRest)
{
    struct
    {
        UINT message;
        const wchar_t* name;
    } cases[] = {
        {WM_PAINT, L"WM_PAINT"}, {WM_NCHITTEST, L"WM_NCHITTEST"}, {WM_GETTEXTLENGTH, L"WM_GETTEXTLENGTH"},
        {1024, L"0x0400"},       {0x12345, L"0x12345"},           {WM_USER + 1, L"0x0401"},
    };
    for (const auto& test : cases) EXPECT_STREQ(UI__TraceMsg(test.message), test.name);
}

}  // namespace
