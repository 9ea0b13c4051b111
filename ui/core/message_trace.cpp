// Names of window messages for tracing; trace output itself is discarded.
#include <cstdio>

#include "window_wnd.h"

namespace SkinUI {
namespace {

struct MessageName
{
    UINT message;
    const wchar_t* name;
};

#define UI_MESSAGE_NAME(m)                                                                                             \
    {                                                                                                                  \
        m, L## #m                                                                                                      \
    }
const MessageName kMessageNames[] = {
    UI_MESSAGE_NAME(WM_SETCURSOR),
    UI_MESSAGE_NAME(WM_NCHITTEST),
    UI_MESSAGE_NAME(WM_NCPAINT),
    UI_MESSAGE_NAME(WM_PAINT),
    UI_MESSAGE_NAME(WM_ERASEBKGND),
    UI_MESSAGE_NAME(WM_NCMOUSEMOVE),
    UI_MESSAGE_NAME(WM_MOUSEMOVE),
    UI_MESSAGE_NAME(WM_MOUSELEAVE),
    UI_MESSAGE_NAME(WM_MOUSEHOVER),
    UI_MESSAGE_NAME(WM_NOTIFY),
    UI_MESSAGE_NAME(WM_COMMAND),
    UI_MESSAGE_NAME(WM_MEASUREITEM),
    UI_MESSAGE_NAME(WM_DRAWITEM),
    UI_MESSAGE_NAME(WM_LBUTTONDOWN),
    UI_MESSAGE_NAME(WM_LBUTTONUP),
    UI_MESSAGE_NAME(WM_LBUTTONDBLCLK),
    UI_MESSAGE_NAME(WM_RBUTTONDOWN),
    UI_MESSAGE_NAME(WM_RBUTTONUP),
    UI_MESSAGE_NAME(WM_RBUTTONDBLCLK),
    UI_MESSAGE_NAME(WM_SETFOCUS),
    UI_MESSAGE_NAME(WM_KILLFOCUS),
    UI_MESSAGE_NAME(WM_MOVE),
    UI_MESSAGE_NAME(WM_SIZE),
    UI_MESSAGE_NAME(WM_SIZING),
    UI_MESSAGE_NAME(WM_MOVING),
    UI_MESSAGE_NAME(WM_GETMINMAXINFO),
    UI_MESSAGE_NAME(WM_CAPTURECHANGED),
    UI_MESSAGE_NAME(WM_WINDOWPOSCHANGED),
    UI_MESSAGE_NAME(WM_WINDOWPOSCHANGING),
    UI_MESSAGE_NAME(WM_NCCALCSIZE),
    UI_MESSAGE_NAME(WM_NCCREATE),
    UI_MESSAGE_NAME(WM_NCDESTROY),
    UI_MESSAGE_NAME(WM_TIMER),
    UI_MESSAGE_NAME(WM_KEYDOWN),
    UI_MESSAGE_NAME(WM_KEYUP),
    UI_MESSAGE_NAME(WM_CHAR),
    UI_MESSAGE_NAME(WM_SYSKEYDOWN),
    UI_MESSAGE_NAME(WM_SYSKEYUP),
    UI_MESSAGE_NAME(WM_SYSCOMMAND),
    UI_MESSAGE_NAME(WM_SYSCHAR),
    UI_MESSAGE_NAME(WM_VSCROLL),
    UI_MESSAGE_NAME(WM_HSCROLL),
    UI_MESSAGE_NAME(WM_SHOWWINDOW),
    UI_MESSAGE_NAME(WM_PARENTNOTIFY),
    UI_MESSAGE_NAME(WM_CREATE),
    UI_MESSAGE_NAME(WM_NCACTIVATE),
    UI_MESSAGE_NAME(WM_ACTIVATE),
    UI_MESSAGE_NAME(WM_ACTIVATEAPP),
    UI_MESSAGE_NAME(WM_CLOSE),
    UI_MESSAGE_NAME(WM_DESTROY),
    UI_MESSAGE_NAME(WM_GETICON),
    UI_MESSAGE_NAME(WM_GETTEXT),
    UI_MESSAGE_NAME(WM_GETTEXTLENGTH),
};
#undef UI_MESSAGE_NAME

}  // namespace

const wchar_t* UI__TraceMsg(UINT uMsg)
{
    for (const MessageName& entry : kMessageNames) {
        if (entry.message == uMsg) return entry.name;
    }
    // Shared by all callers and overwritten by the next unnamed message.
    static wchar_t number[16];
    _snwprintf(number, sizeof(number) / sizeof(number[0]) - 1, L"0x%04X", uMsg);
    number[sizeof(number) / sizeof(number[0]) - 1] = L'\0';
    return number;
}

void UI__Trace(const wchar_t* /*pstrFormat*/, ...) {}

}  // namespace SkinUI
