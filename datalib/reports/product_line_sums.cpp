// Product line totals: a grouped statement over the bills of a period, or one
// pass over all lines that totals several selections at once.
#include "reports/product_line_sums.h"

#include <utility>

#include "reports/sql_sum.h"

namespace {

// A condition on J4_Bill_Items rows: the line belongs to a bill of the type
// that meets the condition; one look-up of the bill per line.
std::string LineOfBillType(const char* billType, const std::string& condition) {
  return std::string(
             "exists (select 1 from J4_Account_Data where J4_Account_Data.单据编号=J4_Bill_Items.单据编号 and "
             "类型='") +
         billType + "'" + AndCondition(condition) + ")";
}

std::string BillsSql(const char* billType, const std::string& condition) {
  return std::string("select 单据编号 from J4_Account_Data where 类型='") + billType + "'" + AndCondition(condition);
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

const ProductLineSums::Sums& ProductLineSums::of(const std::string& productUtf8) const {
  static const Sums none;
  auto found = sums_.find(productUtf8);
  return found == sums_.end() ? none : found->second;
}

BillNumbers::BillNumbers(std::initializer_list<std::string> numbers) {
  for (const std::string& number : numbers) insert(number);
}

BillNumbers::BillNumbers(const BillNumbers& other) {
  for (const std::string& number : other.texts_) insert(number);
}

BillNumbers& BillNumbers::operator=(const BillNumbers& other) {
  if (this != &other) {
    BillNumbers copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void BillNumbers::insert(std::string number) {
  if (contains(number)) return;
  texts_.push_back(std::move(number));
  index_.insert(texts_.back());
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
    if (!bills.isNull(0)) numbers->insert(bills.utf8(0));
  return true;
}

// The totals of one filter while the pass runs.
class LinePass {
 public:
  static std::vector<ProductLineSums> Run(ReportSession& session, const std::vector<LineFilter>& filters) {
    struct Totals {
      SqlSum quantity, amount;
    };
    std::deque<std::string> names;  // the products met so far; the maps' keys view them
    std::vector<std::unordered_map<std::string_view, Totals>> totals(filters.size());
    std::vector<ProductLineSums> result(filters.size());
    // Stored order, not an index's: the totals add up in the same order as a
    // statement over one product's lines.
    ReportQuery lines(session, "select 单据编号,商品名称,数量,金额 from J4_Bill_Items not indexed");
    while (lines.next()) {
      if (lines.isNull(0) || lines.isNull(1)) continue;
      const std::string_view number = lines.utf8View(0);
      for (size_t f = 0; f < filters.size(); ++f) {
        if (!filters[f].takes(number)) continue;
        const std::string_view product = lines.utf8View(1);
        auto found = totals[f].find(product);
        if (found == totals[f].end()) {
          names.emplace_back(product);
          found = totals[f].emplace(names.back(), Totals()).first;
          result[f].order_.push_back(names.back());
        }
        if (!filters[f].sums()) continue;
        found->second.quantity.add(lines.value(2));
        found->second.amount.add(lines.value(3));
      }
    }
    for (size_t f = 0; f < filters.size(); ++f) {
      if (!filters[f].sums()) continue;
      for (const auto& entry : totals[f])
        result[f].sums_[std::string(entry.first)] = ProductLineSums::Sums{
            Utf8ToAnsi(entry.second.quantity.text(session)), Utf8ToAnsi(entry.second.amount.text(session))};
    }
    return result;
  }
};

std::vector<ProductLineSums> SumLinesInOnePass(ReportSession& session, const std::vector<LineFilter>& filters) {
  return LinePass::Run(session, filters);
}
