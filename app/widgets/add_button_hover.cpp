// Showing and hiding the "+" of a tile or report entry with the mouse.
#include "add_button_hover.h"

#include <cwchar>

#include "core/container_ui.h"
#include "core/paint_manager.h"

namespace shell {
namespace {

// The entry's big button and its "+": both children of the entry, found by name
// each time so that nothing is kept that the entry's removal could free.
struct EntryButtons {
  SkinUI::CControlUI* button = nullptr;
  SkinUI::CControlUI* add = nullptr;
};

EntryButtons ButtonsBeside(SkinUI::CControlUI* control) {
  EntryButtons found;
  SkinUI::CControlUI* parent = control != nullptr ? control->GetParent() : nullptr;
  auto* entry = parent != nullptr ? static_cast<SkinUI::CContainerUI*>(parent->GetInterface(L"Container")) : nullptr;
  if (entry == nullptr) return found;
  for (int i = 0; i < entry->GetCount(); ++i) {
    SkinUI::CControlUI* child = entry->GetItemAt(i);
    const wchar_t* name = child->GetName().GetData();
    if (std::wcsncmp(name, L"bar_add_", 8) == 0) {
      found.add = child;
    } else if (std::wcsncmp(name, L"bar_btn_", 8) == 0 || std::wcscmp(name, L"listItemBtn") == 0) {
      found.button = child;
    }
  }
  return found;
}

bool OnEntryEvent(void* param) {
  auto* event = static_cast<SkinUI::TEventUI*>(param);
  if (event->type != SkinUI::UIEV_MOUSE_ENTER && event->type != SkinUI::UIEV_MOUSE_LEAVE) return true;
  const EntryButtons buttons = ButtonsBeside(event->sender);
  if (buttons.add == nullptr) return true;
  bool show = event->type == SkinUI::UIEV_MOUSE_ENTER;
  // Going from the big button onto the "+" (which lies inside it) or back keeps
  // it shown; the leave event carries the point the pointer went to. What the
  // window shows there decides: the button of a report entry reaches past its
  // column, and an entry whose page was hidden under the mouse (a tile that opened
  // its page) still has its rectangle where the new page's controls now are.
  if (!show && buttons.button != nullptr && event->sender->GetManager() != nullptr) {
    SkinUI::CControlUI* under = event->sender->GetManager()->FindControl(event->point);
    show = under != nullptr && (under == buttons.button || under == buttons.add);
  }
  // Its own flag, not what shows: on a hidden page the "+" shows nothing either
  // way, and a flag left on would show it when the page comes back.
  buttons.add->SetVisible(show);
  return true;
}

}  // namespace

void ShowAddButtonOnHover(SkinUI::CControlUI* button, SkinUI::CControlUI* add) {
  if (button != nullptr) button->OnEvent += SkinUI::MakeDelegate(&OnEntryEvent);
  if (add != nullptr) add->OnEvent += SkinUI::MakeDelegate(&OnEntryEvent);
}

}  // namespace shell
