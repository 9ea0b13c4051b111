// The element table of the controls library: element name of the layout XML -> a
// new control of that class. Registered with the builder's creator list, which
// asks it after the core's own elements and before the plug-ins and the builder
// callback.
#pragma once

#include "core/control_ui.h"

namespace SkinUI {

// A new control for the element name (compared exactly), or none for a name the
// framework does not know.
UILIB_API CControlUI* CreateFrameworkControl(const wchar_t* pstrElement);

} // namespace SkinUI
