// Test helpers for framework windows: a plain window that feeds its messages to a
// paint manager, a control that records the events it gets, a notifier that records
// notifications, and a loop that pumps the thread's messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/container_ui.h"
#include "core/control_ui.h"
#include "core/paint_manager.h"
#include "core/window_wnd.h"

namespace uitest {

using namespace SkinUI;

// Delivers every waiting message of the thread (posted cleanup, async notifications).
inline void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
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

// Pumps until done() holds or the time runs out (real timers).
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

// A popup window whose messages go to its paint manager first.
class ManagedWindow : public CWindowWnd {
public:
    CPaintManagerUI pm;

    const wchar_t* GetWindowClassName() const override { return L"SkinUITestManagedWindow"; }

    // Shown without activation: under Wine a window created active takes seconds to
    // be destroyed.
    HWND CreateAt(int x, int y, int cx, int cy, HWND parent = NULL, DWORD style = WS_POPUP) {
        if (Create(parent, L"test", style, 0, x, y, cx, cy) == NULL) return NULL;
        ShowWindow(true, false);
        return m_hWnd;
    }

    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
        if (uMsg == WM_CREATE) {
            pm.Init(m_hWnd);
            return 0;
        }
        LRESULT lRes = 0;
        if (pm.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }

    ~ManagedWindow() override {
        if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    }
};

struct EventRecord {
    int type;
    CControlUI* sender;
    WPARAM wParam;
    wchar_t key;
};

// A control that records every event it is given.
class ProbeControl : public CControlUI {
public:
    explicit ProbeControl(const wchar_t* name, const wchar_t* className = L"ProbeUI", UINT flags = 0)
        : m_className(className), m_flags(flags) {
        SetName(name);
    }
    ~ProbeControl() override {
        if (destroyed != nullptr) *destroyed = true;
        if (onDestroy) onDestroy();
    }

    const wchar_t* GetClass() const override { return m_className.c_str(); }
    UINT GetControlFlags() const override { return m_flags; }
    bool Activate() override {
        ++activations;
        return CControlUI::Activate();
    }
    void DoEvent(TEventUI& event) override {
        events.push_back({event.type, event.sender, event.wParam, event.key});
        if (onEvent) onEvent(event);
        else CControlUI::DoEvent(event);
    }

    int Count(int type) const {
        int n = 0;
        for (const EventRecord& e : events) n += e.type == type;
        return n;
    }
    const EventRecord* Last(int type) const {
        for (auto it = events.rbegin(); it != events.rend(); ++it) {
            if (it->type == type) return &*it;
        }
        return nullptr;
    }

    std::vector<EventRecord> events;
    std::function<void(TEventUI&)> onEvent;
    std::function<void()> onDestroy;
    bool* destroyed = nullptr;
    int activations = 0;

private:
    std::wstring m_className;
    UINT m_flags;
};

// Places a floating child at a fixed client rectangle.
template <class T>
T* Place(CContainerUI* parent, T* control, int left, int top, int right, int bottom) {
    control->SetFloat(true);
    SIZE xy = {left, top};
    control->SetFixedXY(xy);
    control->SetFixedWidth(right - left);
    control->SetFixedHeight(bottom - top);
    parent->Add(control);
    return control;
}

struct NotifyRecord {
    std::wstring type;
    std::wstring virtualWnd;
    CControlUI* sender;
};

class NotifyLog : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        records.push_back({msg.type.GetData(), msg.virtualWnd.GetData(), msg.sender});
        if (onNotify) onNotify(msg);
    }
    int Count(const wchar_t* type) const {
        int n = 0;
        for (const NotifyRecord& r : records) n += r.type == type;
        return n;
    }
    std::vector<NotifyRecord> records;
    std::function<void(TNotifyUI&)> onNotify;
};

inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// Lays the window out and paints it once through WM_PAINT.
inline void PaintNow(HWND hWnd) {
    ::InvalidateRect(hWnd, NULL, FALSE);
    ::UpdateWindow(hWnd);
}

}  // namespace uitest
