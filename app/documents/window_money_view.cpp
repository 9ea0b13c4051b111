// The payment page's and the cash book's view over the main window: the list
// built with the page kit's header and row builders (the framing rows stripped
// of their controls), the field tooltip, the message box, the delete question
// and the receipt or payment dialog.
#include <new>
#include <string>

#include "controls/list.h"
#include "core/blocking_calls.h"
#include "core/control_ui.h"
#include "data_store.h"
#include "field_tooltip.h"
#include "list_builders.h"
#include "money_dialog.h"
#include "money_view.h"
#include "paint_manager_fields.h"
#include "skin_dialog.h"

namespace documents {
namespace {

using pagekit::PageHost;

class WindowMoneyView : public MoneyView {
 public:
  void ShowRows(PageHost& host, const std::wstring& name, const ListShape& shape,
                const std::vector<CashBookRow>& rows) override {
    SkinUI::CListUI* list = pagekit::WindowList(host.Fields(), name);
    if (list == nullptr) return;
    SkinUI::CPaintManagerUI& manager = *list->GetManager();
    list->RemoveAll();
    std::vector<DataField> columns;
    for (size_t i = 0; i < shape.columns.size(); ++i) {
      columns.push_back(MakeDataField(shape.columns[i], ""));
      if (i < shape.widths.size() && shape.widths[i] > 0) columns.back().width = shape.widths[i];
    }
    pagekit::BuildListHeader(manager, host.Data(), list, L"", &columns, shape.style, L"");
    // The framing rows count no line: the records are numbered from 1.
    int line = 0;
    for (const CashBookRow& row : rows) {
      SkinUI::CControlUI* added = pagekit::AddListRow(manager, &row.cells, list, false);
      auto* cells = added != nullptr ? static_cast<SkinUI::CContainerUI*>(added->GetInterface(L"Container")) : nullptr;
      if (cells == nullptr) continue;
      if (!row.framing) {
        if (SkinUI::CControlUI* number = cells->FindSubControl(L"item_line_num"))
          number->SetText(std::to_wstring(++line).c_str());
        continue;
      }
      for (const wchar_t* control : {L"item_del", L"item_mod", L"item_line_num", L"item_chk"})
        if (SkinUI::CControlUI* found = cells->FindSubControl(control)) found->SetVisible(false);
    }
    list->SetPos(list->GetPos());
  }

  void ShowTip(PageHost& host, const std::wstring& field, const std::wstring& text) override {
    shell::ShowFieldToolTip(host.OwnerWindow(), host.Fields().Position(field), text.c_str());
  }

  void ShowMessage(PageHost& host, const std::wstring& text) override {
    SkinUI::UIMessageBox(host.OwnerWindow(), text.c_str(), L"提示", MB_OK | MB_ICONINFORMATION);
  }

  bool ConfirmDelete(PageHost& host) override {
    return SkinUI::UIMessageBox(host.OwnerWindow(), L"确定要执行删除操作 ?", L"提示", MB_OKCANCEL | MB_ICONQUESTION) ==
           IDOK;
  }

  MoneyAnswer AskMoney(PageHost& host, const MoneyQuestion& question) override {
    shell::MoneyResult result;
    auto* dialog =
        new (std::nothrow) shell::CDlgMoney(shell::PickerContext{host.Data(), &host.Catalog()},
                                            question.customer ? L"客户" : L"供应商", question.party.c_str(), &result);
    MoneyAnswer answer;
    if (dialog == nullptr || !shell::CreateSkinDialog(dialog, host.OwnerWindow())) return answer;
    if (question.editing)
      dialog->FillForEdit(question.party.c_str(), question.date.c_str(), question.note.c_str(),
                          question.amount.c_str());
    if (SkinUI::CControlUI* more = dialog->FindControl(L"money_more")) more->SetVisible(question.offerDetail);
    answer.result = static_cast<int>(dialog->ShowModal());
    answer.party = result.party.GetData();
    answer.date = result.date.GetData();
    answer.amount = result.amount.GetData();
    answer.note = result.note.GetData();
    return answer;
  }
};

}  // namespace

std::unique_ptr<MoneyView> MakeWindowMoneyView() { return std::make_unique<WindowMoneyView>(); }

}  // namespace documents
