// The test harness for framework windows: a real popup window whose messages go to
// its paint manager, built from a layout text (or a control tree made by the test),
// driven by mouse, key, typing and wheel messages as the window would get them, with
// the notifications it raises kept in a log.
//
// A control test usually reads:
//
//     TestWindow w(L"<Window><Container>"
//                  L"<Button name=\"ok\" float=\"true\" pos=\"10,10,60,40\" text=\"OK\"/>"
//                  L"</Container></Window>", 200, 100);
//     ASSERT_TRUE(w.ok());
//     CButtonUI* ok = w.Find<CButtonUI>(L"ok");
//     w.Click(20, 20);
//     EXPECT_EQ(1, w.log.Count(L"click"));
//     EXPECT_EQ(ok, w.log.records.back().sender);
//
// Other starts: `TestWindow w(width, height)` gives a hidden window with a ready
// manager and no tree, for a control driven straight through SetManager/DoEvent;
// `TestWindow w; w.CreateAt(...)` gives the bare window for tests of the manager
// itself, which then attach a tree with Attach() or Load(). Controls the builder does
// not know come from the callback given to the constructor or to Load().
//
// Every helper of the framework's tests lives in namespace SkinUI::test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/container_ui.h"
#include "core/dialog_builder.h"
#include "core/paint_manager.h"
#include "core/window_wnd.h"

namespace SkinUI {
namespace test {

class TestCanvas;

// Delivers every waiting message of the thread (posted cleanup, async notifications).
void PumpMessages();
// Delivers the posted messages only (queued notifications, delayed cleanup), not
// paints or timers: a control that asks for a paint from its own paint does not
// keep the pump going for ever.
void PumpPosted();
// Pumps until done() holds or the time runs out (real timers).
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);

// Lays the window out and paints it once through WM_PAINT.
void PaintNow(HWND hWnd);

inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

struct NotifyRecord
{
    std::wstring type;
    std::wstring virtualWnd;
    CControlUI* sender;
};

// Keeps every notification it is given; onNotify sees each one as it comes.
class NotifyLog : public INotifyUI
{
public:
    void Notify(TNotifyUI& msg) override;
    int Count(const wchar_t* type) const;

    std::vector<NotifyRecord> records;
    std::function<void(TNotifyUI&)> onNotify;
};

class TestWindow : public CWindowWnd
{
public:
    // The bare window: nothing created until CreateAt or CreateHidden.
    TestWindow() = default;
    // A shown window at (0, 0) with the layout (a Window element) built, attached and
    // painted once; ok() tells whether all of that worked.
    explicit TestWindow(const wchar_t* layout, int width = 200, int height = 100,
                        IDialogBuilderCallback* callback = NULL);
    // A window with a ready manager and no tree; hidden unless asked.
    TestWindow(int width, int height, bool shown = false);
    ~TestWindow() override;
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    const wchar_t* GetWindowClassName() const override { return L"SkinUITestWindow"; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    // Shown without activation: under Wine a window created active takes seconds to
    // be destroyed.
    HWND CreateAt(int x, int y, int cx, int cy, HWND parent = NULL, DWORD style = WS_POPUP);
    HWND CreateHidden(int cx, int cy);

    // Builds the layout and hands it to Attach; false if it does not build.
    bool Load(const wchar_t* layout, IDialogBuilderCallback* callback = NULL);
    // Attaches the tree, starts the log listening, paints once and delivers the
    // messages the first paint posted.
    bool Attach(CControlUI* tree);
    bool ok() const { return m_ok; }
    // Why the last Load did not build, as the builder tells it.
    const std::wstring& buildError() const { return m_buildError; }

    template <class T = CControlUI> T* Find(const wchar_t* name) { return static_cast<T*>(pm.FindControl(name)); }

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageW(m_hWnd, msg, wParam, lParam); }
    // Mouse messages at client points; keys are the MK_ flags the message carries.
    void Move(int x, int y, WPARAM keys = 0) { Send(WM_MOUSEMOVE, keys, Point(x, y)); }
    void Down(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y)); }
    void Up(int x, int y) { Send(WM_LBUTTONUP, 0, Point(x, y)); }
    void Click(int x, int y);
    void Move(POINT pt, WPARAM keys = 0) { Move(pt.x, pt.y, keys); }
    void Down(POINT pt) { Down(pt.x, pt.y); }
    void Up(POINT pt) { Up(pt.x, pt.y); }
    void Click(POINT pt) { Click(pt.x, pt.y); }
    // Pressed at from and moved through the points with the button held; Up releases.
    void Drag(POINT from, const std::vector<POINT>& moves);
    // The wheel turned over a client point (the message carries screen points);
    // delta is in WHEEL_DELTA steps, positive away from the user.
    void Wheel(int x, int y, int delta, WORD keys = 0);
    // A key as the message loop sees it: pre-translated, then dispatched.
    void Key(UINT msg, WPARAM key);
    // Characters sent one by one as WM_CHAR.
    void Type(const wchar_t* text);

    // Paints the window once through WM_PAINT.
    void Paint() { PaintNow(m_hWnd); }
    // The whole tree painted into a canvas at the canvas's size.
    void PaintInto(TestCanvas& canvas);

    CPaintManagerUI pm;
    CControlUI* root = nullptr;
    NotifyLog log;

private:
    bool m_ok = false;
    std::wstring m_buildError;
    bool m_listening = false;
};

}  // namespace test
}  // namespace SkinUI
