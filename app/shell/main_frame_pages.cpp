// MainFrame as the pages' host: their tab and panel, the page router by name, the
// data object, the session and the side; and the offer of what the frame's own
// rows leave (clicks, list and option notifications, edits, picker results) to the
// registered pages, which take what is theirs.
#include "main_frame.h"

#include <cwchar>

#include "click_routes.h"
#include "controls/list.h"
#include "controls/node_list.h"
#include "drop_choices.h"
#include "library_binding.h"
#include "picker_popups.h"
#include "quick_date.h"
#include "text_conversion.h"

namespace shell {

void MainFrame::OpenPageTab(const std::wstring& tab, const std::wstring& panel, bool closable) {
  AddTab(tab.c_str(), closable);
  ShowMidPanel(panel.c_str());
}

void MainFrame::OpenPageByName(const std::wstring& page) { ShowPage(page.c_str()); }

bool MainFrame::OpenProductPicker(SkinUI::CControlUI* owner, void* extra, bool multiple, const RECT& screen) {
  // The popup owns itself; its choice comes back through this window's callback.
  new CDlgProductList(Pickers(), this, owner, extra, multiple ? 1 : 0, screen.left, screen.top, screen.right,
                      screen.bottom);
  return true;
}

bool MainFrame::ClickControl(const std::wstring& name) {
  SkinUI::CControlUI* control = m_PaintManager.FindControl(name.c_str());
  if (control == nullptr) return false;
  SkinUI::TNotifyUI msg = {};
  msg.type = L"click";
  msg.sender = control;
  msg.timestamp = ::GetTickCount();
  OnClick(msg);
  return true;
}

KXPDatavane* MainFrame::Data() { return g_dataObject; }

pagekit::Session MainFrame::CurrentSession() const { return m_session; }

pagekit::PageSide MainFrame::Side() const {
  return m_bPurchaseSide != 0 ? pagekit::PageSide::kPurchase : pagekit::PageSide::kSales;
}

void MainFrame::SetSide(pagekit::PageSide side) { m_bPurchaseSide = side == pagekit::PageSide::kPurchase ? 1 : 0; }

bool MainFrame::OfferToPages(pagekit::EventKind kind, SkinUI::CControlUI* sender, const SkinUI::CUIString& list,
                             WPARAM wParam, LPARAM lParam, int row) {
  if (m_pages.empty()) return false;
  pagekit::PageEvent event;
  event.kind = kind;
  event.sender = sender != nullptr ? sender->GetName().GetData() : L"";
  event.list = list.GetData();
  // A row's own button names its row; a row event's sender is the row itself.
  event.row = row >= 0 ? row : (!list.IsEmpty() ? m_fields.RowIndex(event.list, sender) : -1);
  event.control = sender;
  event.wParam = wParam;
  event.lParam = lParam;
  return m_pages.Dispatch(*this, event);
}

void MainFrame::OfferPickerResult(pagekit::PickerResult result) {
  if (result.ownerControl != nullptr) result.owner = result.ownerControl->GetName().GetData();
  m_pages.DispatchPickerResult(*this, result);
}

// A changed cell of a bill or order line, also after the return-goods box turned its
// sign, and an activated list row are their pages' to handle.
void MainFrame::OnEditTextChanged(SkinUI::CControlUI* cell) { OfferToPages(pagekit::EventKind::kTextChanged, cell); }

void MainFrame::AnswerRowAction(const pagekit::RowAction& action, pagekit::EventKind kind, SkinUI::CControlUI* sender,
                                const wchar_t* caption) {
  if (action.Wanted() && !action.pageFirst.empty()) OpenPage(action.pageFirst.c_str());
  if (OfferToPages(kind, sender, action.list.c_str(), 0, 0, action.row)) return;
  if (action.Wanted()) TellNotBuiltYet(m_hWnd, caption);
}

void MainFrame::OnListItemActivate(SkinUI::CControlUI* row, SkinUI::CControlUI* list) {
  if (row == nullptr || list == nullptr) return;
  auto* rows = static_cast<SkinUI::CListUI*>(list->GetInterface(L"List"));
  // A tree's entry carries its text in its node.
  std::wstring entryText;
  if (std::wcscmp(list->GetClass(), L"BarListUI") == 0) {
    if (SkinUI::BarListNode* node = static_cast<SkinUI::CNodeListUI*>(list)->GetNodeOf(row))
      entryText = node->text.GetData();
  }
  const pagekit::RowAction action = pagekit::OnListItemActivate(
      m_fields, list->GetName().GetData(), rows != nullptr ? rows->GetItemIndex(row) : -1, entryText);
  AnswerRowAction(action, pagekit::EventKind::kItemActivate, row, L"提示");
}

// A popup's choice lands in its field first; the page of the field then hears of it.
void MainFrame::OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) {
  if (owner != nullptr) pagekit::ApplyCategoryChoice(m_fields, owner->GetName().GetData(), text.GetData());
  OfferPickerResult({pagekit::PickerKind::kProductType, L"", text.GetData(), {}, owner, nullptr});
}

void MainFrame::OnProductUnitSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) {
  OfferPickerResult({pagekit::PickerKind::kProductUnit, L"", text.GetData(), {}, owner, nullptr});
}

void MainFrame::OnProductSelect(SkinUI::CUIString name, SkinUI::CControlUI* owner, void* extra) {
  if (owner != nullptr) pagekit::ApplyProductChoice(m_fields, g_dataObject, owner->GetName().GetData(), name.GetData());
  OfferPickerResult({pagekit::PickerKind::kProduct, L"", name.GetData(), {}, owner, extra});
}

void MainFrame::OnProductRowSelect(std::vector<SkinUI::CUIString> names, SkinUI::CControlUI* owner, void* extra) {
  pagekit::PickerResult result{pagekit::PickerKind::kProductRows, L"", L"", {}, owner, extra};
  for (const SkinUI::CUIString& name : names) result.names.push_back(name.GetData());
  OfferPickerResult(result);
}

void MainFrame::OnDropListSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) {
  if (owner != nullptr)
    pagekit::ApplyDropChoice(m_fields, owner->GetName().GetData(), text.GetData(), pagekit::LocalNow());
  OfferPickerResult({pagekit::PickerKind::kDropList, L"", text.GetData(), {}, owner, nullptr});
}

}  // namespace shell
