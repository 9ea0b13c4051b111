#include "document_history.h"

#include <algorithm>
#include <cctype>

#include "record_fields.h"

namespace documents {
namespace {

// Where the sequence starts: after the letters of the prefix and eight date digits.
size_t SequenceStart(const std::string& number) {
  size_t letters = 0;
  while (letters < number.size() && std::isalpha(static_cast<unsigned char>(number[letters]))) ++letters;
  return std::min(number.size(), letters + 8);
}

std::vector<std::vector<DataField>> History(KXPDatavane& data, const char* table, const char* type,
                                            std::vector<const char*> columns) {
  Record record;
  for (const char* column : columns) record.push_back(Column(column));
  record.push_back(Key("类型", type));
  Rows rows;
  if (!Query(data, table, record, &rows)) return {};
  SortByNumber(&rows);
  return rows;
}

}  // namespace

void SortByNumber(std::vector<std::vector<DataField>>* rows) {
  // Stably, so that rows of one number keep the library's order.
  static const std::string kNone;
  auto number = [](const Record& row) -> const std::string& { return row.size() > 1 ? row[1].value : kNone; };
  std::stable_sort(rows->begin(), rows->end(),
                   [&](const Record& a, const Record& b) { return CompareDocumentNumbers(number(a), number(b)) < 0; });
}

int CompareDocumentNumbers(const std::string& a, const std::string& b) {
  const size_t stemA = SequenceStart(a);
  const size_t stemB = SequenceStart(b);
  const int stems = a.compare(0, stemA, b, 0, stemB);
  if (stems != 0) return stems;
  auto allDigits = [](const std::string& text, size_t from) {
    return from < text.size() && std::all_of(text.begin() + from, text.end(),
                                             [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
  };
  if (allDigits(a, stemA) && allDigits(b, stemB)) {
    // As numbers: leading zeros aside, the longer is the larger.
    const size_t fromA = std::min(a.find_first_not_of('0', stemA), a.size());
    const size_t fromB = std::min(b.find_first_not_of('0', stemB), b.size());
    const size_t lengthA = a.size() - fromA;
    const size_t lengthB = b.size() - fromB;
    if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
    return a.compare(fromA, lengthA, b, fromB, lengthB);
  }
  return a.compare(stemA, std::string::npos, b, stemB, std::string::npos);
}

HistoryShape BillHistoryShape(pagekit::PageSide side) {
  const bool purchase = side == pagekit::PageSide::kPurchase;
  HistoryShape shape;
  shape.table = "J4_V_Product_Account";
  shape.columns = {"单据日期",
                   "单据编号",
                   purchase ? "供应商名称" : "客户名称",
                   "业务员",
                   purchase ? "进货金额" : "销售金额",
                   "折后金额",
                   purchase ? "付款金额" : "收款金额",
                   "说明"};
  shape.purchase = purchase;
  return shape;
}

HistoryShape OrderHistoryShape(pagekit::PageSide side) {
  const bool purchase = side == pagekit::PageSide::kPurchase;
  HistoryShape shape;
  shape.columns = {"单据日期", "单据编号", purchase ? "供应商名称" : "客户名称",
                   "操作人",   "交货日期", "订货数量",
                   "已发数量", "折扣率",   "金额",
                   "说明"};
  shape.orders = true;
  shape.purchase = purchase;
  return shape;
}

std::vector<std::vector<DataField>> BillHistory(KXPDatavane& data, pagekit::PageSide side) {
  return History(data, "J4_V_Product_Account", side == pagekit::PageSide::kPurchase ? "进货单" : "销售单",
                 {"单据日期", "单据编号", "客户名称", "业务员", "折扣率", "收款金额", "说明", "实际金额"});
}

std::vector<std::vector<DataField>> OrderHistory(KXPDatavane& data, pagekit::PageSide side) {
  return History(
      data, "J4_Sales_Order", side == pagekit::PageSide::kPurchase ? "采购预定单" : "销售预定单",
      {"单据日期", "单据编号", "客户名称", "操作人", "交货日期", "订货数量", "已发数量", "折扣率", "应收金额", "说明"});
}

}  // namespace documents
