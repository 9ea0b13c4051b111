// The reports that total many products or customers at once give the rows that
// one statement per product or customer gives. The expected rows here come from
// those plain statements, run as they stand with each name quoted into the text,
// over the test shop and a set of awkward rows: empty and missing texts,
// decimals, negative and non-numeric quantities, names with quotes, names that
// differ only in letter case or a trailing blank, bill numbers in lower case or
// of the wrong prefix, lines without their bill, and bills on and just outside
// the bounds of a period.
#include <cstdlib>
#include <cstring>

#include "test_support/report_test_fixture.h"
#include "sql_text.h"

namespace {

const char* const kAwkwardRows[] = {
    // 商品名称, 商品类别, 计量单位, 进货价, 零售价, 批发价, 客户批发价, 当前库存, 初始库存, 最低库存, 最高库存, 备注, 操作人
    "insert into J4_Product_Data values ('Apple','水果',null,'1.5','','','','','2','','','','')",
    "insert into J4_Product_Data values ('梨 ','水果','个','abc','','','','','x','','','','')",
    "insert into J4_Product_Data values ('负数','杂货','件','4','','','','','-3','','','','')",
    "insert into J4_Product_Data values ('小数','杂货','克','0.1','','','','','0.3','','','','')",
    "insert into J4_Product_Data values ('文字','杂货','包','2','','','','','','','','','')",
    "insert into J4_Product_Data values ('巨','杂货','台','1234567.89','','','','','1','','','','')",
    "insert into J4_Product_Data values ('抵消','杂货','件','1','','','','','','','','','')",
    "insert into J4_Product_Data values (null,'杂货','无','1','','','','','','','','','')",
    "insert into J4_Product_CostPrice values ('负数','')",
    "insert into J4_Product_CostPrice values ('小数','0.2')",
    "insert into J4_Customer_Data values ('It''s','客户','','','','','','','','','','','')",
    // 单据日期, 单据编号, 类型, 客户名称, 折扣率, 收款金额, 说明, 收支项目, 操作人, 实际金额, 业务员
    "insert into J4_Account_Data values ('2013-12-31','XSD20131231001','销售单','It''s','100','7','','','','7','')",
    "insert into J4_Account_Data values ('2014-01-01','XSD20140101001','销售单','It''s','100','0.1','','','','0.1','')",
    "insert into J4_Account_Data values ('2014-12-31','XSD20141231001','销售单','张三','90','1234567.89','','','','9','')",
    "insert into J4_Account_Data values ('2015-01-01','XSD20150101001','销售单','It''s','100','','','','','','')",
    "insert into J4_Account_Data values ('2014-06-01','xsd20140601001','销售单',null,'100','-5','','','','-5','')",
    "insert into J4_Account_Data values ('2014-06-02','JHD20140602009','销售单','It''s','100','abc','','','','2','')",
    "insert into J4_Account_Data values ('2014-07-01','JHD20140701001','进货单','华丰','100','12','','','','12','')",
    "insert into J4_Account_Data values (null,'XSD20140801001','销售单','It''s','100','3','','','','3','')",
    "insert into J4_Account_Data values ('2014-09-01','jhd20140901001','进货单','华丰','100','1','','','','1','')",
    // 单据编号, 商品名称, 数量, 单价, 金额, 备注
    "insert into J4_Bill_Items values ('XSD20131231001','Apple','1','7','7','')",
    "insert into J4_Bill_Items values ('XSD20140101001','小数','0.1','1','0.1','')",
    "insert into J4_Bill_Items values ('XSD20140101001','小数','0.1','1','0.1','')",
    "insert into J4_Bill_Items values ('XSD20140101001','小数','0.1','1','0.1','')",
    "insert into J4_Bill_Items values ('XSD20140101001','apple','2','1','2','')",
    "insert into J4_Bill_Items values ('XSD20141231001','巨','1','1234567.89','1234567.89','')",
    "insert into J4_Bill_Items values ('XSD20141231001','巨','1','0.01','0.01','')",
    "insert into J4_Bill_Items values ('XSD20141231001','负数','-2','4','-8','')",
    "insert into J4_Bill_Items values ('XSD20141231001','负数','-0.5','4','-2','')",
    "insert into J4_Bill_Items values ('XSD20150101001','Apple','3','1','3','')",
    "insert into J4_Bill_Items values ('xsd20140601001','文字','abc','1','','')",
    "insert into J4_Bill_Items values ('xsd20140601001','文字','3kg','1','3元','')",
    "insert into J4_Bill_Items values ('xsd20140601001','抵消','2','1','2','')",
    "insert into J4_Bill_Items values ('xsd20140601001','抵消','-2','1','-2','')",
    "insert into J4_Bill_Items values ('JHD20140602009','梨 ','1','1','1','')",
    "insert into J4_Bill_Items values ('JHD20140602009','O''Brien''s Tea','2','40','80','')",
    "insert into J4_Bill_Items values ('JHD20140701001','Apple','4','3','12','')",
    "insert into J4_Bill_Items values ('JHD20140701001','','1','1','1','')",
    "insert into J4_Bill_Items values ('JHD20140701001',null,'5','1','5','')",
    "insert into J4_Bill_Items values ('XSD20140801001','Apple','1','3','3','')",
    "insert into J4_Bill_Items values ('jhd20140901001','负数','1','1','1','')",
    "insert into J4_Bill_Items values ('XSD99999999999','Apple','9','1','9','')",
    "insert into J4_Bill_Items values ('JHD99999999999','Apple','8','1','8','')",
    "insert into J4_Bill_Items values (null,'Apple','7','1','7','')",
};

// Periods as the pages write them, and conditions that name a line's column.
const char* const kPeriods[] = {
    "",
    "单据日期>='2014-01-01' and 单据日期<='2014-12-31' ",
    "单据日期>='2014-01-01' ",
    "单据日期<='2014-12-31' ",
    "单据日期>='2014-01-01' and 单据日期<='2014-12-31' and 商品名称=='负数' ",
    "单据日期>='2014-01-01' and 客户名称=='It''s' ",
    "数量>'1' ",
};

std::string Quoted(const std::string& text) { return "'" + SqlEscape(text) + "'"; }
double Number(const std::string& text) { return std::atof(text.c_str()); }
std::string Amount(double value) { return StringPrintf("%.02f", value); }
std::string And(const std::string& condition) { return condition.empty() ? std::string() : " and " + condition; }

class ReportStatementsTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    for (const char* sql : kAwkwardRows) Exec(sql);
  }

  // The first column of the first row, empty without a row.
  std::string Cell(const std::string& sql, int column = 0) {
    const ReportRows rows = Rows(sql);
    return rows.empty() ? std::string() : rows[0][column];
  }

  // The unit cost: the stored cost price, else the purchase price.
  std::string UnitCost(const std::string& product) {
    const ReportRows stored = Rows("select 单位成本 from J4_Product_CostPrice where 商品名称=" + Quoted(product));
    return stored.empty() ? Cell("select 进货价 from J4_Product_Data where 商品名称=" + Quoted(product)) : stored[0][0];
  }

  ReportRows SummaryByProduct(const char* billType, const std::string& condition) {
    ReportRows rows;
    for (const auto& product : Rows("select 商品名称,计量单位 from J4_Product_Data")) {
      const ReportRows sums =
          Rows("select sum(数量),sum(金额) from (select 单据编号, 数量, 金额 from J4_Bill_Items where 商品名称=" +
               Quoted(product[0]) + " and 单据编号 in(select 单据编号 from J4_Account_Data where 类型='" + billType +
               "'" + And(condition) + "))");
      if (Number(sums[0][0]) != 0) rows.push_back({product[0], product[1], sums[0][0], sums[0][1]});
    }
    return rows;
  }

  ReportRows StockSummary(const std::string& productCondition, const std::string& period) {
    ReportRows rows;
    for (const auto& product : Rows("select 商品名称,计量单位,初始库存,进货价 from J4_Product_Data" +
                                    (productCondition.empty() ? "" : " where " + productCondition))) {
      const std::string name = Quoted(product[0]);
      auto lineSums = [&](const char* billType, const char* prefix) {
        return Rows(period.empty() ? "select sum(数量),sum(金额) from J4_Bill_Items where 商品名称=" + name +
                                         " and 单据编号 like '" + prefix + "%'"
                                   : "select sum(数量),sum(金额) from J4_Bill_Items where 商品名称=" + name +
                                         " and  单据编号 in (select 单据编号 from J4_Account_Data where " + period +
                                         " and 类型='" + billType + "')")[0];
      };
      const auto purchases = lineSums("进货单", "JHD");
      const auto sales = lineSums("销售单", "XSD");
      const double cost = Number(UnitCost(product[0]));
      std::vector<std::string> row = {
          product[0],   product[1],   product[2], Amount(Number(product[3]) * Number(product[2])),
          purchases[0], purchases[1], sales[0]};
      row.push_back(Amount(Number(row[6]) * cost));
      row.push_back(Amount((Number(row[2]) + Number(row[4])) - Number(row[6])));
      row.push_back(Amount(cost * Number(row[8])));
      bool moved = false;
      for (size_t i = 2; i < row.size(); ++i) {
        if (Number(row[i]) == 0)
          row[i].clear();
        else
          moved = true;
      }
      if (moved) rows.push_back(row);
    }
    return rows;
  }

  std::string Rate(const std::string& profitCell, double profit, double base) {
    return Number(profitCell) != 0 && base != 0 ? StringPrintf("%.02f%%", profit / base * 100) : std::string();
  }

  ReportRows ProfitByProduct(const std::string& onlyProduct, const std::string& period) {
    ReportRows rows;
    double quantityTotal = 0, amountTotal = 0, costTotal = 0;
    for (const auto& sold : Rows("select distinct 商品名称 from J4_Bill_Items where 单据编号 in (select 单据编号 from "
                                 "J4_Account_Data where 类型='销售单')")) {
      const std::string product = onlyProduct.empty() ? sold[0] : onlyProduct;
      const auto sums =
          Rows("select sum(数量), sum(金额) from J4_Bill_Items where 商品名称=" + Quoted(product) +
               " and 单据编号 in (select 单据编号 from J4_Account_Data where 类型='销售单'" + And(period) + ")")[0];
      const double quantity = Number(sums[0]), amount = Number(sums[1]);
      quantityTotal += quantity;
      amountTotal += amount;
      const ReportRows data = Rows("select 计量单位,进货价 from J4_Product_Data where 商品名称=" + Quoted(product));
      const std::string cost = UnitCost(product);
      const double value = Number(cost) * quantity;
      costTotal += value;
      if (quantity != 0 || amount != 0) {
        const std::string profit = Amount(amount - value);
        rows.push_back({product, data.empty() ? "" : data[0][0], Amount(quantity), Amount(amount), Amount(value),
                        profit, Rate(profit, amount - value, amount)});
      }
      if (!onlyProduct.empty()) break;
    }
    if (quantityTotal != 0 || amountTotal != 0)
      rows.push_back({"合计", "", Amount(quantityTotal), Amount(amountTotal), Amount(costTotal),
                      Amount(amountTotal - costTotal), ""});
    return rows;
  }

  ReportRows ProfitByCustomer(const std::string& customerCondition, const std::string& period) {
    ReportRows rows;
    double receivedTotal = 0, costTotal = 0;
    for (const auto& customer :
         Rows("select distinct 客户名称 from J4_Account_Data where 类型='销售单'" + And(customerCondition))) {
      const std::string name = Quoted(customer[0]);
      const std::string received =
          Cell("select sum(收款金额) from J4_Account_Data where 类型='销售单' and 客户名称=" + name + And(period));
      receivedTotal += Number(received);
      double cost = 0;
      for (const auto& bill :
           Rows("select 单据编号 from J4_Account_Data where 类型='销售单' and 客户名称=" + name + And(period)))
        for (const auto& line : Rows("select 商品名称,数量 from J4_Bill_Items where 单据编号=" + Quoted(bill[0])))
          cost += Number(line[1]) * Number(UnitCost(line[0]));
      costTotal += cost;
      if (cost == 0 && Number(received) == 0) continue;
      const std::string profit = Amount(Number(received) - cost);
      rows.push_back({customer[0], received, Amount(cost), profit, Rate(profit, Number(profit), Number(received))});
    }
    if (receivedTotal != 0 || costTotal != 0)
      rows.push_back({"合计", Amount(receivedTotal), Amount(costTotal), Amount(receivedTotal - costTotal), ""});
    return rows;
  }

  // The receivable or payable summary as one statement per party gives it.
  ReportRows DebtSummary(bool customers, const std::string& period) {
    const std::string side = customers ? "'客户'" : "'供应商'";
    const std::string settle = customers ? "'收款单'" : "'付款单'", increase = customers ? "'销售单'" : "'进货单'";
    ReportRows rows;
    for (const auto& party : Rows("select 客户名称, 当前应收款, 初始应收款 from J4_Customer_Data where 类型=" + side)) {
      const std::string where = " from J4_Account_Data where 客户名称=" + Quoted(party[0]) + " and 类型=";
      const std::string settled = Cell("select sum(收款金额)" + where + settle + And(period));
      const auto sums = Rows("select sum(收款金额),sum(实际金额)" + where + increase + And(period))[0];
      const double added = Number(Amount(Number(sums[0]) - Number(sums[1]))), opening = Number(party[2]);
      if (opening == 0 && added == 0 && Number(settled) == 0) continue;
      rows.push_back({party[0], party[2], Amount(added), settled, Amount((added + opening) - Number(settled))});
    }
    return rows;
  }

  // The rows before the last in any order (SQLite leaves the order of a
  // distinct list open), then the last.
  static void ExpectSameWithTotal(const ReportRows& expected, const ReportRows& actual, const std::string& title) {
    ASSERT_EQ(expected.size(), actual.size()) << title;
    if (expected.empty()) return;
    EXPECT_EQ(AnyOrder(ReportRows(expected.begin(), expected.end() - 1)),
              AnyOrder(ReportRows(actual.begin(), actual.end() - 1)))
        << title;
    EXPECT_EQ(expected.back(), actual.back()) << title;
  }
};

TEST_F(ReportStatementsTest, SummariesByProduct) {
  for (const char* period : kPeriods) {
    EXPECT_EQ(SummaryByProduct("销售单", period), Run("xstjbg", With(Columns(4), {Condition(period)}), 4))
        << "sales " << period;
    EXPECT_EQ(SummaryByProduct("进货单", period), Run("jhtjbg", With(Columns(4), {Condition(period)}), 4))
        << "purchases " << period;
  }
}

TEST_F(ReportStatementsTest, StockSummary) {
  EXPECT_EQ(StockSummary("", ""), Run("kctjbg", Columns(10), 10)) << "without conditions";
  const char* const productConditions[] = {"", "商品名称 like 'a%' ", "商品类别='杂货' and 商品名称='负数' "};
  for (const char* products : productConditions)
    for (const char* period : kPeriods)
      EXPECT_EQ(StockSummary(products, period),
                Run("kctjbg", With(Columns(10), {Condition(products), Condition(period)}), 10))
          << products << "/" << period;
}

TEST_F(ReportStatementsTest, ProfitByProductAndCustomer) {
  const char* const products[] = {"", "负数", "Apple", "nothing"};
  const char* const customers[] = {"", "客户名称='It''s' ", "客户名称 is null"};
  for (const char* period : kPeriods) {
    for (const char* product : products)
      ExpectSameWithTotal(ProfitByProduct(product, period),
                          Run("lrtjbg_hp", With(Columns(7), {Condition(product), Condition(period)}), 7),
                          std::string("by product ") + product + "/" + period);
    // A condition on a line's column means nothing to the documents alone.
    if (std::strstr(period, "数量") || std::strstr(period, "商品名称")) continue;
    for (const char* customer : customers)
      ExpectSameWithTotal(ProfitByCustomer(customer, period),
                          Run("lrtjbg", With(Columns(5), {Condition(customer), Condition(period)}), 5),
                          std::string("by customer ") + customer + "/" + period);
  }
}

// Many bills: the reports then read all lines in one pass instead of looking
// them up bill by bill or product by product. Each customer's and each
// product's row must read the same either way; some bills have lines stored
// apart from the rest of their lines.
TEST_F(ReportStatementsTest, ManyBillsGiveTheRowsOfFewBills) {
  const std::string numbers =
      "(with recursive n(i) as (select 1 union all select i + 1 from n where i < 2100) select i from n)";
  Exec(
      "insert into J4_Account_Data select printf('2014-%02d-%02d', i % 12 + 1, i % 28 + 1), printf('XSDM%06d', i), "
      "'销售单', case i % 3 when 0 then '张三' when 1 then 'O''Neil' else 'It''s' end, '100', "
      "printf('%d.%02d', i % 50, i % 100), '', '', '', printf('%d', i % 50), '' from " +
      numbers);
  const std::string lines =
      "insert into J4_Bill_Items select printf('XSDM%06d', i), case (i + j) % 5 when 0 then '苹果' when 1 then '香蕉' "
      "when 2 then '梨' when 3 then '旧货' else 'Apple' end, case when j = 4 then '0.5' else printf('%d', (i * j) % 7 - 1) "
      "end, '1', printf('%d.%d', i % 9, j), '' from " +
      numbers + ", (with recursive m(j) as (select 0 union all select j + 1 from m where j < 4) select j from m)";
  Exec(lines + " order by i, j");
  Exec(lines + " where i <= 100 order by i, j");
  for (const char* period : {"", kYear2014}) {
    const ReportRows customers = Run("lrtjbg", With(Columns(5), {Condition(""), Condition(period)}), 5);
    ASSERT_GT(customers.size(), 3u) << period;
    for (size_t i = 0; i + 1 < customers.size(); ++i) {
      if (customers[i][0].empty()) continue;  // a customer stored as NULL cannot be named
      const ReportRows one =
          Run("lrtjbg", With(Columns(5), {Condition("客户名称=" + Quoted(customers[i][0])), Condition(period)}), 5);
      ASSERT_EQ(2u, one.size()) << customers[i][0] << "/" << period;
      EXPECT_EQ(customers[i], one[0]) << period;
    }
    const ReportRows products =
        Run("kctjbg", With(Columns(10), {Condition("商品名称 is not null"), Condition(period)}), 10);
    ASSERT_GT(products.size(), 3u) << period;
    for (const auto& row : products) {
      const ReportRows one =
          Run("kctjbg", With(Columns(10), {Condition("商品名称=" + Quoted(row[0])), Condition(period)}), 10);
      ASSERT_EQ(1u, one.size()) << row[0] << "/" << period;
      EXPECT_EQ(row, one[0]) << period;
    }
  }
}

// The summaries of every party or salesman total all of them in one walk of the
// documents; each row reads as the statements of that one name give it, for a
// party without documents, a name stored as NULL, a period without documents
// and a condition that also names other columns.
TEST_F(ReportStatementsTest, SummariesOfEveryName) {
  std::vector<std::string> periods = {"单据日期>='2020-01-01' and 单据日期<='2020-12-31' "};
  for (const char* period : kPeriods)
    if (!std::strstr(period, "数量") && !std::strstr(period, "商品名称")) periods.push_back(period);
  for (const std::string& period : periods) {
    for (bool customers : {true, false})
      EXPECT_EQ(DebtSummary(customers, period),
                Run(customers ? "ysqkbg" : "yfqkbg", With(Columns(5), {Condition(""), Condition(period)}), 5))
          << customers << "/" << period;
    for (const char* key : {"xstjbg_kh", "jhtjbg_gys", "xstjbg_ywy"}) {
      const ReportRows every = Run(key, With(Columns(4), {Column(""), Condition(period)}), 4);
      ReportRows oneByOne;
      for (const auto& row : every) {
        const ReportRows one = Run(key, With(Columns(4), {Column("", row[0].c_str()), Condition(period)}), 4);
        oneByOne.insert(oneByOne.end(), one.begin(), one.end());
      }
      EXPECT_EQ(oneByOne, every) << key << "/" << period;
    }
  }
}

// The reports' index of documents by type and date serves only the statements
// that state its condition; every other statement keeps its plan, and so the
// order of its rows.
TEST_F(ReportStatementsTest, TheReportIndexServesOnlyTheReports) {
  auto plan = [&](const std::string& sql) {
    std::string text;
    for (const auto& row : Rows("explain query plan " + sql)) text += row.back() + "\n";
    return text;
  };
  const std::string period = " and 单据日期>='2014-01-01' and 单据日期<='2014-12-31'";
  EXPECT_EQ(std::string::npos,
            plan("select * from J4_Account_Data where 类型='销售单'" + period).find("Report_Period"));
  EXPECT_NE(
      std::string::npos,
      plan("select 单据编号 from J4_Account_Data where 类型='销售单' and 类型>''" + period).find("Report_Period"));
}

}  // namespace
