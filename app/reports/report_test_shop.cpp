// The report pages' test shop (see report_test_shop.h).
#include "report_test_shop.h"

#include <string>
#include <vector>

namespace reports {
namespace test {

void ReportShopTest::Insert(const char* table, std::initializer_list<const char*> values) {
  std::vector<std::string> names;
  ASSERT_EQ(0, data().GetTableColumnNames(table, &names)) << table;
  ASSERT_EQ(names.size(), values.size()) << table;
  std::vector<DataField> row;
  size_t column = 0;
  for (const char* value : values) row.push_back(MakeDataField(names[column++], value));
  ASSERT_EQ(0, data().InsertRecord(table, &row)) << table;
}

void ReportShopTest::SetUp() {
  DatavaneDllTest::SetUp();
  if (HasFatalFailure()) return;
  Insert("J4_Product_Data", {"苹果", "水果", "箱", "2", "", "", "", "11", "10", "5", "20", "", ""});
  Insert("J4_Product_Data", {"香蕉", "水果", "斤", "3", "", "", "", "3", "0", "5", "", "", ""});
  Insert("J4_Product_Data", {"O'Brien's Tea", "茶叶", "盒", "10", "", "", "", "25", "0", "", "20", "", ""});
  Insert("J4_Product_CostPrice", {"苹果", "2.5"});
  Insert("J4_Customer_Data", {"张三", "客户", "", "", "", "", "", "", "", "", "100", "", ""});
  Insert("J4_Customer_Data", {"O'Neil", "客户", "", "", "", "", "", "", "", "", "7", "", ""});
  Insert("J4_Customer_Data", {"华丰", "供应商", "", "", "", "", "", "", "", "", "50", "", ""});
  Insert("J4_Account_Item", {"房租", "支出"});
  Insert("J4_Account_Item", {"利息", "收入"});
  Insert("J4_Saler", {"小王"});
  Insert("J4_Saler", {"小李"});
  // 单据日期, 单据编号, 类型, 客户名称, 折扣率, 收款金额, 说明, 收支项目,
  // 操作人, 实际金额, 业务员
  Insert("J4_Account_Data",
         {"2013-12-20", "XSD20131220001", "销售单", "张三", "100", "10", "旧单", "", "", "10", "小王"});
  Insert("J4_Account_Data", {"2014-01-05", "JHD20140105001", "进货单", "华丰", "100", "15", "进货", "", "", "5", ""});
  Insert("J4_Account_Data",
         {"2014-01-10", "XSD20140110001", "销售单", "张三", "80", "80", "销售", "", "", "30", "小王"});
  Insert("J4_Account_Data", {"2014-01-15", "SKD20140115001", "收款单", "张三", "", "20", "收款", "", "", "20", ""});
  Insert("J4_Account_Data",
         {"2014-02-01", "XSD20140201001", "销售单", "O'Neil", "100", "45", "茶叶", "", "", "45", "小李"});
  Insert("J4_Account_Data", {"2014-02-10", "ZJD20140210001", "收支单", "", "", "", "房租", "房租", "", "1000", ""});
  Insert("J4_Account_Data", {"2014-02-12", "ZJD20140212001", "收支单", "", "", "", "利息", "利息", "", "12.5", ""});
  Insert("J4_Account_Data", {"2014-03-01", "FKD20140301001", "付款单", "华丰", "", "10", "付款", "", "", "10", ""});
  // 单据编号, 商品名称, 数量, 单价, 金额, 备注
  Insert("J4_Bill_Items", {"XSD20131220001", "苹果", "1", "10", "10", ""});
  Insert("J4_Bill_Items", {"JHD20140105001", "苹果", "5", "3", "15", "新货"});
  Insert("J4_Bill_Items", {"XSD20140110001", "苹果", "4", "25", "100", ""});
  Insert("J4_Bill_Items", {"XSD20140201001", "香蕉", "0.5", "6", "3", ""});
  Insert("J4_Bill_Items", {"XSD20140201001", "O'Brien's Tea", "1", "42", "42", ""});
}

}  // namespace test
}  // namespace reports
