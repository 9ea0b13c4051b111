// Grouped line sums per product.
#include "reports/product_line_sums.h"

namespace {

// Whether the condition names only columns of J4_Account_Data (or none): then
// the bills it selects can be listed once for all lines, while a condition that
// also names a line's column must be tested line by line.
bool ConditionOnBillsAlone(ReportSession& session, const char* billType, const std::string& condition) {
  try {
    ReportQuery probe(session, std::string("select 单据编号 from J4_Account_Data where 类型='") + billType + "'" +
                                   AndCondition(condition));
    return true;
  } catch (const CppSQLite3Exception&) {
    return false;
  }
}

// A condition on J4_Bill_Items rows: the line belongs to a bill of the type
// that meets the condition; one look-up of the bill per line.
std::string LineOfBillType(const char* billType, const std::string& condition) {
  return std::string("exists (select 1 from J4_Account_Data where J4_Account_Data.单据编号=J4_Bill_Items.单据编号 and "
                     "类型='") +
         billType + "'" + AndCondition(condition) + ")";
}

}  // namespace

ProductLineSums ProductLineSums::OfBills(ReportSession& session, const char* billType, const std::string& condition) {
  ProductLineSums sums;
  if (ConditionOnBillsAlone(session, billType, condition))
    sums.load(session, std::string("select 商品名称,sum(数量),sum(金额) from J4_Bill_Items where 单据编号 in (select "
                                   "单据编号 from J4_Account_Data where 类型='") +
                           billType + "'" + AndCondition(condition) + ") group by 商品名称");
  else
    sums.load(session, "select 商品名称,sum(数量),sum(金额) from J4_Bill_Items where " +
                           LineOfBillType(billType, condition) + " group by 商品名称");
  return sums;
}

ProductLineSums ProductLineSums::OfNumberPrefix(ReportSession& session, const char* numberPrefix) {
  ProductLineSums sums;
  sums.load(session, std::string("select 商品名称,sum(数量),sum(金额) from J4_Bill_Items where 单据编号 like '") +
                         numberPrefix + "%' group by 商品名称");
  return sums;
}

const ProductLineSums::Sums& ProductLineSums::of(const std::string& productUtf8) const {
  static const Sums none;
  auto found = sums_.find(productUtf8);
  return found == sums_.end() ? none : found->second;
}

void ProductLineSums::load(ReportSession& session, const std::string& ansiSql) {
  ReportQuery query(session, ansiSql);
  while (query.next())
    if (!query.isNull(0)) sums_[query.utf8(0)] = Sums{query.text(1), query.text(2)};  // no product is named NULL
}
