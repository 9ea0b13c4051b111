// Sales and purchase summaries and the bill lines of one product over the test shop.
#include "test_support/report_test_fixture.h"

namespace {

class TradeReportTest : public ReportTest {};

TEST_F(TradeReportTest, SummaryByProduct) {
  RunCases({
      // 0.5 kg of bananas is a movement too.
      {"sales of 2014",
       "xstjbg",
       With(Columns(4), {Condition(kYear2014)}),
       4,
       {{"苹果", "箱", "4", "100"}, {"香蕉", "斤", "0.5", "3"}, {"O'Brien's Tea", "盒", "1", "42"}},
       false},
      {"sales of all time",
       "xstjbg",
       With(Columns(4), {Condition("")}),
       4,
       {{"苹果", "箱", "5", "110"}, {"香蕉", "斤", "0.5", "3"}, {"O'Brien's Tea", "盒", "1", "42"}},
       false},
      {"sales of one product as the page asks",
       "xstjbg",
       With(Columns(4), {Condition(std::string(kYear2014) + "and 商品名称=='苹果' ")}),
       4,
       {{"苹果", "箱", "4", "100"}},
       false},
      {"purchases", "jhtjbg", With(Columns(4), {Condition(kYear2014)}), 4, {{"苹果", "箱", "5", "15"}}, false},
      {"purchases of one supplier as the page asks",
       "jhtjbg",
       With(Columns(4), {Condition(std::string(kYear2014) + "and 客户名称=='nobody' ")}),
       4,
       {},
       false},
      {"nothing in the period", "xstjbg", With(Columns(4), {Condition("单据日期>='2015-01-01' ")}), 4, {}, false},
      // A condition with "or" stays one condition: February's sale is no purchase.
      {"purchases outside January",
       "jhtjbg",
       With(Columns(4), {Condition("单据日期<'2014-01-01' or 单据日期>'2014-01-31'")}),
       4,
       {},
       false},
      {"needs five entries", "xstjbg", Columns(4), 4, {}, false},
  });
}

TEST_F(TradeReportTest, ConditionsOfAnyLength) {
  // Far beyond a kilobyte of statement text, Chinese included.
  std::string condition = kYear2014;
  for (int i = 0; i < 200; ++i) condition += "and 单据日期!='1999-01-01' ";
  RunCases({{"a long period condition",
             "xstjbg",
             With(Columns(4), {Condition(condition)}),
             4,
             {{"苹果", "箱", "4", "100"}, {"香蕉", "斤", "0.5", "3"}, {"O'Brien's Tea", "盒", "1", "42"}},
             false}});
}

TEST_F(TradeReportTest, SummaryByPartyAndSalesman) {
  RunCases({
      // Every customer has a row; 37.5 is 30 paid at a rate of 80 before the discount.
      {"customers of 2014",
       "xstjbg_kh",
       With(Columns(4), {Column("客户名称"), Condition(kYear2014)}),
       4,
       {{"零售客户", "", "0.00", ""},
        {"批发客户", "", "0.00", ""},
        {"张三", "37.5", "7.50", "30"},
        {"O'Neil", "45.0", "0.00", "45"},
        {"大户", "", "0.00", ""}},
       false},
      {"one customer with a quote",
       "xstjbg_kh",
       With(Columns(4), {Column("客户名称", "O'Neil"), Condition("")}),
       4,
       {{"O'Neil", "45.0", "0.00", "45"}},
       false},
      {"a customer that does not exist",
       "xstjbg_kh",
       With(Columns(4), {Column("客户名称", "nobody"), Condition("")}),
       4,
       {},
       false},
      {"suppliers",
       "jhtjbg_gys",
       With(Columns(4), {Column(""), Condition(kYear2014)}),
       4,
       {{"零散供应商", "", "0.00", ""}, {"华丰", "5.0", "0.00", "5"}},
       false},
      {"salesmen of 2014",
       "xstjbg_ywy",
       With(Columns(4), {Column(""), Condition(kYear2014)}),
       4,
       {{"小王", "37.5", "7.50", "30"}, {"小李", "45.0", "0.00", "45"}},
       true},
      {"salesmen of all time",
       "xstjbg_ywy",
       With(Columns(4), {Column(""), Condition("")}),
       4,
       {{"小王", "47.5", "7.50", "40"}, {"小李", "45.0", "0.00", "45"}},
       true},
      {"one salesman",
       "xstjbg_ywy",
       With(Columns(4), {Column("", "小李"), Condition("")}),
       4,
       {{"小李", "45.0", "0.00", "45"}},
       false},
      {"party summary needs six entries", "xstjbg_kh", With(Columns(4), {Column("客户名称")}), 4, {}, false},
      {"salesman summary needs six entries", "xstjbg_ywy", Columns(5), 4, {}, false},
  });
}

TEST_F(TradeReportTest, LinesOfOneProduct) {
  auto detail = [](const char* product) {
    std::vector<DataField> params = Columns(10);
    params[3] = Column("商品名称", product);
    return params;
  };
  RunCases({
      {"sales lines",
       "xstjbg_mx",
       detail("苹果"),
       10,
       {{"2013-12-20", "XSD20131220001", "张三", "苹果", "箱", "1", "10", "10", "100", "10"},
        {"2014-01-10", "XSD20140110001", "张三", "苹果", "箱", "4", "25", "100", "80", "100"}},
       false},
      {"purchase lines",
       "jhtjbg_mx",
       detail("苹果"),
       10,
       {{"2014-01-05", "JHD20140105001", "华丰", "苹果", "箱", "5", "3", "15", "100", "15"}},
       false},
      {"half a unit is listed",
       "xstjbg_mx",
       detail("香蕉"),
       10,
       {{"2014-02-01", "XSD20140201001", "O'Neil", "香蕉", "斤", "0.5", "6", "3", "100", "3"}},
       false},
      {"a product with a quote",
       "xstjbg_mx",
       detail("O'Brien's Tea"),
       10,
       {{"2014-02-01", "XSD20140201001", "O'Neil", "O'Brien's Tea", "盒", "1", "42", "42", "100", "42"}},
       false},
      {"a product no longer on file", "xstjbg_mx", detail("旧货"), 10, {}, false},
      {"no product entry", "xstjbg_mx", Columns(10), 10, {}, false},
      {"needs ten entries", "xstjbg_mx", With(Columns(3), {Column("商品名称", "苹果")}), 4, {}, false},
  });
}

TEST_F(TradeReportTest, LinesOfOneProductAgainAndOddQuantities) {
  // A return of two and a line without a quantity: the return is listed, the other is not.
  Exec("insert into J4_Bill_Items values ('XSD20140201001','香蕉','-2','6','-12','')");
  Exec("insert into J4_Bill_Items values ('XSD20140201001','香蕉','','6','0','')");
  std::vector<DataField> params = Columns(10);
  params[3] = Column("商品名称", "香蕉");
  const ReportRows expected = {
      {"2014-02-01", "XSD20140201001", "O'Neil", "香蕉", "斤", "0.5", "6", "3", "100", "3"},
      {"2014-02-01", "XSD20140201001", "O'Neil", "香蕉", "斤", "-2", "6", "-12", "100", "-12"}};
  EXPECT_EQ(expected, Run("xstjbg_mx", params, 10));
  // The product entry holds the product name again, so the same vector lists it again.
  EXPECT_EQ(expected, Run("xstjbg_mx", params, 10));
}

}  // namespace
