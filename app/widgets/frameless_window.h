// What the program's own frameless windows (login, main window, message dialog)
// share: the skin-drawn frame answers to the system's non-client messages, the
// caption hit test, the rounded region, building the window's layout from the
// skin, the shadow around it and the name a menu item's click brings.
#pragma once

#include <windows.h>

#include "core/dialog_builder.h"
#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "controls/window_shadow.h"

namespace shell {

// Handles WM_NCCALCSIZE, WM_NCPAINT, WM_NCHITTEST and WM_NCACTIVATE, and sets the
// rounded region on WM_SIZE (which then still goes on). `sizable` adds the paint
// manager's sizing borders to the hit test. True when the message is answered.
bool HandleFramelessMessage(HWND hWnd, SkinUI::CPaintManagerUI& pm, bool sizable, UINT uMsg, WPARAM wParam,
                            LPARAM lParam, LRESULT* result);

// Sets a rounded-rectangle region of the window's size plus one pixel with the
// paint manager's corner size; nothing while minimised.
void SetRoundedRegion(HWND hWnd, SkinUI::CPaintManagerUI& pm);

// Sets the paint manager up on the window with `filter` as pre-message filter and
// notifier, builds the layout file from the skin and attaches it. Null when the
// layout cannot be built.
SkinUI::CControlUI* BuildWindowLayout(HWND hWnd, SkinUI::CPaintManagerUI& pm, const wchar_t* layoutFile,
                                      SkinUI::IMessageFilterUI* filter, SkinUI::INotifyUI* notifier,
                                      SkinUI::IDialogBuilderCallback* callback = nullptr);

// Adds WS_CLIPSIBLINGS and WS_CLIPCHILDREN to the window's style.
void AddClipStyles(HWND hWnd);

// Puts the program's shadow around the window: four pixels all round, sharpness 10.
void AttachWindowShadow(SkinUI::CWndShadow& shadow, HWND hWnd);

// The name of the menu item that a WM_MENUCLICK carries (its wParam, a string the
// menu allocated); the string is freed here. Empty for a message without one.
SkinUI::CUIString TakeMenuItemName(WPARAM wParam);

}  // namespace shell
