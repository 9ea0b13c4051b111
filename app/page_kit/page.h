// Page: one page of the main window, in its own folder, owning its router names,
// its state and the handling of its own controls. The main window's dispatch keeps
// its own rows; what they leave, it offers to the pages through the PageRegistry,
// and a page answers for the notifications of its controls and the picker results
// it asked for, and says "not mine" to everything else.
//
// A page's logic goes through its PageHost (fields, data, session, side, other
// pages by name), so that it is tested with MemoryFields and the real data library
// without a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "page_host.h"

namespace SkinUI {
class CControlUI;
}

namespace pagekit {

// A router name of a page and the side it opens the page for (none: the side is
// left as it was).
struct PageRoute {
  const wchar_t* name;
  bool setsSide = false;
  PageSide side = PageSide::kSales;
};

// What a page is offered, by the notification of the framework it stands for.
enum class EventKind {
  kClick,          // "click"
  kSelectChanged,  // "selectchanged" of an option or check box
  kItemActivate,   // "itemactivate": a list row double-clicked or Enter on it
  kItemClick,      // "itemclick": a list row clicked (button up)
  kBarListClick,   // "itemclick" with the left button down (the side lists switch their sub-page)
  kContextMenu,    // "itemclick" with the right button up: the list's context menu
  kMenuCommand,    // an item of a popup menu chosen: `sender` is the item's name
  kHeaderClick,    // "headerclick": a list column header
  kTextChanged,    // "textchanged"
  kUpdateText,     // "updatetext" of a date field
};

struct PageEvent {
  EventKind kind = EventKind::kClick;
  std::wstring sender;                    // the sender control's name
  std::wstring list;                      // for row events, the name of the row's list
  int row = -1;                           // for row events, the row's index in its list
  SkinUI::CControlUI* control = nullptr;  // the sender on a window; null in tests without one
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// A popup picker's choice, reported to the page whose control opened it.
enum class PickerKind { kDropList, kProduct, kProductRows, kProductType, kProductUnit };

struct PickerResult {
  PickerKind kind = PickerKind::kDropList;
  std::wstring owner;               // the name of the control that opened the picker
  std::wstring text;                // the choice (kProductRows: empty)
  std::vector<std::wstring> names;  // kProductRows: the ticked products in list order
  SkinUI::CControlUI* ownerControl = nullptr;
  void* extra = nullptr;  // the opener's own value, handed back
};

class Page {
 public:
  virtual ~Page() = default;

  // The router names this page opens for, compared without regard to case.
  virtual std::vector<PageRoute> Routes() const = 0;
  // Opens the page for one of its names: its tab, its panel, its contents. The side
  // of the route is set before.
  virtual void Open(PageHost& host, const std::wstring& name) = 0;
  // True when the event was this page's (handled or deliberately ignored); false:
  // not mine, the next page is asked.
  virtual bool OnEvent(PageHost& host, const PageEvent& event) {
    (void)host;
    (void)event;
    return false;
  }
  virtual bool OnPickerResult(PageHost& host, const PickerResult& result) {
    (void)host;
    (void)result;
    return false;
  }
};

}  // namespace pagekit
