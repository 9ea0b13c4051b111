// All or nothing: a save or delete whose n-th write fails leaves every table as it
// was, for every n up to the write count of the whole operation. The failing write
// comes from the page kit's forwarding seam over the real Datavane.dll.
#include <functional>

#include <gtest/gtest.h>

#include "bill_store.h"
#include "document_test_shop.h"
#include "money_store.h"
#include "order_store.h"
#include "test_support/forwarding_datavane.h"

namespace documents {
namespace {

using test::DumpTables;

class AtomicityTest : public test::ShopTest {
 protected:
  // Runs the operation with its n-th write failing, n = 1, 2, ... until it runs
  // through; every failed run must report it and leave the tables as before.
  // Answers the writes of the run that went through.
  int FailEveryWrite(const std::function<bool(KXPDatavane&)>& operation) {
    const std::vector<std::string> before = DumpTables(data());
    for (int n = 1; n < 1000; ++n) {
      pagekit::test::ForwardingDatavane seam(data());
      seam.FailWrite(n);
      if (operation(seam)) {
        EXPECT_LT(seam.Writes(), n) << "went through although its write " << n << " failed";
        return seam.Writes();
      }
      EXPECT_EQ(before, DumpTables(data())) << "write " << n << " failed";
      if (::testing::Test::HasFailure()) return -1;
    }
    ADD_FAILURE() << "never went through";
    return -1;
  }

  // The fifty-line bill of the shop, stored; as the page holds it when opened.
  BillInput StoredFiftyLineBill() {
    BillInput bill = test::FiftyLineBill();
    const BillSaveOutcome outcome = SaveBill(data(), bill);
    EXPECT_EQ(BillSaveStatus::kSaved, outcome.status);
    bill.openedNumber = outcome.number;
    return bill;
  }
};

TEST_F(AtomicityTest, AFiftyLineSaveOfAnOpenedBill) {
  // Changed: other quantities, another party, a product whose cost is not seeded yet.
  const BillInput bill = test::ChangedFiftyLineBill(StoredFiftyLineBill().openedNumber);
  const int writes =
      FailEveryWrite([&](KXPDatavane& data) { return SaveBill(data, bill).status == BillSaveStatus::kSaved; });
  // The undo (stock, header, lines, balance), 50 lines, a cost, the salesman, the
  // header, the stock and the balance.
  EXPECT_EQ(4 + 50 + 1 + 1 + 1 + 1 + 1, writes);
  EXPECT_DOUBLE_EQ(410, test::BalanceOf(data(), "李四"));
  EXPECT_DOUBLE_EQ(0, test::BalanceOf(data(), "张三"));
}

TEST_F(AtomicityTest, DeletingABill) {
  const BillInput bill = StoredFiftyLineBill();
  const int writes = FailEveryWrite(
      [&](KXPDatavane& data) { return DeleteBill(data, bill.openedNumber) == pagekit::StoreResult::kDone; });
  EXPECT_EQ(4, writes);
  EXPECT_DOUBLE_EQ(0, test::BalanceOf(data(), "张三"));
  EXPECT_DOUBLE_EQ(100, test::StockOf(data(), "可乐"));
}

TEST_F(AtomicityTest, SavingAndDeletingAnOrder) {
  OrderInput order;
  order.party = L"张三";
  order.date = L"2014-10-22";
  order.number = L"XSYDD20141022001";
  for (int i = 0; i < 20; ++i) order.lines.push_back({true, L"可乐", L"1", L"3", L"3", L""});
  ASSERT_EQ(OrderSaveStatus::kSaved, SaveOrder(data(), order).status);
  order.openedNumber = order.number;
  order.lines.resize(12);
  EXPECT_EQ(2 + 12 + 1, FailEveryWrite([&](KXPDatavane& data) {
              return SaveOrder(data, order).status == OrderSaveStatus::kSaved;
            }));
  EXPECT_EQ(12u, test::LinesOf(data(), order.number).size());
  EXPECT_EQ(2, FailEveryWrite(
                   [&](KXPDatavane& data) { return DeleteOrder(data, order.number) == pagekit::StoreResult::kDone; }));
  EXPECT_TRUE(test::OrderHeaderOf(data(), order.number).empty());
}

}  // namespace
}  // namespace documents

namespace documents {
namespace {

// A save killed midway (the process ends before its n-th write) leaves the file,
// opened again, as it was; a save that ran through stores the changed bill.
TEST_F(AtomicityTest, ASaveKilledMidwayLeavesTheDatabaseAsItWas) {
  const BillInput stored = StoredFiftyLineBill();
  const std::vector<std::string> before = DumpTables(data());
  char self[MAX_PATH];
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string child(self);
  child = child.substr(0, child.find_last_of('\\') + 1) + "bill_save_kill_child.exe";

  for (int n : {1, 4, 30, 56, 59, 1000}) {
    std::string command =
        "\"" + child + "\" \"" + path_ + "\" " + pagekit::LibraryText(stored.openedNumber) + " " + std::to_string(n);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.hProcess, 60000)) << n;
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ASSERT_EQ(0, data().OpenDatabase(path_.c_str())) << n;
    if (n < 1000) {
      EXPECT_EQ(9u, code) << "killed before write " << n;
      EXPECT_EQ(before, DumpTables(data())) << "killed before write " << n;
    } else {
      EXPECT_EQ(0u, code);
      EXPECT_DOUBLE_EQ(410, test::BalanceOf(data(), "李四"));
    }
  }
}

TEST_F(AtomicityTest, AReceiptACorrectedReceiptAndAnIncome) {
  const DocumentDate today{2014, 10, 22};
  MoneyEntry receipt;
  receipt.party = L"李四";
  receipt.date = L"2014-10-22";
  receipt.amount = L"100";
  receipt.user = L"老板";
  // The item, the record, the balance.
  EXPECT_EQ(3, FailEveryWrite([&](KXPDatavane& data) {
              return SaveMoneyEntry(data, receipt, today).status == MoneySaveStatus::kSaved;
            }));
  EXPECT_DOUBLE_EQ(-90, test::BalanceOf(data(), "李四"));

  // Corrected to another party: the old balance, the record, the new balance.
  receipt.openedNumber = L"SKD20141022001";
  receipt.party = L"张三";
  receipt.amount = L"30";
  EXPECT_EQ(3, FailEveryWrite([&](KXPDatavane& data) {
              return SaveMoneyEntry(data, receipt, today).status == MoneySaveStatus::kSaved;
            }));
  EXPECT_DOUBLE_EQ(10, test::BalanceOf(data(), "李四"));
  EXPECT_DOUBLE_EQ(-30, test::BalanceOf(data(), "张三"));

  MoneyEntry income;
  income.kind = MoneyKind::kIncomeExpense;
  income.item = L"房租";
  income.date = L"2014-10-22";
  income.amount = L"50";
  EXPECT_EQ(2, FailEveryWrite([&](KXPDatavane& data) {
              return SaveMoneyEntry(data, income, today).status == MoneySaveStatus::kSaved;
            }));
}

}  // namespace
}  // namespace documents
