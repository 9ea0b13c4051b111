// Finding a control of a given kind by name in a window.
#include "control_lookup.h"

#include <cwchar>

namespace shell {

SkinUI::COptionUI* FindOption(SkinUI::CPaintManagerUI& pm, const wchar_t* name) {
  SkinUI::CControlUI* control = pm.FindControl(name);
  return control != nullptr ? static_cast<SkinUI::COptionUI*>(control->GetInterface(L"Option")) : nullptr;
}

SkinUI::CContainerUI* FindContainer(SkinUI::CPaintManagerUI& pm, const wchar_t* name) {
  SkinUI::CControlUI* control = pm.FindControl(name);
  return control != nullptr ? static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container")) : nullptr;
}

SkinUI::CBarListUI* FindBarList(SkinUI::CPaintManagerUI& pm, const wchar_t* name) {
  SkinUI::CControlUI* control = pm.FindControl(name);
  return control != nullptr && std::wcscmp(control->GetClass(), L"BarListUI") == 0
             ? static_cast<SkinUI::CBarListUI*>(control)
             : nullptr;
}

}  // namespace shell
