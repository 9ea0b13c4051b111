// Finding stored bills and orders: the condition list of a search by dates, a
// text and (bills) the sign of the amount, and the rows it finds in order of
// their numbers. A typed text has its quotes doubled and may be of any length;
// a date left empty bounds nothing.
#pragma once

#include <string>

#include "field_records.h"
#include "page_host.h"

namespace documents {

struct SearchTerms {
  std::wstring start;  // "2014-10-01"; empty: no lower bound
  std::wstring end;    // "2014-10-31"; empty: no upper bound
  std::wstring text;   // in the party, salesman (bills), number or remark
  std::wstring type;   // bills: "销售出货" / "采购进货" (amount ≥ 0), a return (<
                       // 0), empty: both
};

// "(column>='start' and column<='end')" with the bounds that are given, quotes
// doubled; empty when neither is.
std::string DateRangeCondition(const char* column, const std::wstring& start, const std::wstring& end);

// The condition lists of the two searches: the history's columns first (the
// rows come back in that shape), then the side's type, the raw date and text
// condition, and (bills) the sign.
pagekit::Record BillSearchRecord(pagekit::PageSide side, const SearchTerms& terms);
pagekit::Record OrderSearchRecord(pagekit::PageSide side, const SearchTerms& terms);

// The stored bills (orders) of the side that match, ascending by number; empty
// when the query failed.
pagekit::Rows SearchBills(KXPDatavane& data, pagekit::PageSide side, const SearchTerms& terms);
pagekit::Rows SearchOrders(KXPDatavane& data, pagekit::PageSide side, const SearchTerms& terms);

// A supplier's account records (payments and purchase bills alike) between the
// dates given, in stored order: 单据编号, 单据日期, 客户名称, 收款金额, 说明,
// 业务员. The condition list has the supplier's filter, then the date range
// only when a date is given.
pagekit::Record PaymentHistoryRecord(const std::wstring& supplier, const std::wstring& start, const std::wstring& end);
// No supplier, no rows: an empty name filters nothing in the library.
pagekit::Rows PaymentHistory(KXPDatavane& data, const std::wstring& supplier, const std::wstring& start,
                             const std::wstring& end);

}  // namespace documents
