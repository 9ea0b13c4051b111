// Sales and purchase summaries per product, per party and per salesman, and the
// bill lines of one product.
#include <memory>
#include <string>
#include <vector>

#include "reports/grouped_sums.h"
#include "reports/product_line_sums.h"
#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"
#include "sql_functions.h"

namespace {

const char* BillTypeOf(bool salesSide) { return salesSide ? "销售单" : "进货单"; }
const char* PartyTypeOf(bool salesSide) { return salesSide ? "'客户'" : "'供应商'"; }

// One row per name of the list: the total before discount, the discount and the
// total actually charged of the bills of `billType` that meet `condition` and
// whose `nameColumn` holds the name.
void EmitDiscountTotals(ReportRequest& request, ReportSession& session, ReportQuery& names, const char* billType,
                        const char* nameColumn, const std::string& condition, bool oneName) {
  const std::string bills = std::string(" from J4_Account_Data where 类型='") + billType + "'";
  const std::string totals = "Discount2Actual(实际金额,折扣率),实际金额";
  // Many names: every name's totals from one walk of the bills, each name's
  // bills added in stored order as a look-up by the name adds them. One name,
  // or a walk that fails (a condition that fails on some row): each name's
  // bills through the name's index, so the names before a failing bill still
  // give their rows.
  std::unique_ptr<GroupedSums> grouped;
  try {
    if (!oneName)
      grouped.reset(new GroupedSums(
          session,
          std::string("select ") + nameColumn + "," + totals + bills + AndBillPeriod(condition) + " order by rowid", 1,
          2));
  } catch (const CppSQLite3Exception&) {
  }
  const std::string sumSql = "select sum(Discount2Actual(实际金额,折扣率)),sum(实际金额)" + bills + " and " +
                             nameColumn + "=?1" + AndCondition(condition);
  while (names.next()) {
    std::string gross, actual;
    if (grouped) {
      if (const std::vector<SqlSum>* sums = grouped->of({names.utf8(0)})) {
        gross = Utf8ToAnsi((*sums)[0].text(session));
        actual = Utf8ToAnsi((*sums)[1].text(session));
      }
    } else {
      ReportQuery sums(session, sumSql, {names.utf8(0)});
      if (sums.next()) {
        gross = sums.text(0);
        actual = sums.text(1);
      }
    }
    request.set(0, names.text(0));
    request.set(1, gross);
    request.set(2, FormatAmount(ParseNumber(gross) - ParseNumber(actual)));
    request.set(3, actual);
    request.emit();
  }
}

}  // namespace

int BuildTradeSummaryByProduct(ReportRequest& request, bool salesSide) {
  if (!request.has(5)) return 0;
  const std::string condition = request.name(4);
  ReportSession session(request);
  const ProductLineSums lineSums = ProductLineSums::OfBills(session, BillTypeOf(salesSide), condition);
  ReportQuery products(session, "select 商品名称,计量单位 from J4_Product_Data");
  while (products.next()) {
    const ProductLineSums::Sums& sums = lineSums.of(products.utf8(0));
    // A product moved when its quantities add up to anything but zero, 0.5 included.
    if (ParseNumber(sums.quantity) == 0) continue;
    request.set(0, products.text(0));
    request.set(1, products.text(1));
    request.set(2, sums.quantity);
    request.set(3, sums.amount);
    request.emit();
  }
  return 0;
}

int BuildTradeSummaryByParty(ReportRequest& request, bool salesSide) {
  if (!request.has(6)) return 0;
  const std::string party = request.value(4);
  const std::string condition = request.name(5);
  ReportSession session(request);
  session.useDiscount2Actual();
  ReportQuery names(session,
                    std::string("select 客户名称 from J4_Customer_Data where 类型=") + PartyTypeOf(salesSide) +
                        (party.empty() ? "" : " and 客户名称=?1"),
                    {BindText(party)});
  EmitDiscountTotals(request, session, names, BillTypeOf(salesSide), "客户名称", condition, !party.empty());
  return 0;
}

int BuildSalesSummaryBySalesman(ReportRequest& request) {
  if (!request.has(6)) return 0;
  const std::string salesman = request.value(4);
  const std::string condition = request.name(5);
  ReportSession session(request);
  session.useDiscount2Actual();
  ReportQuery names(session, std::string("select name from J4_Saler") + (salesman.empty() ? "" : " where name=?1"),
                    {BindText(salesman)});
  EmitDiscountTotals(request, session, names, "销售单", "业务员", condition, !salesman.empty());
  return 0;
}

int BuildTradeDetailOfProduct(ReportRequest& request, bool salesSide) {
  if (!request.has(10)) return 0;
  std::string product;
  for (const DataField& entry : request.params())
    if (entry.name == "商品名称") {
      product = entry.value;
      break;
    }
  if (product.empty()) return 0;
  ReportSession session(request);
  std::string unit;
  {
    ReportQuery query(session, "select 计量单位 from J4_Product_Data where 商品名称=?1", {BindText(product)});
    if (!query.next()) return 0;
    unit = query.text(0);
  }
  ReportQuery lines(session, "select 单据编号,数量,单价,金额 from J4_Bill_Items where 商品名称=?1",
                    {BindText(product)});
  const std::string billSql =
      std::string("select 单据日期,客户名称,折扣率 from J4_Account_Data where 单据编号=?1 and 类型='") +
      BillTypeOf(salesSide) + "'";
  while (lines.next()) {
    const std::string quantity = lines.text(1);
    if (ParseNumber(quantity) == 0) continue;  // 0.5 is a movement too
    ReportQuery bill(session, billSql, {lines.utf8(0)});
    if (!bill.next()) continue;
    const std::string amount = lines.text(3);
    request.set(0, bill.text(0));
    request.set(1, lines.text(0));
    request.set(2, bill.text(1));
    request.set(3, product);
    request.set(4, unit);
    request.set(5, quantity);
    request.set(6, lines.text(2));
    request.set(7, amount);
    request.set(8, bill.text(2));
    request.set(9, amount);
    request.emit();
  }
  return 0;
}
