// Fund statistics, the documents of one item and the cash book's opening figures.
#include "test_support/report_test_fixture.h"

namespace {

class FundReportTest : public ReportTest {};

TEST_F(FundReportTest, SummaryAndItemDetail) {
  RunCases({
      {"items of 2014",
       "zjtjbg",
       With(Columns(3), {Condition(""), Condition(kYear2014)}),
       3,
       {{"房租", "", "1000"}, {"利息", "12.5", ""}}},
      {"income items only",
       "zjtjbg",
       With(Columns(3), {Condition("项目类别='收入' "), Condition(kYear2014)}),
       3,
       {{"利息", "12.5", ""}}},
      {"nothing in the period",
       "zjtjbg",
       With(Columns(3), {Condition(""), Condition("单据日期>='2015-01-01' ")}),
       3,
       {}},
      {"conditions count only with five entries",
       "zjtjbg",
       With(Columns(3), {Condition("项目类别='收入' ")}),
       3,
       {{"房租", "", "1000"}, {"利息", "12.5", ""}}},
      {"summary needs three entries", "zjtjbg", Columns(2), 2, {}},
      {"documents of an item",
       "zjtjbgmx",
       With(Columns(6), {Condition("房租"), Condition(kYear2014)}),
       6,
       {{"2014-02-10", "ZJD20140210001", "房租", "", "房租", "1000"}}},
      {"documents of an item outside the period",
       "zjtjbgmx",
       With(Columns(6), {Condition("房租"), Condition("单据日期<'2014-01-01' ")}),
       6,
       {}},
      {"item detail needs eight entries", "zjtjbgmx", With(Columns(5), {Condition("房租"), Condition("")}), 6, {}},
  });
}

TEST_F(FundReportTest, CashOpeningWritesTwoTotalsWithoutCallback) {
  struct Case {
    const char* condition;
    const char* income;
    const char* expense;
  } cases[] = {
      {"业务日期 < '2014-02-11'", "0.00", "1000.00"},
      {"业务日期 < '2015-01-01'", "12.50", "1000.00"},
      {"业务日期 < '2000-01-01'", "0.00", "0.00"},
  };
  for (const Case& c : cases) {
    std::vector<DataField> params = {Column("sum(收入)"), Column("sum(支出)"), Condition(c.condition)};
    EXPECT_TRUE(Run("zjls_qc", params, 2).empty()) << "a callback, when given, is not called";
    EXPECT_EQ(c.income, params[0].value) << c.condition;
    EXPECT_EQ(c.expense, params[1].value) << c.condition;
  }
  std::vector<DataField> shortVector = {Column("sum(收入)", "kept"), Column("sum(支出)")};
  EXPECT_EQ(0, data_->RunReport("zjls_qc", 0, &shortVector, nullptr));
  EXPECT_EQ("kept", shortVector[0].value);
}

TEST_F(FundReportTest, ItemsOfAnotherKindOrNotListed) {
  // A bonus item of neither kind, and documents of an item that is not listed.
  Exec("insert into J4_Account_Item values ('奖金','其他')");
  Exec("insert into J4_Account_Data values ('2014-02-20','ZJD20140220001','收支单','','','','奖金','奖金','','7','')");
  Exec(
      "insert into J4_Account_Data values ('2014-02-21','ZJD20140221001','收支单','','','','未列','未列','','100','')");
  // The statistics count another kind as expense, the cash book as income.
  RunCases({{"another kind is expense",
             "zjtjbg",
             Columns(3),
             3,
             {{"房租", "", "1000"}, {"利息", "12.5", ""}, {"奖金", "", "7"}}}});
  std::vector<DataField> params = {Column("sum(收入)"), Column("sum(支出)"), Condition("业务日期 < '2015-01-01'")};
  EXPECT_EQ(0, data_->RunReport("zjls_qc", 0, &params, nullptr));
  EXPECT_EQ("19.50", params[0].value);
  EXPECT_EQ("1000.00", params[1].value);
}
}  // namespace
