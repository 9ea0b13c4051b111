#include "cash_book.h"

#include <cstdlib>
#include <map>

#include "data_store.h"
#include "document_search.h"
#include "list_conditions.h"
#include "party_balance.h"
#include "record_fields.h"

namespace documents {
namespace {

enum Position { kDate, kNumber, kSummary, kParty, kItem, kIncome, kExpense, kBalance, kColumns };

const char* const kColumnNames[kColumns] = {"业务日期", "业务编号", "摘要", "往来单位",
                                            "收支项目", "收入",     "支出", "结余"};

pagekit::Record Framing(const char* label, const std::string& income, const std::string& expense,
                        const std::string& balance) {
  pagekit::Record row;
  for (const char* name : kColumnNames) row.push_back(Value(name, ""));
  row[kDate].value = label;
  row[kIncome].value = income;
  row[kExpense].value = expense;
  row[kBalance].value = balance;
  return row;
}

// Every stored item's kind, in one query.
std::map<std::string, std::string> ItemKinds(KXPDatavane& data) {
  std::map<std::string, std::string> kinds;
  Rows rows;
  if (!Query(data, "J4_Account_Item", {Column("项目名称"), Column("项目类别")}, &rows)) return kinds;
  for (const Record& row : rows)
    if (row.size() >= 2) kinds[row[0].value] = row[1].value;
  return kinds;
}

// The opening row of a bounded period: income and expense of every record
// before its start, as the library's opening report sums them.
bool OpeningFigures(KXPDatavane& data, const std::wstring& start, double* income, double* expense) {
  *income = *expense = 0;
  if (start.empty()) return true;
  Record params = {Value("sum(收入)", ""), Value("sum(支出)", ""),
                   pagekit::RawCondition("业务日期 < '" + pagekit::QuoteSqlText(pagekit::LibraryText(start)) + "'")};
  if (data.RunReport("zjls_qc", 0, &params, nullptr) != 0) return false;
  *income = std::atof(params[0].value.c_str());
  *expense = std::atof(params[1].value.c_str());
  return true;
}

}  // namespace

std::vector<std::string> CashBookColumns() { return std::vector<std::string>(kColumnNames, kColumnNames + kColumns); }

std::vector<CashBookRow> ReadCashBook(KXPDatavane& data, const CashBookPeriod& period) {
  std::vector<CashBookRow> rows;
  double balance = 0;
  if (period.bounded) {
    double income = 0, expense = 0;
    OpeningFigures(data, period.start, &income, &expense);
    balance = income - expense;
    rows.push_back({Framing("期初", StoredAmount(income), StoredAmount(expense), StoredAmount(balance)), true});
  } else {
    rows.push_back({Framing("期初", "", "", ""), true});
  }

  Record query;
  for (const char* name : kColumnNames) query.push_back(Column(name));
  const std::string range = period.bounded ? DateRangeCondition("业务日期", period.start, period.end) : std::string();
  if (!range.empty()) query.push_back(pagekit::RawCondition(range));
  Rows records;
  const std::map<std::string, std::string> kinds = ItemKinds(data);
  if (Query(data, "J4_V_Account_Data", query, &records)) {
    for (Record& record : records) {
      record.resize(kColumns);
      const std::string& item = record[kItem].value;
      const auto kind = kinds.find(item);
      const std::string stored = kind != kinds.end() ? kind->second : std::string();
      if (stored == "收入" || item == "销售收入" || item == "收订金/欠款") record[kExpense].value.clear();
      if (stored == "支出" || item == "进货支出" || item == "付订金/欠款") record[kIncome].value.clear();
      balance += std::atof(record[kIncome].value.c_str()) - std::atof(record[kExpense].value.c_str());
      record[kBalance].value = StoredAmount(balance);
      rows.push_back({std::move(record), false});
    }
  }

  double income = 0, expense = 0;
  for (const CashBookRow& row : rows) {
    income += std::atof(row.cells[kIncome].value.c_str());
    expense += std::atof(row.cells[kExpense].value.c_str());
  }
  rows.push_back({Framing("合计", StoredAmount(income), StoredAmount(expense), StoredAmount(income - expense)), true});
  return rows;
}

}  // namespace documents
