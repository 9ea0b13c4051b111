// The Win32 calls that block the UI thread on the user (message boxes) or end the
// process. Everything in the program that needs one goes through here, so that a test
// can put recorders in their place and never hang or die.
#pragma once

#include <windows.h>

#include "ui_export.h"

namespace SkinUI {

using UIMessageBoxFn = int (*)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
using UIExitProcessFn = void (*)(UINT exitCode);

struct UIBlockingCalls
{
    UIMessageBoxFn messageBox;
    UIExitProcessFn exitProcess;
};

// Replaces the calls; a null member restores the platform's own. Returns the calls
// that were in force, so that a test can put them back.
UILIB_API UIBlockingCalls UISetBlockingCalls(const UIBlockingCalls& calls);

UILIB_API int UIMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
// Ends the process with the code; with a recorder in place it returns to the caller.
UILIB_API void UIExitProcess(UINT exitCode);

}  // namespace SkinUI
