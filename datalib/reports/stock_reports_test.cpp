// Stock statistics, stock ledger and stock warning over the test shop.
#include "test_support/report_test_fixture.h"

namespace {

class StockReportTest : public ReportTest {
 protected:
  // The ledger vector as the stock page builds it.
  static std::vector<DataField> Ledger(const char* product, const char* period) {
    std::vector<DataField> params = Columns(12);
    DataField productEntry = Column("商品名称", product);
    productEntry.hidden = 1;
    params.push_back(productEntry);
    params.push_back(Condition(period));
    return params;
  }
};

TEST_F(StockReportTest, Summary) {
  RunCases({
      {"stock of 2014",
       "kctjbg",
       With(Columns(10), {Condition(""), Condition(kYear2014)}),
       10,
       {{"苹果", "箱", "10", "20.00", "5", "15", "4", "10.00", "11.00", "27.50"},
        {"香蕉", "斤", "", "", "", "", "0.5", "1.50", "-0.50", "-1.50"},
        {"O'Brien's Tea", "盒", "", "", "", "", "1", "10.00", "-1.00", "-10.00"}}},
      // Without conditions the bill numbers tell purchases from sales.
      {"stock of all time",
       "kctjbg",
       Columns(10),
       10,
       {{"苹果", "箱", "10", "20.00", "5", "15", "5", "12.50", "10.00", "25.00"},
        {"香蕉", "斤", "", "", "", "", "0.5", "1.50", "-0.50", "-1.50"},
        {"O'Brien's Tea", "盒", "", "", "", "", "1", "10.00", "-1.00", "-10.00"}}},
      {"conditions count only with twelve entries",
       "kctjbg",
       With(Columns(10), {Condition("商品名称='梨' ")}),
       10,
       {{"苹果", "箱", "10", "20.00", "5", "15", "5", "12.50", "10.00", "25.00"},
        {"香蕉", "斤", "", "", "", "", "0.5", "1.50", "-0.50", "-1.50"},
        {"O'Brien's Tea", "盒", "", "", "", "", "1", "10.00", "-1.00", "-10.00"}}},
      {"one product",
       "kctjbg",
       With(Columns(10), {Condition("商品名称='O''Brien''s Tea' "), Condition(kYear2014)}),
       10,
       {{"O'Brien's Tea", "盒", "", "", "", "", "1", "10.00", "-1.00", "-10.00"}}},
      {"a product that does not exist",
       "kctjbg",
       With(Columns(10), {Condition("商品名称='nobody' "), Condition("")}),
       10,
       {}},
      {"needs ten entries", "kctjbg", Columns(9), 9, {}},
  });
}

TEST_F(StockReportTest, Ledger) {
  RunCases({
      {"ledger of 2014",
       "kctjbgmx",
       Ledger("苹果", kYear2014),
       12,
       {{"期初", "", "", "", "", "", "", "", "", "10", "2", "20.00"},
        {"进货", "2014-01-05", "华丰", "5", "3.00", "15", "", "", "", "15.00", "2.33", "35.00"},
        {"出货", "2014-01-10", "张三", "", "", "", "4", "2.5", "10.00", "11.00", "2.27", "25.00"},
        {"合计", "", "", "5.00", "", "15.00", "4.00", "", "10.00", "11.00", "", "25.00"}}},
      {"ledger of all time",
       "kctjbgmx",
       Ledger("苹果", ""),
       12,
       {{"期初", "", "", "", "", "", "", "", "", "10", "2", "20.00"},
        {"出货", "2013-12-20", "张三", "", "", "", "1", "2.5", "2.50", "9.00", "1.94", "17.50"},
        {"进货", "2014-01-05", "华丰", "5", "3.00", "15", "", "", "", "14.00", "2.32", "32.50"},
        {"出货", "2014-01-10", "张三", "", "", "", "4", "2.5", "10.00", "10.00", "2.25", "22.50"},
        {"合计", "", "", "5.00", "", "15.00", "5.00", "", "12.50", "10.00", "", "22.50"}}},
      // A product that is gone from the product table has no opening row; a
      // product with a quote is found.
      {"ledger of a product no longer on file",
       "kctjbgmx",
       Ledger("旧货", kYear2014),
       12,
       {{"出货", "2014-01-10", "张三", "", "", "", "1", "", "", "-1.00", "", ""},
        {"合计", "", "", "", "", "", "1.00", "", "", "-1.00", "", ""}}},
      {"ledger of a product with a quote",
       "kctjbgmx",
       Ledger("O'Brien's Tea", ""),
       12,
       {{"期初", "", "", "", "", "", "", "", "", "0", "10", "0.00"},
        {"出货", "2014-02-01", "O'Neil", "", "", "", "1", "10", "10.00", "-1.00", "10.00", "-10.00"},
        {"合计", "", "", "", "", "", "1.00", "", "10.00", "-1.00", "", "-10.00"}}},
      {"a product with neither a row nor a bill", "kctjbgmx", Ledger("nobody", ""), 12, {}},
      {"needs thirteen entries", "kctjbgmx", Columns(12), 12, {}},
  });
}

TEST_F(StockReportTest, LedgerMarksOnlyItsTotalRowAndKeepsItsInputs) {
  std::vector<DataField> params = Ledger("苹果", kYear2014);
  ASSERT_EQ(4u, Run("kctjbgmx", params, 12).size());
  EXPECT_EQ((std::vector<int>{0, 0, 0, 1}), totalMarks_);
  // Every cell of the total row is marked; the product and period entries are not cells.
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}), extras_.back());
  EXPECT_EQ("苹果", params[12].value);
  for (const DataField& entry : params) EXPECT_EQ(0, entry.extra);
  // The same vector again gives the same rows, marks included.
  ASSERT_EQ(4u, Run("kctjbgmx", params, 12).size());
  EXPECT_EQ((std::vector<int>{0, 0, 0, 1}), totalMarks_);
}

TEST_F(StockReportTest, Warning) {
  RunCases({
      // 梨 has no limits at all and 香蕉 no highest stock: neither is above one.
      {"every product out of its limits",
       "kcyjbg",
       Columns(7),
       7,
       {{"香蕉", "斤", "", "5", "3", "短缺", "2.00"}, {"O'Brien's Tea", "盒", "20", "", "25", "超出", "5.00"}}},
      {"above the highest",
       "kcyjbg",
       With(Columns(7), {Condition("超出")}),
       7,
       {{"O'Brien's Tea", "盒", "20", "", "25", "超出", "5.00"}}},
      {"below the lowest",
       "kcyjbg",
       With(Columns(7), {Condition("短缺")}),
       7,
       {{"香蕉", "斤", "", "5", "3", "短缺", "2.00"}}},
      {"another state", "kcyjbg", With(Columns(7), {Condition("正常")}), 7, {}},
      {"needs seven entries", "kcyjbg", Columns(6), 6, {}},
  });
}

TEST_F(StockReportTest, LedgerEdges) {
  // A second line of apples on the January sale, and peaches that are sold out.
  Exec("insert into J4_Bill_Items values ('XSD20140110001','苹果','1','25','25','')");
  Exec("insert into J4_Product_Data values ('桃','水果','个','1','','','','0','2','','','','')");
  Exec("insert into J4_Bill_Items values ('XSD20140201001','桃','2','3','6','')");
  RunCases({
      {"two lines of one bill make one row",
       "kctjbgmx",
       Ledger("苹果", "单据日期>='2014-01-06' "),
       12,
       {{"期初", "", "", "", "", "", "", "", "", "10", "2", "20.00"},
        {"出货", "2014-01-10", "张三", "", "", "", "5", "2.5", "12.50", "5.00", "1.50", "7.50"},
        {"合计", "", "", "", "", "", "5.00", "", "12.50", "5.00", "", "7.50"}}},
      // Nothing left: no balance price and the zero cells blank.
      {"sold out",
       "kctjbgmx",
       Ledger("桃", ""),
       12,
       {{"期初", "", "", "", "", "", "", "", "", "2", "1", "2.00"},
        {"出货", "2014-02-01", "O'Neil", "", "", "", "2", "1", "2.00", "", "", ""},
        {"合计", "", "", "", "", "", "2.00", "", "2.00", "", "", ""}}},
      {"no bill gives no total row",
       "kctjbgmx",
       Ledger("梨", ""),
       12,
       {{"期初", "", "", "", "", "", "", "", "", "0", "1", "0.00"}}},
      {"sold out in the statistics",
       "kctjbg",
       With(Columns(10), {Condition("商品名称='桃' "), Condition("")}),
       10,
       {{"桃", "个", "2", "2.00", "", "", "2", "2.00", "", ""}}},
  });
}
TEST_F(StockReportTest, ThePagesVectorKeepsItsCaptionsAndCellNumbers) {
  // The stock page's columns: two single ones, then 数量 and 金额 for each of four groups.
  std::vector<DataField> params = {Column("商品名称"), Column("单位")};
  for (int group = 0; group < 4; ++group)
    for (const char* caption : {"数量", "金额"}) {
      params.push_back(Column(caption));
      params.back().index = group;
      params.back().width = 70;
    }
  params.push_back(Condition(""));
  params.push_back(Condition(kYear2014));
  const std::vector<DataField> before = params;
  ASSERT_EQ(3u, Run("kctjbg", params, 10).size());
  ASSERT_EQ(before.size(), params.size());
  for (size_t i = 0; i < params.size(); ++i) {
    EXPECT_EQ(before[i].name, params[i].name) << i;
    EXPECT_EQ(before[i].index, params[i].index) << i;
    EXPECT_EQ(before[i].width, params[i].width) << i;
    EXPECT_EQ(before[i].hidden, params[i].hidden) << i;
  }
}
}  // namespace
