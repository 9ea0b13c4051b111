// The product page ("商品", panel "mid_hpkc"): its frame on the page kit. It opens
// its tab and panel; a user other than the owner loses the owner's buttons (adding
// products, the batch operations, the stock reports, the further functions). Its
// stock report buttons open their reports by name; its other buttons, whose
// operations come with the master data pages, say that they are not built yet.
#pragma once

#include <string>
#include <vector>

#include "page.h"

namespace masterdata {

class ProductPage final : public pagekit::Page {
 public:
  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  void OpenProductPage(pagekit::PageHost& host);
  // A click on one of the page's buttons, by the control's name; false when the
  // button is not the page's.
  bool OnProductClick(pagekit::PageHost& host, const std::wstring& name);
};

}  // namespace masterdata
