// Receipts, payments and cash-book records saved on the real Datavane.dll:
// their numbers, the parties' balances, corrections and deletes, and what is
// refused.
#include "money_store.h"

#include <gtest/gtest.h>

#include "bill_store.h"
#include "document_test_shop.h"
#include "record_fields.h"

namespace documents {
namespace {

using test::BalanceOf;

const DocumentDate kToday{2014, 10, 22};

MoneyEntry Entry(MoneyKind kind, const wchar_t* party, const wchar_t* amount, const wchar_t* date = L"2014-10-22") {
  MoneyEntry entry;
  entry.kind = kind;
  entry.party = party;
  entry.amount = amount;
  entry.date = date;
  entry.note = L"note";
  entry.user = L"老板";
  return entry;
}

class MoneyStoreTest : public test::ShopTest {
 protected:
  std::wstring Save(const MoneyEntry& entry) {
    const MoneySaveOutcome outcome = SaveMoneyEntry(data(), entry, kToday);
    EXPECT_EQ(MoneySaveStatus::kSaved, outcome.status) << entry.party << " " << entry.amount;
    return outcome.number;
  }
  // A stored record's column, by its number.
  std::string Stored(const std::wstring& number, const char* column) {
    Rows rows;
    EXPECT_TRUE(
        Query(data(), "J4_Account_Data", {Column(column), Key("单据编号", pagekit::LibraryText(number))}, &rows));
    return FirstValue(rows, 0);
  }
  size_t Records() {
    Rows rows;
    EXPECT_TRUE(Query(data(), "J4_Account_Data", {Column("单据编号")}, &rows));
    return rows.size();
  }
};

TEST_F(MoneyStoreTest, NumbersPerKindAndDayAlsoForBackDatedEntries) {
  // Dated earlier, numbered by the day of the save: the next one of the day
  // does not take its number again.
  EXPECT_EQ(L"SKD20141022001", Save(Entry(MoneyKind::kReceipt, L"张三", L"10", L"2014-10-01")));
  EXPECT_EQ(L"SKD20141022002", Save(Entry(MoneyKind::kReceipt, L"张三", L"10")));
  EXPECT_EQ(L"FKD20141022001", Save(Entry(MoneyKind::kPayment, L"大华公司", L"10", L"2014-09-30")));
  MoneyEntry income = Entry(MoneyKind::kIncomeExpense, L"", L"5");
  income.item = L"房租";
  EXPECT_EQ(L"SZD20141022001", Save(income));
  EXPECT_EQ(L"SKD20141023001",
            SaveMoneyEntry(data(), Entry(MoneyKind::kReceipt, L"张三", L"1"), {2014, 10, 23}).number);
  EXPECT_EQ(5u, Records());
  EXPECT_EQ("2014-10-01", Stored(L"SKD20141022001", "单据日期"));
}

TEST_F(MoneyStoreTest, TheRowsOfAReceiptAPaymentAndAnIncome) {
  const std::wstring receipt = Save(Entry(MoneyKind::kReceipt, L"李四", L"12.5"));
  const struct {
    const char* column;
    const wchar_t* value;
  } receiptRow[] = {{"单据日期", L"2014-10-22"},  {"类型", L"收款单"},    {"客户名称", L"李四"},
                    {"折扣率", L"100"},           {"收款金额", L"12.50"}, {"说明", L"note"},
                    {"收支项目", L"收订金/欠款"}, {"操作人", L"老板"},    {"实际金额", L"12.50"}};
  for (const auto& cell : receiptRow) EXPECT_EQ(pagekit::LibraryText(cell.value), Stored(receipt, cell.column));
  MoneyEntry payment = Entry(MoneyKind::kPayment, L"大华公司", L"20");
  payment.salesman = L"小王";
  const std::wstring paid = Save(payment);
  EXPECT_EQ(pagekit::LibraryText(L"付款单"), Stored(paid, "类型"));
  EXPECT_EQ(pagekit::LibraryText(L"付订金/欠款"), Stored(paid, "收支项目"));
  EXPECT_EQ(pagekit::LibraryText(L"小王"), Stored(paid, "业务员"));
  Rows items;
  ASSERT_TRUE(Query(data(), "J4_Account_Item", {Column("项目名称"), Column("项目类别")}, &items));
  EXPECT_EQ(2u, items.size());
  // An item that exists keeps its kind; a second receipt of the day is stored
  // too.
  Save(Entry(MoneyKind::kReceipt, L"张三", L"1"));
  MoneyEntry income = Entry(MoneyKind::kIncomeExpense, L"", L"5");
  income.item = L"付订金/欠款";
  income.income = true;
  Save(income);
  items.clear();
  ASSERT_TRUE(Query(data(), "J4_Account_Item",
                    {Column("项目类别"), Key("项目名称", pagekit::LibraryText(L"付订金/欠款"))}, &items));
  EXPECT_EQ(pagekit::LibraryText(L"支出"), FirstValue(items, 0));
}

TEST_F(MoneyStoreTest, BalancesAfterReceiptsPaymentsCorrectionsAndDeletes) {
  const std::wstring receipt = Save(Entry(MoneyKind::kReceipt, L"李四", L"100"));
  EXPECT_DOUBLE_EQ(-90, BalanceOf(data(), "李四"));
  const std::wstring payment = Save(Entry(MoneyKind::kPayment, L"大华公司", L"50"));
  EXPECT_DOUBLE_EQ(-50, BalanceOf(data(), "大华公司"));
  // A supplier without a row: the payment is stored, no balance changes.
  const std::wstring stranger = Save(Entry(MoneyKind::kPayment, L"无名公司", L"7"));
  EXPECT_EQ(pagekit::LibraryText(L"无名公司"), Stored(stranger, "客户名称"));

  // Corrected to another party and amount: the old amount back on 李四, the new
  // off 张三.
  MoneyEntry corrected = Entry(MoneyKind::kReceipt, L"张三", L"30", L"2014-10-20");
  corrected.openedNumber = receipt;
  EXPECT_EQ(receipt, Save(corrected));
  EXPECT_DOUBLE_EQ(10, BalanceOf(data(), "李四"));
  EXPECT_DOUBLE_EQ(-30, BalanceOf(data(), "张三"));
  EXPECT_EQ("30.00", Stored(receipt, "收款金额"));
  EXPECT_EQ("2014-10-20", Stored(receipt, "单据日期"));
  EXPECT_EQ(3u, Records());

  // Deletes take each record's effect back once.
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), receipt));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "张三"));
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), payment));
  EXPECT_DOUBLE_EQ(0, BalanceOf(data(), "大华公司"));
  EXPECT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), stranger));
  EXPECT_EQ(0u, Records());
}

TEST_F(MoneyStoreTest, ACorrectedIncomeKeepsItsNumber) {
  MoneyEntry income = Entry(MoneyKind::kIncomeExpense, L"", L"5");
  income.item = L"房租";
  const std::wstring number = Save(income);
  income.openedNumber = number;
  income.amount = L"8";
  income.item = L"水电";
  income.income = false;
  EXPECT_EQ(number, Save(income));
  EXPECT_EQ(1u, Records());
  EXPECT_EQ("8.00", Stored(number, "实际金额"));
  EXPECT_EQ(pagekit::LibraryText(L"水电"), Stored(number, "收支项目"));
  // A record deleted meanwhile is not made again by its correction.
  ASSERT_EQ(pagekit::StoreResult::kDone, DeleteBill(data(), number));
  EXPECT_EQ(MoneySaveStatus::kNotFound, SaveMoneyEntry(data(), income, kToday).status);
  EXPECT_EQ(0u, Records());
}

TEST_F(MoneyStoreTest, AmountsAndWhatIsRefused) {
  const struct {
    const wchar_t* typed;
    const wchar_t* stored;
  } amounts[] = {{L"", L""}, {L"0", L""}, {L"0.001", L""}, {L"abc", L""}, {L"-20", L"-20.00"}, {L"12.5", L"12.50"}};
  for (const auto& a : amounts) EXPECT_EQ(a.stored, MoneyAmount(a.typed)) << a.typed;

  const std::vector<std::string> before = test::DumpTables(data());
  MoneyEntry noItem = Entry(MoneyKind::kIncomeExpense, L"", L"5");
  MoneyEntry badText = Entry(MoneyKind::kReceipt, L"张三", L"5");
  badText.note = L"\u00e9\u0301\U0001F600";
  const struct {
    MoneyEntry entry;
    MoneySaveStatus status;
  } refused[] = {
      {Entry(MoneyKind::kReceipt, L"张三", L""), MoneySaveStatus::kAmountNeeded},
      {Entry(MoneyKind::kReceipt, L"张三", L"0.00"), MoneySaveStatus::kAmountNeeded},
      {Entry(MoneyKind::kPayment, L"大华公司", L"abc"), MoneySaveStatus::kAmountNeeded},
      {Entry(MoneyKind::kReceipt, L"", L"5"), MoneySaveStatus::kPartyNeeded},
      {noItem, MoneySaveStatus::kItemNeeded},
      {badText, MoneySaveStatus::kTextNotStorable},
  };
  for (const auto& r : refused) EXPECT_EQ(r.status, SaveMoneyEntry(data(), r.entry, kToday).status) << r.entry.amount;
  EXPECT_EQ(before, test::DumpTables(data()));
  // A negative amount is a correction and passes.
  Save(Entry(MoneyKind::kReceipt, L"张三", L"-20"));
  EXPECT_DOUBLE_EQ(20, BalanceOf(data(), "张三"));
}

}  // namespace
}  // namespace documents
