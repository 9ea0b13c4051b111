// The two bill-history pages (销售明细表, 进货明细表): the bill page of the
// side opened in its history view. The bill page is reached by its router name
// and its own history button, never by its class.
#pragma once

#include <string>
#include <vector>

#include "page.h"

namespace reports {

class BillHistoryPage : public pagekit::Page {
 public:
  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;

  void ShowSaleBillHistory(pagekit::PageHost& host) { ShowHistory(host, pagekit::PageSide::kSales); }
  void ShowPurchaseBillHistory(pagekit::PageHost& host) { ShowHistory(host, pagekit::PageSide::kPurchase); }

 private:
  void ShowHistory(pagekit::PageHost& host, pagekit::PageSide side);
};

}  // namespace reports
