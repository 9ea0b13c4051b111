// The report pages, handed to the main window's registry when the program
// starts (an INTERFACE source of the folder's library, see
// page_registration.h).
#include "bill_history_page.h"
#include "debt_detail_page.h"
#include "debt_query_page.h"
#include "fund_page.h"
#include "page_registration.h"
#include "profit_page.h"
#include "quick_search_page.h"
#include "statement_page.h"
#include "stock_pages.h"
#include "trade_summary_page.h"

namespace {

std::unique_ptr<pagekit::Page> MakeDebtQueryPage() { return std::make_unique<reports::DebtQueryPage>(); }
std::unique_ptr<pagekit::Page> MakeDebtDetailPage() { return std::make_unique<reports::DebtDetailPage>(); }
std::unique_ptr<pagekit::Page> MakeCustomerStatement() {
  return std::make_unique<reports::StatementPage>(reports::StatementKind::kCustomer);
}
std::unique_ptr<pagekit::Page> MakeSupplierStatement() {
  return std::make_unique<reports::StatementPage>(reports::StatementKind::kSupplier);
}

std::unique_ptr<pagekit::Page> MakeSalesSummary() { return std::make_unique<reports::SalesSummaryPage>(); }
std::unique_ptr<pagekit::Page> MakePurchaseSummary() { return std::make_unique<reports::PurchaseSummaryPage>(); }
std::unique_ptr<pagekit::Page> MakeBillHistory() { return std::make_unique<reports::BillHistoryPage>(); }
std::unique_ptr<pagekit::Page> MakeStockSummary() { return std::make_unique<reports::StockSummaryPage>(); }
std::unique_ptr<pagekit::Page> MakeStockAlert() { return std::make_unique<reports::StockAlertPage>(); }
std::unique_ptr<pagekit::Page> MakeFundPage() { return std::make_unique<reports::FundPage>(); }
std::unique_ptr<pagekit::Page> MakeProfitPage() { return std::make_unique<reports::ProfitPage>(); }
std::unique_ptr<pagekit::Page> MakeQuickSearch() { return std::make_unique<reports::QuickSearchPage>(); }

const pagekit::PageRegistrar kDebtQueryPage(&MakeDebtQueryPage);
const pagekit::PageRegistrar kDebtDetailPage(&MakeDebtDetailPage);
const pagekit::PageRegistrar kCustomerStatement(&MakeCustomerStatement);
const pagekit::PageRegistrar kSupplierStatement(&MakeSupplierStatement);
const pagekit::PageRegistrar kSalesSummary(&MakeSalesSummary);
const pagekit::PageRegistrar kPurchaseSummary(&MakePurchaseSummary);
const pagekit::PageRegistrar kBillHistory(&MakeBillHistory);
const pagekit::PageRegistrar kStockSummary(&MakeStockSummary);
const pagekit::PageRegistrar kStockAlert(&MakeStockAlert);
const pagekit::PageRegistrar kFundPage(&MakeFundPage);
const pagekit::PageRegistrar kProfitPage(&MakeProfitPage);
const pagekit::PageRegistrar kQuickSearch(&MakeQuickSearch);

}  // namespace
