// The master data forms' opening figures from their current ones, in memory, on the
// real Datavane.dll; names with a quote in them included.
#include "opening_figures.h"

#include <gtest/gtest.h>

#include "data_store.h"
#include "memory_fields.h"
#include "test_support/datavane_dll.h"

namespace pagekit {
namespace {

class OpeningFiguresTest : public test::DatavaneDllTest {
 protected:
  void Insert(const char* table, std::vector<std::string> values) {
    std::vector<DataField> record;
    for (const std::string& value : values) record.push_back(MakeDataField("", value));
    ASSERT_EQ(0, data().InsertRecord(table, &record));
  }
};

TEST_F(OpeningFiguresTest, InitialStockTakesBackWhatTheBillsMoved) {
  const char* product = "O'Brien 可乐";
  Insert("J4_Bill_Items", {"XSD20141022001", product, "3.00", "1", "3", ""});
  Insert("J4_Bill_Items", {"XSD20141022002", product, "2.50", "1", "3", ""});
  Insert("J4_Bill_Items", {"JHD20141022001", product, "10.00", "1", "3", ""});
  Insert("J4_Bill_Items", {"XSYDD20141022001", product, "99.00", "1", "3", ""});  // an order moves nothing
  Insert("J4_Bill_Items", {"XSD20141022003", "雪碧", "7.00", "1", "3", ""});
  MemoryFields fields;
  for (const wchar_t* name : {L"hpkc_new_pmgg", L"hpkc_new_dqkc", L"hpkc_new_cskc"})
    fields.Add(name, MemoryFields::Kind::kEdit);
  fields.SetText(L"hpkc_new_pmgg", PageText(product));
  fields.SetText(L"hpkc_new_dqkc", L"20");
  DeriveInitialStock(fields, data());
  EXPECT_EQ(L"15.50", fields.Text(L"hpkc_new_cskc"));  // 20 − 10 bought + 5.5 sold

  fields.Remove(L"hpkc_new_cskc");
  DeriveInitialStock(fields, data());  // a form without the field is left alone
  EXPECT_FALSE(fields.Exists(L"hpkc_new_cskc"));
}

TEST_F(OpeningFiguresTest, InitialBalanceTakesBackBillsAndMoney) {
  const char* party = "O'Neil";
  Insert("J4_Account_Data",
         {"2014-10-22", "XSD20141022001", "销售单", party, "100", "100.00", "", "", "", "60.00", ""});
  Insert("J4_Account_Data", {"2014-10-22", "SKD20141022001", "收款单", party, "", "15.00", "", "", "", "15", ""});
  Insert("J4_Account_Data", {"2014-10-22", "JHD20141022001", "进货单", party, "100", "50.00", "", "", "", "0.00", ""});
  Insert("J4_Account_Data", {"2014-10-22", "FKD20141022001", "付款单", party, "", "20.00", "", "", "", "20", ""});
  const struct {
    PageSide side;
    const wchar_t* initial;
  } cases[] = {
      {PageSide::kSales, L"75.00"},     // 100 − ((100 − 60) − 15)
      {PageSide::kPurchase, L"70.00"},  // 100 − ((50 − 0) − 20)
  };
  for (const auto& c : cases) {
    MemoryFields fields;
    for (const wchar_t* name : {L"khyqk_new_khmc", L"khyqk_new_dqysk", L"khyqk_new_csysk"})
      fields.Add(name, MemoryFields::Kind::kEdit);
    fields.SetText(L"khyqk_new_khmc", PageText(party));
    fields.SetText(L"khyqk_new_dqysk", L"100");
    DeriveInitialBalance(fields, data(), c.side);
    EXPECT_EQ(c.initial, fields.Text(L"khyqk_new_csysk"));
  }
}

}  // namespace
}  // namespace pagekit
