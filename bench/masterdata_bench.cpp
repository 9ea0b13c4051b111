// Master data benchmark: the products page on 10,000 products from Datavane.dll,
// as the page fills its list: opening it (header, every row streamed into the
// list, layout and first paint), a search by pinyin initials (name or category,
// through the library's Hanzi2Pinyin) and a category with the categories directly
// under it.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_window_setup.h"
#include "controls/list.h"
#include "core/test_support/test_window.h"
#include "kxp_data.h"
#include "list_builders.h"
#include "list_conditions.h"
#include "list_filters.h"
#include "list_fill.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

const char* const kWords[] = {"苹果", "香蕉", "可乐", "雪碧", "饼干", "面包", "牛奶", "酸奶", "薯片", "果汁"};
const char* const kKinds[] = {"食品", "饮料", "日用", "文具", "家电"};

// 5 top categories, each with 4 under it, each of those with 2 under it; the
// products spread over all of them.
std::vector<std::string> StockCategories(KXPDatavane& data) {
  std::vector<std::string> all;
  for (const char* kind : kKinds) {
    data.AddProductType(kind, "", 0);
    all.push_back(kind);
    for (int i = 0; i < 4; ++i) {
      const std::string middle = std::string(kind) + kWords[i];
      data.AddProductType(middle.c_str(), kind, 1);
      all.push_back(middle);
      for (int j = 0; j < 2; ++j) {
        const std::string low = middle + kWords[4 + j];
        data.AddProductType(low.c_str(), middle.c_str(), 2);
        all.push_back(low);
      }
    }
  }
  return all;
}

}  // namespace

int main() {
  const int kProducts = 10000;
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "masterdata_bench.db";
  std::remove(path.c_str());
  KXPDatavane* data = OpenBenchLibrary(path);
  if (data == nullptr) {
    std::printf("masterdata_bench: Datavane.dll beside the program and a database it can open\n");
    return 1;
  }
  std::vector<BYTE> skin;
  if (!UseBenchSkin(&skin)) {
    std::printf("masterdata_bench: the skin resource is missing\n");
    return 1;
  }

  auto start = std::chrono::steady_clock::now();
  data->BeginWork();
  const std::vector<std::string> categories = StockCategories(*data);
  for (int i = 0; i < kProducts; ++i) {
    char name[64], stock[32];
    std::snprintf(name, sizeof(name), "%s%s%05d", kWords[i % 10], kWords[(i / 10) % 10], i);
    std::snprintf(stock, sizeof(stock), "%d", (i * 17) % 500 - 20);
    std::vector<DataField> values = {MakeDataField("商品名称", name),
                                     MakeDataField("商品类别", categories[i % categories.size()]),
                                     MakeDataField("计量单位", "个"), MakeDataField("进货价", "2.00"),
                                     MakeDataField("零售价", "4.00"), MakeDataField("批发价", "3.00"),
                                     MakeDataField("客户批发价", "3.00"), MakeDataField("当前库存", stock)};
    data->InsertRecord("J4_Product_Data", &values);
  }
  data->CommitWork();
  std::printf("setup: %d products in %zu categories stored in %.0f ms\n", kProducts, categories.size(),
              MillisecondsSince(start));

  SkinUI::test::TestWindow window(L"<Window><VerticalLayout><List name=\"listhpkc\" /></VerticalLayout></Window>", 1000,
                                  600);
  if (!window.ok()) {
    std::printf("masterdata_bench: the window did not build (it needs a display: run it under Xvfb, xvfb-run -a)\n");
    return 1;
  }
  auto* list = static_cast<SkinUI::CListUI*>(window.Find(L"listhpkc")->GetInterface(L"List"));

  struct Case {
    const char* label;
    const char* search;
    const char* category;
  };
  const Case cases[] = {
      {"opening the page (every product)", "", ""},
      {"pinyin search \"pgxj\"", "pgxj", ""},
      {"pinyin search \"yl\" (a category's initials)", "yl", ""},
      {"category 食品 with its direct sub-categories", "", "食品"},
      {"category 饮料苹果 and search \"kl\"", "kl", "饮料苹果"},
  };
  for (const Case& c : cases) {
    for (int round = 0; round < 3; ++round) {
      list->RemoveAll();
      SkinUI::test::PaintNow(window.GetHWND());
      start = std::chrono::steady_clock::now();
      const double startCpu = ThreadMilliseconds();
      std::vector<DataField> fields;
      pagekit::BuildListHeader(window.pm, data, list, L"J4_V_Product_Inventory", &fields, 0x0F, L"");
      const std::string condition =
          masterdata::ProductListCondition(c.search, c.category, masterdata::SubCategories(*data, c.category));
      if (!condition.empty()) fields.push_back(pagekit::RawCondition(condition));
      pagekit::ListFillContext context{&window.pm, list, data};
      const auto query = std::chrono::steady_clock::now();
      data->QueryRecordsCallback("J4_V_Product_Inventory", pagekit::AsRowContext(&context), &fields,
                                 &pagekit::OnListRow);
      const double rows = MillisecondsSince(query);
      const auto paint = std::chrono::steady_clock::now();
      SkinUI::test::PaintNow(window.GetHWND());
      const double layoutPaint = MillisecondsSince(paint);
      std::printf("%s: %d rows in %.0f ms, thread %.0f ms (query and rows %.0f ms, layout and first paint %.0f ms)\n",
                  c.label, list->GetCount(), MillisecondsSince(start), ThreadMilliseconds() - startCpu, rows,
                  layoutPaint);
    }
  }
  std::remove(path.c_str());
  return 0;
}
