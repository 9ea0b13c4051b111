// CDialogBuilderCallbackEx: the builder callback of plug-in pages and report
// panels. It makes the program's own control tags on the paint manager it was
// given; the main window's callback adds the plug-in containers to these.
#pragma once

#include "core/dialog_builder.h"
#include "core/paint_manager.h"

namespace shell {

class CDialogBuilderCallbackEx : public SkinUI::IDialogBuilderCallback {
 public:
  explicit CDialogBuilderCallbackEx(SkinUI::CPaintManagerUI* manager) : m_manager(manager) {}

  // "BarList", "GridWnd" and "DataList" (compared exactly); null for every other
  // name, which the framework's own controls then take.
  SkinUI::CControlUI* CreateControl(const wchar_t* pstrClass) override;

 private:
  SkinUI::CPaintManagerUI* m_manager;
};

}  // namespace shell
