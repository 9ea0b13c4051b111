// The one place that calls MessageBoxW and ExitProcess (see blocking_calls.h).
#include "blocking_calls.h"

namespace SkinUI {
namespace {

int PlatformMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ::MessageBoxW(owner, text, caption, type);
}

void PlatformExitProcess(UINT exitCode) { ::ExitProcess(exitCode); }

UIBlockingCalls g_calls = {&PlatformMessageBox, &PlatformExitProcess};

}  // namespace

UIBlockingCalls UISetBlockingCalls(const UIBlockingCalls& calls)
{
    UIBlockingCalls previous = g_calls;
    g_calls.messageBox = calls.messageBox ? calls.messageBox : &PlatformMessageBox;
    g_calls.exitProcess = calls.exitProcess ? calls.exitProcess : &PlatformExitProcess;
    return previous;
}

int UIMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return g_calls.messageBox(owner, text, caption, type);
}

void UIExitProcess(UINT exitCode) { g_calls.exitProcess(exitCode); }

}  // namespace SkinUI
