// MainFrame's list rows made from field records.
#include "list_builders.h"
#include "main_frame.h"

namespace shell {

// A list of a popup belongs to the popup's window: its rows take that window's
// skin defaults, the main window's otherwise.
SkinUI::CControlUI* MainFrame::AddListRow(std::vector<DataField>* row, SkinUI::CListUI* list, bool hideHeader) {
  if (list == nullptr) return nullptr;
  SkinUI::CPaintManagerUI* manager = list->GetManager() != nullptr ? list->GetManager() : &m_PaintManager;
  return pagekit::AddListRow(*manager, row, list, hideHeader);
}

}  // namespace shell
