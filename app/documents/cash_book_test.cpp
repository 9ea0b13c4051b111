// The cash book's rows on the real Datavane.dll: the opening row from the
// library's opening report, running balances, the totals row, and each record
// counted by the stored kind of its item.
#include "cash_book.h"

#include <gtest/gtest.h>

#include "data_store.h"
#include "document_test_shop.h"
#include "money_store.h"

namespace documents {
namespace {

class CashBookTest : public test::ShopTest {
 protected:
  void Record(const wchar_t* date, const wchar_t* item, bool income, const wchar_t* amount) {
    MoneyEntry entry;
    entry.kind = MoneyKind::kIncomeExpense;
    entry.date = date;
    entry.item = item;
    entry.income = income;
    entry.amount = amount;
    entry.user = L"老板";
    ASSERT_EQ(MoneySaveStatus::kSaved, SaveMoneyEntry(data(), entry, {2014, 10, 22}).status);
  }
  // Each row as "日期|收入|支出|结余", library text turned back.
  static std::vector<std::wstring> Lines(const std::vector<CashBookRow>& rows) {
    std::vector<std::wstring> lines;
    for (const CashBookRow& row : rows) {
      std::wstring line = row.framing ? L"* " : L"";
      for (size_t i : {0u, 5u, 6u, 7u}) line += (i ? L"|" : L"") + pagekit::PageText(row.cells[i].value);
      lines.push_back(line);
    }
    return lines;
  }
};

TEST_F(CashBookTest, APeriodBetweenItsOpeningAndItsTotals) {
  Record(L"2014-09-30", L"房租收入", true, L"100");
  Record(L"2014-10-05", L"房租收入", true, L"50");
  Record(L"2014-10-06", L"水电", false, L"20");
  Record(L"2014-11-01", L"水电", false, L"5");
  const std::vector<std::wstring> period = {L"* 期初|100.00|0.00|100.00", L"2014-10-05|50.00||150.00",
                                            L"2014-10-06||20.00|130.00", L"* 合计|150.00|20.00|130.00"};
  EXPECT_EQ(period, Lines(ReadCashBook(data(), {true, L"2014-10-01", L"2014-10-31"})));
  // Nothing before the start: an opening of zeros.
  const std::vector<std::wstring> first = {L"* 期初|0.00|0.00|0.00", L"2014-09-30|100.00||100.00",
                                           L"* 合计|100.00|0.00|100.00"};
  EXPECT_EQ(first, Lines(ReadCashBook(data(), {true, L"2014-09-01", L"2014-09-30"})));
  // The page opened: every record, the opening row without figures.
  const std::vector<std::wstring> all = {L"* 期初|||",
                                         L"2014-09-30|100.00||100.00",
                                         L"2014-10-05|50.00||150.00",
                                         L"2014-10-06||20.00|130.00",
                                         L"2014-11-01||5.00|125.00",
                                         L"* 合计|150.00|25.00|125.00"};
  EXPECT_EQ(all, Lines(ReadCashBook(data(), {})));
}

TEST_F(CashBookTest, ARecordCountsByItsItemsStoredKind) {
  Record(L"2014-10-05", L"杂项", false, L"30");
  // Saved as an income under an item stored as an expense: an expense.
  Record(L"2014-10-06", L"杂项", true, L"12");
  // Bills and receipts count by their items, stored by their saves.
  ASSERT_EQ(BillSaveStatus::kSaved,
            SaveBill(data(), test::SalesBill(L"张三", L"6.00", L"6.00", {test::Line(L"可乐", L"瓶", L"2", L"3", L"6")}))
                .status);
  const std::vector<std::wstring> rows = {L"* 期初|||", L"2014-10-05||30.00|-30.00", L"2014-10-06||12.00|-42.00",
                                          L"2014-10-22|6.00||-36.00", L"* 合计|6.00|42.00|-36.00"};
  EXPECT_EQ(rows, Lines(ReadCashBook(data(), {})));
}

}  // namespace
}  // namespace documents
