// Document numbers: formatting, the sequence of a stored number, the next number
// from a table of stored ones, and the same on the real Datavane.dll.
#include "document_numbers.h"

#include <gtest/gtest.h>

#include "data_store.h"
#include "document_history.h"
#include "test_support/datavane_dll.h"

namespace documents {
namespace {

const DocumentDate kDay{2014, 10, 22};

TEST(DocumentNumbers, Format) {
  const struct {
    DocumentKind kind;
    DocumentDate date;
    int sequence;
    const wchar_t* number;
  } cases[] = {
      {DocumentKind::kSalesBill, kDay, 7, L"XSD20141022007"},
      {DocumentKind::kPurchaseBill, {2015, 1, 2}, 1, L"JHD20150102001"},
      {DocumentKind::kSalesOrder, kDay, 12, L"XSYDD20141022012"},
      {DocumentKind::kPurchaseOrder, kDay, 999, L"CGYDD20141022999"},
      {DocumentKind::kReceipt, kDay, 1000, L"SKD201410221000"},
      {DocumentKind::kPayment, kDay, 3, L"FKD20141022003"},
      {DocumentKind::kIncomeExpense, kDay, 3, L"SZD20141022003"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.number, FormatDocumentNumber(c.kind, c.date, c.sequence));
}

TEST(DocumentNumbers, SequenceOfAStoredNumber) {
  const struct {
    const wchar_t* number;
    DocumentKind kind;
    int sequence;
  } cases[] = {
      {L"XSD20141022007", DocumentKind::kSalesBill, 7},
      {L"XSD201410221000", DocumentKind::kSalesBill, 1000},
      {L"XSYDD20141022041", DocumentKind::kSalesOrder, 41},
      {L"XSD20141022", DocumentKind::kSalesBill, 0},              // no sequence at all
      {L"XSD20141022abc", DocumentKind::kSalesBill, 0},           // no leading digits
      {L"XSD2014102200x", DocumentKind::kSalesBill, 0},           // leading digits only
      {L"XSD20141022\uFF10\uFF17", DocumentKind::kSalesBill, 0},  // full-width digits are no sequence
      {L"XSD20141023007", DocumentKind::kSalesBill, -1},          // another day
      {L"JHD20141022007", DocumentKind::kSalesBill, -1},          // another kind
      {L"XSD2014102", DocumentKind::kSalesBill, -1},              // too short to carry the date
      {L"", DocumentKind::kSalesBill, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(c.sequence, SequenceOf(c.number, c.kind, kDay)) << c.number;
}

TEST(DocumentNumbers, NextSequenceComparesNumbersAsNumbers) {
  const struct {
    const char* what;
    std::vector<std::wstring> stored;
    int next;
  } cases[] = {
      {"none", {}, 1},
      {"one more", {L"XSD20141022007"}, 8},
      {"the highest, not the last", {L"XSD20141022007", L"XSD20141022003"}, 8},
      {"1000 follows 999", {L"XSD20141022999"}, 1000},
      {"1000 is higher than 999", {L"XSD20141022999", L"XSD201410221000"}, 1001},
      {"a later day's numbers do not count", {L"XSD20141022004", L"XSD20141023050"}, 5},
      {"a short text does not count", {L"XSD2014", L"XSD20141022002"}, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(c.next, NextSequence(c.stored, DocumentKind::kSalesBill, kDay)) << c.what;
}

TEST(DocumentNumbers, DateTexts) {
  DocumentDate date;
  ASSERT_TRUE(ParseDocumentDate(L"2014-10-22", &date));
  EXPECT_EQ(2014, date.year);
  EXPECT_EQ(10, date.month);
  EXPECT_EQ(22, date.day);
  EXPECT_EQ(L"2014-01-02", DocumentDateText({2014, 1, 2}));
  for (const wchar_t* bad : {L"", L"2014-13-01", L"2014/10/22", L"2014-10-22x", L"abc"})
    EXPECT_FALSE(ParseDocumentDate(bad, &date)) << bad;
}

TEST(DocumentNumbers, HistoryOrder) {
  const struct {
    const char* a;
    const char* b;
    int order;  // the sign of the comparison
  } cases[] = {
      {"XSD20141022999", "XSD201410221000", -1}, {"XSD201410221000", "XSD20141022999", 1},
      {"XSD20141021005", "XSD20141022001", -1},  {"XSD20141022007", "XSD20141022007", 0},
      {"XSD20141022007", "XSD2014102207", 0},  // leading zeros aside, the same number
      {"XSD20141022", "XSD20141022001", -1},     {"JHD20141023001", "XSD20141022001", -1},
      {"XSD20141022abc", "XSD20141022abd", -1},
  };
  for (const auto& c : cases) {
    const int order = CompareDocumentNumbers(c.a, c.b);
    EXPECT_EQ(c.order, (order > 0) - (order < 0)) << c.a << " " << c.b;
  }
}

class StoredNumbersTest : public pagekit::test::DatavaneDllTest {
 protected:
  void StoreBill(const char* date, const char* number, const char* type) {
    std::vector<DataField> record = {MakeDataField("单据日期", date), MakeDataField("单据编号", number),
                                     MakeDataField("类型", type)};
    ASSERT_EQ(0, data().InsertRecord("J4_Account_Data", &record));
  }
  void StoreOrder(const char* date, const char* number, const char* type) {
    std::vector<DataField> record = {MakeDataField("单据日期", date), MakeDataField("单据编号", number),
                                     MakeDataField("类型", type)};
    ASSERT_EQ(0, data().InsertRecord("J4_Sales_Order", &record));
  }
};

TEST_F(StoredNumbersTest, NextNumberFromTheStoredDocuments) {
  EXPECT_EQ(L"XSD20141022001", NextDocumentNumber(data(), DocumentKind::kSalesBill, kDay));

  StoreBill("2014-10-22", "XSD20141022007", "销售单");
  StoreBill("2014-10-23", "XSD20141023050", "销售单");  // a later day's
  StoreBill("2014-10-22", "JHD20141022020", "进货单");  // another kind's
  StoreBill("2014-10-22", "SKD20141022004", "收款单");
  StoreOrder("2014-10-22", "XSYDD20141022999", "销售预定单");
  StoreOrder("2014-10-22", "XSYDD201410221000", "销售预定单");

  const struct {
    DocumentKind kind;
    DocumentDate date;
    const wchar_t* next;
  } cases[] = {
      {DocumentKind::kSalesBill, kDay, L"XSD20141022008"},
      {DocumentKind::kSalesBill, {2014, 10, 23}, L"XSD20141023051"},
      {DocumentKind::kSalesBill, {2014, 10, 21}, L"XSD20141021001"},  // never another day's sequence
      {DocumentKind::kPurchaseBill, kDay, L"JHD20141022021"},
      {DocumentKind::kSalesOrder, kDay, L"XSYDD201410221001"},
      {DocumentKind::kPurchaseOrder, kDay, L"CGYDD20141022001"},
      {DocumentKind::kReceipt, kDay, L"SKD20141022005"},
      {DocumentKind::kPayment, kDay, L"FKD20141022001"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.next, NextDocumentNumber(data(), c.kind, c.date));
}

}  // namespace
}  // namespace documents
