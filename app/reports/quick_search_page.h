// The quotation page 报价 (panel "mid_find", list "listfind"): stock and prices
// of the products whose name or pinyin initials hold the text of "edit_search";
// the purchase price for the owner only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "report_view.h"

namespace reports {

class QuickSearchPage : public pagekit::Page {
 public:
  explicit QuickSearchPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // The page router's "报价" and "btn_search".
  void QuickSearchProducts(pagekit::PageHost& host);

 private:
  std::unique_ptr<ReportView> view_;
};

}  // namespace reports
