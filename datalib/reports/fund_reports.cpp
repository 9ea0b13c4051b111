// Income and expense by item: the totals of every item, the documents of one
// item and the cash book's opening income and expense before a date.
#include <string>

#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"

int BuildFundSummary(ReportRequest& request) {
  if (!request.has(3)) return 0;
  // The item filter and the period count only in the page's full vector.
  const bool full = request.size() == 5;
  const std::string itemCondition = full ? request.name(3) : std::string();
  const std::string period = full ? request.name(4) : std::string();
  ReportSession session(request);
  ReportQuery items(
      session, "select * from J4_Account_Item" + (itemCondition.empty() ? std::string() : " where " + itemCondition));
  const std::string sumSql = "select sum(实际金额) from J4_Account_Data where 收支项目=?1" + AndCondition(period);
  while (items.next()) {
    std::string total;
    {
      ReportQuery sum(session, sumSql, {items.utf8(0)});
      if (sum.next()) total = sum.text(0);
    }
    const bool income = items.text(1) == "收入";
    request.set(0, items.text(0));
    request.set(1, income ? total : std::string());
    request.set(2, income ? std::string() : total);
    if (ParseNumber(total) != 0) request.emit();
  }
  return 0;
}

int BuildFundItemDetail(ReportRequest& request) {
  if (!request.has(8)) return 0;
  const std::string item = request.name(6);
  const std::string period = request.name(7);
  ReportSession session(request);
  ReportQuery documents(
      session,
      "select 单据日期,单据编号,说明,客户名称,收支项目,实际金额 from J4_Account_Data where 收支项目=?1" +
          AndCondition(period),
      {BindText(item)});
  while (documents.next()) {
    for (int i = 0; i < 6; ++i) request.set(i, documents.text(i));
    request.emit();
  }
  return 0;
}

int BuildCashOpening(ReportRequest& request) {
  if (!request.has(3)) return 0;
  const std::string condition = request.name(2);
  double income = 0, expense = 0;
  ReportSession session(request);
  ReportQuery items(session, "select distinct 收支项目 from J4_V_Account_Data");
  const std::string sumSql = "select sum(收入) from J4_V_Account_Data where 收支项目=?1" + AndCondition(condition);
  while (items.next()) {
    const std::string item = items.utf8(0);
    std::string total;
    {
      ReportQuery sum(session, sumSql, {item});
      if (sum.next()) total = sum.text(0);
    }
    ReportQuery category(session, "select 项目类别 from J4_Account_Item where 项目名称=?1", {item});
    if (!category.next()) continue;  // an item that is not on the list counts nowhere
    if (category.text(0) == "支出")
      expense += ParseNumber(total);
    else
      income += ParseNumber(total);
  }
  request.set(0, FormatAmount(income));
  request.set(1, FormatAmount(expense));
  return 0;
}
