// The creator list the dialog builder walks for an element name of the layout
// XML: the core's own elements, then the element tables that control libraries
// register, then the plug-ins the paint manager has loaded. The core knows no
// control library; a library that links the core hands its table in here.
#pragma once

#include <cstddef>

#include "control_ui.h"
#include "paint_manager.h"

namespace SkinUI {

// One line of an element table: element name -> a new control of its class.
struct ControlElement
{
    const wchar_t* name;
    CControlUI* (*create)();
};

template <class T> CControlUI* NewControl() { return new T(); }

// A new control for the element name (compared exactly) from the table, or none.
UILIB_API CControlUI* CreateFromElementTable(const ControlElement* table, size_t count, const wchar_t* pstrElement);

template <size_t N> CControlUI* CreateFromElementTable(const ControlElement (&table)[N], const wchar_t* pstrElement)
{
    return CreateFromElementTable(table, N, pstrElement);
}

// Adds an element table after those already registered and before every
// plug-in. Registering the same table again changes nothing, so a library whose
// registrar is linked into several modules of one process stays listed once.
UILIB_API void RegisterControlCreator(LPCREATECONTROL create);

// A new control for the element name (compared exactly) from the first creator
// that knows it, or none.
UILIB_API CControlUI* CreateRegisteredControl(const wchar_t* pstrElement);

}  // namespace SkinUI
