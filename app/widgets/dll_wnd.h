// DllWndUI: a container whose one child is built from a layout file of the skin
// at construction: the page of a plug-in ("<name>.xml") and the report panels of
// the main window ("baobiao0.xml" ...). A file that does not build leaves it empty.
#pragma once

#include "core/container_ui.h"
#include "core/paint_manager.h"

namespace shell {

class DllWndUI : public SkinUI::CContainerUI {
 public:
  DllWndUI(const wchar_t* layoutFile, SkinUI::CPaintManagerUI* manager);

  const wchar_t* GetClass() const override;
  LPVOID GetInterface(const wchar_t* pstrName) override;
};

}  // namespace shell
