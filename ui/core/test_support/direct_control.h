// Test helper of the framework: one control on a hidden window's manager, its
// events fed straight to it and its painting read from a canvas, for the states a
// real pointer cannot reach cheaply.
#pragma once

#include <windows.h>

#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

namespace SkinUI {
namespace test {

// A control on a hidden window's manager filling a black canvas, with a scratch
// skin folder for its images; events are fed straight to the control.
template <class T> class DirectControl
{
public:
    explicit DirectControl(const wchar_t* skinName, int width = 40, int height = 20)
        : skin(skinName),
          canvas(width, height)
    {
        control.SetManager(&window.pm, NULL, false);
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
    Rgb Paint(int x = 20, int y = 10)
    {
        canvas.Fill(0xFF000000);
        control.DoPaint(canvas.dc(), canvas.rect());
        return canvas.At(x, y);
    }

    ScratchSkin skin;
    TestWindow window{100, 100};
    T control;
    TestCanvas canvas;
};

}  // namespace test
}  // namespace SkinUI
