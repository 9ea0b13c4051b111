// How a popup picker reports the user's choice to the window that opened it. The
// owner is the control that opened the picker, handed back unchanged; extra is an
// opaque value of the caller.
#pragma once

#include <vector>

#include "core/control_ui.h"
#include "core/ui_string.h"

class CDlgDropListCallBack {
 public:
  virtual void OnDropListSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) = 0;
};

class CDlgProductListCallBack {
 public:
  virtual void OnProductSelect(SkinUI::CUIString name, SkinUI::CControlUI* owner, void* extra) = 0;
  virtual void OnProductRowSelect(std::vector<SkinUI::CUIString> names, SkinUI::CControlUI* owner, void* extra) = 0;
};

class CDlgProductTypeListCallBack {
 public:
  virtual void OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) = 0;
};

class CDlgProductUnitListCallBack {
 public:
  virtual void OnProductUnitSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) = 0;
};
