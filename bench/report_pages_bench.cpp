// The report pages' figures on the benchmark shop (5,000 products, 500 parties,
// 100,000 documents over three years; bench/report_bench_data.h), in a real main
// window through Datavane.dll as the program binds it: every page opened and then
// queried for one month (June 2013), each timed from the call to the painted window,
// split into the data library's time, the rows' building (the row callback) and
// the layout and paint after them. Median of 3 runs each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_shop.h"
#include "controls/list.h"
#include "controls/window_shadow.h"
#include "core/blocking_calls.h"
#include "core/paint_manager.h"
#include "data_store.h"
#include "library_binding.h"
#include "main_frame.h"
#include "report_bench_data.h"
#include "test_support/forwarding_datavane.h"

namespace {

// The report and list calls timed, with the time spent in their row callbacks
// (the rows' building) apart from the library's.
class TimingDatavane : public pagekit::test::ForwardingDatavane {
 public:
  using ForwardingDatavane::ForwardingDatavane;
  double libraryMs = 0, rowsMs = 0;
  int rows = 0;

  int RunReport(const char* key, intptr_t context, std::vector<DataField>* params, DataRowCallback onRow) override {
    return Timed(
        [&](intptr_t inner, DataRowCallback trampoline) {
          return ForwardingDatavane::RunReport(key, inner, params, trampoline);
        },
        context, onRow);
  }
  int QueryRecordsCallback(const char* table, intptr_t context, std::vector<DataField>* record,
                           DataRowCallback onRow) override {
    return Timed(
        [&](intptr_t inner, DataRowCallback trampoline) {
          return ForwardingDatavane::QueryRecordsCallback(table, inner, record, trampoline);
        },
        context, onRow);
  }
  void Reset() { libraryMs = rowsMs = 0, rows = 0; }

 private:
  struct Relay {
    TimingDatavane* self;
    intptr_t context;
    DataRowCallback onRow;
  };
  static void Trampoline(intptr_t relayAddress, std::vector<DataField>* row) {
    auto* relay = reinterpret_cast<Relay*>(relayAddress);
    const double start = Now();
    relay->onRow(relay->context, row);
    relay->self->rowsMs += (Now() - start) * 1000;
    ++relay->self->rows;
  }
  template <class Call>
  int Timed(Call call, intptr_t context, DataRowCallback onRow) {
    Relay relay{this, context, onRow};
    const double rowsBefore = rowsMs;
    const double start = Now();
    const int result = call(reinterpret_cast<intptr_t>(&relay), &Trampoline);
    libraryMs += (Now() - start) * 1000 - (rowsMs - rowsBefore);
    return result;
  }
};

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

struct PageCase {
  const wchar_t* page;
  const wchar_t* find;
  const wchar_t* datePrefix;  // null: the page has no dates
  const wchar_t* party;       // the party edit to fill, null for none
  bool supplier;
};

struct Figures {
  double total, library, rows, paint;
  int count;
};

Figures Median(std::vector<Figures> runs) {
  std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) { return a.total < b.total; });
  return runs[runs.size() / 2];
}

template <class Action>
Figures Time(HWND hwnd, TimingDatavane& timing, Action action) {
  timing.Reset();
  const double start = Now();
  action();
  const double filled = Now();
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Drain();
  const double painted = Now();
  const double filling = (filled - start) * 1000;
  return {(painted - start) * 1000, timing.libraryMs, filling - timing.libraryMs, (painted - filled) * 1000,
          timing.rows};
}

void Print(const wchar_t* page, const char* what, const Figures& f) {
  const std::string name = pagekit::LibraryText(page);
  std::printf("  %-22s %-6s %6d rows  total %8.1f ms  library %8.1f ms  rows %8.1f ms  layout+paint %7.1f ms\n",
              name.c_str(), what, f.count, f.total, f.library, f.rows, f.paint);
}

}  // namespace

int main() {
  BenchShop bench;
  if (!OpenBenchShop("report_pages_bench", &bench)) return 1;
  const std::string& db = bench.db;
  const GeneratedShop& shop = bench.shop;
  TimingDatavane timing(*g_dataObject);
  g_dataObject = &timing;
  SkinUI::UISetBlockingCalls({&SilentBox, nullptr});
  HINSTANCE self = ::GetModuleHandleW(nullptr);
  SkinUI::CPaintManagerUI::SetInstance(self);
  SkinUI::CWndShadow::Initialize(self);
  shell::SetLoginRunner(&InstantLogin);

  shell::MainFrame* frame = new shell::MainFrame;
  HWND hwnd = frame->Create(nullptr, L"KXPlatform", WS_OVERLAPPEDWINDOW, 0x20000, 0, 0, 1200, 800);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  Drain();

  const PageCase cases[] = {
      {L"应收款查询", L"ysqkbg_btn_find", L"ysqkbg", nullptr, false},
      {L"应付款查询", L"ysqkbg_btn_find", L"ysqkbg", nullptr, false},
      {L"应收款明细表", L"ysqkmx_btn_find", L"ysqkmx", L"ysqkmx_edit_custom", false},
      {L"应付款明细表", L"ysqkmx_btn_find", L"ysqkmx", L"ysqkmx_edit_custom", true},
      {L"客户对账单", L"ysdzd_btn_find", L"ysdzd", L"ysdzd_edit_custom", false},
      {L"供应商对账单", L"yfdzd_btn_find", L"yfdzd", L"yfdzd_edit_custom", true},
      {L"销售汇总表(商品)", L"xstjbg_btn_find", L"xstjbg", nullptr, false},
      {L"销售汇总表(客户)", L"xstjbg_btn_find", L"xstjbg", nullptr, false},
      {L"销售汇总表(业务员)", L"xstjbg_btn_find", L"xstjbg", nullptr, false},
      {L"进货汇总表(商品)", L"jhtjbg_btn_find", L"jhtjbg", nullptr, false},
      {L"进货汇总表(供应商)", L"jhtjbg_btn_find", L"jhtjbg", nullptr, false},
      {L"库存统计表", L"kctjbg_find", L"kctjbg", nullptr, false},
      {L"库存预警", L"kcyjbg_find", nullptr, nullptr, false},
      {L"资金统计表", L"zjtjbg_find", L"zjtjbg", nullptr, false},
      {L"利润统计表", L"lrtjbg_find", L"lrtjbg", nullptr, false},
      {L"报价", L"btn_search", nullptr, nullptr, false},
  };
  pagekit::PageFields& fields = frame->Fields();
  const SYSTEMTIME june1 = {2013, 6, 0, 1, 0, 0, 0, 0}, june30 = {2013, 6, 0, 30, 0, 0, 0, 0};
  for (const PageCase& c : cases) {
    std::vector<Figures> opens, queries;
    for (int run = 0; run < 3; ++run) {
      opens.push_back(Time(hwnd, timing, [&] { frame->ShowPage(c.page); }));
      if (c.datePrefix != nullptr) {
        fields.SetDate(std::wstring(c.datePrefix) + L"_date_start", june1);
        fields.SetDate(std::wstring(c.datePrefix) + L"_date_end", june30);
      }
      if (c.party != nullptr)
        fields.SetText(c.party, pagekit::PageText(c.supplier ? shop.busySupplier : shop.busyCustomer));
      queries.push_back(Time(hwnd, timing, [&] { frame->ClickControl(c.find); }));
    }
    Print(c.page, "open", Median(opens));
    Print(c.page, "month", Median(queries));
  }
  // The drill-downs of the first row after the month's query: a product's stock
  // ledger and a party's ledger, clicked as the window's own notice of the row's
  // button (the frame's row dispatch decides which page answers).
  for (const auto& drill :
       {std::make_pair(L"库存统计表", L"listkctjbg"), std::make_pair(L"应收款查询", L"listysqkbg")}) {
    frame->ShowPage(drill.first);
    Drain();
    auto* list = static_cast<SkinUI::CListUI*>(frame->GetPaintManager()->FindControl(drill.second));
    SkinUI::CControlUI* row = list != nullptr ? list->GetItemAt(0) : nullptr;
    SkinUI::CControlUI* button =
        row != nullptr ? frame->GetPaintManager()->FindSubControlByName(row, L"item_reserve") : nullptr;
    if (button == nullptr) continue;
    Print(drill.first, "drill",
          Time(hwnd, timing, [&] { frame->GetPaintManager()->SendNotify(button, L"click"); }));
  }
  ::DestroyWindow(hwnd);
  Drain();
  std::remove(db.c_str());
  return 0;
}
