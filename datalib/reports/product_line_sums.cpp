// Product line totals: a grouped statement over the bills of a period, or one
// pass over all lines that totals several selections at once.
#include "reports/product_line_sums.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "reports/sql_sum.h"

namespace {

std::string BillsSql(const char* billType, const std::string& condition) {
  return std::string("select 单据编号 from J4_Account_Data where 类型='") + billType + "'" +
         AndIndexedBillPeriod(condition);
}

// Whether the condition names only columns of J4_Account_Data (or none): then
// the bills it selects can be listed once for all lines, while a condition that
// also names a line's column must be tested line by line.
bool ConditionOnBillsAlone(ReportSession& session, const char* billType, const std::string& condition) {
  try {
    ReportQuery probe(session, BillsSql(billType, condition));
    return true;
  } catch (const CppSQLite3Exception&) {
    return false;
  }
}

std::string QuotedTypes(const std::vector<const char*>& billTypes) {
  std::string list;
  for (const char* type : billTypes) list += std::string(list.empty() ? "'" : ",'") + type + "'";
  return list;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

ProductLineSums ProductLineSums::OfBills(ReportSession& session, const char* billType, const std::string& condition) {
  BillNumbers bills;
  if (BillsMeeting(session, billType, condition, &bills))
    return std::move(SumLinesInOnePass(session, {LineFilter::Bills(std::move(bills))})[0]);
  // The condition also names the line's columns: test it line by line.
  ProductLineSums sums;
  ReportQuery query(session, "select 商品名称,sum(数量),sum(金额) from J4_Bill_Items where " +
                                 LineOfBillType(billType, condition) + " group by 商品名称");
  while (query.next())
    if (!query.isNull(0)) sums.sums_[query.utf8(0)] = Sums{query.text(1), query.text(2)};  // no product is named NULL
  return sums;
}

ProductLineSums ProductLineSums::OfProducts(ReportSession& session, const std::vector<std::string>& productsUtf8,
                                            const std::string& lineCondition) {
  ProductLineSums sums;
  // The product index yields each product's lines in stored order, so the sums
  // add up in the same order as in a pass over the whole table.
  const std::string sql =
      "select sum(数量),sum(金额) from J4_Bill_Items where 商品名称=?1" + AndCondition(lineCondition);
  for (const std::string& product : productsUtf8) {
    if (sums.sums_.count(product)) continue;
    ReportQuery query(session, sql, {product});
    if (query.next() && (!query.isNull(0) || !query.isNull(1))) {
      sums.sums_[product] = Sums{query.text(0), query.text(1)};
      sums.order_.push_back(product);
    }
  }
  return sums;
}

std::vector<ProductLineSums> ProductLineSums::OfProducts(ReportSession& session,
                                                         const std::vector<std::string>& productsUtf8,
                                                         const std::vector<LineFilter>& filters) {
  std::vector<ProductLineSums> result(filters.size());
  for (const std::string& product : productsUtf8) {
    if (!result.empty() && result[0].sums_.count(product)) continue;
    std::vector<SqlSum> quantities(filters.size()), amounts(filters.size());
    {
      // In the order of the product index, as a statement over the product's lines adds them.
      ReportQuery lines(session, "select 单据编号,数量,金额 from J4_Bill_Items where 商品名称=?1", {product});
      while (lines.next()) {
        if (lines.isNull(0)) continue;  // a line without a bill belongs to no bill of any type
        const std::string_view number = lines.utf8View(0);
        for (size_t f = 0; f < filters.size(); ++f) {
          if (!filters[f].takes(number)) continue;
          quantities[f].add(lines.value(1));
          amounts[f].add(lines.value(2));
        }
      }
    }
    for (size_t f = 0; f < filters.size(); ++f) {
      const std::string quantity = quantities[f].text(session), amount = amounts[f].text(session);
      // Every product is entered once, so that it is not walked again.
      Sums& sums = result[f].sums_[product];
      if (quantity.empty() && amount.empty()) continue;  // no line with a figure: no totals, as sum() gives none
      sums = Sums{Utf8ToAnsi(quantity), Utf8ToAnsi(amount)};
      result[f].order_.push_back(product);
    }
  }
  return result;
}

const ProductLineSums::Sums& ProductLineSums::of(const std::string& productUtf8) const {
  static const Sums none;
  auto found = sums_.find(productUtf8);
  return found == sums_.end() ? none : found->second;
}

BillNumbers::BillNumbers(std::initializer_list<std::string> numbers) {
  for (const std::string& number : numbers) insert(number);
}

BillNumbers::BillNumbers(const BillNumbers& other) {
  for (std::string_view number : other.order_) insert(number);
}

BillNumbers& BillNumbers::operator=(const BillNumbers& other) {
  if (this != &other) {
    BillNumbers copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void BillNumbers::insert(std::string_view number) {
  if (contains(number)) return;
  constexpr size_t kBlockBytes = 64 * 1024;
  if (number.size() > blockFree_) {
    const size_t bytes = number.size() > kBlockBytes ? number.size() : kBlockBytes;
    blocks_.emplace_back(new char[bytes]);
    blockFree_ = bytes;
  }
  char* text = blocks_.back().get() + (number.size() > kBlockBytes ? 0 : kBlockBytes - blockFree_);
  if (!number.empty()) std::memcpy(text, number.data(), number.size());
  blockFree_ -= number.size();
  order_.emplace_back(text, number.size());
  index_.insert(order_.back(), 0);
}

LineFilter LineFilter::Bills(BillNumbers numbers) {
  LineFilter filter;
  filter.numbers_ = std::move(numbers);
  return filter;
}

LineFilter LineFilter::NumberPrefix(const std::string& prefix) {
  LineFilter filter;
  for (char c : prefix) filter.prefix_ += AsciiUpper(c);
  filter.byPrefix_ = true;
  return filter;
}

LineFilter LineFilter::productsOnly() && {
  sums_ = false;
  return std::move(*this);
}

bool LineFilter::takes(std::string_view number) const {
  if (!byPrefix_) return numbers_.contains(number);
  if (number.size() < prefix_.size()) return false;
  for (size_t i = 0; i < prefix_.size(); ++i)
    if (AsciiUpper(number[i]) != prefix_[i]) return false;
  return true;
}

bool BillsMeeting(ReportSession& session, const char* billType, const std::string& condition, BillNumbers* numbers) {
  if (!ConditionOnBillsAlone(session, billType, condition)) return false;
  ReportQuery bills(session, BillsSql(billType, condition));
  while (bills.next())
    if (!bills.isNull(0)) numbers->insert(bills.utf8View(0));
  return true;
}

bool BillsMeeting(ReportSession& session, const std::vector<const char*>& billTypes, const std::string& condition,
                  std::vector<BillNumbers>* numbers) {
  numbers->assign(billTypes.size(), BillNumbers());
  if (billTypes.empty()) return true;
  if (!ConditionOnBillsAlone(session, billTypes[0], condition)) return false;
  std::vector<std::string> typesUtf8;
  for (const char* type : billTypes) typesUtf8.push_back(AnsiToUtf8(type));
  ReportQuery bills(session, "select 单据编号,类型 from J4_Account_Data where 类型 in (" + QuotedTypes(billTypes) +
                                 ")" + AndIndexedBillPeriod(condition));
  while (bills.next()) {
    if (bills.isNull(0)) continue;
    const std::string_view type = bills.utf8View(1);
    for (size_t i = 0; i < typesUtf8.size(); ++i)
      if (type == typesUtf8[i]) (*numbers)[i].insert(bills.utf8View(0));
  }
  return true;
}

std::string LineOfBillType(const char* billType, const std::string& condition) {
  // One look-up of the line's bill on the bill number's key.
  return std::string(
             "exists (select 1 from J4_Account_Data where J4_Account_Data.单据编号=J4_Bill_Items.单据编号 and "
             "类型='") +
         billType + "'" + AndCondition(condition) + ")";
}

long LinesOfProducts(ReportSession& session, const std::vector<std::string>& productsUtf8) {
  long lines = 0;
  for (const std::string& product : productsUtf8) {
    ReportQuery count(session, "select count(*) from J4_Bill_Items where 商品名称=?1", {product});
    if (count.next()) lines += sqlite3_value_int(count.value(0));
  }
  return lines;
}

std::vector<ProductLineSums> SumProductsInBills(ReportSession& session, const std::vector<std::string>& productsUtf8,
                                                const std::vector<const char*>& billTypes,
                                                const std::string& condition) {
  // Up to this many lines, looking each line's bill up costs less than listing
  // the bills of the period.
  constexpr long kLinesLookingUpTheirBill = 2000;
  std::vector<BillNumbers> bills;
  if (LinesOfProducts(session, productsUtf8) > kLinesLookingUpTheirBill &&
      BillsMeeting(session, billTypes, condition, &bills)) {
    std::vector<LineFilter> filters;
    for (BillNumbers& numbers : bills) filters.push_back(LineFilter::Bills(std::move(numbers)));
    return ProductLineSums::OfProducts(session, productsUtf8, filters);
  }
  std::vector<ProductLineSums> result;
  for (const char* type : billTypes)
    result.push_back(ProductLineSums::OfProducts(session, productsUtf8, LineOfBillType(type, condition)));
  return result;
}

// The totals of one filter while the pass runs.
class LinePass {
 public:
  static std::vector<ProductLineSums> Run(ReportSession& session, const std::vector<LineFilter>& filters) {
    std::vector<ProductLineSums> result(filters.size());
    // A line counts for a set-of-bills filter when its bill is in the set, looked
    // up in the set's own index (a pass has one or two such filters).
    std::vector<std::pair<uint32_t, const BillNumbers*>> setFilters;
    std::vector<size_t> prefixFilters;
    for (size_t f = 0; f < filters.size(); ++f) {
      if (const BillNumbers* bills = filters[f].bills()) {
        if (!bills->empty()) setFilters.emplace_back(uint32_t{1} << f, bills);
      } else {
        prefixFilters.push_back(f);
      }
    }
    // No bill to look for: no line can count, and the table need not be read.
    if (setFilters.empty() && prefixFilters.empty()) return result;

    struct Totals {
      SqlSum quantity, amount;
      bool met = false;
    };
    TextIds products;  // the products met so far
    std::vector<std::vector<Totals>> totals(filters.size());
    // Stored order, not an index's: the totals add up in the same order as a
    // statement over one product's lines.
    ReportQuery lines(session, "select 单据编号,商品名称,数量,金额 from J4_Bill_Items not indexed");
    // A bill's lines are mostly stored together: the last bill's answer is kept.
    std::string lastNumber;
    uint32_t lastTakenBy = 0;
    bool haveLast = false;
    while (lines.next()) {
      if (lines.isNull(0) || lines.isNull(1)) continue;
      const std::string_view number = lines.utf8View(0);
      if (!haveLast || number != lastNumber) {
        lastTakenBy = 0;
        for (const auto& filter : setFilters)
          if (filter.second->contains(number)) lastTakenBy |= filter.first;
        for (size_t f : prefixFilters)
          if (filters[f].takes(number)) lastTakenBy |= uint32_t{1} << f;
        lastNumber.assign(number.data(), number.size());
        haveLast = true;
      }
      const uint32_t takenBy = lastTakenBy;
      if (takenBy == 0) continue;
      const std::string_view product = lines.utf8View(1);
      const uint32_t id = products.add(product).first;
      for (size_t f = 0; f < filters.size(); ++f) {
        if (!(takenBy & (uint32_t{1} << f))) continue;
        std::vector<Totals>& mine = totals[f];
        if (mine.size() <= id) mine.resize(products.size());
        Totals& entry = mine[id];
        if (!entry.met) {
          entry.met = true;
          result[f].order_.push_back(products.text(id));
        }
        if (!filters[f].sums()) continue;
        entry.quantity.add(lines.value(2));
        entry.amount.add(lines.value(3));
      }
    }
    for (size_t f = 0; f < filters.size(); ++f) {
      if (!filters[f].sums()) continue;
      for (size_t id = 0; id < totals[f].size(); ++id) {
        const Totals& entry = totals[f][id];
        if (!entry.met) continue;
        result[f].sums_[products.text(id)] =
            ProductLineSums::Sums{Utf8ToAnsi(entry.quantity.text(session)), Utf8ToAnsi(entry.amount.text(session))};
      }
    }
    return result;
  }
};

std::vector<ProductLineSums> SumLinesInOnePass(ReportSession& session, const std::vector<LineFilter>& filters) {
  return LinePass::Run(session, filters);
}
