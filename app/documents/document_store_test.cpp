// Saving and deleting bills and orders on the real Datavane.dll: what a save
// writes, the edge cases of a save, re-saving an opened bill, deleting.
#include <gtest/gtest.h>

#include "bill_store.h"
#include "data_store.h"
#include "document_test_shop.h"
#include "order_store.h"

namespace documents {
namespace {

using test::BalanceOf;
using test::BillHeaderOf;
using test::DumpTables;
using test::Line;
using test::LinesOf;
using test::SalesBill;
using test::StockOf;

class BillStoreTest : public test::ShopTest {};

std::string Field(const std::vector<std::vector<DataField>>& rows, size_t row, size_t field) {
  return rows.size() > row && rows[row].size() > field ? rows[row][field].value : "<none>";
}

TEST_F(BillStoreTest, ASaleWritesLinesHeaderItemSalesmanCostStockAndBalance) {
  BillInput bill = SalesBill(L"张三", L"100.00", L"60.00",
                             {Line(L"可乐", L"瓶", L"10", L"7", L"70"), Line(L"", L"", L"", L"", L""),
                              Line(L"雪碧", L"瓶", L"2.5", L"12", L"30")});
  bill.salesman = L"小王";
  bill.remark = L"O'Brien's";
  const BillSaveOutcome outcome = SaveBill(data(), bill);
  ASSERT_EQ(BillSaveStatus::kSaved, outcome.status);
  EXPECT_EQ(L"XSD20141022001", outcome.number);

  const auto lines = LinesOf(data(), outcome.number);
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ("可乐", Field(lines, 0, 0));
  EXPECT_EQ("10.00", Field(lines, 0, 1));
  EXPECT_EQ("7.00", Field(lines, 0, 2));
  EXPECT_EQ("70.00", Field(lines, 0, 3));
  EXPECT_EQ("2.50", Field(lines, 1, 1));

  const auto header = BillHeaderOf(data(), outcome.number);
  ASSERT_EQ(1u, header.size());
  const char* expected[] = {"2014-10-22", "销售单",   "张三", "100",   "100.00",
                            "O'Brien's",  "销售收入", "老板", "60.00", "小王"};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(expected[i], Field(header, 0, i)) << i;

  EXPECT_DOUBLE_EQ(90, StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(47.5, StockOf(data(), "雪碧"));  // the stock moves by the decimal quantity
  EXPECT_DOUBLE_EQ(40, BalanceOf(data(), "张三"));

  std::vector<DataField> record = {MakeDataField("单位成本", "")};
  DataField key = MakeDataField("商品名称", "雪碧");
  key.hidden = 1;
  record.push_back(key);
  std::vector<std::vector<DataField>> rows;
  ASSERT_EQ(0, data().QueryRecords("J4_Product_CostPrice", &record, &rows));
  EXPECT_EQ("1.80", Field(rows, 0, 0));  // the purchase price seeds the cost of a product sold first
  record = {MakeDataField("项目类别", "")};
  key = MakeDataField("项目名称", "销售收入");
  key.hidden = 1;
  record.push_back(key);
  rows.clear();
  ASSERT_EQ(0, data().QueryRecords("J4_Account_Item", &record, &rows));
  EXPECT_EQ("收入", Field(rows, 0, 0));
  record = {MakeDataField("name", "")};
  rows.clear();
  ASSERT_EQ(0, data().QueryRecords("J4_Saler", &record, &rows));
  EXPECT_EQ("小王", Field(rows, 0, 0));

  // The same item and salesman again: no second row, and the save goes through.
  bill.number = L"XSD20141022002";
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), bill).status);
  rows.clear();
  ASSERT_EQ(0, data().QueryRecords("J4_Saler", &record, &rows));
  EXPECT_EQ(1u, rows.size());
}

TEST_F(BillStoreTest, PurchasesReturnsAndBusinessUnitsMoveTheStock) {
  BillInput purchase = SalesBill(L"大华公司", L"40.00", L"40.00", {Line(L"可乐", L"瓶", L"3", L"2", L"6")});
  purchase.side = pagekit::PageSide::kPurchase;
  purchase.number = L"JHD20141022001";
  // 1 box and 3 bottles at 12 a box: 15 bottles.
  purchase.lines[0].secondUnit = L"箱";
  purchase.lines[0].secondQuantity = L"1";
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), purchase).status);
  EXPECT_DOUBLE_EQ(115, StockOf(data(), "可乐"));
  EXPECT_EQ("15.00", Field(LinesOf(data(), L"JHD20141022001"), 0, 1));
  EXPECT_EQ("进货单", Field(BillHeaderOf(data(), L"JHD20141022001"), 0, 1));
  EXPECT_EQ("进货支出", Field(BillHeaderOf(data(), L"JHD20141022001"), 0, 6));

  // A unit row with an empty name is no business unit: its second quantity does not count.
  BillInput sale =
      SalesBill(L"", L"8.00", L"8.00",
                {Line(L"雪碧", L"瓶", L"-1.00", L"2.80", L"-2.80"), Line(L"饼干", L"包", L"1", L"8", L"8")});
  sale.lines[1].secondUnit = L"";
  sale.lines[1].secondQuantity = L"5";
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), sale).status);
  EXPECT_DOUBLE_EQ(51, StockOf(data(), "雪碧"));  // a returned bottle goes back
  EXPECT_DOUBLE_EQ(19, StockOf(data(), "饼干"));
  EXPECT_EQ("零售客户", Field(BillHeaderOf(data(), L"XSD20141022001"), 0, 2));
}

TEST_F(BillStoreTest, ChecksComeBeforeAnyWrite) {
  const std::vector<std::string> before = DumpTables(data());
  const struct {
    const char* what;
    BillInput bill;
    BillSaveStatus status;
    int line;
  } cases[] = {
      {"no party and less paid than due", SalesBill(L"", L"100", L"80", {Line(L"可乐", L"瓶", L"1", L"100", L"100")}),
       BillSaveStatus::kPartyNeeded, -1},
      {"a credit sale to a party without a balance",
       SalesBill(L"王五", L"100", L"80", {Line(L"可乐", L"瓶", L"1", L"100", L"100")}), BillSaveStatus::kPartyUnknown,
       -1},
      {"an unknown product on the second line",
       SalesBill(L"张三", L"10", L"10",
                 {Line(L"可乐", L"瓶", L"1", L"5", L"5"), Line(L"芬达", L"瓶", L"1", L"5", L"5")}),
       BillSaveStatus::kUnknownProduct, 1},
      {"no line names a product", SalesBill(L"张三", L"0", L"0", {Line(L"", L"", L"1", L"5", L"5")}),
       BillSaveStatus::kNothingToSave, -1},
      {"a party the code page cannot hold", SalesBill(L"😀", L"10", L"10", {Line(L"可乐", L"瓶", L"1", L"10", L"10")}),
       BillSaveStatus::kTextNotStorable, -1},
  };
  for (const auto& c : cases) {
    const BillSaveOutcome outcome = SaveBill(data(), c.bill);
    EXPECT_EQ(c.status, outcome.status) << c.what;
    EXPECT_EQ(c.line, outcome.line) << c.what;
    EXPECT_EQ(before, DumpTables(data())) << c.what;
  }

  BillInput incomplete =
      SalesBill(L"张三", L"5", L"5", {Line(L"可乐", L"瓶", L"1", L"5", L"5"), Line(L"", L"", L"", L"", L"")});
  incomplete.lines[1].complete = false;
  const BillSaveOutcome outcome = SaveBill(data(), incomplete);
  EXPECT_EQ(BillSaveStatus::kLineIncomplete, outcome.status);
  EXPECT_EQ(1, outcome.line);
  EXPECT_EQ(before, DumpTables(data()));

  // No party, all paid: the retail customer, no balance moves.
  ASSERT_EQ(BillSaveStatus::kSaved,
            SaveBill(data(), SalesBill(L"", L"100", L"100", {Line(L"可乐", L"瓶", L"1", L"100", L"100")})).status);
  EXPECT_EQ("零售客户", Field(BillHeaderOf(data(), L"XSD20141022001"), 0, 2));
}

TEST_F(BillStoreTest, AnOpenedBillSavedAgainReplacesItself) {
  BillInput bill = SalesBill(L"张三", L"100.00", L"60.00", {Line(L"可乐", L"瓶", L"10", L"10", L"100")});
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), bill).status);
  ASSERT_DOUBLE_EQ(40, BalanceOf(data(), "张三"));

  // Unchanged: the same bill, stock and balance as after the first save.
  bill.openedNumber = bill.number;
  const std::vector<std::string> once = DumpTables(data());
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), bill).status);
  EXPECT_EQ(once, DumpTables(data()));

  // Another quantity and party: the stock follows, the outstanding 40 moves to 李四.
  bill.party = L"李四";
  bill.lines[0].quantity = L"4";
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), bill).status);
  EXPECT_DOUBLE_EQ(96, StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "张三"));
  EXPECT_DOUBLE_EQ(50, BalanceOf(data(), "李四"));
  EXPECT_EQ(1u, LinesOf(data(), bill.number).size());

  // Another date renumbered it: the bill leaves its old number for the new one.
  bill.date = L"2014-10-23";
  bill.number = L"XSD20141023001";
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), bill).status);
  EXPECT_TRUE(BillHeaderOf(data(), L"XSD20141022001").empty());
  EXPECT_TRUE(LinesOf(data(), L"XSD20141022001").empty());
  EXPECT_EQ(1u, BillHeaderOf(data(), L"XSD20141023001").size());
  EXPECT_DOUBLE_EQ(96, StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(50, BalanceOf(data(), "李四"));
}

TEST_F(BillStoreTest, ANewBillNeverReplacesAStoredOne) {
  ASSERT_EQ(BillSaveStatus::kSaved,
            SaveBill(data(), SalesBill(L"张三", L"30", L"0", {Line(L"可乐", L"瓶", L"3", L"10", L"30")})).status);

  // The page offered the same number before the first was saved.
  const BillSaveOutcome second =
      SaveBill(data(), SalesBill(L"李四", L"20", L"20", {Line(L"雪碧", L"瓶", L"2", L"10", L"20")}));
  ASSERT_EQ(BillSaveStatus::kSaved, second.status);
  EXPECT_EQ(L"XSD20141022002", second.number);
  EXPECT_EQ("张三", Field(BillHeaderOf(data(), L"XSD20141022001"), 0, 2));
  EXPECT_EQ(1u, LinesOf(data(), L"XSD20141022001").size());
  EXPECT_DOUBLE_EQ(30, BalanceOf(data(), "张三"));
  EXPECT_DOUBLE_EQ(97, StockOf(data(), "可乐"));
}

TEST_F(BillStoreTest, DeletingABillTakesBackItsStockAndBalance) {
  ASSERT_EQ(BillSaveStatus::kSaved,
            SaveBill(data(), SalesBill(L"张三", L"50", L"20", {Line(L"可乐", L"瓶", L"5", L"10", L"50")})).status);
  BillInput purchase = SalesBill(L"大华公司", L"40", L"0", {Line(L"雪碧", L"瓶", L"4", L"10", L"40")});
  purchase.side = pagekit::PageSide::kPurchase;
  purchase.number = L"JHD20141022001";
  ASSERT_EQ(BillSaveStatus::kSaved, SaveBill(data(), purchase).status);
  ASSERT_DOUBLE_EQ(95, StockOf(data(), "可乐"));
  ASSERT_DOUBLE_EQ(54, StockOf(data(), "雪碧"));
  ASSERT_DOUBLE_EQ(30, BalanceOf(data(), "张三"));
  ASSERT_DOUBLE_EQ(40, BalanceOf(data(), "大华公司"));

  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), L"XSD20141022001"));
  EXPECT_DOUBLE_EQ(100, StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "张三"));
  EXPECT_TRUE(BillHeaderOf(data(), L"XSD20141022001").empty());
  EXPECT_TRUE(LinesOf(data(), L"XSD20141022001").empty());
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), L"JHD20141022001"));
  EXPECT_DOUBLE_EQ(50, StockOf(data(), "雪碧"));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "大华公司"));

  // A receipt of 25 had lowered the balance: deleting it raises it again, once.
  std::vector<DataField> receipt = {MakeDataField("单据日期", "2014-10-22"),
                                    MakeDataField("单据编号", "SKD20141022001"),
                                    MakeDataField("类型", "收款单"),
                                    MakeDataField("客户名称", "李四"),
                                    MakeDataField("折扣率", ""),
                                    MakeDataField("收款金额", "25.00")};
  ASSERT_EQ(0, data().InsertRecord("J4_Account_Data", &receipt));
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), L"SKD20141022001"));
  EXPECT_DOUBLE_EQ(35, BalanceOf(data(), "李四"));

  // Nothing stored under the number: nothing changes.
  const std::vector<std::string> before = DumpTables(data());
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), L"XSD20141022009"));
  EXPECT_EQ(before, DumpTables(data()));
}

OrderInput SalesOrder(std::vector<OrderLineInput> lines) {
  OrderInput order;
  order.party = L"张三";
  order.date = L"2014-10-22";
  order.deliveryDate = L"2014-10-30";
  order.due = L"90";
  order.percent = L"100";
  order.ordered = L"9";
  order.number = L"XSYDD20141022001";
  order.user = L"老板";
  order.lines = std::move(lines);
  return order;
}

OrderLineInput OrderLine(const wchar_t* product, const wchar_t* quantity, const wchar_t* price, const wchar_t* amount) {
  OrderLineInput line;
  line.product = product;
  line.quantity = quantity;
  line.price = price;
  line.amount = amount;
  return line;
}

TEST_F(BillStoreTest, AnOrderWritesItsLinesAndHeaderOnly) {
  const std::vector<std::string> shop = DumpTables(data());
  OrderInput order = SalesOrder({OrderLine(L"可乐", L"3", L"10", L"30"), OrderLine(L"", L"", L"", L""),
                                 OrderLine(L"雪碧", L"2", L"10", L"20"), OrderLine(L"饼干", L"4", L"10", L"40")});
  const OrderSaveOutcome outcome = SaveOrder(data(), order);
  ASSERT_EQ(OrderSaveStatus::kSaved, outcome.status);
  EXPECT_EQ(3u, LinesOf(data(), outcome.number).size());
  const auto header = test::OrderHeaderOf(data(), outcome.number);
  ASSERT_EQ(1u, header.size());
  const char* expected[] = {"2014-10-22", "销售预定单", "张三",  "2014-10-30", "9.00",
                            "0.00",       "100.00",     "90.00", "",           "老板"};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(expected[i], Field(header, 0, i)) << i;
  EXPECT_DOUBLE_EQ(100, StockOf(data(), "可乐"));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "张三"));

  // Saved again as the opened order: replaced, no second set of lines.
  order.openedNumber = order.number;
  order.lines.pop_back();
  ASSERT_EQ(OrderSaveStatus::kSaved, SaveOrder(data(), order).status);
  EXPECT_EQ(2u, LinesOf(data(), order.number).size());

  // Without any product line the stored order stays as it was.
  const std::vector<std::string> saved = DumpTables(data());
  order.lines = {OrderLine(L"", L"1", L"1", L"1")};
  EXPECT_EQ(OrderSaveStatus::kNothingToSave, SaveOrder(data(), order).status);
  EXPECT_EQ(saved, DumpTables(data()));

  // A new order offered the stored number takes the next; no party on the purchase side.
  OrderInput purchase = SalesOrder({OrderLine(L"可乐", L"1", L"2", L"2")});
  purchase.number = L"XSYDD20141022001";
  purchase.party = L"";
  const OrderSaveOutcome second = SaveOrder(data(), purchase);
  ASSERT_EQ(OrderSaveStatus::kSaved, second.status);
  EXPECT_EQ(L"XSYDD20141022002", second.number);
  EXPECT_EQ(2u, LinesOf(data(), L"XSYDD20141022001").size());
  EXPECT_EQ("零售客户", Field(test::OrderHeaderOf(data(), second.number), 0, 2));
  purchase.side = pagekit::PageSide::kPurchase;
  purchase.number = L"CGYDD20141022001";
  ASSERT_EQ(OrderSaveStatus::kSaved, SaveOrder(data(), purchase).status);
  EXPECT_EQ("零散供应商", Field(test::OrderHeaderOf(data(), L"CGYDD20141022001"), 0, 2));
  EXPECT_EQ("采购预定单", Field(test::OrderHeaderOf(data(), L"CGYDD20141022001"), 0, 1));

  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteOrder(data(), L"XSYDD20141022001"));
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteOrder(data(), L"XSYDD20141022002"));
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteOrder(data(), L"CGYDD20141022001"));
  EXPECT_EQ(shop, DumpTables(data()));
}

}  // namespace
}  // namespace documents
