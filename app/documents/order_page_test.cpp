// The order page without a window: fields in memory that echo the page's writes,
// the shop on the real Datavane.dll.
#include "order_page.h"

#include <gtest/gtest.h>

#include "data_store.h"
#include "test_support/document_page_fixture.h"

namespace documents {
namespace {

using pagekit::PageSide;

const wchar_t kList[] = L"listxsydd";

class OrderPageTest : public test::DocumentPageTest {
 protected:
  OrderPage& Open(PageSide side, const wchar_t* name) {
    OrderPage& order = MakePage<OrderPage>();
    host->side = side;
    order.Open(*host, name);
    return order;
  }
  void Pick(int row, const wchar_t* product) {
    ASSERT_TRUE(Click(L"item_reserve", kList, row));
    pagekit::PickerResult result;
    result.kind = pagekit::PickerKind::kProduct;
    result.owner = L"item_reserve";
    result.text = product;
    ASSERT_TRUE(page->OnPickerResult(*host, result));
  }
  std::wstring Cell(int row, const wchar_t* cell) { return CellText(kList, row, cell); }
};

TEST_F(OrderPageTest, OpensOnItsSideAndItsQueriesOnTheHistory) {
  const struct {
    PageSide side;
    const wchar_t *route, *tab, *caption, *number, *ship;
    bool history;
  } cases[] = {
      {PageSide::kSales, L"销售订单", L"tab 销售订单 mid_xsydd", L"销售订单", L"XSYDD20141022001", L"出货(<u>O</u>)",
       false},
      {PageSide::kPurchase, L"采购订单", L"tab 采购订单 mid_xsydd", L"进货订货单", L"CGYDD20141022001", L"进货", false},
      {PageSide::kSales, L"销售订单查询", L"tab 销售订单 mid_xsydd", L"销售订单列表", L"XSYDD20141022001",
       L"出货(<u>O</u>)", true},
      {PageSide::kPurchase, L"采购订单查询", L"tab 采购订单 mid_xsydd", L"采购订单列表", L"CGYDD20141022001", L"进货",
       true},
  };
  for (const auto& c : cases) {
    host->calls.clear();
    Open(c.side, c.route);
    EXPECT_EQ(c.tab, host->calls.front()) << c.route;
    EXPECT_EQ(c.caption, Text(L"xsydd_caption")) << c.route;
    EXPECT_EQ(c.number, Text(L"xsydd_id")) << c.route;
    EXPECT_EQ(c.ship, Text(L"xsydd_out")) << c.route;
    EXPECT_EQ(L"折后金额", Text(L"xsydd_label_money"));
    EXPECT_EQ(c.history, host->fields.Visible(L"layout_xsydd_show_list")) << c.route;
    EXPECT_EQ(!c.history, host->fields.Visible(L"layout_xsydd_header")) << c.route;
  }
}

TEST_F(OrderPageTest, EntrySaveHistoryAndDelete) {
  OrderPage& order = Open(PageSide::kSales, L"销售订单");
  host->fields.SetText(L"xsydd_custom", L"张三");
  Pick(0, L"可乐");
  EXPECT_EQ(L"2.70", Cell(0, L"item_单价"));
  Type(kList, 0, L"item_数量", L"3");
  Pick(1, L"雪碧");
  Type(kList, 1, L"item_金额", L"10");
  EXPECT_EQ(L"10", Cell(1, L"item_金额"));
  EXPECT_EQ(L"10.00", Cell(1, L"item_单价"));
  EXPECT_EQ(L"18.10", Text(L"xsydd_money_need"));  // 3 at 2.70 and 1 at 10.00
  EXPECT_EQ(L"4.00", Text(L"xsydd_dhsl"));
  Type(L"xsydd_percent", L"50");
  EXPECT_EQ(L"9.05", Text(L"xsydd_money_need"));
  host->fields.SetText(L"xsydd_dead_date", L"2014-10-30");

  EXPECT_TRUE(Click(L"xsydd_save"));
  EXPECT_EQ(2u, test::LinesOf(data(), L"XSYDD20141022001").size());
  const auto header = test::OrderHeaderOf(data(), L"XSYDD20141022001");
  ASSERT_EQ(1u, header.size());
  EXPECT_EQ("2014-10-30", header[0][3].value);
  EXPECT_EQ("4.00", header[0][4].value);
  EXPECT_EQ("50.00", header[0][6].value);
  EXPECT_EQ("9.05", header[0][7].value);
  EXPECT_DOUBLE_EQ(100, test::StockOf(data(), "可乐"));
  EXPECT_EQ(L"XSYDD20141022002", Text(L"xsydd_id"));
  EXPECT_EQ(L"", Cell(0, L"item_商品名称"));

  // A save without any product line writes nothing and keeps the entry.
  const std::vector<std::string> before = test::DumpTables(data());
  host->fields.SetText(L"xsydd_explain", L"kept");
  EXPECT_TRUE(Click(L"xsydd_save"));
  EXPECT_EQ(before, test::DumpTables(data()));
  EXPECT_EQ(L"kept", Text(L"xsydd_explain"));

  EXPECT_TRUE(Click(L"xsydd_view_his_list"));
  ASSERT_EQ(1, host->fields.RowCount(kList));
  EXPECT_EQ(L"XSYDD20141022001", Cell(0, L"item_单据编号"));
  EXPECT_EQ(L"张三", Cell(0, L"item_客户名称"));
  EXPECT_EQ(L"9.05", Cell(0, L"item_金额"));
  EXPECT_TRUE(Click(L"item_del", kList, 0));
  EXPECT_EQ(0, host->fields.RowCount(kList));
  EXPECT_TRUE(test::OrderHeaderOf(data(), L"XSYDD20141022001").empty());
  EXPECT_TRUE(test::LinesOf(data(), L"XSYDD20141022001").empty());

  // Cancel of an opened order: a number of its own; of a new one: the number stays.
  EXPECT_TRUE(Click(L"xsydd_view_his_list"));
  order.SetOpenedNumber(L"XSYDD20141022005");
  host->fields.SetText(L"xsydd_id", L"XSYDD20141022005");
  EXPECT_TRUE(Click(L"xsydd_cancel"));
  EXPECT_EQ(L"XSYDD20141022001", Text(L"xsydd_id"));
  EXPECT_TRUE(Click(L"xsydd_cancel"));
  EXPECT_EQ(L"XSYDD20141022001", Text(L"xsydd_id"));
}

}  // namespace
}  // namespace documents
