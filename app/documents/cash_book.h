// The cash book's rows: every money record of a period (J4_V_Account_Data)
// between an opening row 期初 and a totals row 合计. A record's amount stands
// under 收入 or 支出 by the stored kind of its item (销售收入 and 收订金/欠款
// count as income, 进货支出 and 付订金/欠款 as expense even when their item is
// not stored); the 结余 of each row continues from the row above, the opening
// row's from the opening balance. The totals are summed in double over every
// row, the opening row included, so the 合计's 结余 is the balance at the
// period's end.
#pragma once

#include <string>
#include <vector>

#include "field_records.h"

namespace documents {

// One row: the view's eight columns 业务日期, 业务编号, 摘要, 往来单位,
// 收支项目, 收入, 支出, 结余 (library text); `framing` for the 期初 and 合计
// rows, which have no line number, check box or buttons.
struct CashBookRow {
  pagekit::Record cells;
  bool framing = false;
};

struct CashBookPeriod {
  bool bounded = false;  // false: every record, the opening row without figures
  std::wstring start;    // "2014-10-01"; empty: from the first record
  std::wstring end;      // empty: to the last
};

// The view's column names (library text), the list's header.
std::vector<std::string> CashBookColumns();

// The rows of the period; only the framing rows when a query failed.
std::vector<CashBookRow> ReadCashBook(KXPDatavane& data, const CashBookPeriod& period);

}  // namespace documents
