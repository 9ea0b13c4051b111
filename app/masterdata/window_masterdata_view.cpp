// The master data pages' view over the main window: lists through the page kit's
// builders and row callback, a save's answer as the field tooltip at its field,
// questions and messages in the program's message dialog.
#include <cwchar>
#include <new>

#include "controls/bar_list.h"
#include "controls/list.h"
#include "core/control_ui.h"
#include "field_tooltip.h"
#include "list_builders.h"
#include "list_fill.h"
#include "list_sorting.h"
#include "masterdata_view.h"
#include "message_dialog.h"
#include "paint_manager_fields.h"

namespace masterdata {
namespace {

using pagekit::PageHost;

class WindowMasterdataView : public MasterdataView {
 public:
  void FillList(PageHost& host, const ListFill& fill) override {
    host.Fields().SetSelected(L"sel_all_" + fill.list, false);
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), fill.list);
    if (list == nullptr || host.Data() == nullptr) return;
    SkinUI::CPaintManagerUI& manager = *list->GetManager();
    list->RemoveAll();
    Record columns = fill.columns;
    pagekit::BuildListHeader(manager, host.Data(), list, pagekit::PageText(fill.table).c_str(), &columns, fill.style,
                             fill.reserve.c_str());
    pagekit::ListFillContext context{&manager, list, host.Data()};
    host.Data()->QueryRecordsCallback(fill.table, pagekit::AsRowContext(&context), &columns, &pagekit::OnListRow);
  }

  void SetRowVisible(PageHost& host, const std::wstring& name, int row, bool visible) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    SkinUI::CControlUI* item = list != nullptr ? list->GetItemAt(row) : nullptr;
    if (item == nullptr) return;
    item->SetVisible(visible);
    pagekit::RenumberListLines(list);
  }

  bool RowVisible(PageHost& host, const std::wstring& name, int row) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    SkinUI::CControlUI* item = list != nullptr ? list->GetItemAt(row) : nullptr;
    return item != nullptr && item->IsVisible();
  }

  void ShowTip(PageHost& host, const FormAnswer& answer) override {
    if (answer.field.empty()) return;
    Focus(host, answer.field);
    const RECT at = host.Fields().Position(answer.field);
    RECT window{};
    if (!host.Fields().Exists(answer.field) || !::GetWindowRect(host.OwnerWindow(), &window)) {
      Tell(host, answer.message);
      return;
    }
    const int left = window.left + at.left + answer.tipLeft;
    const int top = window.top + at.top + 20;
    // The tooltip shows itself, closes after a few seconds and frees itself.
    new (std::nothrow) shell::CDlgToolTip(answer.message.c_str(), left, top, window.left + at.left + answer.tipWidth,
                                          window.top + at.top + 50, host.OwnerWindow());
  }

  bool Confirm(PageHost& host, const std::wstring& text) override {
    // A question that could not be shown is no consent.
    return shell::ShowMessageDialog(host.OwnerWindow(), L"提示", text.c_str(), shell::kMsgDlgIconInfo,
                                    shell::kMsgDlgCancelButton) == shell::kDialogOk;
  }

  void Tell(PageHost& host, const std::wstring& text) override {
    shell::ShowMessageDialog(host.OwnerWindow(), L"提示", text.c_str(), shell::kMsgDlgIconInfo, 0);
  }

  void Focus(PageHost& host, const std::wstring& field) override {
    if (SkinUI::CControlUI* control = pagekit::WindowControl(host.Fields(), field)) control->SetFocus();
  }

  std::wstring EntryText(PageHost& host, const pagekit::PageEvent& event) override {
    auto* list = dynamic_cast<SkinUI::CNodeListUI*>(pagekit::WindowControl(host.Fields(), event.list));
    SkinUI::BarListNode* node = list != nullptr ? list->GetNodeOf(event.control) : nullptr;
    return node != nullptr ? std::wstring(node->text.GetData()) : std::wstring();
  }

  void ShowCategoryTree(PageHost& host, const std::wstring& bar,
                        const std::vector<pagekit::CategoryEntry>& categories) override {
    auto* list = dynamic_cast<SkinUI::CBarListUI*>(pagekit::WindowControl(host.Fields(), bar));
    if (list == nullptr) return;
    list->RemoveAll();
    for (const pagekit::CategoryEntry& category : categories) {
      if (list->FindBarListNode(category.name.c_str()) != nullptr) continue;
      SkinUI::BarListItemInfo info;
      info.text = category.name.c_str();
      info.key = category.name.c_str();
      list->AddBarListNode(info, category.parent.empty() ? nullptr : list->FindBarListNode(category.parent.c_str()),
                           L"barlist_item.xml");
    }
  }

  void SetBarEntries(PageHost& host, const std::wstring& bar, const std::vector<std::wstring>& entries) override {
    SkinUI::CControlUI* control = pagekit::WindowControl(host.Fields(), bar);
    auto* list = dynamic_cast<SkinUI::CBarListUI*>(control);
    if (list == nullptr) return;
    list->RemoveAll();
    for (const std::wstring& entry : entries) {
      SkinUI::BarListItemInfo info;
      info.text = entry.c_str();
      info.key = entry.c_str();
      list->AddBarListNode(info, nullptr, L"barlist_item.xml");
    }
    if (!entries.empty()) list->SelectItem(0);
  }
};

}  // namespace

std::unique_ptr<MasterdataView> MakeWindowMasterdataView() { return std::make_unique<WindowMasterdataView>(); }

}  // namespace masterdata
