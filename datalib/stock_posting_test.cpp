// Stock posting of bills: direction, reversing, number formats, all-or-nothing.
#include "stock_posting.h"

#include <gtest/gtest.h>

#include "test_support/test_database.h"

namespace {

TEST(StockArithmetic, PostedStockTexts) {
  struct Case {
    const char* stock;
    const char* quantity;
    bool takeOut;
    const char* posted;
  };
  const Case cases[] = {
      {"10", "3", true, "7"},
      {"10", "3", false, "13"},
      {"12.00", "3", true, "9"},
      {"5", "2.5", false, "7.50"},
      {"5", "-1.00", true, "6"},
      {"5", "-1.00", false, "4"},
      {"", "2", false, "2"},
      {"0", "1", true, "-1"},
      {"1.5", "1.5", true, "0"},
      {"abc", "1", false, "1"},
      {"3", "x", true, "3"},
      {"0.1", "0.2", false, "0.30"},
      {"100000000", "1", false, "100000001"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.posted, PostedStock(c.stock, c.quantity, c.takeOut)) << c.stock << " " << c.quantity;
  EXPECT_TRUE(IsSalesBill("XSD20261210001"));
  EXPECT_FALSE(IsSalesBill("JHD20261210001"));
  EXPECT_FALSE(IsSalesBill("XS"));
  EXPECT_FALSE(IsSalesBill(""));
  EXPECT_FALSE(IsSalesBill("xsd1"));
}

class StockPosting : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    Exec("insert into J4_Product_Data (商品名称, 当前库存) values ('苹果','10'), ('O''Brien''s','5'), ('锁定','1')");
  }
  std::string Stock(const std::string& product) {
    return Value("select 当前库存 from J4_Product_Data where 商品名称='" + product + "'");
  }
  static std::vector<std::vector<DataField>> Lines(std::initializer_list<std::pair<const char*, const char*>> lines) {
    std::vector<std::vector<DataField>> rows;
    for (const auto& line : lines)
      rows.push_back({MakeDataField("商品名称", line.first), MakeDataField("数量", line.second)});
    return rows;
  }
};

TEST_F(StockPosting, SalesTakeOutPurchasesPutInReverseUndoes) {
  auto lines = Lines({{"苹果", "3"}, {"O'Brien's", "1.5"}, {"没有这个", "2"}});
  lines.push_back({MakeDataField("商品名称", "苹果")});  // a line without a quantity is skipped
  EXPECT_EQ(0, data_->AdjustStock("XSD20261210001", &lines, false));
  EXPECT_EQ("7", Stock("苹果"));
  EXPECT_EQ("3.50", Stock("O''Brien''s"));
  EXPECT_EQ(0, data_->AdjustStock("XSD20261210001", &lines, true));
  EXPECT_EQ("10", Stock("苹果"));
  EXPECT_EQ("5", Stock("O''Brien''s"));

  auto purchase = Lines({{"苹果", "2.5"}, {"苹果", "-1.00"}});
  EXPECT_EQ(0, data_->AdjustStock("JHD20261210001", &purchase, false));
  EXPECT_EQ("11.50", Stock("苹果"));
  EXPECT_EQ(0, data_->AdjustStock("JHD20261210001", &purchase, true));
  EXPECT_EQ("10", Stock("苹果"));
  EXPECT_EQ("<no row>", Stock("没有这个"));

  std::string longName;  // 3000 bytes here, 4500 in UTF-8
  for (int i = 0; i < 1500; ++i) longName += "长";
  Exec("insert into J4_Product_Data (商品名称, 当前库存) values ('" + longName + "','4')");
  auto longLine = Lines({{longName.c_str(), "1"}});
  EXPECT_EQ(0, data_->AdjustStock("XSD20261210009", &longLine, false));
  EXPECT_EQ("3", Stock(longName));
}

TEST_F(StockPosting, AFailingLineRollsBackTheWholeBill) {
  Exec(
      "create trigger refuse before update on J4_Product_Data when old.商品名称='锁定' "
      "begin select raise(abort, 'refused'); end");
  auto lines = Lines({{"苹果", "3"}, {"锁定", "1"}, {"O'Brien's", "1"}});
  EXPECT_EQ(1, data_->AdjustStock("XSD20261210002", &lines, false));
  EXPECT_EQ("10", Stock("苹果"));
  EXPECT_EQ("5", Stock("O''Brien''s"));
  EXPECT_EQ("1", Stock("锁定"));
  auto fine = Lines({{"苹果", "3"}});
  EXPECT_EQ(0, data_->AdjustStock("XSD20261210003", &fine, false));  // nothing left locked
  EXPECT_EQ("7", Stock("苹果"));
}

}  // namespace
