// The bill-history pages.
#include "bill_history_page.h"

#include <cwchar>

namespace reports {

std::vector<pagekit::PageRoute> BillHistoryPage::Routes() const {
  return {{L"销售明细表", true, pagekit::PageSide::kSales}, {L"进货明细表", true, pagekit::PageSide::kPurchase}};
}

void BillHistoryPage::Open(pagekit::PageHost& host, const std::wstring& name) {
  if (_wcsicmp(name.c_str(), L"进货明细表") == 0) {
    ShowPurchaseBillHistory(host);
  } else {
    ShowSaleBillHistory(host);
  }
}

void BillHistoryPage::ShowHistory(pagekit::PageHost& host, pagekit::PageSide side) {
  // The history button's caption is what the bill page reads to go to its
  // history.
  if (!host.Fields().SetText(L"xsd_view_his_list", L"单据查询(<u>H</u>)")) return;
  host.SetSide(side);
  host.OpenPageByName(side == pagekit::PageSide::kPurchase ? L"进货单" : L"销售单");
  host.ClickControl(L"xsd_view_his_list");
}

}  // namespace reports
