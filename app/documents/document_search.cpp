#include "document_search.h"

#include "data_store.h"
#include "document_history.h"
#include "list_conditions.h"

namespace documents {
namespace {

using pagekit::Column;
using pagekit::Key;
using pagekit::LibraryText;
using pagekit::Record;
using pagekit::Rows;

std::string Quoted(const std::wstring& text) { return "'" + pagekit::QuoteSqlText(LibraryText(text)) + "'"; }

// The date range and, with a text, the columns that may hold it.
std::string SearchCondition(const SearchTerms& terms, std::initializer_list<const char*> columns) {
  std::string condition = DateRangeCondition("单据日期", terms.start, terms.end);
  if (terms.text.empty()) return condition;
  const std::string pattern = pagekit::LikeAnywhere(LibraryText(terms.text));
  std::string anyColumn;
  for (const char* column : columns)
    anyColumn += (anyColumn.empty() ? "" : " or ") + std::string(column) + " like " + pattern;
  anyColumn = "(" + anyColumn + ")";
  return condition.empty() ? anyColumn : condition + " and " + anyColumn;
}

Rows Search(KXPDatavane& data, const char* table, const Record& record) {
  Record conditions = record;
  Rows rows;
  if (!pagekit::Query(data, table, conditions, &rows)) return {};
  SortByNumber(&rows);
  return rows;
}

}  // namespace

std::string DateRangeCondition(const char* column, const std::wstring& start, const std::wstring& end) {
  std::string condition;
  if (!start.empty()) condition = std::string(column) + ">=" + Quoted(start);
  if (!end.empty()) condition += (condition.empty() ? "" : " and ") + std::string(column) + "<=" + Quoted(end);
  return condition.empty() ? condition : "(" + condition + ")";
}

Record BillSearchRecord(pagekit::PageSide side, const SearchTerms& terms) {
  Record record;
  for (const char* column : {"单据日期", "单据编号", "客户名称", "业务员", "折扣率", "收款金额", "说明", "实际金额"})
    record.push_back(Column(column));
  record.push_back(Key("类型", side == pagekit::PageSide::kPurchase ? "进货单" : "销售单"));
  const std::string condition = SearchCondition(terms, {"客户名称", "业务员", "单据编号", "说明"});
  if (!condition.empty()) record.push_back(pagekit::RawCondition(condition));
  if (!terms.type.empty()) {
    const bool delivery = terms.type == L"销售出货" || terms.type == L"采购进货";
    record.push_back(pagekit::RawCondition(delivery ? "收款金额>=0" : "收款金额<0"));
  }
  return record;
}

Record OrderSearchRecord(pagekit::PageSide side, const SearchTerms& terms) {
  Record record;
  for (const char* column :
       {"单据日期", "单据编号", "客户名称", "操作人", "交货日期", "订货数量", "已发数量", "折扣率", "应收金额", "说明"})
    record.push_back(Column(column));
  record.push_back(Key("类型", side == pagekit::PageSide::kPurchase ? "采购预定单" : "销售预定单"));
  const std::string condition = SearchCondition(terms, {"客户名称", "单据编号", "说明"});
  if (!condition.empty()) record.push_back(pagekit::RawCondition(condition));
  return record;
}

Rows SearchBills(KXPDatavane& data, pagekit::PageSide side, const SearchTerms& terms) {
  return Search(data, "J4_V_Product_Account", BillSearchRecord(side, terms));
}

Rows SearchOrders(KXPDatavane& data, pagekit::PageSide side, const SearchTerms& terms) {
  return Search(data, "J4_Sales_Order", OrderSearchRecord(side, terms));
}

Record PaymentHistoryRecord(const std::wstring& supplier, const std::wstring& start, const std::wstring& end) {
  Record record;
  for (const char* column : {"单据编号", "单据日期", "客户名称", "收款金额", "说明", "业务员"})
    record.push_back(Column(column));
  record.push_back(Key("客户名称", LibraryText(supplier)));
  const std::string dates = DateRangeCondition("单据日期", start, end);
  if (!dates.empty()) record.push_back(pagekit::RawCondition(dates));
  return record;
}

Rows PaymentHistory(KXPDatavane& data, const std::wstring& supplier, const std::wstring& start,
                    const std::wstring& end) {
  if (supplier.empty() || !pagekit::IsStorable(supplier)) return {};
  Rows rows;
  if (!pagekit::Query(data, "J4_Account_Data", PaymentHistoryRecord(supplier, start, end), &rows)) return {};
  return rows;
}

}  // namespace documents
