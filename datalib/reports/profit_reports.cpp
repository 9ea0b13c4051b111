// Gross profit of the sales per customer and per product, each closed by a
// total row. Revenue comes from the sales bills, cost from the quantities sold
// valued at each product's unit cost.
#include <string>
#include <utility>
#include <vector>

#include "reports/product_line_sums.h"
#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"
#include "reports/unit_costs.h"

namespace {

// The rate of a profit to its base; empty when the profit's cell reads zero or
// there is no base to divide by.
std::string ProfitRate(const std::string& profitCell, double profit, double base) {
  return ParseNumber(profitCell) != 0 && base != 0 ? FormatRate(profit / base * 100) : std::string();
}

}  // namespace

int BuildProfitByCustomer(ReportRequest& request) {
  if (!request.has(5)) return 0;
  const bool full = request.size() == 7;
  const std::string customerCondition = full ? request.name(5) : std::string();
  const std::string period = full ? request.name(6) : std::string();
  ReportSession session(request.settings());
  UnitCosts unitCosts(session);
  // Each customer of a sales bill once, in the order of their first bill as the
  // table holds them: left to itself, SQLite would list them in the order of the
  // party index instead.
  ReportQuery customers(session, "select 客户名称 from J4_Account_Data where 类型='销售单'" +
                                     AndCondition(customerCondition) + " group by 客户名称 order by min(rowid)");
  const std::string receivedSql =
      "select sum(收款金额) from J4_Account_Data where 类型='销售单' and 客户名称=?1" + AndCondition(period);
  const std::string billsSql =
      "select 单据编号 from J4_Account_Data where 类型='销售单' and 客户名称=?1" + AndCondition(period);
  double receivedTotal = 0, costTotal = 0;
  while (customers.next()) {
    const std::string customer = customers.utf8(0);
    std::string received;
    {
      ReportQuery sum(session, receivedSql, {customer});
      if (sum.next()) received = sum.text(0);
    }
    receivedTotal += ParseNumber(received);
    double cost = 0;
    ReportQuery bills(session, billsSql, {customer});
    while (bills.next()) {
      ReportQuery lines(session, "select 商品名称,数量 from J4_Bill_Items where 单据编号=?1", {bills.utf8(0)});
      while (lines.next()) cost += ParseNumber(lines.text(1)) * ParseNumber(unitCosts.of(lines.utf8(0)));
    }
    costTotal += cost;
    if (cost == 0 && ParseNumber(received) == 0) continue;
    const std::string profit = FormatAmount(ParseNumber(received) - cost);
    request.set(0, customers.text(0));
    request.set(1, received);
    request.set(2, FormatAmount(cost));
    request.set(3, profit);
    request.set(4, ProfitRate(profit, ParseNumber(profit), ParseNumber(received)));
    request.emit();
  }
  if (receivedTotal != 0 || costTotal != 0) {
    TotalRowMark mark(request, 0, request.size() - 1);
    request.clearAll();
    request.set(0, "合计");
    request.set(1, FormatAmount(receivedTotal));
    request.set(2, FormatAmount(costTotal));
    request.set(3, FormatAmount(receivedTotal - costTotal));
    request.emit();
  }
  return 0;
}

int BuildProfitByProduct(ReportRequest& request) {
  if (!request.has(7)) return 0;
  const bool full = request.size() == 9;
  const std::string onlyProduct = full ? request.name(7) : std::string();
  const std::string period = full ? request.name(8) : std::string();
  ReportSession session(request.settings());
  // Every product ever sold, whatever the period, and the totals of the period.
  BillNumbers everSold, soldInPeriod;
  BillsMeeting(session, "销售单", "", &everSold);
  const bool periodPerBill = !period.empty() && BillsMeeting(session, "销售单", period, &soldInPeriod);
  std::vector<LineFilter> filters;
  // With a period the products ever sold are only listed; without one they are totalled too.
  filters.push_back(period.empty() ? LineFilter::Bills(std::move(everSold))
                                   : LineFilter::Bills(std::move(everSold)).productsOnly());
  if (periodPerBill) filters.push_back(LineFilter::Bills(std::move(soldInPeriod)));
  std::vector<ProductLineSums> passes = SumLinesInOnePass(session, filters);
  const ProductLineSums lineSums = period.empty()  ? passes[0]
                                   : periodPerBill ? std::move(passes[1])
                                                   : ProductLineSums::OfBills(session, "销售单", period);
  double quantityTotal = 0, amountTotal = 0, costTotal = 0;
  for (const std::string& soldProduct : passes[0].products()) {
    const std::string product = onlyProduct.empty() ? soldProduct : BindText(onlyProduct);
    const ProductLineSums::Sums& sums = lineSums.of(product);
    const double quantity = ParseNumber(sums.quantity), amount = ParseNumber(sums.amount);
    quantityTotal += quantity;
    amountTotal += amount;
    std::string unit, unitCost;
    {
      ReportQuery data(session, "select 计量单位,进货价 from J4_Product_Data where 商品名称=?1", {product});
      if (data.next()) {
        unit = data.text(0);
        unitCost = data.text(1);
      }
    }
    {
      ReportQuery stored(session, "select 单位成本 from J4_Product_CostPrice where 商品名称=?1", {product});
      if (stored.next()) unitCost = stored.text(0);
    }
    const double cost = ParseNumber(unitCost) * quantity;
    costTotal += cost;
    if (quantity != 0 || amount != 0) {
      const std::string profit = FormatAmount(amount - cost);
      request.set(0, Utf8ToAnsi(product));
      request.set(1, unit);
      request.set(2, FormatAmount(quantity));
      request.set(3, FormatAmount(amount));
      request.set(4, FormatAmount(cost));
      request.set(5, profit);
      request.set(6, ProfitRate(profit, amount - cost, amount));
      request.emit();
    }
    if (!onlyProduct.empty()) break;
  }
  if (quantityTotal != 0 || amountTotal != 0) {
    TotalRowMark mark(request, 0, request.size() - 1);
    request.clearAll();
    request.set(0, "合计");
    request.set(2, FormatAmount(quantityTotal));
    request.set(3, FormatAmount(amountTotal));
    request.set(4, FormatAmount(costTotal));
    request.set(5, FormatAmount(amountTotal - costTotal));
    request.emit();
  }
  return 0;
}
