// The creator list the dialog builder walks for an element name of the layout
// XML: the core's own elements, then the element tables that control libraries
// register, then the plug-ins the paint manager has loaded. The core knows no
// control library; a library that links the core hands its table in here.
#pragma once

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {

// Adds an element table after those already registered and before every
// plug-in. Registering the same table again changes nothing, so a library whose
// registrar is linked into several modules of one process stays listed once.
UILIB_API void RegisterControlCreator(LPCREATECONTROL create);

// A new control for the element name (compared exactly) from the first creator
// that knows it, or none.
UILIB_API CControlUI* CreateRegisteredControl(const wchar_t* pstrElement);

} // namespace SkinUI
