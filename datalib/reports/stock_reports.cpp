// Stock statistics per product, the stock ledger of one product and the stock
// warning (products above their highest or below their lowest stock).
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "reports/product_line_sums.h"
#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"
#include "reports/unit_costs.h"

namespace {

// Up to this many lines, the lines of the products a filter chose are read
// through the product index; beyond it one pass over all lines costs less.
constexpr long kLinesReadByProduct = 10000;

// The products that `productCondition` chooses (UTF-8), when they have few
// enough lines to be read one product at a time; false otherwise.
bool FewProductsChosen(ReportSession& session, const std::string& productCondition, std::vector<std::string>* chosen) {
  if (productCondition.empty()) return false;
  ReportQuery products(session, "select 商品名称 from J4_Product_Data where " + productCondition);
  while (products.next()) {
    chosen->push_back(products.utf8(0));
    if (chosen->size() > static_cast<size_t>(kLinesReadByProduct)) return false;
  }
  return LinesOfProducts(session, *chosen) <= kLinesReadByProduct;
}

// The product totals of the purchase lines and of the sales lines: those of the
// bills of each type in the period, or, without a period, those of the bills
// numbered "JHD..." and "XSD...". Only the chosen products' totals are read when
// a product condition chooses a few.
void PurchaseAndSalesSums(ReportSession& session, const std::string& productCondition, const std::string& period,
                          ProductLineSums* purchases, ProductLineSums* sales) {
  std::vector<std::string> chosen;
  if (FewProductsChosen(session, productCondition, &chosen)) {
    std::vector<ProductLineSums> sums;
    if (period.empty()) {
      std::vector<LineFilter> prefixes;
      prefixes.push_back(LineFilter::NumberPrefix("JHD"));
      prefixes.push_back(LineFilter::NumberPrefix("XSD"));
      sums = ProductLineSums::OfProducts(session, chosen, prefixes);
    } else {
      sums = SumProductsInBills(session, chosen, {"进货单", "销售单"}, period);
    }
    *purchases = std::move(sums[0]);
    *sales = std::move(sums[1]);
    return;
  }
  std::vector<BillNumbers> bills;
  std::vector<ProductLineSums> sums;
  if (period.empty())
    sums = SumLinesInOnePass(session, {LineFilter::NumberPrefix("JHD"), LineFilter::NumberPrefix("XSD")});
  else if (BillsMeeting(session, {"进货单", "销售单"}, period, &bills))
    sums = SumLinesInOnePass(session, {LineFilter::Bills(std::move(bills[0])), LineFilter::Bills(std::move(bills[1]))});
  if (sums.size() == 2) {
    *purchases = std::move(sums[0]);
    *sales = std::move(sums[1]);
  } else {
    *purchases = ProductLineSums::OfBills(session, "进货单", period);
    *sales = ProductLineSums::OfBills(session, "销售单", period);
  }
}

// Empties the cells first..last whose figure is zero; true when any figure is not.
bool BlankZeroCells(ReportRequest& request, size_t first, size_t last, bool skipHidden) {
  bool moved = false;
  for (size_t i = first; i <= last && i < request.size(); ++i) {
    if (skipHidden && request.hidden(i)) continue;
    if (ParseNumber(request.value(i)) == 0)
      request.set(i, "");
    else
      moved = true;
  }
  return moved;
}

}  // namespace

int BuildStockSummary(ReportRequest& request) {
  if (!request.has(10)) return 0;
  // The product filter and the period count only in the page's full vector.
  const bool full = request.size() == 12;
  const std::string productCondition = full ? request.name(10) : std::string();
  const std::string period = full ? request.name(11) : std::string();
  ReportSession session(request);
  UnitCosts unitCosts(session);
  ReportQuery products(session, "select 商品名称,计量单位,初始库存,进货价 from J4_Product_Data" +
                                    (productCondition.empty() ? std::string() : " where " + productCondition));
  ProductLineSums purchases, sales;
  try {
    PurchaseAndSalesSums(session, productCondition, period, &purchases, &sales);
  } catch (const CppSQLite3Exception&) {
    return 0;  // no product can be summed: no rows
  }
  while (products.next()) {
    const std::string product = products.utf8(0);
    const std::string initial = products.text(2);
    request.set(0, products.text(0));
    request.set(1, products.text(1));
    request.set(2, initial);
    request.set(3, FormatAmount(ParseNumber(products.text(3)) * ParseNumber(initial)));
    request.set(4, purchases.of(product).quantity);
    request.set(5, purchases.of(product).amount);
    request.set(6, sales.of(product).quantity);
    const double unitCost = ParseNumber(unitCosts.of(product));
    const double sold = ParseNumber(request.value(6));
    request.set(7, FormatAmount(sold * unitCost));
    const std::string closing = FormatAmount((ParseNumber(request.value(2)) + ParseNumber(request.value(4))) - sold);
    request.set(8, closing);
    request.set(9, FormatAmount(unitCost * ParseNumber(closing)));
    if (BlankZeroCells(request, 2, request.size() - 1, true)) request.emit();
  }
  return 0;
}

int BuildStockWarning(ReportRequest& request) {
  if (!request.has(7)) return 0;
  const std::string state = request.size() == 8 ? request.name(7) : std::string();
  ReportSession session(request);
  ReportQuery products(session, "select 商品名称,计量单位,最高库存,最低库存,当前库存 from J4_Product_Data");
  while (products.next()) {
    for (int i = 0; i < 5; ++i) request.set(i, products.text(i));
    const double current = ParseNumber(request.value(4));
    // An empty highest or lowest stock sets no limit on that side.
    const bool hasMaximum = !request.value(2).empty(), hasMinimum = !request.value(3).empty();
    const double maximum = ParseNumber(request.value(2)), minimum = ParseNumber(request.value(3));
    if (hasMaximum && current > maximum) {
      request.set(5, "超出");
      request.set(6, FormatAmount(current - maximum));
      if (state.empty() || state == "超出") request.emit();
    } else if (hasMinimum && current < minimum) {
      request.set(5, "短缺");
      request.set(6, FormatAmount(minimum - current));
      if (state.empty() || state == "短缺") request.emit();
    }
  }
  return 0;
}

int BuildStockLedger(ReportRequest& request) {
  if (!request.has(13)) return 0;
  const size_t n = request.size();
  // The twelve cells of a row; the product and the period entries after them are
  // inputs and keep their values.
  const size_t lastCell = std::min<size_t>(n - 2, 11);
  const std::string product = BindText(request.value(12));
  const std::string period = n >= 14 ? request.name(13) : std::string();
  ReportSession session(request);
  UnitCosts unitCosts(session);

  double balanceQuantity = 0, balanceValue = 0;
  double purchasedQuantity = 0, purchasedAmount = 0, soldQuantity = 0, salesCost = 0;
  {
    ReportQuery opening(session, "select 初始库存,进货价 from J4_Product_Data where 商品名称=?1 ", {product});
    if (opening.next()) {
      const std::string initial = opening.text(0), price = opening.text(1);
      request.clear(0, lastCell);
      request.set(0, "期初");
      request.set(9, initial);
      request.set(10, price);
      request.set(11, FormatAmount(ParseNumber(price) * ParseNumber(initial)));
      request.emit();
      balanceQuantity = ParseNumber(initial);
      balanceValue = ParseNumber(request.value(11));
    }
  }

  ReportQuery bills(session, "select distinct 单据编号 from J4_Bill_Items where 商品名称=?1", {product});
  const std::string billSql =
      "select 类型,单据日期,客户名称 from J4_Account_Data where 单据编号=?1" + AndCondition(period);
  while (bills.next()) {
    const std::string number = bills.utf8(0);
    std::string type, date, party;
    {
      ReportQuery bill(session, billSql, {number});
      if (!bill.next()) continue;  // outside the period, or no such bill
      type = bill.text(0);
      date = bill.text(1);
      party = bill.text(2);
    }
    // Only purchase and sales bills move stock.
    const bool purchase = type == "进货单";
    if (!purchase && type != "销售单") continue;
    std::string quantity, amount;
    {
      ReportQuery sums(session, "select sum(数量),sum(金额) from J4_Bill_Items where 单据编号=?1 and 商品名称=?2 ",
                       {number, product});
      if (sums.next()) {
        quantity = sums.text(0);
        amount = sums.text(1);
      }
    }
    const double q = ParseNumber(quantity);
    if (purchase) {
      request.set(0, "进货");
      request.set(3, quantity);
      request.set(4, q != 0 ? FormatAmount(ParseNumber(amount) / q) : std::string());
      request.set(5, amount);
      request.clear(6, 8);
    } else {
      const std::string unitCost = unitCosts.of(product);
      amount = FormatAmount(q * ParseNumber(unitCost));
      request.set(0, "出货");
      request.clear(3, 5);
      request.set(6, quantity);
      request.set(7, unitCost);
      request.set(8, amount);
    }
    request.set(1, date);
    request.set(2, party);
    const double v = ParseNumber(amount);
    if (purchase) {
      purchasedQuantity += q;
      purchasedAmount += v;
      balanceQuantity += q;
      balanceValue += v;
    } else {
      soldQuantity += q;
      salesCost += v;
      balanceQuantity -= q;
      balanceValue -= v;
    }
    request.set(9, FormatAmount(balanceQuantity));
    request.set(10, balanceQuantity != 0 ? FormatAmount(balanceValue / balanceQuantity) : std::string());
    request.set(11, FormatAmount(balanceValue));
    BlankZeroCells(request, 3, lastCell, false);
    request.emit();
  }

  if (purchasedQuantity != 0 || purchasedAmount != 0 || soldQuantity != 0 || salesCost != 0) {
    TotalRowMark mark(request, 0, lastCell);
    request.clear(0, lastCell);
    request.set(0, "合计");
    request.set(3, FormatAmount(purchasedQuantity));
    request.set(5, FormatAmount(purchasedAmount));
    request.set(6, FormatAmount(soldQuantity));
    request.set(8, FormatAmount(salesCost));
    request.set(9, FormatAmount(balanceQuantity));
    request.set(11, FormatAmount(balanceValue));
    BlankZeroCells(request, 3, lastCell, false);
    request.emit();
  }
  return 0;
}
