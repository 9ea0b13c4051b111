// The "+" of a tile or report entry (its "bar_add_<name>" button) stays out of
// the way until the mouse is over the entry: it shows while the pointer is over
// the entry's big button or the "+" itself, and hides when it leaves both.
#pragma once

#include "core/control_ui.h"

namespace shell {

// Wires the hover to an entry built from "gridbar.xml" or "listbar_item.xml":
// `button` is the button over the whole entry, `add` its "+". Either may be null.
void ShowAddButtonOnHover(SkinUI::CControlUI* button, SkinUI::CControlUI* add);

}  // namespace shell
