// The conditions of a bill or order search and the amounts of a bill opened
// again, as tables of cases.
#include "document_search.h"

#include <gtest/gtest.h>

#include "bill_amounts.h"
#include "data_store.h"

namespace documents {
namespace {

using pagekit::LibraryText;
using pagekit::PageSide;

// The raw conditions of a record (library text), and the value of its type key.
std::vector<std::string> RawConditions(const pagekit::Record& record) {
  std::vector<std::string> raw;
  for (const DataField& field : record)
    if (field.valueType == 2) raw.push_back(field.name);
  return raw;
}

std::string TypeOf(const pagekit::Record& record) {
  for (const DataField& field : record)
    if (field.name == LibraryText(L"类型") && field.hidden) return field.value;
  return "<none>";
}

TEST(DocumentSearchTest, BillConditions) {
  const std::wstring longText(1000, L'货');
  const std::wstring dates = L"(单据日期>='2014-10-01' and 单据日期<='2014-10-31')";
  auto anyColumn = [](const std::wstring& like) {
    return L" and (客户名称 like '%" + like + L"%' or 业务员 like '%" + like + L"%' or 单据编号 like '%" + like +
           L"%' or 说明 like '%" + like + L"%')";
  };
  const struct {
    PageSide side;
    SearchTerms terms;
    std::vector<std::wstring> raw;
    const wchar_t* type;
  } cases[] = {
      {PageSide::kSales, {L"2014-10-01", L"2014-10-31", L"", L""}, {dates}, L"销售单"},
      {PageSide::kPurchase, {L"2014-10-01", L"2014-10-31", L"", L""}, {dates}, L"进货单"},
      {PageSide::kSales, {L"2014-10-01", L"2014-10-31", L"张", L""}, {dates + anyColumn(L"张")}, L"销售单"},
      {PageSide::kSales, {L"2014-10-01", L"2014-10-31", L"O'Neil", L""}, {dates + anyColumn(L"O''Neil")}, L"销售单"},
      {PageSide::kSales, {L"2014-10-01", L"2014-10-31", longText, L""}, {dates + anyColumn(longText)}, L"销售单"},
      {PageSide::kSales, {L"2014-10-01", L"2014-10-31", L"", L"销售出货"}, {dates, L"收款金额>=0"}, L"销售单"},
      {PageSide::kSales, {L"2014-10-01", L"2014-10-31", L"", L"销售退货"}, {dates, L"收款金额<0"}, L"销售单"},
      {PageSide::kPurchase, {L"2014-10-01", L"2014-10-31", L"", L"采购进货"}, {dates, L"收款金额>=0"}, L"进货单"},
      {PageSide::kPurchase, {L"2014-10-01", L"2014-10-31", L"", L"采购退货"}, {dates, L"收款金额<0"}, L"进货单"},
      // A date left empty bounds nothing.
      {PageSide::kSales, {L"", L"2014-10-31", L"", L""}, {L"(单据日期<='2014-10-31')"}, L"销售单"},
      {PageSide::kSales,
       {L"", L"", L"张", L""},
       {L"(客户名称 like '%张%' or 业务员 like '%张%' or 单据编号 like '%张%' "
        L"or 说明 like '%张%')"},
       L"销售单"},
      {PageSide::kSales, {L"", L"", L"", L""}, {}, L"销售单"},
  };
  for (const auto& c : cases) {
    const pagekit::Record record = BillSearchRecord(c.side, c.terms);
    std::vector<std::string> raw;
    for (const std::wstring& condition : c.raw) raw.push_back(LibraryText(condition));
    EXPECT_EQ(raw, RawConditions(record)) << c.terms.text.substr(0, 20) << " " << c.terms.type;
    EXPECT_EQ(LibraryText(c.type), TypeOf(record));
    // The history's columns come first, in the shape the rows are read in.
    ASSERT_GE(record.size(), 8u);
    EXPECT_EQ(LibraryText(L"单据编号"), record[1].name);
    EXPECT_EQ(0, record[1].hidden);
  }
}

TEST(DocumentSearchTest, OrderConditionsSearchThreeColumnsAndNoSign) {
  const pagekit::Record record =
      OrderSearchRecord(PageSide::kPurchase, {L"2014-10-01", L"2014-10-31", L"a'b", L"采购退货"});
  const std::vector<std::string> expected = {
      LibraryText(L"(单据日期>='2014-10-01' and 单据日期<='2014-10-31') and "
                  L"(客户名称 like '%a''b%' or 单据编号 like '%a''b%' or "
                  L"说明 like '%a''b%')")};
  EXPECT_EQ(expected, RawConditions(record));
  EXPECT_EQ(LibraryText(L"采购预定单"), TypeOf(record));
}

TEST(DocumentSearchTest, DateRanges) {
  const struct {
    const wchar_t *start, *end, *condition;
  } cases[] = {
      {L"", L"", L""},
      {L"2014-10-01", L"", L"(单据日期>='2014-10-01')"},
      {L"", L"2014-10-31", L"(单据日期<='2014-10-31')"},
      {L"2014-10-01", L"2014-10-31", L"(单据日期>='2014-10-01' and 单据日期<='2014-10-31')"},
      {L"2014'", L"", L"(单据日期>='2014''')"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LibraryText(c.condition), DateRangeCondition(LibraryText(L"单据日期").c_str(), c.start, c.end))
        << c.start << " " << c.end;
}

TEST(BillAmountsTest, ThePercentOfAnOpenedBill) {
  const struct {
    const wchar_t *rate, *due, *sales, *percent;
  } cases[] = {
      {L"95", L"95.00", L"100.00", L"95"},      // stored: as stored, never 94
      {L"", L"95.00", L"100.00", L"95.00"},     // none: due / sales
      {L"0", L"90.00", L"100.00", L"90.00"},    // 0 is no rate
      {L"abc", L"90.00", L"100.00", L"90.00"},  // neither is a text
      {L"", L"100.00", L"100.00", L"100"},      // sales equal to due
      {L"", L"50.00", L"0", L"100"},            // no sales amount
      {L"", L"94.99", L"99.99", L"95.00"},      // rounded, not cut
      {L"87.5", L"87.50", L"100.00", L"87.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.percent, OpenedBillPercent(c.rate, c.due, c.sales)) << c.rate << " " << c.due << " " << c.sales;
}

TEST(BillAmountsTest, TheSalesAmountOfAStoredBill) {
  const struct {
    const wchar_t *due, *rate, *sales;
  } cases[] = {
      {L"95.00", L"95", L"100.00"}, {L"95.00", L"100", L"95.00"}, {L"95.00", L"0", L"95.00"},
      {L"95.00", L"abc", L"95.00"}, {L"95.00", L"", L"95.00"},    {L"-20.00", L"80", L"-25.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.sales, SalesAmountBeforeDiscount(c.due, c.rate)) << c.due << " " << c.rate;
}

TEST(BillAmountsTest, NumberTexts) {
  const struct {
    const wchar_t* text;
    bool number;
  } cases[] = {{L"", false},    {L"0", true},   {L"abc", false}, {L"-20", true},
               {L"12.5", true}, {L"1x", false}, {L" 3", true},   {L"inf", false}};
  for (const auto& c : cases) EXPECT_EQ(c.number, IsNumberText(c.text)) << c.text;
}

}  // namespace
}  // namespace documents
