// Profit per customer and per product over the test shop.
#include "test_support/report_test_fixture.h"

namespace {

class ProfitReportTest : public ReportTest {
 protected:
  // The rows before the total row in any order, then the total row.
  void ExpectRows(const ReportRows& body, const std::vector<std::string>& total, const ReportRows& rows,
                  const char* title) {
    ASSERT_EQ(body.size() + 1, rows.size()) << title;
    EXPECT_EQ(AnyOrder(body), AnyOrder(ReportRows(rows.begin(), rows.end() - 1))) << title;
    EXPECT_EQ(total, rows.back()) << title;
    std::vector<int> marks(body.size(), 0);
    marks.push_back(1);
    EXPECT_EQ(marks, totalMarks_) << title;
    // The total row marks every entry, the condition entries included.
    EXPECT_EQ(std::vector<int>(extras_.back().size(), 1), extras_.back()) << title;
  }
};

TEST_F(ProfitReportTest, ByCustomer) {
  // 旧货, sold after 苹果 on the same bill, has no cost of its own: it costs 0.
  ExpectRows({{"张三", "80", "10.00", "70.00", "87.50%"}, {"O'Neil", "45", "11.50", "33.50", "74.44%"}},
             {"合计", "125.00", "21.50", "103.50", ""},
             Run("lrtjbg", With(Columns(5), {Condition(""), Condition(kYear2014)}), 5), "2014");
  ExpectRows({{"张三", "90", "12.50", "77.50", "86.11%"}}, {"合计", "90.00", "12.50", "77.50", ""},
             Run("lrtjbg", With(Columns(5), {Condition("客户名称='张三' "), Condition("")}), 5), "one customer");
  EXPECT_TRUE(Run("lrtjbg", With(Columns(5), {Condition(""), Condition("单据日期>='2015-01-01' ")}), 5).empty());
  EXPECT_TRUE(Run("lrtjbg", Columns(4), 4).empty());
}

TEST_F(ProfitReportTest, ByProduct) {
  ExpectRows({{"苹果", "箱", "4.00", "100.00", "10.00", "90.00", "90.00%"},
              {"旧货", "", "1.00", "5.00", "0.00", "5.00", "100.00%"},
              {"香蕉", "斤", "0.50", "3.00", "1.50", "1.50", "50.00%"},
              {"O'Brien's Tea", "盒", "1.00", "42.00", "10.00", "32.00", "76.19%"}},
             {"合计", "", "6.50", "150.00", "21.50", "128.50", ""},
             Run("lrtjbg_hp", With(Columns(7), {Condition(""), Condition(kYear2014)}), 7), "2014");
  ExpectRows({{"O'Brien's Tea", "盒", "1.00", "42.00", "10.00", "32.00", "76.19%"}},
             {"合计", "", "1.00", "42.00", "10.00", "32.00", ""},
             Run("lrtjbg_hp", With(Columns(7), {Condition("O'Brien's Tea"), Condition("")}), 7), "one product");
  EXPECT_TRUE(Run("lrtjbg_hp", With(Columns(7), {Condition(""), Condition("单据日期>='2015-01-01' ")}), 7).empty());
  EXPECT_TRUE(Run("lrtjbg_hp", Columns(6), 6).empty());
}

TEST_F(ProfitReportTest, NoRateWithoutABase) {
  // A free apple: a cost and nothing received, so there is nothing to divide by.
  Exec(
      "insert into J4_Account_Data values ('2015-03-01','XSD20150301001','销售单','批发客户','100','0','','','','0','')");
  Exec("insert into J4_Bill_Items values ('XSD20150301001','苹果','1','0','0','')");
  const char* k2015 = "单据日期>='2015-01-01' ";
  ExpectRows({{"批发客户", "0", "2.50", "-2.50", ""}}, {"合计", "0.00", "2.50", "-2.50", ""},
             Run("lrtjbg", With(Columns(5), {Condition(""), Condition(k2015)}), 5), "by customer");
  ExpectRows({{"苹果", "箱", "1.00", "0.00", "2.50", "-2.50", ""}}, {"合计", "", "1.00", "0.00", "2.50", "-2.50", ""},
             Run("lrtjbg_hp", With(Columns(7), {Condition(""), Condition(k2015)}), 7), "by product");
}

TEST_F(ProfitReportTest, ReusedVectorCarriesNoTotalMark) {
  std::vector<DataField> params = With(Columns(5), {Condition(""), Condition(kYear2014)});
  Run("lrtjbg", params, 5);
  for (const DataField& entry : params) EXPECT_EQ(0, entry.extra);
}

TEST_F(ProfitReportTest, NoRateWithoutProfit) {
  // An apple sold at exactly its unit cost.
  Exec(
      "insert into J4_Account_Data values ('2015-03-01','XSD20150301001','销售单','批发客户','100','2.5','','','','2.5','')");
  Exec("insert into J4_Bill_Items values ('XSD20150301001','苹果','1','2.5','2.5','')");
  const char* k2015 = "单据日期>='2015-01-01' ";
  ExpectRows({{"批发客户", "2.5", "2.50", "0.00", ""}}, {"合计", "2.50", "2.50", "0.00", ""},
             Run("lrtjbg", With(Columns(5), {Condition(""), Condition(k2015)}), 5), "by customer");
  ExpectRows({{"苹果", "箱", "1.00", "2.50", "2.50", "0.00", ""}}, {"合计", "", "1.00", "2.50", "2.50", "0.00", ""},
             Run("lrtjbg_hp", With(Columns(7), {Condition(""), Condition(k2015)}), 7), "by product");
}
TEST_F(ProfitReportTest, CustomersComeInTheOrderOfTheirFirstSale) {
  // 张三 bought first (2013), O'Neil later; by name O'Neil would come first.
  Exec(
      "insert into J4_Account_Data values ('2014-03-01','XSD20140301009','销售单','零售客户','100','1','','','','1','')");
  const ReportRows rows = Run("lrtjbg", Columns(5), 5);
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ("张三", rows[0][0]);
  EXPECT_EQ("O'Neil", rows[1][0]);
  EXPECT_EQ("零售客户", rows[2][0]);
  EXPECT_EQ("合计", rows[3][0]);
}
}  // namespace
