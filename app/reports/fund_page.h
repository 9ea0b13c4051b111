// The fund statistics (资金统计表, panel "mid_zjtjbg", list "listzjtjbg"):
// income and expense per item with a closing 合计 row, and an item's documents
// on the same page with their total. The dates of the latest query go with the
// item's drill-down.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "report_view.h"

namespace reports {

class FundPage : public pagekit::Page {
 public:
  explicit FundPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // Opens the page with every item and all dates; the drill-down's dates go
  // with the period the page no longer shows.
  void ShowFundSummary(pagekit::PageHost& host);
  // "zjtjbg_find" and "zjtjbg_return".
  void QueryFundSummary(pagekit::PageHost& host);
  // An item's row: its documents in the dates of the latest query, and their
  // total.
  void LoadFundSummaryDetail(pagekit::PageHost& host, const std::wstring& item);

  const std::string& FundDateCondition() const { return fundDateCondition_; }

 private:
  void ShowSummaryState(pagekit::PageHost& host);
  void RunSummary(pagekit::PageHost& host, Record params);

  std::unique_ptr<ReportView> view_;
  std::string fundDateCondition_;
};

// The sum of the cell over every row of the list that has it, in double
// precision, written "%.02f".
std::wstring SumOfCells(const pagekit::PageFields& fields, const std::wstring& list, const std::wstring& cell);

}  // namespace reports
