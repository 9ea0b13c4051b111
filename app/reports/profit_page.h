// The profit statistics (利润统计表, panel "mid_lrtjbg", list "listlrtjbg"):
// the discounted sales, their cost, the profit and its rate by customer
// ("按客户") or by product ("按商品"). The chart view of the list belongs to
// the output folder; until it is there, its buttons say so.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "report_view.h"

namespace reports {

class ProfitPage : public pagekit::Page {
 public:
  explicit ProfitPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;
  bool OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) override;

  void ShowProfitSummary(pagekit::PageHost& host);
  // "lrtjbg_find" and a choice of the way: by customer or by product, in the
  // dates.
  void QueryProfitReport(pagekit::PageHost& host);

 private:
  std::unique_ptr<ReportView> view_;
};

}  // namespace reports
