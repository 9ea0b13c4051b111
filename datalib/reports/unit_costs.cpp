// Unit costs of products, looked up once each.
#include "reports/unit_costs.h"

#include "reports/report_numbers.h"

double UnitCosts::numberOf(const std::string& productUtf8) {
  auto found = costs_.find(productUtf8);
  if (found != costs_.end()) return found->second.number;
  of(productUtf8);
  return costs_.find(productUtf8)->second.number;
}

const std::string& UnitCosts::of(const std::string& productUtf8) {
  auto found = costs_.find(productUtf8);
  if (found != costs_.end()) return found->second.text;
  std::string cost;
  bool stored = false;
  {
    ReportQuery costPrice(session_, "select 单位成本 from J4_Product_CostPrice where 商品名称=?1", {productUtf8});
    stored = costPrice.next();
    if (stored) cost = costPrice.text(0);
  }
  if (!stored) {
    ReportQuery price(session_, "select 进货价 from J4_V_Product_Inventory where 商品名称=?1", {productUtf8});
    if (price.next()) cost = price.text(0);
  }
  Cost& entry = costs_[productUtf8];
  entry.number = ParseNumber(cost);
  entry.text = std::move(cost);
  return entry.text;
}
