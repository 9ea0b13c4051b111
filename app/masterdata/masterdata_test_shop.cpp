// The master data tests' shop (see masterdata_test_shop.h).
#include "masterdata_test_shop.h"

#include <algorithm>
#include <vector>

namespace masterdata {
namespace test {
namespace {

const char* const kTouchedTables[] = {
    "J4_Product_Type",  "J4_Product_Unit",        "J4_Product_Data",           "J4_Product_CostPrice", "J4_LogicalUnit",
    "J4_Customer_Data", "J4_Customer_TradePrice", "J4_Supplier_ContractPrice", "J4_Account_Item"};

}  // namespace

void MasterdataShopTest::SetUp() {
  pagekit::test::DatavaneDllTest::SetUp();
  if (HasFatalFailure()) return;
  KXPDatavane& d = data();
  ASSERT_EQ(0, d.AddProductType("食品", "", 0));
  ASSERT_EQ(0, d.AddProductType("水果", "食品", 1));
  ASSERT_EQ(0, d.AddProductType("热带水果", "水果", 2));
  ASSERT_EQ(0, d.AddProductType("饮料", "", 0));
  for (const char* unit : {"斤", "个", "瓶"}) ASSERT_EQ(0, d.AddProductUnit(unit));
  struct Product {
    const char* name;
    const char* category;
    const char* unit;
    const char* stock;
  };
  const Product products[] = {{"苹果", "水果", "斤", "10"},
                              {"芒果", "热带水果", "个", "0"},
                              {"可乐", "饮料", "瓶", "-2"},
                              {"面包", "食品", "个", "5"}};
  for (const Product& p : products) {
    Record row = {Value("商品名称", p.name),   Value("商品类别", p.category), Value("计量单位", p.unit),
                  Value("进货价", "2.00"),     Value("零售价", "4.00"),       Value("批发价", "3.00"),
                  Value("客户批发价", "3.00"), Value("当前库存", p.stock),    Value("初始库存", p.stock),
                  Value("最低库存", "0.00"),   Value("最高库存", "0.00"),     Value("备注", ""),
                  Value("操作人", "老板")};
    ASSERT_EQ(0, d.InsertRecord("J4_Product_Data", &row));
    Record cost = {Value("商品名称", p.name), Value("单位成本", "2.00")};
    ASSERT_EQ(0, d.InsertRecord("J4_Product_CostPrice", &cost));
  }
  Record box = {Value("name", "箱"), Value("name_basic", "瓶"), Value("value", "24.00"), Value("product", "可乐")};
  ASSERT_EQ(0, d.InsertRecord("J4_LogicalUnit", &box));
  Record party = {Value("客户名称", "张三商行"),
                  Value("类型", "客户"),
                  Value("联系人", "张三"),
                  Value("联系电话", "13800000000"),
                  Value("传真", ""),
                  Value("QQ", ""),
                  Value("邮箱", ""),
                  Value("地址", ""),
                  Value("邮编", ""),
                  Value("当前应收款", "100.00"),
                  Value("初始应收款", "100.00"),
                  Value("备注", ""),
                  Value("操作人", "老板")};
  ASSERT_EQ(0, d.InsertRecord("J4_Customer_Data", &party));
}

std::string MasterdataShopTest::Dump(const char* table) {
  std::vector<std::string> names;
  EXPECT_EQ(0, data().GetTableColumnNames(table, &names)) << table;
  Record columns;
  for (const std::string& name : names) columns.push_back(Column(name.c_str()));
  Rows rows;
  EXPECT_TRUE(Query(data(), table, columns, &rows)) << table;
  std::vector<std::string> lines;
  for (const Record& row : rows) {
    std::string line;
    for (const DataField& field : row) line += field.value + "|";
    lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end());
  std::string dump = std::string(table) + ":\n";
  for (const std::string& line : lines) dump += line + "\n";
  return dump;
}

std::string MasterdataShopTest::DumpAll() {
  std::string dump;
  for (const char* table : kTouchedTables) dump += Dump(table);
  return dump;
}

Record MasterdataShopTest::StoredRow(const char* table, const char* keyColumn, const std::string& key) {
  Record columns;
  EXPECT_EQ(0, data().GetTableFields(table, &columns));
  for (DataField& column : columns)
    if (column.name == keyColumn) column.value = key;
  Rows rows;
  EXPECT_TRUE(Query(data(), table, columns, &rows));
  return rows.empty() ? Record() : rows.front();
}

std::string MasterdataShopTest::StoredValue(const char* table, const char* keyColumn, const std::string& key,
                                            const char* column) {
  for (const DataField& field : StoredRow(table, keyColumn, key))
    if (field.name == column) return field.value;
  return "<none>";
}

void MasterdataShopTest::PostBill(const char* number, const char* product, const char* quantity) {
  Rows lines = {{Value("商品名称", product), Value("数量", quantity)}};
  ASSERT_EQ(0, data().AdjustStock(number, &lines, false));
}

}  // namespace test
}  // namespace masterdata
