#include "document_test_shop.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "data_store.h"

namespace documents {
namespace test {
namespace {

void Insert(KXPDatavane& data, const char* table, std::vector<std::string> values) {
  std::vector<DataField> record;
  for (const std::string& value : values) record.push_back(MakeDataField("", value));
  ASSERT_EQ(0, data.InsertRecord(table, &record)) << table << " " << values.front();
}

std::vector<std::vector<DataField>> RowsOf(KXPDatavane& data, const char* table, std::vector<const char*> columns,
                                           const char* key, const std::string& value) {
  std::vector<DataField> record;
  for (const char* column : columns) record.push_back(MakeDataField(column, ""));
  DataField condition = MakeDataField(key, value);
  condition.hidden = 1;
  record.push_back(condition);
  std::vector<std::vector<DataField>> rows;
  EXPECT_EQ(0, data.QueryRecords(table, &record, &rows));
  return rows;
}

const char* const kTables[] = {
    "J4_Sys_User",
    "J4_Sys_Setting",
    "J4_Sys_SideBar_Item",
    "J4_Product_Type",
    "J4_Product_Unit",
    "J4_Product_Data",
    "J4_Customer_Data",
    "J4_Customer_TradePrice",
    "J4_Supplier_ContractPrice",
    "J4_Account_Data",
    "J4_Bill_Items",
    "J4_Account_Item",
    "J4_Product_CostPrice",
    "J4_Sales_Order",
    "tb_priority",
    "J4_Saler",
    "J4_LogicalUnit",
};

}  // namespace

void StockTheShop(KXPDatavane& data) {
  ASSERT_EQ(0, data.AddProductType("饮料", "", 0));
  ASSERT_EQ(0, data.AddProductUnit("瓶"));
  ASSERT_EQ(0, data.AddProductUnit("包"));
  Insert(data, "J4_Product_Data", {"可乐", "饮料", "瓶", "2.00", "3.00", "2.50", "", "100", "100", "", "", "", ""});
  Insert(data, "J4_Product_Data", {"雪碧", "饮料", "瓶", "1.80", "2.80", "2.40", "", "50", "50", "", "", "", ""});
  Insert(data, "J4_Product_Data", {"饼干", "饮料", "包", "5.00", "8.00", "7.00", "", "20", "20", "", "", "", ""});
  Insert(data, "J4_LogicalUnit", {"箱", "瓶", "12", "可乐"});
  Insert(data, "J4_LogicalUnit", {"", "包", "10", "饼干"});
  Insert(data, "J4_Customer_Data", {"张三", "客户", "", "", "", "", "", "", "", "0.00", "0.00", "", ""});
  Insert(data, "J4_Customer_Data", {"李四", "客户", "", "", "", "", "", "", "", "10.00", "10.00", "", ""});
  Insert(data, "J4_Customer_Data", {"大华公司", "供应商", "", "", "", "", "", "", "", "0.00", "0.00", "", ""});
  Insert(data, "J4_Customer_TradePrice", {"张三", "可乐", "瓶", "2.70"});
  Insert(data, "J4_Supplier_ContractPrice", {"大华公司", "可乐", "瓶", "1.90"});
}

std::vector<std::string> DumpTables(KXPDatavane& data) {
  std::vector<std::string> dump;
  for (const char* table : kTables) {
    std::vector<DataField> columns;
    EXPECT_EQ(0, data.GetTableFields(table, &columns)) << table;
    std::vector<std::vector<DataField>> rows;
    EXPECT_EQ(0, data.QueryRecords(table, &columns, &rows)) << table;
    for (const std::vector<DataField>& row : rows) {
      std::string text = table;
      for (const DataField& field : row) text += "|" + field.value;
      dump.push_back(text);
    }
  }
  std::sort(dump.begin(), dump.end());
  return dump;
}

double StockOf(KXPDatavane& data, const char* product) {
  const auto rows = RowsOf(data, "J4_Product_Data", {"当前库存"}, "商品名称", product);
  return rows.empty() ? -99999 : std::atof(rows.front()[0].value.c_str());
}

double BalanceOf(KXPDatavane& data, const char* party) {
  const auto rows = RowsOf(data, "J4_Customer_Data", {"当前应收款"}, "客户名称", party);
  return rows.empty() ? -99999 : std::atof(rows.front()[0].value.c_str());
}

std::vector<std::vector<DataField>> LinesOf(KXPDatavane& data, const std::wstring& number) {
  return RowsOf(data, "J4_Bill_Items", {"商品名称", "数量", "单价", "金额", "备注"}, "单据编号",
                pagekit::LibraryText(number));
}

std::vector<std::vector<DataField>> BillHeaderOf(KXPDatavane& data, const std::wstring& number) {
  return RowsOf(
      data, "J4_Account_Data",
      {"单据日期", "类型", "客户名称", "折扣率", "收款金额", "说明", "收支项目", "操作人", "实际金额", "业务员"},
      "单据编号", pagekit::LibraryText(number));
}

std::vector<std::vector<DataField>> OrderHeaderOf(KXPDatavane& data, const std::wstring& number) {
  return RowsOf(
      data, "J4_Sales_Order",
      {"单据日期", "类型", "客户名称", "交货日期", "订货数量", "已发数量", "折扣率", "应收金额", "说明", "操作人"},
      "单据编号", pagekit::LibraryText(number));
}

BillLineInput Line(const wchar_t* product, const wchar_t* unit, const wchar_t* quantity, const wchar_t* price,
                   const wchar_t* amount) {
  BillLineInput line;
  line.product = product;
  line.unit = unit;
  line.quantity = quantity;
  line.price = price;
  line.amount = amount;
  return line;
}

BillInput SalesBill(const wchar_t* party, const wchar_t* due, const wchar_t* paid, std::vector<BillLineInput> lines) {
  BillInput bill;
  bill.side = pagekit::PageSide::kSales;
  bill.party = party;
  bill.date = L"2014-10-22";
  bill.due = due;
  bill.paid = paid;
  bill.percent = L"100";
  bill.number = L"XSD20141022001";
  bill.user = L"老板";
  bill.lines = std::move(lines);
  return bill;
}

BillInput FiftyLineBill() {
  BillInput bill = SalesBill(L"张三", L"500.00", L"100.00", {});
  bill.salesman = L"小王";
  for (int i = 0; i < 50; ++i) bill.lines.push_back(Line(i % 2 ? L"雪碧" : L"可乐", L"瓶", L"2", L"5", L"10"));
  return bill;
}

BillInput ChangedFiftyLineBill(const std::wstring& openedNumber) {
  BillInput bill = FiftyLineBill();
  bill.openedNumber = openedNumber;
  bill.party = L"李四";
  bill.salesman = L"小李";
  for (BillLineInput& line : bill.lines) line.quantity = L"3";
  bill.lines[7] = Line(L"饼干", L"包", L"1", L"8", L"8");
  return bill;
}

}  // namespace test
}  // namespace documents
