// PageHost: the narrow face of the main window that pages see. A page opens its tab
// and panel through it, opens another page by its router name (a report opened from
// a bill is a name, not a call into the report's folder), reads and writes its
// controls through the fields, reaches the data object, knows who is logged in and
// which side (sales or purchases) it was opened for, and owns its dialogs by the
// window handle it gives. Pages never include the main window's header.
#pragma once

#include <windows.h>

#include <string>

#include "catalog_cache.h"
#include "kxp_data.h"
#include "page_fields.h"
#include "session.h"

namespace SkinUI {
class CControlUI;
}

namespace pagekit {

// The side a page shared by sales and purchases was opened for.
enum class PageSide { kSales = 0, kPurchase = 1 };

class PageHost {
 public:
  // Opens or selects the tab of that name and shows exactly that panel.
  virtual void OpenPageTab(const std::wstring& tab, const std::wstring& panel, bool closable) = 0;
  // Opens a page through the main window's page router, as a tile would.
  virtual void OpenPageByName(const std::wstring& page) = 0;
  virtual PageFields& Fields() = 0;
  // The data object; null when the data library is not bound.
  virtual KXPDatavane* Data() = 0;
  // The categories and unit names that the pickers and dialogs show, kept by
  // the frame for every page; a page that changes the catalog reloads them.
  virtual CatalogCache& Catalog() = 0;
  virtual Session CurrentSession() const = 0;
  virtual PageSide Side() const = 0;
  virtual void SetSide(PageSide side) = 0;
  // The window that owns the page's dialogs and message boxes.
  virtual HWND OwnerWindow() const = 0;
  // Clicks the control of that name as the user would: the click goes the way of
  // every click (the frame's rows, then the pages), so a page drives another
  // page's button without knowing that page. False when there is no such control.
  virtual bool ClickControl(const std::wstring& name) {
    (void)name;
    return false;
  }
  // Opens the product picker at `screen` (screen coordinates) for the control that
  // asked for it; the choice comes back to the pages as a PickerResult (kProduct,
  // or with `multiple` kProductRows) naming that owner and carrying `extra`. False
  // when no picker opened.
  virtual bool OpenProductPicker(SkinUI::CControlUI* owner, void* extra, bool multiple, const RECT& screen) {
    (void)owner, (void)extra, (void)multiple, (void)screen;
    return false;
  }

 protected:
  ~PageHost() = default;
};

}  // namespace pagekit
