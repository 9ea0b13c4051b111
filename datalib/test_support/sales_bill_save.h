// The call sequence of saving a sales bill as the bill page makes it, through the
// public interface alone, for the programs that measure or interrupt it: undo the
// stored bill of that number (its stock back, header and lines gone), look up and
// insert each line, seed missing cost prices, write the income item and the
// header, post the stock and raise the customer's balance.
#ifndef DATAVANE_TEST_SUPPORT_SALES_BILL_SAVE_H
#define DATAVANE_TEST_SUPPORT_SALES_BILL_SAVE_H

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "kxp_data.h"

namespace sales_bill {

// The steps after which `SaveSalesBill` reports its progress, in order.
enum class Step { kUndone, kLines, kHeader, kStock, kBalance };

inline DataField Field(const std::string& name, const std::string& value, int hidden = 0) {
  DataField field = MakeDataField(name, value);
  field.hidden = hidden;
  return field;
}

inline std::string ProductName(int i) {
  char name[32];
  std::snprintf(name, sizeof(name), "商品%03d", i);
  return name;
}

// Products 0 .. count-1 with a stock of 1000 each.
inline void AddProducts(KXPDatavane* data, int count) {
  for (int i = 0; i < count; ++i) {
    std::vector<DataField> product = {Field("", ProductName(i)), Field("", ""),     Field("", "个"), Field("", "5.00"),
                                      Field("", "9.00"),         Field("", "8.00"), Field("", ""),   Field("", "1000")};
    data->InsertRecord("J4_Product_Data", &product);
  }
}

// Saves bill `number` with `lineCount` lines of 2 each to 零售客户. `afterStep`
// is called after each step (it may stop the process there).
template <class AfterStep>
void SaveSalesBill(KXPDatavane* data, const std::string& number, int lineCount, AfterStep&& afterStep) {
  std::vector<DataField> oldLines = {Field("商品名称", ""), Field("数量", ""), Field("单据编号", number, 1)};
  std::vector<std::vector<DataField>> stored;
  data->QueryRecords("J4_Bill_Items", &oldLines, &stored);
  if (!stored.empty()) data->AdjustStock(number, &stored, true);
  std::vector<DataField> key = {Field("单据编号", number)};
  data->DeleteRecords("J4_Account_Data", &key);
  data->DeleteRecords("J4_Bill_Items", &key);
  afterStep(Step::kUndone);

  std::vector<std::vector<DataField>> stockRows;
  for (int i = 0; i < lineCount; ++i) {
    const std::string product = ProductName(i);
    std::vector<DataField> inventory = {Field("商品名称", product), Field("进货价", "")};
    std::vector<std::vector<DataField>> found;
    data->QueryRecords("J4_V_Product_Inventory", &inventory, &found);
    std::vector<DataField> unit = {Field("name", "箱", 1), Field("name_basic", "个", 1), Field("product", product, 1),
                                   Field("value", "")};
    std::vector<std::vector<DataField>> conversion;
    data->QueryRecords("J4_LogicalUnit", &unit, &conversion);
    std::vector<DataField> line = {Field("", number), Field("", product), Field("", "2.00"),
                                   Field("", "5.00"), Field("", "10.00"), Field("", "")};
    if (data->InsertRecord("J4_Bill_Items", &line) != 0) continue;
    stockRows.push_back({Field("商品名称", product), Field("数量", "2.00")});
    std::vector<DataField> cost = {Field("商品名称", product), Field("单位成本", "")};
    std::vector<std::vector<DataField>> costRows;
    data->QueryRecords("J4_Product_CostPrice", &cost, &costRows);
    if (costRows.empty()) {
      std::vector<DataField> seed = {Field("", product), Field("", found.empty() ? "" : found[0][1].value)};
      data->InsertRecord("J4_Product_CostPrice", &seed);
    }
  }
  afterStep(Step::kLines);

  std::vector<DataField> item = {Field("", "销售收入"), Field("", "收入")};
  data->InsertRecord("J4_Account_Item", &item);
  std::vector<DataField> header = {Field("", "2026-12-10"), Field("", number),     Field("", "销售单"),
                                   Field("", "零售客户"),   Field("", "100"),      Field("", "400.00"),
                                   Field("", ""),           Field("", "销售收入"), Field("", "老板"),
                                   Field("", "500.00"),     Field("", "")};
  data->InsertRecord("J4_Account_Data", &header);
  afterStep(Step::kHeader);

  data->AdjustStock(number, &stockRows, false);
  afterStep(Step::kStock);

  std::vector<DataField> party = {Field("客户名称", "零售客户"), Field("当前应收款", "")};
  std::vector<std::vector<DataField>> balance;
  data->QueryRecords("J4_Customer_Data", &party, &balance);
  if (!balance.empty()) {
    char raised[64];
    std::snprintf(raised, sizeof(raised), "%.02f", std::atof(balance[0][1].value.c_str()) + 100.0);
    std::vector<DataField> set = {Field("客户名称", "零售客户"), Field("当前应收款", raised)};
    data->UpdateRecord("J4_Customer_Data", &set, &balance[0]);
  }
  afterStep(Step::kBalance);
}

inline void SaveSalesBill(KXPDatavane* data, const std::string& number, int lineCount) {
  SaveSalesBill(data, number, lineCount, [](Step) {});
}

}  // namespace sales_bill

#endif
