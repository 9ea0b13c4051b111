#include "drop_popups.h"

#include "drop_buttons.h"
#include "main_frame.h"
#include "picker_popups.h"

namespace shell {

void OpenDropPopup(MainFrame& frame, SkinUI::CControlUI& button) {
  RECT window{};
  ::GetWindowRect(frame.GetHWND(), &window);
  pagekit::DropPopupPlan plan;
  if (!pagekit::PlanDropPopup(frame.Fields(), frame.Side(), button.GetName().GetData(), window, &plan)) return;
  const RECT& r = plan.rect;
  // The popups own themselves: each closes and frees itself.
  switch (plan.popup) {
    case pagekit::DropPopup::kDropList:
      new CDlgDropList(frame.Pickers(), &frame, plan.table.empty() ? nullptr : plan.table.c_str(), plan.entries,
                       &button, plan.fixedEntries ? 1 : 0, r.left, r.top, r.right, r.bottom);
      break;
    case pagekit::DropPopup::kDeletableList:
      new CDlgDropDelList(frame.Pickers(), &button, r.left, r.top, r.right, r.bottom);
      break;
    case pagekit::DropPopup::kProductPicker:
      new CDlgProductList(frame.Pickers(), &frame, &button, nullptr, 0, r.left, r.top, r.right, r.bottom);
      break;
    case pagekit::DropPopup::kCategoryPicker:
      new CDlgProductTypeList(frame.Pickers(), &frame, &button, r.left, r.top, r.right, r.bottom);
      break;
  }
}

}  // namespace shell
