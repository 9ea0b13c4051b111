// Receivable and payable summary, detail and statement over the test shop.
#include "test_support/report_test_fixture.h"

namespace {

class DebtReportTest : public ReportTest {};

TEST_F(DebtReportTest, SummaryAndDetailRows) {
  const char* kEarlyJanuary = "单据日期>='2014-01-01' and 单据日期<='2014-01-12' ";
  RunCases({
      {"receivables of 2014",
       "ysqkbg",
       With(Columns(5), {Condition(""), Condition(kYear2014)}),
       5,
       {{"张三", "100", "50.00", "20", "130.00"}, {"大户", "1234567.89", "0.00", "", "1234567.89"}}},
      {"receivables from a start date",
       "ysqkbg",
       With(Columns(5), {Condition(""), Condition("单据日期>='2014-01-12' ")}),
       5,
       {{"张三", "100", "0.00", "20", "80.00"}, {"大户", "1234567.89", "0.00", "", "1234567.89"}}},
      {"receivables of one party",
       "ysqkbg",
       With(Columns(5), {Condition("客户名称='张三' "), Condition("")}),
       5,
       {{"张三", "100", "50.00", "20", "130.00"}}},
      {"a party with a quote and nothing owed gives no row",
       "ysqkbg",
       With(Columns(5), {Condition("客户名称='O''Neil' "), Condition("")}),
       5,
       {}},
      {"conditions count only with seven entries",
       "ysqkbg",
       With(Columns(5), {Condition("客户名称='nobody' ")}),
       5,
       {{"张三", "100", "50.00", "20", "130.00"}, {"大户", "1234567.89", "0.00", "", "1234567.89"}}},
      {"payables",
       "yfqkbg",
       With(Columns(5), {Condition(""), Condition(kYear2014)}),
       5,
       {{"华丰", "50", "10.00", "10", "50.00"}}},
      {"payables of a supplier that does not exist",
       "yfqkbg",
       With(Columns(5), {Condition("客户名称='nobody' "), Condition(kYear2014)}),
       5,
       {}},
      {"receivables summary needs five entries", "ysqkbg", Columns(4), 4, {}},

      {"detail of a year",
       "ysqkbg_mod",
       With(Columns(6), {Condition(kYear2014), Party("张三")}),
       6,
       {{"", "", "期初结存", "", "", "100.00"},
        {"2014-01-10", "XSD20140110001", "销售", "50.00", "0.00", "150.00"},
        {"2014-01-15", "SKD20140115001", "收款", "0.00", "20.00", "130.00"}}},
      // Everything outside the period opens it, the receipt after its end included.
      {"detail of a period with both bounds",
       "ysqkbg_mod",
       With(Columns(6), {Condition(kEarlyJanuary), Party("张三")}),
       6,
       {{"2014-01-15", "", "期初结存", "", "", "80.00"},
        {"2014-01-10", "XSD20140110001", "销售", "50.00", "0.00", "130.00"}}},
      {"detail from a start date",
       "ysqkbg_mod",
       With(Columns(6), {Condition("单据日期>='2014-01-12' "), Party("张三")}),
       6,
       {{"", "", "期初结存", "", "", "150.00"}, {"2014-01-15", "SKD20140115001", "收款", "0.00", "20.00", "130.00"}}},
      {"payable detail without a period",
       "yfqkbg_mod",
       With(Columns(6), {Condition(""), Party("华丰")}),
       6,
       {{"2014-03-01", "", "期初结存", "", "", "50.00"},
        {"2014-01-05", "JHD20140105001", "进货", "10.00", "0.00", "60.00"},
        {"2014-03-01", "FKD20140301001", "付款", "0.00", "10.00", "50.00"}}},
      {"a party with a quote",
       "ysqkbg_mod",
       With(Columns(6), {Condition(""), Party("O'Neil")}),
       6,
       {{"", "", "期初结存", "", "", "0.00"}}},
      {"opening in double precision",
       "ysqkbg_mod",
       With(Columns(6), {Condition(""), Party("大户")}),
       6,
       {{"", "", "期初结存", "", "", "1234567.89"}}},
      {"a customer is no supplier", "yfqkbg_mod", With(Columns(6), {Condition(""), Party("张三")}), 6, {}},
      {"detail needs six entries", "ysqkbg_mod", With(Columns(3), {Condition(""), Party("张三")}), 5, {}},
  });
}

TEST_F(DebtReportTest, StatementOfACustomer) {
  std::vector<DataField> params = With(Columns(10), {Condition(kYear2014), Party("张三")});
  const ReportRows expected = {
      {" 期初", "", "", "", "", "", "", "", "", "100.00"},
      {"2014-01-10 XSD20140110001", "", "", "", "100.00", "销售", "20.00", "50.00", "30", "150.00"},
      {"苹果", "箱", "4", "25", "100", "", "", "", "", ""},
      {"2014-01-15 SKD20140115001", "", "", "", "", "收款", "", "", "20.00", "130.00"},
      {"合计", "", "", "", "", "", "", "50.00", "50.00", ""},
  };
  EXPECT_EQ(expected, Run("ysdzd", params, 10));
  EXPECT_EQ(std::vector<int>(expected.size(), 0), totalMarks_);  // the statement marks no total row
  EXPECT_EQ("", params[11].value);                               // every value is emptied after the opening row
}

TEST_F(DebtReportTest, StatementCases) {
  RunCases({
      {"supplier statement",
       "yfdzd",
       With(Columns(10), {Condition(kYear2014), Party("华丰")}),
       10,
       {{" 期初", "", "", "", "", "", "", "", "", "50.00"},
        {"2014-01-05 JHD20140105001", "", "", "", "15.00", "进货", "0.00", "10.00", "5", "60.00"},
        {"苹果", "箱", "5", "3", "15", "", "", "", "", ""},
        {"2014-03-01 FKD20140301001", "", "", "", "", "付款", "", "", "10.00", "50.00"},
        {"合计", "", "", "", "", "", "", "10.00", "15.00", ""}}},
      {"a party without documents in the period",
       "ysdzd",
       With(Columns(10), {Condition("单据日期>='2015-01-01' "), Party("张三")}),
       10,
       {{"2014-01-15 期初", "", "", "", "", "", "", "", "", "130.00"},
        {"合计", "", "", "", "", "", "", "0.00", "0.00", ""}}},
      {"a bill with a quote in its party and goods",
       "ysdzd",
       With(Columns(10), {Condition(""), Party("O'Neil")}),
       10,
       {{" 期初", "", "", "", "", "", "", "", "", "0.00"},
        {"2014-02-01 XSD20140201001", "", "", "", "45.00", "茶叶", "0.00", "0.00", "45", "0.00"},
        {"香蕉", "斤", "0.5", "6", "3", "", "", "", "", ""},
        {"O'Brien's Tea", "盒", "1", "42", "42", "", "", "", "", ""},
        {"合计", "", "", "", "", "", "", "0.00", "45.00", ""}}},
      {"unknown party", "ysdzd", With(Columns(10), {Condition(""), Party("nobody")}), 10, {}},
      {"statement needs twelve entries", "ysdzd", With(Columns(9), {Condition(""), Party("张三")}), 10, {}},
  });
}

TEST_F(DebtReportTest, QuotedPartyAndABillWithoutRate) {
  // O'Neil pays 5 and then buys for 20 at no stated rate, paying 8 on the spot.
  Exec(
      "insert into J4_Account_Data values ('2014-03-05','SKD20140305001','收款单','O''Neil','','5','收款','','','5','')");
  Exec(
      "insert into J4_Account_Data values ('2014-03-06','XSD20140306001','销售单','O''Neil','','20','无折扣','','','8','')");
  Exec("insert into J4_Bill_Items values ('XSD20140306001','梨','2','10','20','')");
  const char* kMarch = "单据日期>='2014-03-01' ";
  RunCases({
      {"summary of a party with a quote",
       "ysqkbg",
       With(Columns(5), {Condition("客户名称='O''Neil' "), Condition(kMarch)}),
       5,
       {{"O'Neil", "", "12.00", "5", "7.00"}}},
      // Up to an end date the opening covers what came after it.
      {"detail up to an end date",
       "ysqkbg_mod",
       With(Columns(6), {Condition("单据日期<='2014-03-05' "), Party("O'Neil")}),
       6,
       {{"", "", "期初结存", "", "", "12.00"},
        {"2014-02-01", "XSD20140201001", "茶叶", "0.00", "0.00", "12.00"},
        {"2014-03-05", "SKD20140305001", "收款", "0.00", "5.00", "7.00"}}},
      // A bill without a rate shows no amount before discount and no discount.
      {"statement with a bill without rate",
       "ysdzd",
       With(Columns(10), {Condition(kMarch), Party("O'Neil")}),
       10,
       {{" 期初", "", "", "", "", "", "", "", "", "0.00"},
        {"2014-03-05 SKD20140305001", "", "", "", "", "收款", "", "", "5.00", "-5.00"},
        {"2014-03-06 XSD20140306001", "", "", "", "", "无折扣", "", "12.00", "8", "7.00"},
        {"梨", "个", "2", "10", "20", "", "", "", "", ""},
        {"合计", "", "", "", "", "", "", "12.00", "13.00", ""}}},
  });
}

TEST_F(DebtReportTest, ShortVectorKeepsItsValues) {
  std::vector<DataField> params = With(Columns(3), {Condition(""), Party("张三")});
  params[0].value = "kept";
  EXPECT_TRUE(Run("ysqkbg_mod", params, 6).empty());
  EXPECT_EQ("kept", params[0].value);
  EXPECT_EQ("张三", params[4].value);
}

}  // namespace
