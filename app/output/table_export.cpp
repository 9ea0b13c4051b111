// Exports of database tables and of the bill lines, through the row writers.
#include "table_export.h"

#include <vector>

#include "data_store.h"
#include "list_conditions.h"
#include "sheet_rows.h"

namespace output {
namespace {

bool Purchase(pagekit::PageHost& host) { return host.Side() == pagekit::PageSide::kPurchase; }

// One entry per column, empty values; the heading row of the sheet.
std::vector<DataField> ColumnsOf(std::initializer_list<const wchar_t*> names) {
  std::vector<DataField> fields;
  for (const wchar_t* name : names) {
    DataField field;
    field.name = pagekit::LibraryText(name);
    fields.push_back(field);
  }
  return fields;
}

void WriteHeading(SheetState& sheet, const std::vector<DataField>& fields) {
  sheet.row = 1;
  for (size_t i = 0; i < fields.size(); ++i)
    sheet.xls->SetCellText(sheet.book, CellName(static_cast<int>(i), 1), pagekit::PageText(fields[i].name));
}

ExportResult ExportTable(pagekit::PageHost& host, const ExportTools& tools, const std::wstring& fileName,
                         const char* table, std::vector<DataField> fields, const DataField* condition,
                         DataRowCallback writer) {
  KXPDatavane* data = host.Data();
  if (data == nullptr) return ExportResult::kNothingToExport;
  return RunExport(tools, fileName, -1, [&](SheetState& sheet) {
    WriteHeading(sheet, fields);
    if (condition != nullptr) fields.push_back(*condition);
    data->QueryRecordsCallback(table, reinterpret_cast<intptr_t>(&sheet), &fields, writer);
  });
}

}  // namespace

std::wstring BillDetailsCondition(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const std::wstring type = Purchase(host) ? L"进货单" : L"销售单";
  const std::wstring start = fields.Text(L"xsd_date_find_start");
  const std::wstring end = fields.Text(L"xsd_date_find_end");
  const std::wstring search = fields.Text(L"xsd_edit_find");
  std::wstring condition = L"类型='" + type + L"' and (单据日期>='" + start + L"' and 单据日期<='" + end + L"')";
  if (!search.empty()) {
    const std::wstring pattern = L"'%" + pagekit::PageText(pagekit::QuoteSqlText(pagekit::LibraryText(search))) + L"%'";
    condition +=
        L" and (客户名称 like " + pattern + L" or 单据编号 like " + pattern + L" or 说明 like " + pattern + L")";
  }
  return condition;
}

ExportResult ExportBillDetails(pagekit::PageHost& host, const ExportTools& tools) {
  KXPDatavane* data = host.Data();
  if (data == nullptr || !host.Fields().Exists(L"listxsd")) return ExportResult::kNothingToExport;
  const std::wstring name = Purchase(host) ? L"进货单明细.xls" : L"销售单明细.xls";
  const std::wstring condition = BillDetailsCondition(host);
  return RunExport(tools, name, -1, [&](SheetState& sheet) {
    std::vector<DataField> params = ColumnsOf({L"单据日期", L"单据编号", L"客户名称", L"商品名称", L"单位", L"数量",
                                               L"单价", L"金额", L"折扣率(%)", L"折后金额", L"备注", L"说明"});
    WriteHeading(sheet, params);
    params.push_back(pagekit::RawCondition(pagekit::LibraryText(condition)));
    data->RunReport("xsd_export", reinterpret_cast<intptr_t>(&sheet), &params, &OnExportBillDetailRow);
  });
}

ExportResult ExportTradePrices(pagekit::PageHost& host, const ExportTools& tools) {
  return ExportTable(host, tools, L"客户批发价.xls", "J4_Customer_TradePrice",
                     ColumnsOf({L"客户名称", L"商品名称", L"单位", L"客户批发价"}), nullptr, &OnExportTradePriceRow);
}

ExportResult ExportContractPrices(pagekit::PageHost& host, const ExportTools& tools) {
  return ExportTable(host, tools, L"供应商合同价.xls", "J4_Supplier_ContractPrice",
                     ColumnsOf({L"供应商名称", L"商品名称", L"单位", L"供应商合同价"}), nullptr,
                     &OnExportContractPriceRow);
}

ExportResult ExportCustomers(pagekit::PageHost& host, const ExportTools& tools) {
  DataField type;
  type.name = "类型";
  type.value = Purchase(host) ? "供应商" : "客户";
  type.hidden = 1;
  return ExportTable(host, tools, Purchase(host) ? L"供应商资料.xls" : L"客户资料.xls", "J4_Customer_Data",
                     ColumnsOf({L"客户名称", L"联系人", L"联系电话", L"传真", L"邮箱", L"QQ", L"地址", L"邮编",
                                L"当前应收款", L"备注"}),
                     &type, &OnExportCustomerRow);
}

ExportResult ExportProducts(pagekit::PageHost& host, const ExportTools& tools) {
  return ExportTable(host, tools, L"商品资料.xls", "J4_Product_Data",
                     ColumnsOf({L"商品名称", L"商品类别", L"计量单位", L"当前库存", L"最低库存", L"最高库存", L"进货价",
                                L"批发价", L"零售价", L"备注"}),
                     nullptr, &OnExportProductRow);
}

}  // namespace output
