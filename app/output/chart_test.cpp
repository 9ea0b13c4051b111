// The profit chart: which rows of the profit list it takes, the panels its
// buttons switch, and the pixels of the bars and slices it draws.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "profit_chart.h"
#include "test_support/memory_host.h"

namespace output {
namespace {

using pagekit::MemoryFields;

struct ProfitRow {
  std::wstring label;
  std::wstring value;
};

// The profit page's controls with a list of these rows; `labelCell` names the
// rows' label cells.
void Declare(MemoryFields& fields, const std::vector<ProfitRow>& rows, const wchar_t* labelCell = L"item_客户名称") {
  for (const wchar_t* name : {L"lrtjbg_graphyview", L"lay_lrtjbg_view"}) fields.Add(name);
  fields.Add(L"lrtjbg_chk_bar", MemoryFields::Kind::kOption);
  fields.Add(L"lrtjbg_chk_pie", MemoryFields::Kind::kOption);
  fields.AddList(L"listlrtjbg");
  for (const ProfitRow& row : rows) {
    const int index = fields.AddRow(L"listlrtjbg", {{labelCell}, {L"item_利润金额"}});
    fields.SetText(pagekit::Cell(L"listlrtjbg", index, labelCell), row.label);
    fields.SetText(pagekit::Cell(L"listlrtjbg", index, L"item_利润金额"), row.value);
  }
}

TEST(ProfitChart, TakesAtMostTwentyRowsWithoutTheTotalsRow) {
  std::vector<ProfitRow> many;
  for (int i = 0; i < 25; ++i) many.push_back({L"客户" + std::to_wstring(i), std::to_wstring(i)});
  many.push_back({L"合计", L"300"});
  struct Case {
    const char* what;
    std::vector<ProfitRow> rows;
    bool read;
    std::vector<std::wstring> labels;
    std::vector<double> values;
  };
  std::vector<std::wstring> first20;
  std::vector<double> values20;
  for (int i = 0; i < 20; ++i) {
    first20.push_back(L"客户" + std::to_wstring(i));
    values20.push_back(i);
  }
  const Case cases[] = {
      {"25 customers and the totals", many, true, first20, values20},
      {"no totals row (both sums 0)", {{L"甲", L"1.5"}, {L"乙", L"-2"}}, true, {L"甲", L"乙"}, {1.5, -2}},
      {"the totals row alone", {{L"合计", L"0"}}, true, {}, {}},
      {"a label with a quote, a backslash and </script>, a text value",
       {{L"O'Neil \\ </script>", L"abc"}, {L"合计", L"0"}},
       true,
       {L"O'Neil \\ </script>"},
       {0}},
      {"a long label", {{std::wstring(1500, L'长'), L"3"}}, true, {std::wstring(1500, L'长')}, {3}},
  };
  for (const Case& c : cases) {
    pagekit::test::MemoryHost host;
    Declare(host.fields, c.rows);
    std::vector<ChartItem> items;
    EXPECT_EQ(c.read, ReadProfitItems(host.fields, &items)) << c.what;
    std::vector<std::wstring> labels;
    std::vector<double> values;
    for (const ChartItem& item : items) {
      labels.push_back(item.label);
      values.push_back(item.value);
    }
    EXPECT_EQ(c.labels, labels) << c.what;
    EXPECT_EQ(c.values, values) << c.what;
  }
  // Products label the rows when the rows have no customer; a row without its
  // value draws nothing.
  pagekit::test::MemoryHost products;
  Declare(products.fields, {{L"苹果", L"4"}}, L"item_商品名称");
  std::vector<ChartItem> items;
  EXPECT_TRUE(ReadProfitItems(products.fields, &items));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ(L"苹果", items[0].label);
  pagekit::test::MemoryHost broken;
  Declare(broken.fields, {});
  broken.fields.AddRow(L"listlrtjbg", {{L"item_客户名称"}});
  EXPECT_FALSE(ReadProfitItems(broken.fields, &items));
  EXPECT_FALSE(ShowBarChart(broken));
}

TEST(ProfitChart, ButtonsSwitchBetweenTableAndChart) {
  pagekit::test::MemoryHost host;
  Declare(host.fields, {{L"甲", L"10"}, {L"合计", L"10"}});
  ShowProfitChartOrTable(host);
  EXPECT_FALSE(host.fields.Visible(L"listlrtjbg"));
  EXPECT_TRUE(host.fields.Visible(L"lay_lrtjbg_view"));
  EXPECT_TRUE(host.fields.Selected(L"lrtjbg_chk_bar"));
  EXPECT_EQ(ChartImageName(ChartKind::kBar), host.fields.Attribute(L"lrtjbg_graphyview", L"bkimage"));
  EXPECT_TRUE(ShowPieChart(host));
  EXPECT_EQ(ChartImageName(ChartKind::kPie), host.fields.Attribute(L"lrtjbg_graphyview", L"bkimage"));
  ShowProfitTable(host);
  EXPECT_TRUE(host.fields.Visible(L"listlrtjbg"));
  EXPECT_FALSE(host.fields.Visible(L"lay_lrtjbg_view"));
  // Without rows nothing is drawn.
  pagekit::test::MemoryHost empty;
  Declare(empty.fields, {});
  EXPECT_FALSE(ShowBarChart(empty));
  EXPECT_EQ(L"", empty.fields.Attribute(L"lrtjbg_graphyview", L"bkimage"));
}

// The colours of a rendered chart at a few points.
class Picture {
 public:
  Picture(ChartKind kind, const std::vector<ChartItem>& items, int width, int height)
      : bitmap_(RenderChart(kind, items, width, height)), width_(width), height_(height) {}
  ~Picture() {
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
  }
  bool Made() const { return bitmap_ != nullptr; }
  COLORREF At(int x, int y) const {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap_);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return colour;
  }
  // How many pixels of a row have that colour.
  int CountInRow(int y, COLORREF colour) const {
    int count = 0;
    for (int x = 0; x < width_; ++x) count += At(x, y) == colour ? 1 : 0;
    return count;
  }

 private:
  HBITMAP bitmap_;
  int width_, height_;
};

TEST(ProfitChart, BarsRiseWithTheirValuesAndSlicesShareThePie) {
  const COLORREF blue = RGB(0x33, 0x98, 0xDB);
  const COLORREF orange = RGB(0xE6, 0x7E, 0x22);
  const COLORREF white = RGB(255, 255, 255);
  // Bars: the plot runs from x 70 to 580 and y 30 to 310; two slots of 255.
  Picture bars(ChartKind::kBar, {{L"甲", 100}, {L"乙", 50}}, 600, 350);
  ASSERT_TRUE(bars.Made());
  const int firstBar = 70 + 255 / 2, secondBar = 70 + 255 + 255 / 2;
  EXPECT_EQ(blue, bars.At(firstBar, 300));
  EXPECT_EQ(blue, bars.At(secondBar, 300));
  EXPECT_EQ(blue, bars.At(firstBar, 100));    // the taller bar reaches high
  EXPECT_EQ(white, bars.At(secondBar, 100));  // the shorter does not
  EXPECT_EQ(white, bars.At(5, 5));
  // Pie: two equal shares, the first from twelve o'clock to six o'clock on the
  // left (counter-clockwise), the second on the right.
  Picture pie(ChartKind::kPie, {{L"甲", 30}, {L"乙", 30}, {L"亏损", -5}}, 600, 350);
  ASSERT_TRUE(pie.Made());
  const int size = std::min(600 - 200, 350) - 40;  // 310
  const int cx = 20 + size / 2, cy = 175;
  EXPECT_EQ(blue, pie.At(cx - size / 4, cy));
  EXPECT_EQ(orange, pie.At(cx + size / 4, cy));
  EXPECT_EQ(0, pie.CountInRow(cy, RGB(0x2E, 0xCC, 0x71)));  // the loss has no slice
}

}  // namespace
}  // namespace output
