// Gross profit of the sales per customer and per product, each closed by a
// total row. Revenue comes from the sales bills, cost from the quantities sold
// valued at each product's unit cost.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/product_line_sums.h"
#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"
#include "reports/sql_sum.h"
#include "reports/text_index.h"
#include "reports/unit_costs.h"

namespace {

// The rate of a profit to its base; empty when the profit's cell reads zero or
// there is no base to divide by.
std::string ProfitRate(const std::string& profitCell, double profit, double base) {
  return ParseNumber(profitCell) != 0 && base != 0 ? FormatRate(profit / base * 100) : std::string();
}

// The cost of each line (quantity times the product's unit cost) of the bills
// asked for, per bill in stored order.
class BillLineCosts {
 public:
  // The bill's number for the costs (UTF-8, as it binds).
  uint32_t want(std::string_view billUtf8) {
    const auto [id, fresh] = bills_.add(billUtf8);
    if (fresh) costs_.emplace_back();
    return id;
  }

  void read(ReportSession& session, UnitCosts& unitCosts) {
    if (bills_.size() <= kBillsReadByNumber) {
      for (uint32_t id = 0; id < bills_.size(); ++id) {
        ReportQuery lines(session, "select 商品名称,数量 from J4_Bill_Items where 单据编号=?1", {bills_.text(id)});
        while (lines.next()) costs_[id].push_back(LineCost(lines, unitCosts));
      }
      return;
    }
    // Many bills: one pass over all lines in stored order costs less than a
    // look-up per bill.
    ReportQuery lines(session, "select 商品名称,数量,单据编号 from J4_Bill_Items not indexed");
    // A bill's lines are mostly stored together: the last bill's entry is kept.
    std::string lastNumber;
    std::vector<double>* last = nullptr;
    bool haveLast = false;
    while (lines.next()) {
      if (lines.isNull(2)) continue;  // no bill number binds as NULL
      const std::string_view number = lines.utf8View(2);
      if (!haveLast || number != lastNumber) {
        lastNumber.assign(number.data(), number.size());
        const uint32_t* found = bills_.find(number);
        last = found ? &costs_[*found] : nullptr;
        haveLast = true;
      }
      if (last) last->push_back(LineCost(lines, unitCosts));
    }
  }

  const std::vector<double>& of(uint32_t bill) const { return costs_[bill]; }

 private:
  static constexpr size_t kBillsReadByNumber = 2000;

  // The quantity as the caller's text reads it: a number is ASCII, which reads
  // the same in either code page.
  double LineCost(const ReportQuery& line, UnitCosts& unitCosts) {
    const double quantity = ParseNumber(std::string(line.utf8View(1)));
    const std::string_view product = line.utf8View(0);
    const auto [id, fresh] = products_.add(product);
    if (fresh) costOf_.push_back(unitCosts.numberOf(products_.text(id)));
    return quantity * costOf_[id];
  }

  TextIds bills_;  // the bills asked for, UTF-8
  std::vector<std::vector<double>> costs_;  // per bill
  TextIds products_;
  std::vector<double> costOf_;  // per product
};

// Whether any product was ever sold: a named product on a line of a sales bill.
bool AnyProductSold(ReportSession& session) {
  ReportQuery line(session, "select 1 from J4_Bill_Items where 商品名称 is not null and " +
                                LineOfBillType("销售单", "") + " limit 1");
  return line.next();
}

}  // namespace

int BuildProfitByCustomer(ReportRequest& request) {
  if (!request.has(5)) return 0;
  const bool full = request.size() == 7;
  const std::string customerCondition = full ? request.name(5) : std::string();
  const std::string period = full ? request.name(6) : std::string();
  ReportSession session(request);

  // The customers' sales bills of the period, each customer's in stored order,
  // with the amount received on them. A customer stored as NULL is a group of
  // its own in the list, and is looked up by the empty name as the statements
  // per customer would, so that it shares the totals of the empty name.
  struct CustomerBills {
    SqlSum received;
    std::vector<uint32_t> bills;
  };
  TextIds names;  // as stored (UTF-8)
  std::vector<CustomerBills> ofCustomer;
  BillLineCosts lineCosts;
  auto addBill = [&](const ReportQuery& documents) {
    if (documents.isNull(0)) return;  // no customer's name binds as NULL
    const uint32_t* found = names.find(documents.utf8View(0));
    if (!found) return;
    CustomerBills& mine = ofCustomer[*found];
    mine.received.add(documents.value(2));
    mine.bills.push_back(lineCosts.want(documents.utf8View(1)));
  };
  const std::string billsSql = "select 客户名称,单据编号,收款金额 from J4_Account_Data where 类型='销售单'";
  // Without conditions the customers and their bills come from the same rows.
  const bool oneWalk = customerCondition.empty() && period.empty();

  // No sale in the period: no customer has a row, and there is no total.
  if (!period.empty()) {
    ReportQuery any(session, "select 1 from J4_Account_Data where 类型='销售单'" + AndBillPeriod(period) + " limit 1");
    if (!any.next()) return 0;
  }
  // Each customer of a sales bill once, in the order of their first bill as the
  // table holds them.
  std::vector<uint32_t> customers;
  {
    TextIndex seen;  // the named customers listed so far
    bool seenNull = false;
    ReportQuery query(session, (oneWalk ? billsSql
                                        : "select 客户名称 from J4_Account_Data where 类型='销售单'" +
                                              AndCondition(customerCondition)) +
                                   " order by rowid");
    while (query.next()) {
      const bool null = query.isNull(0);
      const std::string_view name = query.utf8View(0);
      bool first = false;
      if (null) {
        first = !seenNull;
        seenNull = true;
      } else if (!seen.find(name)) {
        first = true;
      }
      if (first) {
        const auto [id, fresh] = names.add(name);
        if (fresh) ofCustomer.emplace_back();
        if (!null) seen.insert(names.text(id), 0);
        customers.push_back(id);
      }
      if (oneWalk) addBill(query);
    }
  }
  if (customers.empty()) return 0;
  if (!oneWalk) {
    ReportQuery documents(session, billsSql + AndBillPeriod(period) + " order by rowid");
    while (documents.next()) addBill(documents);
  }
  UnitCosts unitCosts(session);
  lineCosts.read(session, unitCosts);

  double receivedTotal = 0, costTotal = 0;
  for (uint32_t customer : customers) {
    const CustomerBills& mine = ofCustomer[customer];
    const std::string received = Utf8ToAnsi(mine.received.text(session));
    receivedTotal += ParseNumber(received);
    // Line by line, bill after bill, as the statements per bill would add them.
    double cost = 0;
    for (uint32_t bill : mine.bills)
      for (double lineCost : lineCosts.of(bill)) cost += lineCost;
    costTotal += cost;
    if (cost == 0 && ParseNumber(received) == 0) continue;
    const std::string profit = FormatAmount(ParseNumber(received) - cost);
    request.set(0, Utf8ToAnsi(names.text(customer)));
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
  ReportSession session(request);
  // The products ever sold, whatever the period, and the totals of the period.
  std::vector<std::string> everSoldProducts;
  ProductLineSums lineSums;
  if (!onlyProduct.empty()) {
    // One product: only its own lines are read, once any product was ever sold.
    if (AnyProductSold(session)) {
      everSoldProducts.push_back(BindText(onlyProduct));
      lineSums = std::move(SumProductsInBills(session, everSoldProducts, {"销售单"}, period)[0]);
    }
  } else {
    BillNumbers everSold, soldInPeriod;
    const bool periodPerBill = !period.empty() && BillsMeeting(session, "销售单", period, &soldInPeriod);
    // No sale in the period: no product has a row, and there is no total.
    if (periodPerBill && soldInPeriod.empty()) return 0;
    BillsMeeting(session, "销售单", "", &everSold);
    std::vector<LineFilter> filters;
    // With a period the products ever sold are only listed; without one they are totalled too.
    filters.push_back(period.empty() ? LineFilter::Bills(std::move(everSold))
                                     : LineFilter::Bills(std::move(everSold)).productsOnly());
    if (periodPerBill) filters.push_back(LineFilter::Bills(std::move(soldInPeriod)));
    std::vector<ProductLineSums> passes = SumLinesInOnePass(session, filters);
    everSoldProducts = passes[0].products();
    lineSums = period.empty()  ? std::move(passes[0])
               : periodPerBill ? std::move(passes[1])
                               : ProductLineSums::OfBills(session, "销售单", period);
  }
  double quantityTotal = 0, amountTotal = 0, costTotal = 0;
  for (const std::string& product : everSoldProducts) {
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
