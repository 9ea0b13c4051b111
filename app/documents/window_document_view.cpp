// The document pages' view over the main window: the list's rows built with the
// page kit's builders, the rows found from their controls, the tooltip, the error
// dialog, the delete question, the focus and the product picker.
#include <cwchar>

#include "controls/list.h"
#include "core/blocking_calls.h"
#include "core/control_ui.h"
#include "data_store.h"
#include "document_view.h"
#include "field_tooltip.h"
#include "list_builders.h"
#include "list_fill.h"
#include "list_sorting.h"
#include "paint_manager_fields.h"

namespace documents {
namespace {

using pagekit::PageHost;

bool IsClass(SkinUI::CControlUI* control, const wchar_t* name) {
  return control != nullptr && std::wcscmp(control->GetClass(), name) == 0;
}

// The seven columns of a line, values empty.
std::vector<DataField> LineColumns() {
  std::vector<DataField> columns;
  for (const char* name : {"商品名称", "单位", "商品类别", "数量", "单价", "金额", "备注"})
    columns.push_back(MakeDataField(name, ""));
  return columns;
}

class WindowDocumentView : public DocumentView {
 public:
  void ShowLineGrid(PageHost& host, const std::wstring& name, int lines) override { ShowLines(host, name, {}, lines); }

  void ShowLines(PageHost& host, const std::wstring& name, const std::vector<std::vector<DataField>>& lines,
                 int minimum) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    if (list == nullptr) return;
    SkinUI::CPaintManagerUI& manager = *list->GetManager();
    list->SetScrollPos(SIZE{0, 0});
    std::vector<DataField> columns = LineColumns();
    pagekit::BuildListHeader(manager, host.Data(), list, L"", &columns, pagekit::kListLineNumbers, L"");
    list->SetSortable(false);
    list->RemoveAll();
    for (const std::vector<DataField>& line : lines) pagekit::AddBillRow(manager, host.Data(), &line, list);
    const std::vector<DataField> empty = LineColumns();
    while (list->GetCount() < minimum) pagekit::AddBillRow(manager, host.Data(), &empty, list);
  }

  void ShowHistory(PageHost& host, const std::wstring& name, const HistoryShape& shape,
                   const std::vector<std::vector<DataField>>& rows) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    if (list == nullptr) return;
    SkinUI::CPaintManagerUI& manager = *list->GetManager();
    list->RemoveAll();
    std::vector<DataField> columns;
    for (const std::string& column : shape.columns) columns.push_back(MakeDataField(column, ""));
    pagekit::BuildListHeader(manager, host.Data(), list, pagekit::PageText(shape.table).c_str(), &columns,
                             pagekit::kListLineNumbers | pagekit::kListDelete | pagekit::kListModify, L"");
    list->SetSortable(true);
    for (const std::vector<DataField>& row : rows) {
      if (shape.orders) {
        pagekit::AddOrderHistoryRow(manager, list, row, shape.purchase);
      } else {
        pagekit::AddSaleBillHistoryRow(manager, list, row);
      }
    }
    pagekit::RenumberListLines(list);
    list->SetPos(list->GetPos());
  }

  void RemoveRow(PageHost& host, const std::wstring& name, int row) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    if (list == nullptr || row < 0 || row >= list->GetCount()) return;
    list->RemoveAt(row);
    pagekit::RenumberListLines(list);
  }

  void ShowTip(PageHost& host, const pagekit::FieldRef& field, const std::wstring& text, SIZE size,
               POINT offset) override {
    shell::ShowToolTipAt(host.OwnerWindow(), host.Fields().Position(field), size, offset, text.c_str());
  }

  void ShowError(PageHost& host, const std::wstring& text) override {
    SkinUI::UIMessageBox(host.OwnerWindow(), text.c_str(), L"错误", MB_OK | MB_ICONERROR);
  }

  bool ConfirmDelete(PageHost& host) override {
    return SkinUI::UIMessageBox(host.OwnerWindow(), L"确定要执行删除操作 ?", L"提示", MB_OKCANCEL | MB_ICONQUESTION) ==
           IDOK;
  }

  void FocusAndSelect(PageHost& host, const pagekit::FieldRef& field) override {
    // The frame selects a focused cell's text once its click has settled.
    if (SkinUI::CControlUI* control = pagekit::WindowControl(host.Fields(), field)) control->SetFocus();
  }

  bool OpenProductPicker(PageHost& host, const std::wstring& list, int row, const RECT& screen) override {
    SkinUI::CControlUI* button = pagekit::WindowControl(host.Fields(), pagekit::Cell(list, row, L"item_reserve"));
    SkinUI::CControlUI* owner = pagekit::WindowControl(host.Fields(), list);
    if (button == nullptr || owner == nullptr) return false;
    return host.OpenProductPicker(button, owner, true, screen);
  }

  RECT WindowRect(PageHost& host) override {
    RECT rect{};
    if (host.OwnerWindow() != nullptr) ::GetWindowRect(host.OwnerWindow(), &rect);
    return rect;
  }

  RECT RowRect(PageHost& host, const std::wstring& name, int row) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    SkinUI::CControlUI* item = list != nullptr && row >= 0 && row < list->GetCount() ? list->GetItemAt(row) : nullptr;
    return item != nullptr ? RECT(item->GetPos()) : RECT{};
  }

  bool PlaceOf(PageHost& host, const pagekit::PageEvent& event, std::wstring* list, int* row) override {
    if (!event.list.empty() && event.row >= 0) {
      *list = event.list;
      *row = event.row;
      return true;
    }
    return PlaceOfControl(host, event.control, list, row);
  }

  bool PlaceOfControl(PageHost&, SkinUI::CControlUI* control, std::wstring* list, int* row) override {
    // A cell's control sits in a cell layout of the row, the row in the list's body.
    SkinUI::CControlUI* item = control;
    for (int up = 0; up < 3 && item != nullptr && !IsClass(item, L"ListContainerElementUI"); ++up)
      item = item->GetParent();
    if (!IsClass(item, L"ListContainerElementUI")) return false;
    SkinUI::CControlUI* body = item->GetParent();
    SkinUI::CControlUI* owner = body != nullptr ? body->GetParent() : nullptr;
    if (!IsClass(owner, L"ListUI")) return false;
    auto* rows = static_cast<SkinUI::CListUI*>(owner->GetInterface(L"List"));
    if (rows == nullptr) return false;
    *list = owner->GetName().GetData();
    *row = rows->GetItemIndex(item);
    return *row >= 0;
  }
};

}  // namespace

std::unique_ptr<DocumentView> MakeWindowDocumentView() { return std::make_unique<WindowDocumentView>(); }

}  // namespace documents
