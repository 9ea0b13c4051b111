// MainFrame's list rows made from field records.
#include "main_frame.h"

namespace shell {

// The row builder comes with the master-data pages; until then it adds no row and
// the list stays as it is.
SkinUI::CControlUI* MainFrame::AddListRow(std::vector<DataField>*, SkinUI::CListUI*, bool) { return nullptr; }

}  // namespace shell
