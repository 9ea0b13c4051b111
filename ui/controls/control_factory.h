// The element table of the framework's own controls: element name of the layout
// XML -> a new control of that class. The dialog builder asks it before the
// plug-ins and the builder callback.
#pragma once

#include "control_ui.h"

namespace SkinUI {

// A new control for the element name (compared exactly), or none for a name the
// framework does not know.
UILIB_API CControlUI* CreateFrameworkControl(const wchar_t* pstrElement);

} // namespace SkinUI
