// The program's own layout tags, made on the callback's paint manager.
#include "dialog_builder_callback_ex.h"

#include <cwchar>

#include "controls/bar_list.h"
#include "controls/data_list.h"
#include "grid_wnd.h"

namespace shell {

SkinUI::CControlUI* CDialogBuilderCallbackEx::CreateControl(const wchar_t* pstrClass) {
  if (pstrClass == nullptr) return nullptr;
  if (std::wcscmp(pstrClass, L"BarList") == 0) return new SkinUI::CBarListUI(m_manager);
  if (std::wcscmp(pstrClass, L"GridWnd") == 0) return new GridWndUI;
  if (std::wcscmp(pstrClass, L"DataList") == 0) return new SkinUI::CDataListUI(m_manager);
  return nullptr;
}

}  // namespace shell
