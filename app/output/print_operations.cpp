// Printing what the pages show.
#include "print_operations.h"

#include <cwchar>

#include "data_store.h"
#include "list_titles.h"
#include "print_job.h"

namespace output {

const std::vector<std::wstring>& PaymentListColumns() {
  static const std::vector<std::wstring> kColumns = {L"行号",     L"单据编号", L"单据日期", L"客户名称",
                                                     L"收款金额", L"说明",     L"业务员"};
  return kColumns;
}

bool PrintList(pagekit::PageHost& host, const std::wstring& list, const std::vector<std::wstring>& columnNames,
               const std::wstring& keyColumn) {
  const ListView view = ReadList(host.Fields(), list);
  const std::wstring title = GetListTitle(host.Fields(), host.Side(), list);
  return PrintOnDefaultPrinter(
      [&](const PaperSize& paper) { return LayoutList(view, title, paper, columnNames, keyColumn); });
}

bool PrintOrderList(pagekit::PageHost& host) { return PrintList(host, L"listxsydd", {}, L"商品名称"); }

bool PrintStockReport(pagekit::PageHost& host) {
  const ListView view = ReadList(host.Fields(), L"listkctjbg");
  const std::wstring caption = host.Fields().Text(L"kctjbg_caption");
  return PrintOnDefaultPrinter([&](const PaperSize& paper) { return LayoutStockReport(view, caption, paper); });
}

BillFigures ReadBillFigures(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  BillFigures bill;
  bill.purchase = host.Side() == pagekit::PageSide::kPurchase;
  bill.party = fields.Text(L"xsd_custom");
  bill.date = fields.Text(L"xsd_date");
  bill.number = fields.Text(L"xsd_id");
  bill.hasDue = fields.Exists(L"xsd_money_need") && fields.Exists(L"xsd_edit_money_actual");
  bill.dueText = fields.Text(L"xsd_money_need");
  bill.paidText = fields.Text(L"xsd_edit_money_actual");
  bill.due = std::wcstod(bill.dueText.c_str(), nullptr);
  bill.paid = std::wcstod(bill.paidText.c_str(), nullptr);
  bill.percent = fields.Text(L"xsd_percent");
  bill.note = fields.Text(L"xsd_explain");
  // Without a party there is no debt to show: an empty name would match the
  // first stored party.
  KXPDatavane* data = host.Data();
  if (data != nullptr && !bill.party.empty()) {
    std::vector<DataField> query = {MakeDataField("当前应收款", "")};
    DataField party = MakeDataField("客户名称", pagekit::LibraryText(bill.party));
    party.hidden = 1;
    query.push_back(party);
    std::vector<std::vector<DataField>> rows;
    data->QueryRecords("J4_Customer_Data", &query, &rows);
    if (!rows.empty() && !rows[0].empty()) {
      bill.hasPartyDebt = true;
      bill.partyDebt = pagekit::PageText(rows[0][0].value);
    }
  }
  return bill;
}

bool PrintBill(pagekit::PageHost& host) {
  const ListView lines = ReadList(host.Fields(), L"listxsd");
  const BillFigures bill = ReadBillFigures(host);
  return PrintOnDefaultPrinter([&](const PaperSize& paper) { return LayoutBill(lines, bill, paper); });
}

}  // namespace output
