#include "list_fill.h"

#include <cstdlib>
#include <cwchar>

#include "data_store.h"
#include "list_builders.h"
#include "money_text.h"

namespace pagekit {
namespace {

ListFillContext* ContextOf(intptr_t context) {
  auto* fill = reinterpret_cast<ListFillContext*>(context);
  return fill != nullptr && fill->manager != nullptr && fill->list != nullptr ? fill : nullptr;
}

SkinUI::CControlUI* CellOf(SkinUI::CControlUI* row, const wchar_t* name) {
  auto* container = row != nullptr ? static_cast<SkinUI::CContainerUI*>(row->GetInterface(L"Container")) : nullptr;
  return container != nullptr ? container->FindSubControl(name) : nullptr;
}

}  // namespace

void OnListRow(intptr_t context, std::vector<DataField>* row) {
  ListFillContext* fill = ContextOf(context);
  if (fill == nullptr || row == nullptr) return;
  AddListRow(*fill->manager, row, fill->list, false);
}

void OnListRowChecked(intptr_t context, std::vector<DataField>* row) {
  ListFillContext* fill = ContextOf(context);
  if (fill == nullptr || row == nullptr) return;
  AddListRow(*fill->manager, row, fill->list, true);
}

void OnCashFlowRow(intptr_t context, std::vector<DataField>* row) {
  ListFillContext* fill = ContextOf(context);
  if (fill == nullptr || row == nullptr) return;
  AddCashFlowRow(*fill->manager, fill->data, fill->list, *row);
}

void OnSaleBillRow(intptr_t context, std::vector<DataField>* row) {
  ListFillContext* fill = ContextOf(context);
  if (fill == nullptr || row == nullptr) return;
  AddSaleBillHistoryRow(*fill->manager, fill->list, *row);
}

void OnSalesOrderRow(intptr_t context, std::vector<DataField>* row) {
  ListFillContext* fill = ContextOf(context);
  if (fill == nullptr || row == nullptr) return;
  AddOrderHistoryRow(*fill->manager, fill->list, *row, false);
}

void OnPurchaseOrderRow(intptr_t context, std::vector<DataField>* row) {
  ListFillContext* fill = ContextOf(context);
  if (fill == nullptr || row == nullptr) return;
  AddOrderHistoryRow(*fill->manager, fill->list, *row, true);
}

namespace {

void AddToNamedList(intptr_t context, std::vector<DataField>* row, const wchar_t* name) {
  auto* manager = reinterpret_cast<SkinUI::CPaintManagerUI*>(context);
  if (manager == nullptr || row == nullptr) return;
  SkinUI::CControlUI* control = manager->FindControl(name);
  auto* list = control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
  if (list != nullptr) AddListRow(*manager, row, list, false);
}

}  // namespace

void OnTradePriceRow(intptr_t context, std::vector<DataField>* row) { AddToNamedList(context, row, L"listdkhpfj"); }
void OnContractPriceRow(intptr_t context, std::vector<DataField>* row) { AddToNamedList(context, row, L"listgyshtj"); }
void OnPartyRow(intptr_t context, std::vector<DataField>* row) { AddToNamedList(context, row, L"listkhyqk"); }
void OnProductRow(intptr_t context, std::vector<DataField>* row) { AddToNamedList(context, row, L"listhpkc"); }
void OnAccountItemRow(intptr_t context, std::vector<DataField>* row) { AddToNamedList(context, row, L"listszxm"); }

std::vector<DataField> ShapeCashFlowRow(KXPDatavane* data, const std::vector<DataField>& row) {
  if (row.size() < 8) return {};
  std::vector<DataField> shaped(row.begin(), row.begin() + 8);
  const std::string& item = shaped[4].value;
  std::string kind;
  if (data != nullptr) {
    DataField key = MakeDataField("项目名称", item);
    key.hidden = 1;
    std::vector<DataField> record = {key, MakeDataField("项目类别", "")};
    std::vector<std::vector<DataField>> rows;
    if (data->QueryRecords("J4_Account_Item", &record, &rows) == 0 && !rows.empty()) {
      for (const DataField& field : rows.front())
        if (field.name == "项目类别") kind = field.value;
    }
  }
  if (kind == "收入") shaped[6].value.clear();
  if (kind == "支出") shaped[5].value.clear();
  if (item == "销售收入" || item == "收订金/欠款") shaped[6].value.clear();
  if (item == "进货支出" || item == "付订金/欠款") shaped[5].value.clear();
  shaped[7].value.clear();
  return shaped;
}

std::vector<DataField> ShapeSaleBillRow(const std::vector<DataField>& row) {
  if (row.size() < 8) return {};
  const double rate = std::atof(row[4].value.c_str());
  std::string sales = row[5].value;
  if (rate != 0) {
    const SkinUI::CUIString text = FormatMoneyAmount(std::atof(row[5].value.c_str()) / rate * 100);
    sales = LibraryText(text.GetData());
  }
  return {MakeDataField("单据日期", row[0].value), MakeDataField("单据编号", row[1].value),
          MakeDataField("客户名称", row[2].value), MakeDataField("业务员", row[3].value),
          MakeDataField("销售金额", sales),        MakeDataField("折后金额", row[5].value),
          MakeDataField("收款金额", row[7].value), MakeDataField("说明", row[6].value)};
}

std::vector<DataField> ShapeOrderRow(const std::vector<DataField>& row, bool purchase) {
  if (row.size() < 10) return {};
  const char* names[] = {"单据日期", "单据编号", purchase ? "供应商名称" : "客户名称",
                         "操作人",   "交货日期", "订货数量",
                         "已发数量", "折扣率",   "金额",
                         "说明"};
  std::vector<DataField> shaped;
  for (int i = 0; i < 10; ++i) shaped.push_back(MakeDataField(names[i], row[i].value));
  return shaped;
}

SkinUI::CControlUI* AddCashFlowRow(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                                   const std::vector<DataField>& row) {
  if (list == nullptr) return nullptr;
  double opening = 0;
  if (list->GetCount() > 0) {
    if (SkinUI::CControlUI* last = CellOf(list->GetItemAt(list->GetCount() - 1), L"item_结余"))
      opening = std::wcstod(last->GetText().GetData(), nullptr);
  }
  const std::vector<DataField> shaped = ShapeCashFlowRow(data, row);
  SkinUI::CControlUI* added = AddListRow(manager, &shaped, list, false);
  SkinUI::CControlUI* income = CellOf(added, L"item_收入");
  SkinUI::CControlUI* expense = CellOf(added, L"item_支出");
  SkinUI::CControlUI* balance = CellOf(added, L"item_结余");
  if (income == nullptr || expense == nullptr || balance == nullptr) return added;
  const double value =
      opening + std::wcstod(income->GetText().GetData(), nullptr) - std::wcstod(expense->GetText().GetData(), nullptr);
  balance->SetText(FormatMoneyAmount(value));
  for (SkinUI::CControlUI* cell : {income, expense, balance}) {
    const bool negative = std::wcstod(cell->GetText().GetData(), nullptr) < 0;
    cell->SetAttribute(L"textcolor", negative ? L"#FFFF0000" : L"#FF000000");
  }
  return added;
}

SkinUI::CControlUI* AddSaleBillHistoryRow(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list,
                                          const std::vector<DataField>& row) {
  std::vector<DataField> shown;
  for (const DataField& field : row)
    if (!field.hidden) shown.push_back(field);
  const std::vector<DataField> shaped = ShapeSaleBillRow(shown);
  return AddListRow(manager, &shaped, list, false);
}

SkinUI::CControlUI* AddOrderHistoryRow(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list,
                                       const std::vector<DataField>& row, bool purchase) {
  const std::vector<DataField> shaped = ShapeOrderRow(row, purchase);
  return AddListRow(manager, &shaped, list, false);
}

}  // namespace pagekit
