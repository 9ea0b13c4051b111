// Test support for the document stores: a small shop on the real Datavane.dll and
// the reads the tests compare.
//
// The shop: products 可乐 (瓶, bought 2.00, retail 3.00, wholesale 2.50, stock 100, a
// box 箱 of 12), 雪碧 (瓶, 1.80 / 2.80 / 2.40, stock 50, no box) and 饼干 (包, 5.00 /
// 8.00 / 7.00, stock 20, a unit row with an empty name that counts as none);
// customers 张三 (balance 0.00, a trade price of 2.70 for 可乐) and 李四 (10.00),
// supplier 大华公司 (0.00, a contract price of 1.90 for 可乐), and the built-in
// parties 零售客户, 批发客户 and 零散供应商.
#pragma once

#include <string>
#include <vector>

#include "bill_store.h"
#include "kxp_data.h"
#include "order_store.h"
#include "test_support/datavane_dll.h"

namespace documents {
namespace test {

void StockTheShop(KXPDatavane& data);

// Every row of every table of the database, one text per row, sorted: two dumps
// are equal when the database holds the same.
std::vector<std::string> DumpTables(KXPDatavane& data);

// The stored stock and balance as numbers, the rows of one table for a number.
double StockOf(KXPDatavane& data, const char* product);
double BalanceOf(KXPDatavane& data, const char* party);
std::vector<std::vector<DataField>> LinesOf(KXPDatavane& data, const std::wstring& number);
std::vector<std::vector<DataField>> BillHeaderOf(KXPDatavane& data, const std::wstring& number);
std::vector<std::vector<DataField>> OrderHeaderOf(KXPDatavane& data, const std::wstring& number);

// A line as the grid gives it.
BillLineInput Line(const wchar_t* product, const wchar_t* unit, const wchar_t* quantity, const wchar_t* price,
                   const wchar_t* amount);
// A sales bill of the shop dated 2014-10-22 under XSD20141022001, by 老板.
BillInput SalesBill(const wchar_t* party, const wchar_t* due, const wchar_t* paid, std::vector<BillLineInput> lines);

// A stored bill of 50 lines of 张三's (可乐 and 雪碧, 2 each at 5.00; due 500.00,
// paid 100.00; salesman 小王) as the page holds it when it is opened again, and the
// same bill changed for another save: 李四, salesman 小李, 3 of each, line 8 饼干.
BillInput FiftyLineBill();
BillInput ChangedFiftyLineBill(const std::wstring& openedNumber);

class ShopTest : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override {
    DatavaneDllTest::SetUp();
    StockTheShop(data());
  }
};

}  // namespace test
}  // namespace documents
