// The twin price pages: a customer's trade prices ("销售批发价", panel
// "mid_dkhpfj") and a supplier's contract prices ("供应商合同价", panel
// "mid_gyshtj"): every agreed price, a filter by party and product, and the form
// that adds, replaces or changes a price.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "masterdata_view.h"
#include "page.h"
#include "price_save.h"

namespace masterdata {

class PricePage final : public pagekit::Page {
 public:
  PricePage(PriceBook book, std::unique_ptr<MasterdataView> view) : book_(book), view_(std::move(view)) {}

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // FillTradePriceList / ShowContractPricePage: every price.
  void ShowPriceList(pagekit::PageHost& host);
  // LoadTradePriceList / LoadContractPriceList: the prices of the filter.
  void LoadPriceList(pagekit::PageHost& host);
  void ShowPriceForm(pagekit::PageHost& host);
  void ClearPriceForm(pagekit::PageHost& host);
  void SavePrice(pagekit::PageHost& host);
  void TogglePriceOptions(pagekit::PageHost& host);

  void SetEditing(Record row) { editing_ = std::move(row); }
  const Record& Editing() const { return editing_; }

 private:
  // The page's control of that role: "dkhpfj_" or "gyshtj_" and the role.
  std::wstring Control(const wchar_t* role) const;

  PriceBook book_;
  std::unique_ptr<MasterdataView> view_;
  Record editing_;
};

}  // namespace masterdata
