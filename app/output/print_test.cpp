// Print layouts read back as tables of drawing steps: the letterhead, margins
// and scaling of a wide list, page breaks without a repeated header, the line
// numbers of the payment list, the stock report's groups, the bill's summary;
// the print unit of a coarse printer; and one layout played into an enhanced
// metafile.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "print_job.h"
#include "print_layout.h"
#include "print_operations.h"
#include "test_support/datavane_dll.h"
#include "test_support/list_views.h"
#include "test_support/memory_host.h"
#include "test_support/output_test_shop.h"

namespace output {
namespace {

using test::Column;
using test::MakeList;

// One line per step: "text|cell|title L|C|R left,top,right,bottom text",
// "page".
std::vector<std::wstring> Table(const PrintDocument& document) {
  std::vector<std::wstring> lines;
  for (const PrintStep& step : document.steps) {
    if (step.kind == PrintStep::Kind::kNewPage) {
      lines.push_back(L"page");
      continue;
    }
    std::wstring line = step.kind == PrintStep::Kind::kCell ? L"cell " : (step.titleFont ? L"title " : L"text ");
    line += step.align == PrintStep::Align::kLeft ? L"L " : (step.align == PrintStep::Align::kCentre ? L"C " : L"R ");
    line += std::to_wstring(step.box.left) + L"," + std::to_wstring(step.box.top) + L"," +
            std::to_wstring(step.box.right) + L"," + std::to_wstring(step.box.bottom) + L" " + step.text;
    lines.push_back(line);
  }
  return lines;
}

const std::wstring kSign = L"签收人：" + std::wstring(20, L' ');

TEST(PrintLayout, ListUnderLetterheadCentredOrScaled) {
  const std::vector<Column> columns = {{L"", 30}, {L"行号", 50}, {L"商品名称", 150}, {L"数量", 100}, {L"操作", 120}};
  const int style = pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete;
  const ListView list =
      MakeList(style, columns, {{{L"item_line_num", L"1"}, {L"item_商品名称", L"苹果"}, {L"item_数量", L"3"}}});
  // Narrow: the 300 units of the printed columns centred on 640.
  EXPECT_EQ(
      (std::vector<std::wstring>{
          L"text L 170,10,290,40 店铺地址：", L"text L 170,40,290,70 联系方式：", L"title C 170,70,470,100 商品",
          L"text R 170,70,470,100 币别：人民币", L"cell C 170,100,220,130 行号", L"cell C 220,100,370,130 商品名称",
          L"cell C 370,100,470,130 数量", L"cell C 170,130,220,155 1", L"cell C 220,130,370,155 苹果",
          L"cell C 370,130,470,155 3", L"text R 170,155,470,185 " + kSign, L"text R 170,850,470,880 TarvelStock "}),
      Table(LayoutList(list, L"商品", PaperSize{640, 880}, {}, L"")));
  // Wide: 300 units on 200 are scaled by 190/300 from a margin of 5, each
  // column from its scaled left edge to its scaled right edge; no title, the
  // table at 70.
  EXPECT_EQ((std::vector<std::wstring>{L"text L 5,10,125,40 店铺地址：", L"text L 5,40,125,70 联系方式：",
                                       L"cell C 5,70,36,100 行号", L"cell C 36,70,131,100 商品名称",
                                       L"cell C 131,70,195,100 数量", L"cell C 5,100,36,125 1",
                                       L"cell C 36,100,131,125 苹果", L"cell C 131,100,195,125 3",
                                       L"text R 5,125,195,155 " + kSign, L"text R 5,850,195,880 TarvelStock "}),
            Table(LayoutList(list, L"", PaperSize{200, 880}, {}, L"")));
}

TEST(PrintLayout, LongListsBreakPagesWithoutRepeatingTheHeader) {
  std::vector<test::RowCells> rows;
  for (int i = 0; i < 4; ++i) rows.push_back({{L"item_商品名称", L"品" + std::to_wstring(i)}});
  const ListView list = MakeList(0, {{L"商品名称", 100}}, rows);
  EXPECT_EQ((std::vector<std::wstring>{
                L"text L 50,10,170,40 店铺地址：", L"text L 50,40,170,70 联系方式：", L"title C 50,70,150,100 商品",
                L"text R 50,70,150,100 币别：人民币", L"cell C 50,100,150,130 商品名称", L"cell C 50,130,150,155 品0",
                L"cell C 50,155,150,180 品1", L"page", L"cell C 50,10,150,35 品2", L"cell C 50,35,150,60 品3",
                L"text R 50,60,150,90 " + kSign, L"text R 50,170,150,200 TarvelStock "}),
            Table(LayoutList(list, L"商品", PaperSize{200, 200}, {}, L"")));
}

TEST(PrintLayout, CellsByColumnNamesKeyColumnAndLineNumbers) {
  // The payment list names its cells; its 行号 column prints the line number.
  ListView payments =
      MakeList(pagekit::kListLineNumbers, {{L"行号", 40}, {L"编号", 100}, {L"金额", 60}}, {{{L"item_line_num", L"1"}}});
  payments.rows[0].cells[L"item_单据编号"] = CellView{L"FKD01", 40, 100, 25};
  payments.rows[0].cells[L"item_收款金额"] = CellView{L"9.00", 140, 60, 25};
  const std::vector<std::wstring> names = {L"行号", L"单据编号", L"收款金额"};
  const std::vector<std::wstring> table = Table(LayoutList(payments, L"付款单", PaperSize{400, 880}, names, L""));
  ASSERT_GE(table.size(), 10u);
  EXPECT_EQ((std::vector<std::wstring>{L"cell C 100,130,140,155 1", L"cell C 140,130,240,155 FKD01",
                                       L"cell C 240,130,300,155 9.00"}),
            std::vector<std::wstring>(table.begin() + 7, table.begin() + 10));
  // An order list prints only its lines with a product, and nothing when none
  // has one.
  const ListView orders = MakeList(0, {{L"商品名称", 100}},
                                   {{{L"item_商品名称", L""}}, {{L"item_商品名称", L"梨"}}, {{L"item_商品名称", L""}}});
  const std::vector<std::wstring> printed = Table(LayoutList(orders, L"订单", PaperSize{200, 880}, {}, L"商品名称"));
  ASSERT_EQ(8u, printed.size());
  EXPECT_EQ(L"cell C 50,130,150,155 梨", printed[5]);
  const ListView empty = MakeList(0, {{L"商品名称", 100}}, {{{L"item_商品名称", L""}}});
  EXPECT_TRUE(LayoutList(empty, L"订单", PaperSize{200, 880}, {}, L"商品名称").Empty());
  EXPECT_TRUE(LayoutList(MakeList(0, {{L"商品名称", 100}}, {}), L"", PaperSize{200, 880}, {}, L"").Empty());
}

TEST(PrintLayout, StockReportGroupsItsColumnsUnderCaptions) {
  const std::vector<Column> columns = {{L"行号", 40}, {L"商品名称", 100}, {L"单位", 40}, {L"数量", 50},
                                       {L"金额", 50}, {L"数量", 50},      {L"金额", 50}, {L"数量", 50},
                                       {L"金额", 50}, {L"数量", 50},      {L"金额", 50}, {L"操作", 60}};
  // The unit's cell is missing: the line number prints in its place.
  ListView list = MakeList(pagekit::kListLineNumbers | pagekit::kListReserve, columns,
                           {{{L"item_line_num", L"1"}, {L"item_商品名称", L"苹果"}}}, 50);
  list.rows[0].cells[L"item_数量0"] = CellView{L"7", 180, 50, 25};
  const std::vector<std::wstring> table = Table(LayoutStockReport(list, L"库存统计表", PaperSize{680, 880}));
  const std::vector<std::wstring> expected = {
      L"text L 50,10,170,40 店铺地址：",   L"text L 50,40,170,70 联系方式：",
      L"title C 50,70,630,100 库存统计表", L"text R 50,70,630,100 币别：人民币",
      L"cell C 50,100,90,150 行号",        L"cell C 90,100,190,150 商品名称",
      L"cell C 190,100,230,150 单位",      L"cell C 230,125,280,150 数量",
      L"cell C 280,125,330,150 金额",      L"cell C 230,100,330,125 期初结存",
      L"cell C 330,125,380,150 数量",      L"cell C 380,125,430,150 金额",
      L"cell C 330,100,430,125 日常进货",  L"cell C 430,125,480,150 数量",
      L"cell C 480,125,530,150 金额",      L"cell C 430,100,530,125 日常出货(成本)",
      L"cell C 530,125,580,150 数量",      L"cell C 580,125,630,150 金额",
      L"cell C 530,100,630,125 期末结存",  L"cell C 50,150,90,175 1",
      L"cell C 90,150,190,175 苹果",       L"cell C 190,150,230,175 1",
      L"cell C 230,150,280,175 7"};
  ASSERT_GE(table.size(), expected.size());
  EXPECT_EQ(expected, std::vector<std::wstring>(table.begin(), table.begin() + expected.size()));
  EXPECT_EQ(L"text R 50,175,630,205 " + kSign, table.back());  // no product line
}

class BillPrintTest : public pagekit::test::DatavaneDllTest {};

TEST_F(BillPrintTest, SummaryWithTheStoredPartysDebtOnlyForANamedStoredParty) {
  ASSERT_EQ(0, test::Insert(data(), "J4_Customer_Data",
                            {{L"客户名称", L"张三"}, {L"类型", L"客户"}, {L"当前应收款", L"120.00"}}));
  const ListView lines = MakeList(
      0, {{L"商品名称", 100}, {L"商品类别", 60}, {L"数量", 50}},
      {{{L"item_商品名称", L"苹果"}, {L"item_商品类别", L"水果"}, {L"item_数量", L"2"}}, {{L"item_商品名称", L""}}});
  struct Case {
    const wchar_t* party;
    const wchar_t* debtPart;
  };
  const Case cases[] = {{L"张三", L"客户总欠款：120.00        "}, {L"李四", L""}, {L"", L""}};
  for (const Case& c : cases) {
    pagekit::test::MemoryHost host(&data());
    for (const wchar_t* name : {L"xsd_custom", L"xsd_date", L"xsd_id", L"xsd_money_need", L"xsd_edit_money_actual",
                                L"xsd_percent", L"xsd_explain"})
      host.fields.Add(name);
    host.fields.SetText(L"xsd_custom", c.party);
    host.fields.SetText(L"xsd_date", L"2014-01-10");
    host.fields.SetText(L"xsd_id", L"XSD001");
    host.fields.SetText(L"xsd_money_need", L"90.00");
    host.fields.SetText(L"xsd_edit_money_actual", L"50.5");
    host.fields.SetText(L"xsd_percent", L"90");
    host.fields.SetText(L"xsd_explain", L"送货上门");
    const std::vector<std::wstring> table = Table(LayoutBill(lines, ReadBillFigures(host), PaperSize{350, 880}));
    const std::wstring eight(8, L' ');
    const std::vector<std::wstring> expected = {L"text L 100,10,220,40 店铺地址：",
                                                L"text L 100,40,220,70 联系方式：",
                                                L"title C 100,70,250,100 销售单",
                                                L"text R 100,70,250,100 币别：人民币",
                                                L"text L 100,100,250,130 客户：" + std::wstring(c.party) + eight +
                                                    L"日期：2014-01-10" + eight + L"No. XSD001" + eight,
                                                L"text R 100,100,250,130 币别：人民币",
                                                L"cell C 100,130,200,160 商品名称",
                                                L"cell C 200,130,250,160 数量",
                                                L"cell C 100,160,200,185 苹果",
                                                L"cell C 200,160,250,185 2",
                                                L"cell C 100,185,200,210 ",
                                                L"cell C 200,185,250,210 ",
                                                L"text L 100,210,250,240 本单欠款：39.50" + eight + c.debtPart +
                                                    L"折扣率：90%" + eight + L"折后金额：90.00" + eight +
                                                    L"本次收款：50.5" + eight,
                                                L"text L 100,240,250,270 说明：送货上门",
                                                L"text R 100,240,250,270 " + kSign};
    EXPECT_EQ(expected, table) << c.party;
  }
  // Lines without a product print nothing.
  pagekit::test::MemoryHost host(&data());
  EXPECT_TRUE(LayoutBill(MakeList(0, {{L"商品名称", 100}}, {{{L"item_商品名称", L""}}}), ReadBillFigures(host),
                         PaperSize{350, 880})
                  .Empty());
}

TEST(PrintJob, UnitsOfCoarseAndFinePrinters) {
  struct Case {
    int dpi, unit;
  };
  for (const Case& c : {Case{72, 1}, Case{79, 1}, Case{80, 1}, Case{96, 1}, Case{300, 3}, Case{600, 7}})
    EXPECT_EQ(c.unit, PrintUnit(c.dpi)) << c.dpi;
}

TEST(PrintJob, PlaysALayoutIntoAMetafile) {
  HDC reference = ::GetDC(nullptr);
  HDC dc = ::CreateEnhMetaFileW(reference, nullptr, nullptr, nullptr);
  ::ReleaseDC(nullptr, reference);
  ASSERT_NE(nullptr, dc);
  std::vector<test::RowCells> rows;
  for (int i = 0; i < 40; ++i) rows.push_back({{L"item_商品名称", L"品" + std::to_wstring(i)}});
  const PrintDocument document =
      LayoutList(MakeList(0, {{L"商品名称", 100}}, rows), L"商品", PaperSize{300, 400}, {}, L"");
  int pages = 1;
  for (const PrintStep& step : document.steps) pages += step.kind == PrintStep::Kind::kNewPage ? 1 : 0;
  EXPECT_EQ(3, pages);
  PlaySteps(dc, document, 1, 1);
  HENHMETAFILE metafile = ::CloseEnhMetaFile(dc);
  ASSERT_NE(nullptr, metafile);
  ENHMETAHEADER header{};
  ASSERT_NE(0u, ::GetEnhMetaFileHeader(metafile, sizeof header, &header));
  // 40 cells of five lines and a text each, besides the letterhead.
  EXPECT_GT(header.nRecords, 40u * 6u);
  ::DeleteEnhMetaFile(metafile);
}

}  // namespace
}  // namespace output
