// The bill and order pages' figures on the benchmark shop (5,000 products, 500
// parties, 100,000 documents; bench/report_bench_data.h), through Datavane.dll as
// the program binds it:
// - the bill save as the page runs it: a stored 50-line bill of a stored customer
//   opened and saved again (undo, 50 lines, cost, item, salesman, header, stock,
//   balance in one unit of work), median of 10; deleting such a bill, median of 10;
// - the bill history of one side: the query of every sales bill, putting them in
//   order of their numbers, and the page filling its list in a real main window
//   (every row built) up to the painted window;
// - the bill search over one month and over the three years: the library's part
//   (query and ordering by number) apart from the window's (the rows built);
// - the cash book page, which lists every record when it opens: the library's
//   part (the records read, each counted by its item, running balances and
//   totals) apart from the window's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_shop.h"
#include "bill_store.h"
#include "cash_book.h"
#include "controls/window_shadow.h"
#include "core/blocking_calls.h"
#include "core/paint_manager.h"
#include "data_store.h"
#include "document_history.h"
#include "document_numbers.h"
#include "document_search.h"
#include "library_binding.h"
#include "main_frame.h"
#include "paint_manager_fields.h"
#include "report_bench_data.h"
#include "test_support/forwarding_datavane.h"

namespace {

// Every call of the operations a save makes, timed and counted by operation.
class TimingDatavane : public pagekit::test::ForwardingDatavane {
 public:
  using ForwardingDatavane::ForwardingDatavane;
  struct Tally {
    int calls = 0;
    double ms = 0;
  };
  std::map<std::string, Tally> tally;

  int QueryRecords(const char* table, std::vector<DataField>* record,
                   std::vector<std::vector<DataField>>* rows) override {
    return Timed(std::string("query ") + table, [&] { return ForwardingDatavane::QueryRecords(table, record, rows); });
  }
  int InsertRecord(const char* table, std::vector<DataField>* values) override {
    return Timed(std::string("insert ") + table, [&] { return ForwardingDatavane::InsertRecord(table, values); });
  }
  int UpdateRecord(const char* table, std::vector<DataField>* values, std::vector<DataField>* keys) override {
    return Timed(std::string("update ") + table, [&] { return ForwardingDatavane::UpdateRecord(table, values, keys); });
  }
  int DeleteRecords(const char* table, std::vector<DataField>* keys) override {
    return Timed(std::string("delete ") + table, [&] { return ForwardingDatavane::DeleteRecords(table, keys); });
  }
  int AdjustStock(std::string number, std::vector<std::vector<DataField>>* lines, bool reverse) override {
    return Timed(reverse ? "stock back" : "stock",
                 [&] { return ForwardingDatavane::AdjustStock(number, lines, reverse); });
  }
  int BeginWork() override {
    return Timed("begin", [&] { return ForwardingDatavane::BeginWork(); });
  }
  int CommitWork() override {
    return Timed("commit", [&] { return ForwardingDatavane::CommitWork(); });
  }

 private:
  template <class Call>
  int Timed(const std::string& what, Call call) {
    const double start = Now();
    const int result = call();
    Tally& entry = tally[what];
    ++entry.calls;
    entry.ms += (Now() - start) * 1000;
    return result;
  }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

UINT InstantLogin(HWND, pagekit::Session* session) {
  *session = {L"老板", true};
  return 1;
}

int SilentBox(HWND, const wchar_t*, const wchar_t*, UINT) { return IDOK; }

void Drain() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

documents::BillInput FiftyLineBill(const GeneratedShop& shop) {
  documents::BillInput bill;
  bill.side = pagekit::PageSide::kSales;
  bill.party = pagekit::PageText(shop.busyCustomer);
  bill.date = L"2026-12-11";
  bill.number = L"XSD20261211001";
  bill.percent = L"100";
  bill.due = L"500.00";
  bill.paid = L"100.00";
  bill.salesman = pagekit::PageText(shop.salesman);
  bill.user = L"老板";
  for (int i = 0; i < 50; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "%05d", i * 97 % 5000);
    documents::BillLineInput line;
    line.product = L"商品" + pagekit::PageText(name);
    line.quantity = L"2";
    line.price = L"5.00";
    line.amount = L"10.00";
    bill.lines.push_back(line);
  }
  return bill;
}

void Saves(KXPDatavane& data, const GeneratedShop& shop) {
  documents::BillInput bill = FiftyLineBill(shop);
  const documents::BillSaveOutcome first = documents::SaveBill(data, bill);
  if (first.status != documents::BillSaveStatus::kSaved) {
    std::printf("  the first save failed (%d)\n", static_cast<int>(first.status));
    return;
  }
  bill.openedNumber = first.number;
  std::vector<double> saves;
  for (int i = 0; i < 10; ++i) {
    const double start = Now();
    const documents::BillSaveOutcome again = documents::SaveBill(data, bill);
    saves.push_back((Now() - start) * 1000);
    if (again.status != documents::BillSaveStatus::kSaved) std::printf("  save %d failed\n", i);
  }
  std::printf("  save of an opened 50-line bill   median %8.2f ms  (min %.2f, max %.2f)\n", Median(saves),
              *std::min_element(saves.begin(), saves.end()), *std::max_element(saves.begin(), saves.end()));

  std::vector<double> deletes;
  for (int i = 0; i < 10; ++i) {
    bill.openedNumber.clear();
    const documents::BillSaveOutcome stored = documents::SaveBill(data, bill);
    const double start = Now();
    documents::DeleteBill(data, stored.number);
    deletes.push_back((Now() - start) * 1000);
  }
  std::printf("  delete of a 50-line bill         median %8.2f ms\n", Median(deletes));

  // One more save of the opened bill, its calls timed one by one.
  bill.openedNumber = bill.number;
  bill.openedNumber.clear();
  const documents::BillSaveOutcome stored = documents::SaveBill(data, bill);
  bill.openedNumber = stored.number;
  TimingDatavane timing(data);
  const double start = Now();
  documents::SaveBill(timing, bill);
  std::printf("  where one save's %.2f ms go:\n", (Now() - start) * 1000);
  for (const auto& entry : timing.tally)
    std::printf("    %-40s %3d calls %8.2f ms\n", entry.first.c_str(), entry.second.calls, entry.second.ms);
}

// Where a save's time goes: its parts one by one, median of 10 each.
void SaveParts(KXPDatavane& data, const GeneratedShop& shop) {
  const documents::BillInput bill = FiftyLineBill(shop);
  auto time = [](const char* what, const std::function<void()>& part) {
    std::vector<double> runs;
    for (int i = 0; i < 10; ++i) {
      const double start = Now();
      part();
      runs.push_back((Now() - start) * 1000);
    }
    std::printf("    %-46s median %8.2f ms\n", what, Median(runs));
  };
  time("an empty unit of work (begin, commit)", [&] {
    data.BeginWork();
    data.CommitWork();
  });
  time("the day's next number", [&] {
    documents::NextDocumentNumber(data, documents::DocumentKind::kSalesBill, documents::DocumentDate{2026, 12, 11});
  });
  time("50 product look-ups", [&] {
    for (const documents::BillLineInput& line : bill.lines) {
      std::vector<DataField> record = {MakeDataField("进货价", "")};
      DataField key = MakeDataField("商品名称", pagekit::LibraryText(line.product));
      key.hidden = 1;
      record.push_back(key);
      std::vector<std::vector<DataField>> rows;
      data.QueryRecords("J4_V_Product_Inventory", &record, &rows);
    }
  });
  time("the same 50 look-ups inside a unit", [&] {
    data.BeginWork();
    for (const documents::BillLineInput& line : bill.lines) {
      std::vector<DataField> record = {MakeDataField("进货价", "")};
      DataField key = MakeDataField("商品名称", pagekit::LibraryText(line.product));
      key.hidden = 1;
      record.push_back(key);
      std::vector<std::vector<DataField>> rows;
      data.QueryRecords("J4_V_Product_Inventory", &record, &rows);
    }
    data.CommitWork();
  });
}

// False when the window part could not run.
bool History(KXPDatavane& data) {
  const double start = Now();
  const auto rows = documents::BillHistory(data, pagekit::PageSide::kSales);
  const double read = Now();
  std::printf("  history: %zu sales bills read and ordered by number  %8.1f ms\n", rows.size(), (read - start) * 1000);

  // The same query without the ordering, to tell the two apart.
  std::vector<DataField> record;
  for (const char* column : {"单据日期", "单据编号", "客户名称", "业务员", "折扣率", "收款金额", "说明", "实际金额"})
    record.push_back(MakeDataField(column, ""));
  DataField type = MakeDataField("类型", "销售单");
  type.hidden = 1;
  record.push_back(type);
  std::vector<std::vector<DataField>> plain;
  const double queryStart = Now();
  data.QueryRecords("J4_V_Product_Account", &record, &plain);
  std::printf("    of which the query alone                          %8.1f ms\n", (Now() - queryStart) * 1000);

  // The page in a real main window: the toggle fills the list with every row.
  // Without a display no window is made (Wine answers no window), and the page
  // has no list to fill.
  shell::MainFrame* frame = new shell::MainFrame;
  HWND hwnd = frame->Create(nullptr, L"KXPlatform", WS_OVERLAPPEDWINDOW, 0x20000, 0, 0, 1100, 800);
  if (hwnd == nullptr) {
    std::printf(
        "  history view in the window: skipped, the main window needs a display (run under Xvfb: xvfb-run -a)\n");
    return false;
  }
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  Drain();
  frame->ShowPage(L"销售单");
  Drain();
  SkinUI::CControlUI* toggle = frame->GetPaintManager()->FindControl(L"xsd_view_his_list");
  if (toggle == nullptr) {
    std::printf("  history view in the window: the bill page shows no \"xsd_view_his_list\"\n");
    ::DestroyWindow(hwnd);
    Drain();
    return false;
  }
  const double fillStart = Now();
  const double fillCpu = ThreadMilliseconds();
  frame->OfferToPages(pagekit::EventKind::kClick, toggle);
  const double filled = Now();
  const double filledCpu = ThreadMilliseconds();
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Drain();
  const double painted = Now();
  const double paintedCpu = ThreadMilliseconds();
  std::printf(
      "  history view in the window: list filled %8.1f ms (thread %.0f ms), painted %8.1f ms (thread %.0f ms), "
      "total %8.1f ms\n",
      (filled - fillStart) * 1000, filledCpu - fillCpu, (painted - filled) * 1000, paintedCpu - filledCpu,
      (painted - fillStart) * 1000);
  ::DestroyWindow(hwnd);
  Drain();
  return true;
}

// A page's click in a real main window, timed to the painted window.
double ClickTimed(shell::MainFrame* frame, HWND hwnd, const wchar_t* control) {
  const double start = Now();
  frame->OfferToPages(pagekit::EventKind::kClick, frame->GetPaintManager()->FindControl(control));
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Drain();
  return (Now() - start) * 1000;
}

// False when the window part could not run.
bool SearchAndCashBook(KXPDatavane& data) {
  shell::MainFrame* frame = new shell::MainFrame;
  HWND hwnd = frame->Create(nullptr, L"KXPlatform", WS_OVERLAPPEDWINDOW, 0x20000, 0, 0, 1100, 800);
  if (hwnd == nullptr) {
    std::printf(
        "  bill search and cash book: skipped, the main window needs a display (run under Xvfb: xvfb-run -a)\n");
    return false;
  }
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  Drain();
  frame->ShowPage(L"销售单");
  Drain();
  frame->OfferToPages(pagekit::EventKind::kClick, frame->GetPaintManager()->FindControl(L"xsd_view_his_list"));
  Drain();
  const struct {
    const char* what;
    const wchar_t *start, *end;
  } periods[] = {{"one month", L"2013-03-01", L"2013-03-31"}, {"three years", L"2012-01-01", L"2014-12-31"}};
  for (const auto& period : periods) {
    documents::SearchTerms terms;
    terms.start = period.start;
    terms.end = period.end;
    std::vector<double> reads;
    size_t found = 0;
    for (int i = 0; i < 5; ++i) {
      const double start = Now();
      found = documents::SearchBills(data, pagekit::PageSide::kSales, terms).size();
      reads.push_back((Now() - start) * 1000);
    }
    pagekit::PaintManagerFields fields(*frame->GetPaintManager());
    fields.SetText(L"xsd_date_find_start", period.start);
    fields.SetText(L"xsd_date_find_end", period.end);
    fields.SetText(L"xsd_edit_find", L"");
    std::vector<double> pages;
    for (int i = 0; i < 3; ++i) pages.push_back(ClickTimed(frame, hwnd, L"xsd_btn_find"));
    const double read = Median(reads), page = Median(pages);
    std::printf(
        "  bill search over %-11s %6zu bills: library %8.1f ms, rows built and painted %8.1f ms, total %8.1f ms\n",
        period.what, found, read, page - read, page);
  }

  std::vector<double> reads;
  size_t rows = 0;
  for (int i = 0; i < 3; ++i) {
    const double start = Now();
    rows = documents::ReadCashBook(data, documents::CashBookPeriod{}).size();
    reads.push_back((Now() - start) * 1000);
  }
  std::vector<double> pages;
  for (int i = 0; i < 3; ++i) {
    const double start = Now();
    frame->ShowPage(L"其它收支");
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Drain();
    pages.push_back((Now() - start) * 1000);
  }
  const double read = Median(reads), page = Median(pages);
  std::printf(
      "  cash book page, every record   %6zu rows:  library %8.1f ms, rows built and painted %8.1f ms, total %8.1f ms\n",
      rows, read, page - read, page);
  ::DestroyWindow(hwnd);
  Drain();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // "saves": the save figures alone, without the history; "search": the bill search
  // and the cash book alone.
  const bool savesOnly = argc > 1 && std::string(argv[1]) == "saves";
  const bool searchOnly = argc > 1 && std::string(argv[1]) == "search";
  BenchShop bench;
  if (!OpenBenchShop("documents_bench", &bench)) return 1;
  const std::string& db = bench.db;
  const GeneratedShop& shop = bench.shop;
  SkinUI::UISetBlockingCalls({&SilentBox, nullptr});
  HINSTANCE self = ::GetModuleHandleW(nullptr);
  SkinUI::CPaintManagerUI::SetInstance(self);
  SkinUI::CWndShadow::Initialize(self);
  shell::SetLoginRunner(&InstantLogin);

  if (!searchOnly) {
    Saves(*g_dataObject, shop);
    SaveParts(*g_dataObject, shop);
  }
  bool shown = true;
  if (!savesOnly && !searchOnly) shown = History(*g_dataObject);
  if (!savesOnly && shown) shown = SearchAndCashBook(*g_dataObject);
  std::remove(db.c_str());
  return shown ? 0 : 1;
}
