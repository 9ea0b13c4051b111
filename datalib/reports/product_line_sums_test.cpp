// Product line totals taken in one pass read exactly as SQLite's own sum().
#include "reports/product_line_sums.h"

#include "test_support/report_test_fixture.h"
#include "reports/sql_sum.h"
#include "sql_text.h"

namespace {

class ProductLineSumsTest : public DatabaseTest {
 protected:
  // SqlSum over the values, next to sum() over the same values in the same order.
  std::pair<std::string, std::string> BothSums(const std::vector<const char*>& values) {
    Exec("create table if not exists sums (v text)");
    Exec("delete from sums");
    for (const char* v : values)
      Exec(v ? StringPrintf("insert into sums values ('%s')", v) : "insert into sums values (null)");
    ReportSession session(data_->connectionSettings());
    SqlSum mine;
    {
      ReportQuery rows(session, "select v from sums order by rowid");
      while (rows.next()) mine.add(rows.value(0));
    }
    std::string theirs;
    try {
      ReportQuery sum(session, "select sum(v) from (select v from sums order by rowid)");
      sum.next();
      theirs = sum.utf8(0);
    } catch (const CppSQLite3Exception&) {
      theirs = "<error>";
    }
    try {
      return {mine.text(session), theirs};
    } catch (const CppSQLite3Exception&) {
      return {"<error>", theirs};
    }
  }
};

TEST_F(ProductLineSumsTest, SumReadsAsSqlitesSum) {
  const std::vector<std::vector<const char*>> cases = {
      {"1", "2", "3"},
      {"1.5", "2.25"},
      {"0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1"},
      {"10", "", "5"},
      {"12abc", "3"},
      {"abc"},
      {" 7 ", "1e3", "-2.5"},
      {nullptr, nullptr},
      {nullptr, "4"},
      {"9223372036854775807", "1"},
      {"9223372036854775807", "1", "0.5"},
      {"4503599627370497", "4503599627370497", "0.5"},
      {"1234567.89", "0.01"},
      {"100.00", "-100"},
  };
  for (const auto& values : cases) {
    const auto sums = BothSums(values);
    EXPECT_EQ(sums.second, sums.first) << (values.empty() || !values[0] ? "null" : values[0]);
  }
}

TEST_F(ProductLineSumsTest, OnePassTotalsMatchOneStatementPerProduct) {
  const char* const lines[] = {
      "insert into J4_Bill_Items values ('XSD001','甲','1','','0.1','')",
      "insert into J4_Bill_Items values ('xsd002','甲','2.5','','0.2','')",  // LIKE ignores letter case
      "insert into J4_Bill_Items values ('JHD001','甲','3','','0.3','')",
      "insert into J4_Bill_Items values ('XSD003','乙','','','7','')",
      "insert into J4_Bill_Items values ('XSD004',null,'9','','9','')",
      "insert into J4_Bill_Items values (null,'乙','9','','9','')",
      "insert into J4_Bill_Items values ('XS','丙','1','','1','')",
  };
  for (const char* sql : lines) Exec(sql);
  ReportSession session(data_->connectionSettings());
  const std::vector<ProductLineSums> passes =
      SumLinesInOnePass(session, {LineFilter::NumberPrefix("XSD"), LineFilter::NumberPrefix("jhd"),
                                  LineFilter::Bills({"XSD001", "JHD001", "nothing"})});
  const char* const conditions[] = {"单据编号 like 'XSD%'", "单据编号 like 'JHD%'",
                                    "单据编号 in ('XSD001','JHD001','nothing')"};
  for (const char* product : {"甲", "乙", "丙", "丁"}) {
    for (size_t f = 0; f < 3; ++f) {
      ReportQuery expected(
          session, std::string("select sum(数量),sum(金额) from J4_Bill_Items where 商品名称=?1 and ") + conditions[f],
          {BindText(product)});
      ASSERT_TRUE(expected.next());
      const ProductLineSums::Sums& sums = passes[f].of(BindText(product));
      EXPECT_EQ(expected.text(0), sums.quantity) << product << " " << conditions[f];
      EXPECT_EQ(expected.text(1), sums.amount) << product << " " << conditions[f];
    }
  }
  EXPECT_EQ((std::vector<std::string>{BindText("甲"), BindText("乙")}), passes[0].products());
}

}  // namespace
