// The receivable and payable detail pages (应收款明细表 / 应付款明细表, panel
// "mid_ysqkmx", list "listysqkmx"): a party typed or chosen, its ledger in the
// page's dates. The page opens on today's range with 50 empty lines.
#pragma once

#include <memory>
#include <string>

#include "page.h"
#include "quick_date.h"
#include "report_view.h"

namespace reports {

using LocalClock = SYSTEMTIME (*)();

class DebtDetailPage : public pagekit::Page {
 public:
  explicit DebtDetailPage(std::unique_ptr<ReportView> view = MakeWindowReportView(),
                          LocalClock clock = pagekit::LocalNow);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  void ShowReceivableDetailPage(pagekit::PageHost& host);
  void ShowPayableDetailPage(pagekit::PageHost& host);
  // "ysqkmx_btn_find": without a party the tooltip asks for one and nothing
  // runs.
  void LoadDebtDetail(pagekit::PageHost& host);

 private:
  void ShowPage(pagekit::PageHost& host, pagekit::PageSide side);

  std::unique_ptr<ReportView> view_;
  LocalClock clock_;
};

}  // namespace reports
