// The report pages in the real main window with the program's skin: every
// report name opens its panel and fills its list from the library, a real click
// on a row's drill-down button and on a find button reaches its page, and the
// bill history opens the bill page in its history view. Pictures of the stock
// statistics, a party's ledger and the profit page go to TARVEL_SHOT_DIR when
// it is set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/list.h"
#include "core/paint_manager.h"
#include "library_binding.h"
#include "test_support/main_window.h"
#include "test_support/window_shot.h"

namespace reports {
namespace {

using shelltest::Click;
using shelltest::Pump;

void Insert(const char* table, std::initializer_list<const char*> values) {
  std::vector<std::string> names;
  ASSERT_EQ(0, g_dataObject->GetTableColumnNames(table, &names));
  std::vector<DataField> row;
  size_t column = 0;
  for (const char* value : values) row.push_back(MakeDataField(names.at(column++), value));
  ASSERT_EQ(0, g_dataObject->InsertRecord(table, &row)) << table;
}

class ReportPagesWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Insert("J4_Product_Data", {"苹果", "水果", "箱", "2", "", "", "", "11", "10", "5", "20", "", ""});
    Insert("J4_Product_Data", {"香蕉", "水果", "斤", "3", "", "", "", "3", "0", "5", "", "", ""});
    Insert("J4_Customer_Data", {"张三", "客户", "", "", "", "", "", "", "", "", "100", "", ""});
    Insert("J4_Account_Item", {"房租", "支出"});
    Insert("J4_Account_Data",
           {"2014-01-10", "XSD20140110001", "销售单", "张三", "80", "80", "销售", "", "", "30", "小王"});
    Insert("J4_Account_Data", {"2014-02-10", "ZJD20140210001", "收支单", "", "", "", "房租", "房租", "", "1000", ""});
    Insert("J4_Bill_Items", {"XSD20140110001", "苹果", "4", "25", "100", ""});
  }

  std::wstring Text(shelltest::MainWindow& window, const wchar_t* name) {
    SkinUI::CControlUI* control = window.Find(name);
    return control != nullptr ? control->GetText().GetData() : L"<none>";
  }
  SkinUI::CListUI* List(shelltest::MainWindow& window, const wchar_t* name) {
    SkinUI::CControlUI* control = window.Find(name);
    return control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
  }
  int Rows(shelltest::MainWindow& window, const wchar_t* list) {
    SkinUI::CListUI* rows = List(window, list);
    return rows != nullptr ? rows->GetCount() : -1;
  }
  std::wstring CellText(shelltest::MainWindow& window, const wchar_t* list, int row, const wchar_t* cell) {
    SkinUI::CListUI* rows = List(window, list);
    SkinUI::CControlUI* item = rows != nullptr ? rows->GetItemAt(row) : nullptr;
    SkinUI::CControlUI* control =
        item != nullptr ? window.frame().GetPaintManager()->FindSubControlByName(item, cell) : nullptr;
    return control != nullptr ? control->GetText().GetData() : L"<none>";
  }
  void ClickCell(shelltest::MainWindow& window, const wchar_t* list, int row, const wchar_t* cell) {
    SkinUI::CListUI* rows = List(window, list);
    SkinUI::CControlUI* item = rows != nullptr ? rows->GetItemAt(row) : nullptr;
    SkinUI::CControlUI* control =
        item != nullptr ? window.frame().GetPaintManager()->FindSubControlByName(item, cell) : nullptr;
    ASSERT_NE(nullptr, control) << cell;
    Click(window.hwnd(), control);
    Pump(200);
  }
  void Open(shelltest::MainWindow& window, const wchar_t* page) {
    window.frame().ShowPage(page);
    Pump(200);
  }
};

TEST_F(ReportPagesWindowTest, EveryFamilyOpensAndDrillsDown) {
  shelltest::MainWindow window("老板");
  window.Show();
  ::SetWindowPos(window.hwnd(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(100);

  struct Case {
    const wchar_t* page;
    const wchar_t* panel;
    const wchar_t* list;
    int rows;
  };
  const Case cases[] = {
      {L"应收款查询", L"mid_ysqkbg", L"listysqkbg", 1},
      {L"应付款查询", L"mid_ysqkbg", L"listysqkbg", 0},
      {L"应收款明细表", L"mid_ysqkmx", L"listysqkmx", 50},
      {L"客户对账单", L"mid_ysdzd", L"listysdzd", 50},
      {L"供应商对账单", L"mid_yfdzd", L"listyfdzd", 50},
      {L"销售汇总表(商品)", L"mid_xstjbg", L"listxstjbg", 1},
      {L"销售汇总表(业务员)", L"mid_xstjbg", L"listxstjbg", 0},
      {L"进货汇总表(供应商)", L"mid_jhtjbg", L"listjhtjbg", 1},
      {L"库存预警", L"mid_kcyjbg", L"listkcyjbg", 1},
      {L"资金统计表", L"mid_zjtjbg", L"listzjtjbg", 2},
      {L"利润统计表", L"mid_lrtjbg", L"listlrtjbg", 2},
      {L"报价", L"mid_find", L"listfind", 2},
      {L"库存统计表", L"mid_kctjbg", L"listkctjbg", 1},
  };
  for (const Case& c : cases) {
    Open(window, c.page);
    SkinUI::CControlUI* panel = window.Find(c.panel);
    ASSERT_NE(nullptr, panel) << c.panel;
    EXPECT_TRUE(panel->IsVisible()) << c.page;
    EXPECT_EQ(c.rows, Rows(window, c.list)) << c.page;
  }
  // The stock statistics under its two-level header; a real click on a row's
  // 明细.
  EXPECT_EQ(L"苹果", CellText(window, L"listkctjbg", 0, L"item_商品名称"));
  EXPECT_EQ(L"4", CellText(window, L"listkctjbg", 0, L"item_数量2"));
  shelltest::SaveWindowShot(window.hwnd(), "report_stock_statistics");
  ClickCell(window, L"listkctjbg", 0, L"item_reserve");
  EXPECT_EQ(L"库存统计表>>\"苹果\"明细账", Text(window, L"kctjbg_caption"));
  EXPECT_TRUE(window.Find(L"kctjbg_return")->IsVisible());
  EXPECT_EQ(L"期初", CellText(window, L"listkctjbg", 0, L"item_业务类型"));
  shelltest::SaveWindowShot(window.hwnd(), "report_stock_ledger");
  Click(window.hwnd(), window.Find(L"kctjbg_return"));
  Pump(200);
  EXPECT_EQ(L"库存统计表", Text(window, L"kctjbg_caption"));
  EXPECT_FALSE(window.Find(L"kctjbg_return")->IsVisible());

  // A party's ledger from the receivables, and the way back.
  Open(window, L"应收款查询");
  ClickCell(window, L"listysqkbg", 0, L"item_reserve");
  EXPECT_EQ(L"应收款查询>>\"张三\"的明细账", Text(window, L"ysqkbg_caption"));
  EXPECT_EQ(L"期初结存", CellText(window, L"listysqkbg", 0, L"item_摘要"));
  shelltest::SaveWindowShot(window.hwnd(), "report_party_ledger");
  Click(window.hwnd(), window.Find(L"ysqkbg_return"));
  Pump(200);
  EXPECT_EQ(L"应收款查询", Text(window, L"ysqkbg_caption"));

  // The fund totals and the profit page.
  Open(window, L"资金统计表");
  EXPECT_EQ(L"合计", CellText(window, L"listzjtjbg", 1, L"item_line_num"));
  EXPECT_EQ(L"1000.00", CellText(window, L"listzjtjbg", 1, L"item_支出"));
  Open(window, L"利润统计表");
  EXPECT_EQ(L"张三", CellText(window, L"listlrtjbg", 0, L"item_客户名称"));
  shelltest::SaveWindowShot(window.hwnd(), "report_profit");
  // Its chart buttons show the chart in place of the table, and the table again.
  shelltest::Click(window.hwnd(), window.Find(L"lrtjbg_btn_view_graphy"));
  Pump(200);
  EXPECT_FALSE(window.Find(L"listlrtjbg")->IsVisible());
  EXPECT_TRUE(window.Find(L"lay_lrtjbg_view")->IsVisible());
  EXPECT_EQ(L"chart:lrtjbg_graphyview:bar", std::wstring(window.Find(L"lrtjbg_graphyview")->GetBkImage()));
  shelltest::SaveWindowShot(window.hwnd(), "report_profit_chart");
  shelltest::Click(window.hwnd(), window.Find(L"lrtjbg_btn_view_table"));
  Pump(200);
  EXPECT_TRUE(window.Find(L"listlrtjbg")->IsVisible());

  // The bill history page: the bill page in its history view.
  Open(window, L"销售明细表");
  EXPECT_TRUE(window.Find(L"mid_xsd")->IsVisible());
  EXPECT_EQ(L"新增(<u>A</u>)", Text(window, L"xsd_view_his_list"));
}

}  // namespace
}  // namespace reports
