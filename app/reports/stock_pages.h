// The stock pages: the stock statistics (库存统计表, panel "mid_kctjbg", list
// "listkctjbg") under the two-level header, with a product's stock ledger on
// the same page, and the stock warning (库存预警, "mid_kcyjbg", "listkcyjbg").
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "report_view.h"

namespace reports {

class StockSummaryPage : public pagekit::Page {
 public:
  explicit StockSummaryPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // Opens the page with every product and all dates; the ledger's dates go with
  // the period the page no longer shows.
  void ShowStockSummary(pagekit::PageHost& host);
  // "kctjbg_find" and "kctjbg_return": the statistics of the page's type,
  // product and dates; the dates are kept for the ledger.
  void QueryStockSummary(pagekit::PageHost& host);
  // A product's row: its ledger in the dates of the latest query.
  void LoadStockLedger(pagekit::PageHost& host, const std::wstring& product);

  const std::string& StockDateCondition() const { return stockDateCondition_; }

 private:
  void ShowSummaryState(pagekit::PageHost& host);

  std::unique_ptr<ReportView> view_;
  std::string stockDateCondition_;
};

class StockAlertPage : public pagekit::Page {
 public:
  explicit StockAlertPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  void ShowStockAlert(pagekit::PageHost& host);
  // "kcyjbg_find": the products of the chosen status (every product without
  // one).
  void QueryStockAlert(pagekit::PageHost& host);

 private:
  std::unique_ptr<ReportView> view_;
};

}  // namespace reports
