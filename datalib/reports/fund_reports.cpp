// Income and expense by item: the totals of every item, the documents of one
// item and the cash book's opening income and expense before a date.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"

namespace {

// Where an item's first document (the first stored) stands in the cash book,
// which lists the documents by date: by its date (none first), then by which
// was stored first.
struct FirstDocument {
  bool dated = false;
  std::string date;  // as stored (UTF-8)
  sqlite3_int64 row = 0;
  bool operator<(const FirstDocument& other) const {
    if (dated != other.dated) return !dated;
    if (date != other.date) return date < other.date;  // byte order, as SQLite compares texts
    return row < other.row;
  }
};

// The items of the documents, each as it binds (UTF-8; the documents without
// an item bind as the empty name), in the order in which the cash book's
// documents first show them, as a distinct list of its items gives them. Only
// the items on the item list are placed; the others count nowhere, and are
// left out.
std::vector<std::string> ListedItemsInCashBookOrder(ReportSession& session) {
  std::vector<std::pair<FirstDocument, std::string>> items;
  // Each item once, from the item index.
  ReportQuery distinct(session, "select distinct 收支项目 from J4_Account_Data");
  while (distinct.next()) {
    const bool none = distinct.isNull(0);
    const std::string item = distinct.utf8(0);
    {
      ReportQuery listed(session, "select 1 from J4_Account_Item where 项目名称=?1", {item});
      if (!listed.next()) continue;
    }
    ReportQuery first(session,
                      none ? "select 单据日期,rowid from J4_Account_Data where 收支项目 is null order by rowid limit 1"
                           : "select 单据日期,rowid from J4_Account_Data where 收支项目=?1 order by rowid limit 1",
                      {item});
    if (!first.next()) continue;
    FirstDocument at;
    at.dated = !first.isNull(0);
    at.date = first.utf8(0);
    at.row = sqlite3_value_int64(first.value(1));
    items.emplace_back(std::move(at), item);
  }
  std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (auto& entry : items) names.push_back(std::move(entry.second));
  return names;
}

}  // namespace

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
  const std::string sumSql = "select sum(收入) from J4_V_Account_Data where 收支项目=?1" + AndCondition(condition);
  for (const std::string& item : ListedItemsInCashBookOrder(session)) {
    std::string category;
    {
      ReportQuery query(session, "select 项目类别 from J4_Account_Item where 项目名称=?1", {item});
      if (!query.next()) continue;  // an item that is not on the list counts nowhere
      category = query.text(0);
    }
    std::string total;
    {
      ReportQuery sum(session, sumSql, {item});
      if (sum.next()) total = sum.text(0);
    }
    if (category == "支出")
      expense += ParseNumber(total);
    else
      income += ParseNumber(total);
  }
  request.set(0, FormatAmount(income));
  request.set(1, FormatAmount(expense));
  return 0;
}
