// The condition texts the report pages compose: the date range with either or
// both dates, a value and two-part filters, quotes doubled, any length.
#include "report_conditions.h"

#include <gtest/gtest.h>

namespace reports {
namespace {

TEST(ReportConditionsTest, DatesValuesAndTwoPartFilters) {
  struct Case {
    const char* title;
    std::string text;
    const char* expected;
  };
  const Case cases[] = {
      {"no date", DateCondition("", ""), ""},
      {"a start", DateCondition("2014-01-01", ""), "单据日期>='2014-01-01' "},
      {"an end alone has no and", DateCondition("", "2014-12-31"), "单据日期<='2014-12-31' "},
      {"both", DateCondition("2014-01-01", "2014-12-31"), "单据日期>='2014-01-01' and 单据日期<='2014-12-31' "},
      {"a party", ValueCondition("客户名称", "=", "张三"), "客户名称='张三' "},
      {"a party with a quote", ValueCondition("客户名称", "=", "O'Neil"), "客户名称='O''Neil' "},
      {"no party", ValueCondition("客户名称", "=", ""), ""},
      {"type and product", TwoPartCondition("商品类别", "水果", "商品名称", "苹果"),
       "商品类别='水果' and 商品名称='苹果' "},
      {"a product without type", TwoPartCondition("商品类别", "", "商品名称", "O'Brien's Tea"),
       "商品名称='O''Brien''s Tea' "},
      {"a type alone", TwoPartCondition("项目类别", "支出", "项目名称", ""), "项目类别='支出' "},
      {"type and item", TwoPartCondition("项目类别", "支出", "项目名称", "房租"),
       "项目类别='支出' and 项目名称='房租' "},
      {"the join", JoinCondition("单据日期>='2014-01-01' ", "商品名称=='苹果' "),
       "单据日期>='2014-01-01' and 商品名称=='苹果' "},
      {"a join onto nothing", JoinCondition("", "商品名称=='苹果' "), "商品名称=='苹果' "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, c.text) << c.title;
}

TEST(ReportConditionsTest, AValueOfAnyLength) {
  const std::string name(600, 'x');
  EXPECT_EQ("客户名称='" + name + "' ", ValueCondition("客户名称", "=", name));
  const std::string quotes(300, '\'');
  EXPECT_EQ("商品名称='" + std::string(600, '\'') + "' ", ValueCondition("商品名称", "=", quotes));
}

}  // namespace
}  // namespace reports
