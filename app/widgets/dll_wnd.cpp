// DllWndUI: builds its layout through the plug-in builder callback, so plug-in
// pages get the program's bar lists and tile grids but no nested containers.
#include "dll_wnd.h"

#include <cwchar>

#include "dialog_builder_callback_ex.h"

namespace shell {

DllWndUI::DllWndUI(const wchar_t* layoutFile, SkinUI::CPaintManagerUI* manager) {
  if (layoutFile == nullptr || *layoutFile == L'\0') return;
  CDialogBuilderCallbackEx callback(manager);
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* root = builder.Create(SkinUI::STRINGorID(layoutFile), nullptr, &callback, manager);
  if (root != nullptr) Add(root);
}

const wchar_t* DllWndUI::GetClass() const { return L"DllWndUI"; }

LPVOID DllWndUI::GetInterface(const wchar_t* pstrName) {
  if (pstrName != nullptr && std::wcscmp(pstrName, L"DllWnd") == 0) return this;
  return CContainerUI::GetInterface(pstrName);
}

}  // namespace shell
