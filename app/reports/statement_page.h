// The customer and supplier statements (客户对账单, panel "mid_ysdzd", list
// "listysdzd"; 供应商对账单, "mid_yfdzd", "listyfdzd"): every bill line of a
// party's bills in the page's dates, with its receipts or payments and the
// running balance. One class, made for either statement; opening keeps the rows
// shown.
#pragma once

#include <memory>
#include <string>

#include "page.h"
#include "report_view.h"

namespace reports {

enum class StatementKind { kCustomer, kSupplier };

class StatementPage : public pagekit::Page {
 public:
  explicit StatementPage(StatementKind kind, std::unique_ptr<ReportView> view = MakeWindowReportView());

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // ShowCustomerStatement / ShowSupplierStatement: the header over the rows the
  // list has, 50 empty lines when it has none.
  void ShowStatement(pagekit::PageHost& host);
  // QueryCustomerStatement / QuerySupplierStatement: without a party the
  // tooltip asks for one and the list keeps its rows.
  void QueryStatement(pagekit::PageHost& host);

 private:
  bool Supplier() const { return kind_ == StatementKind::kSupplier; }
  std::wstring Name(const wchar_t* suffix) const;

  StatementKind kind_;
  std::unique_ptr<ReportView> view_;
};

}  // namespace reports
