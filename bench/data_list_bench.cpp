// Data list benchmark: 10,000 products streamed from Datavane.dll into a list
// through the row callback (query, rows built from the row layout, layout, first
// paint), then sorted by a numeric and by a text column through a header click's
// sort, as the product page does.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_window_setup.h"
#include "controls/list.h"
#include "controls/list_header.h"
#include "core/test_support/test_window.h"
#include "kxp_data.h"
#include "list_builders.h"
#include "list_fill.h"
#include "list_sorting.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

SkinUI::CControlUI* HeaderItem(SkinUI::CListUI* list, const wchar_t* caption) {
  for (int i = 0; i < list->GetHeader()->GetCount(); ++i)
    if (list->GetHeader()->GetItemAt(i)->GetText() == caption) return list->GetHeader()->GetItemAt(i);
  return nullptr;
}

}  // namespace

int main() {
  const int kProducts = 10000;
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "data_list_bench.db";
  std::remove(path.c_str());
  KXPDatavane* data = OpenBenchLibrary(path);
  if (data == nullptr) {
    std::printf("data_list_bench: Datavane.dll beside the program and a database it can open\n");
    return 1;
  }
  std::vector<BYTE> skin;
  if (!UseBenchSkin(&skin)) {
    std::printf("data_list_bench: the skin resource is missing\n");
    return 1;
  }

  auto start = std::chrono::steady_clock::now();
  data->BeginWork();
  for (int i = 0; i < kProducts; ++i) {
    char name[64], price[32], stock[32];
    std::snprintf(name, sizeof(name), "商品%05d", (i * 7919) % kProducts);
    std::snprintf(price, sizeof(price), "%.02f", ((i * 31) % 1000) / 4.0 - 50);
    std::snprintf(stock, sizeof(stock), "%d", (i * 17) % 500);
    std::vector<DataField> values = {MakeDataField("商品名称", name), MakeDataField("商品类别", "饮料"),
                                     MakeDataField("计量单位", "瓶"), MakeDataField("进货价", price),
                                     MakeDataField("零售价", price),  MakeDataField("批发价", price),
                                     MakeDataField("客户批发价", ""), MakeDataField("当前库存", stock)};
    data->InsertRecord("J4_Product_Data", &values);
  }
  data->CommitWork();
  std::printf("setup: %d products stored in %.0f ms\n", kProducts, MillisecondsSince(start));

  SkinUI::test::TestWindow window(L"<Window><VerticalLayout><List name=\"listhpkc\" /></VerticalLayout></Window>", 1000,
                                  600);
  if (!window.ok()) {
    std::printf("data_list_bench: the window did not build (it needs a display: run it under Xvfb, xvfb-run -a)\n");
    return 1;
  }
  auto* list = static_cast<SkinUI::CListUI*>(window.Find(L"listhpkc")->GetInterface(L"List"));

  for (int round = 0; round < 3; ++round) {
    list->RemoveAll();
    SkinUI::test::PaintNow(window.GetHWND());
    start = std::chrono::steady_clock::now();
    const double fillCpu = ThreadMilliseconds();
    std::vector<DataField> fields;
    pagekit::BuildListHeader(window.pm, data, list, L"J4_V_Product_Inventory", &fields, 0x0F, L"");
    pagekit::ListFillContext context;
    context.manager = &window.pm;
    context.list = list;
    context.data = data;
    const auto query = std::chrono::steady_clock::now();
    data->QueryRecordsCallback("J4_V_Product_Inventory", pagekit::AsRowContext(&context), &fields, &pagekit::OnListRow);
    const double rows = MillisecondsSince(query);
    const auto paint = std::chrono::steady_clock::now();
    SkinUI::test::PaintNow(window.GetHWND());
    const double layoutPaint = MillisecondsSince(paint);
    const double fill = MillisecondsSince(start);
    std::printf(
        "fill %d rows: %.0f ms, thread %.0f ms (query and rows %.0f ms, %.1f us a row; layout and first paint %.0f "
        "ms)\n",
        list->GetCount(), fill, ThreadMilliseconds() - fillCpu, rows, rows * 1000 / list->GetCount(), layoutPaint);
  }
  const struct {
    const wchar_t* caption;
    const char* kind;
  } sorts[] = {{L"进货价", "a price (signed decimals)"},
               {L"商品名称", "the name (text)"},
               {L"库存", "the stock (whole numbers)"}};
  for (const auto& column : sorts) {
    for (int round = 0; round < 2; ++round) {
      start = std::chrono::steady_clock::now();
      const double sortCpu = ThreadMilliseconds();
      pagekit::SortListByColumn(HeaderItem(list, column.caption));
      const double sort = MillisecondsSince(start);
      const double sortThread = ThreadMilliseconds() - sortCpu;
      const auto paint = std::chrono::steady_clock::now();
      SkinUI::test::PaintNow(window.GetHWND());
      std::printf("sort by %s: %.0f ms, thread %.0f ms (with line numbers), repaint %.0f ms\n", column.kind, sort,
                  sortThread, MillisecondsSince(paint));
    }
  }
  // What of a sort is the line numbers: the same renumbering on its own.
  start = std::chrono::steady_clock::now();
  const double renumberCpu = ThreadMilliseconds();
  pagekit::RenumberListLines(list);
  std::printf("line numbers alone: %.0f ms, thread %.0f ms\n", MillisecondsSince(start),
              ThreadMilliseconds() - renumberCpu);
  std::remove(path.c_str());
  return 0;
}
