// Finding a control of a given kind by name in a window: null when the window has
// no control of that name, or the control is of another kind.
#pragma once

#include "controls/bar_list.h"
#include "controls/option.h"
#include "core/container_ui.h"
#include "core/paint_manager.h"

namespace shell {

// The option or check box of that name in the window, or null.
SkinUI::COptionUI* FindOption(SkinUI::CPaintManagerUI& pm, const wchar_t* name);
// The container of that name in the window, or null.
SkinUI::CContainerUI* FindContainer(SkinUI::CPaintManagerUI& pm, const wchar_t* name);
// The bar list of that name in the window, or null.
SkinUI::CBarListUI* FindBarList(SkinUI::CPaintManagerUI& pm, const wchar_t* name);

}  // namespace shell
