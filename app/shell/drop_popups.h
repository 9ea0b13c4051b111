// Opening the popup of a page's drop button under its field.
#pragma once

#include "core/control_ui.h"

namespace shell {

class MainFrame;

// The popup the button's row of the drop-button table plans (drop_buttons.h),
// with the button as its owner and the main window as its callback; nothing when
// the plan offers nothing (a missing or hidden field).
void OpenDropPopup(MainFrame& frame, SkinUI::CControlUI& button);

}  // namespace shell
