// The receivable and payable query (应收款查询 / 应付款查询, panel
// "mid_ysqkbg", list "listysqkbg"): one page for both sides, the side's parties
// with their opening balance, increase, settlement and closing balance, and a
// party's detail ledger on the same page with the way back. The page's state is
// the visibility of "ysqkbg_return" (a ledger is shown), the hidden party edit
// and the caption.
#pragma once

#include <memory>
#include <string>

#include "page.h"
#include "report_view.h"

namespace reports {

class DebtQueryPage : public pagekit::Page {
 public:
  explicit DebtQueryPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  void ShowReceivableSummary(pagekit::PageHost& host);
  void ShowPayableSummary(pagekit::PageHost& host);
  // "ysqkbg_btn_find": the summary with the party and dates, or in the ledger
  // state the shown party's ledger in the dates.
  void LoadDebtSummary(pagekit::PageHost& host);
  // The party's ledger; `dates` is a ready date condition (empty: all dates).
  void LoadDebtDetailOfRow(pagekit::PageHost& host, const std::wstring& party, const std::string& dates);
  // "ysqkbg_return".
  void ReturnFromDebtDetail(pagekit::PageHost& host);

 private:
  void ShowSummary(pagekit::PageHost& host, pagekit::PageSide side);

  std::unique_ptr<ReportView> view_;
};

}  // namespace reports
