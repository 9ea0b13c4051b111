// Test helper of the controls: a real framework window built from a layout
// string, with a notification log, mouse and key messages sent as the window
// would get them, and painting into a 32-bit DIB.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

#include "core/dialog_builder.h"
#include "gtest/gtest.h"
#include "core/test_canvas.h"
#include "core/test_support/ui_test_window.h"

namespace uitest {

class LayoutWindow
{
public:
    // Builds the layout (a Window element) and attaches it; ok() tells.
    explicit LayoutWindow(const wchar_t* layout, int width = 200, int height = 100)
    {
        if (window.CreateAt(0, 0, width, height) == NULL) return;
        CDialogBuilder builder;
        root = builder.Create(STRINGorID(layout), NULL, NULL, &window.pm);
        if (root == NULL || !window.pm.AttachDialog(root)) return;
        window.pm.AddNotifier(&log);
        PaintNow(window);
        PumpMessages();
        m_ok = true;
    }
    ~LayoutWindow() { window.pm.RemoveNotifier(&log); }
    LayoutWindow(const LayoutWindow&) = delete;
    LayoutWindow& operator=(const LayoutWindow&) = delete;

    bool ok() const { return m_ok; }
    CPaintManagerUI& pm() { return window.pm; }
    template <class T>
    T* Find(const wchar_t* name)
    {
        return static_cast<T*>(window.pm.FindControl(name));
    }

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageW(window, msg, wParam, lParam); }
    void Move(int x, int y) { Send(WM_MOUSEMOVE, 0, Point(x, y)); }
    void Down(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y)); }
    void Up(int x, int y) { Send(WM_LBUTTONUP, 0, Point(x, y)); }
    void Click(int x, int y)
    {
        Move(x, y);
        Down(x, y);
        Up(x, y);
    }
    // A key as the message loop sees it: pre-translated, then dispatched.
    void Key(UINT msg, WPARAM key)
    {
        MSG m = {window, msg, key, 0, 0, {0, 0}};
        if (!CPaintManagerUI::TranslateMessage(&m)) ::DispatchMessageW(&m);
    }
    // The whole tree painted into a canvas of the window's size.
    void PaintInto(SkinUI::test::TestCanvas& canvas)
    {
        RECT rc = canvas.rect();
        root->DoPaint(canvas.dc(), rc);
    }

    ManagedWindow window;
    CControlUI* root = nullptr;
    NotifyLog log;

private:
    bool m_ok = false;
};

// A framework string for comparing in test output.
inline std::wstring Str(const CUIString& s) { return std::wstring(s.GetData()); }

// How many pixels inside rc are within tolerance of the colour.
inline int CountColor(const SkinUI::test::TestCanvas& canvas, const RECT& rc, SkinUI::test::Rgb color,
                      int tolerance = 8)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            SkinUI::test::Rgb p = canvas.At(x, y);
            if (abs(p.r - color.r) <= tolerance && abs(p.g - color.g) <= tolerance && abs(p.b - color.b) <= tolerance)
                ++n;
        }
    }
    return n;
}

inline bool SameColor(SkinUI::test::Rgb a, SkinUI::test::Rgb b, int tolerance = 2)
{
    return abs(a.r - b.r) <= tolerance && abs(a.g - b.g) <= tolerance && abs(a.b - b.b) <= tolerance;
}

// Solid-colour 4x4 PNG images written into a folder.
struct SolidFile
{
    const wchar_t* file;
    DWORD argb;
};
inline void WriteSolidImages(const std::wstring& folder, std::initializer_list<SolidFile> files)
{
    for (const SolidFile& f : files)
        SkinUI::test::WriteBytes(folder + f.file, SkinUI::test::EncodePng(SkinUI::test::SolidImage(4, 4, f.argb)));
}

// A control on a hidden window's manager filling a black canvas, with a scratch
// skin folder for its images; events are fed straight to the control.
template <class T>
class DirectControl
{
public:
    explicit DirectControl(const wchar_t* skinName, int width = 40, int height = 20)
        : skin(skinName), canvas(width, height)
    {
        control.SetManager(&window.manager, NULL, false);
        control.SetPos(RECT{0, 0, width, height});
    }
    ~DirectControl() { control.SetManager(NULL, NULL, false); }

    void Send(int type, int x = 5, int y = 5, WPARAM wParam = 0)
    {
        TEventUI event = {};
        event.type = type;
        event.point.x = x;
        event.point.y = y;
        event.wParam = wParam;
        control.DoEvent(event);
    }
    // Paints on black; the colour at (x, y).
    SkinUI::test::Rgb Paint(int x = 20, int y = 10)
    {
        canvas.Fill(0xFF000000);
        control.DoPaint(canvas.dc(), canvas.rect());
        return canvas.At(x, y);
    }

    SkinUI::test::ScratchSkin skin;
    SkinUI::test::TestWindow window;
    T control;
    SkinUI::test::TestCanvas canvas;
};

} // namespace uitest
