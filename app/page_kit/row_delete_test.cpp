// Deleting the record behind a master data row, on the real Datavane.dll: each list
// deletes its own record by the row's key cells and answers kDeleted only when the
// library did; a cancelled question, a built-in party, a missing or empty key cell, a
// list that is not master data and a failed delete keep the row and the record.
// The stores' deletes leave the other records (and quotes in names work).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "memory_fields.h"
#include "record_delete_store.h"
#include "row_delete.h"
#include "test_support/datavane_dll.h"
#include "test_support/forwarding_datavane.h"

namespace {

using pagekit::MemoryFields;
using pagekit::RowDeleteOutcome;
using pagekit::StoreResult;

class RowDelete : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override {
    DatavaneDllTest::SetUp();
    for (const char* product : {"可乐", "O'Brien's 茶"}) Insert("J4_Product_Data", {{"商品名称", product}});
    Insert("J4_Customer_Data", {{"客户名称", "张三"}, {"类型", "客户"}});
    Insert("J4_Customer_Data", {{"客户名称", "李四"}, {"类型", "供应商"}});
    Insert("J4_Customer_TradePrice", {{"客户名称", "张三"}, {"商品名称", "可乐"}});
    Insert("J4_Customer_TradePrice", {{"客户名称", "张三"}, {"商品名称", "O'Brien's 茶"}});
    Insert("J4_Supplier_ContractPrice", {{"供应商名称", "李四"}, {"商品名称", "可乐"}});
    Insert("J4_Account_Item", {{"项目名称", "房租"}, {"项目类别", "支出"}});
  }

  void Insert(const char* table, std::vector<std::pair<const char*, const char*>> columns) {
    std::vector<DataField> values;
    for (const auto& c : columns) values.push_back(MakeDataField(c.first, c.second));
    ASSERT_EQ(0, data().InsertRecord(table, &values)) << table;
  }

  // The values of one column of a table, sorted (by their GBK bytes), joined by "|".
  std::string Column(const char* table, const char* column) {
    std::vector<DataField> fields = {MakeDataField(column, "")};
    std::vector<std::vector<DataField>> rows;
    data().QueryRecords(table, &fields, &rows);
    std::vector<std::string> values;
    for (const auto& row : rows) values.push_back(row.front().value);
    std::sort(values.begin(), values.end());
    std::string text;
    for (const std::string& value : values) text += (text.empty() ? "" : "|") + value;
    return text;
  }

  std::string Everything() {
    return Column("J4_Product_Data", "商品名称") + " / " + Column("J4_Customer_Data", "客户名称") + " / " +
           Column("J4_Customer_TradePrice", "商品名称") + " / " + Column("J4_Supplier_ContractPrice", "商品名称") +
           " / " + Column("J4_Account_Item", "项目名称");
  }
};

const char kAll[] = "O'Brien's 茶|可乐 / 李四|零散供应商|零售客户|批发客户|张三 / O'Brien's 茶|可乐 / 可乐 / 房租";

struct Case {
  const char* what;
  const wchar_t* list;
  std::vector<std::pair<const wchar_t*, const wchar_t*>> cells;  // the row's cells and texts
  bool confirmed;
  int failWrite;  // the n-th write fails; 0 none
  RowDeleteOutcome outcome;
  const char* left;  // what the database holds afterwards
};

TEST_F(RowDelete, EachListDeletesItsRecordOnlyWhenTheLibraryDid) {
  const Case cases[] = {
      {"a product",
       L"listhpkc",
       {{L"item_商品名称", L"O'Brien's 茶"}},
       true,
       0,
       RowDeleteOutcome::kDeleted,
       "可乐 / 李四|零散供应商|零售客户|批发客户|张三 / O'Brien's 茶|可乐 / 可乐 / 房租"},
      {"a customer",
       L"listkhyqk",
       {{L"item_客户名称", L"张三"}},
       true,
       0,
       RowDeleteOutcome::kDeleted,
       "O'Brien's 茶|可乐 / 李四|零散供应商|零售客户|批发客户 / O'Brien's 茶|可乐 / 可乐 / 房租"},
      {"a supplier by its own cell",
       L"listkhyqk",
       {{L"item_供应商名称", L"李四"}},
       true,
       0,
       RowDeleteOutcome::kDeleted,
       "O'Brien's 茶|可乐 / 零散供应商|零售客户|批发客户|张三 / O'Brien's 茶|可乐 / 可乐 / 房租"},
      {"a trade price needs both cells",
       L"listdkhpfj",
       {{L"item_客户名称", L"张三"}, {L"item_商品名称", L"可乐"}},
       true,
       0,
       RowDeleteOutcome::kDeleted,
       "O'Brien's 茶|可乐 / 李四|零散供应商|零售客户|批发客户|张三 / O'Brien's 茶 / 可乐 / 房租"},
      {"a contract price",
       L"listgyshtj",
       {{L"item_供应商名称", L"李四"}, {L"item_商品名称", L"可乐"}},
       true,
       0,
       RowDeleteOutcome::kDeleted,
       "O'Brien's 茶|可乐 / 李四|零散供应商|零售客户|批发客户|张三 / O'Brien's 茶|可乐 /  / 房租"},
      {"an income or expense item",
       L"listszxm",
       {{L"item_项目名称", L"房租"}},
       true,
       0,
       RowDeleteOutcome::kDeleted,
       "O'Brien's 茶|可乐 / 李四|零散供应商|零售客户|批发客户|张三 / O'Brien's 茶|可乐 / 可乐 / "},
      // Each of these keeps the row and the record.
      {"the question cancelled",
       L"listhpkc",
       {{L"item_商品名称", L"可乐"}},
       false,
       0,
       RowDeleteOutcome::kCancelled,
       kAll},
      {"a built-in party", L"listkhyqk", {{L"item_供应商名称", L"零散供应商"}}, true, 0, RowDeleteOutcome::kKept, kAll},
      {"a row without its key cell", L"listhpkc", {{L"item_单位", L"瓶"}}, true, 0, RowDeleteOutcome::kKept, kAll},
      {"an empty key cell", L"listszxm", {{L"item_项目名称", L""}}, true, 0, RowDeleteOutcome::kKept, kAll},
      {"a trade price without its product cell",
       L"listdkhpfj",
       {{L"item_客户名称", L"张三"}},
       true,
       0,
       RowDeleteOutcome::kKept,
       kAll},
      {"a failed delete", L"listhpkc", {{L"item_商品名称", L"可乐"}}, true, 1, RowDeleteOutcome::kKept, kAll},
      {"a bill list is its page's",
       L"listxsd",
       {{L"item_单据编号", L"XSD001"}},
       true,
       0,
       RowDeleteOutcome::kNotHere,
       kAll},
      {"an unknown list", L"listfoo", {{L"item_商品名称", L"可乐"}}, true, 0, RowDeleteOutcome::kNotHere, kAll},
  };
  for (const Case& c : cases) {
    SetUp();
    MemoryFields fields;
    std::vector<MemoryFields::Control> cells;
    for (const auto& cell : c.cells) cells.push_back({cell.first, MemoryFields::Kind::kEdit});
    fields.AddRow(c.list, {{L"item_no"}});
    const int row = fields.AddRow(c.list, cells);
    for (const auto& cell : c.cells) fields.SetText(pagekit::Cell(c.list, row, cell.first), cell.second);
    pagekit::test::ForwardingDatavane forwarding(data());
    forwarding.FailWrite(c.failWrite);
    int asked = 0;
    const RowDeleteOutcome outcome = pagekit::DeleteSelectedRow(fields, &forwarding, c.list, row, [&] {
      ++asked;
      return c.confirmed;
    });
    EXPECT_EQ(c.outcome, outcome) << c.what;
    EXPECT_EQ(c.outcome == RowDeleteOutcome::kNotHere ? 0 : 1, asked) << c.what;
    EXPECT_EQ(c.left, Everything()) << c.what;
  }
}

TEST_F(RowDelete, StoresAnswerTheirResult) {
  pagekit::RecordDeleteStore store(data());
  EXPECT_EQ(StoreResult::kRefused, store.DeleteParty(L"零售客户"));
  EXPECT_EQ(StoreResult::kRefused, store.DeleteParty(L"批发客户"));
  EXPECT_EQ(StoreResult::kTextNotStorable, store.DeleteProduct(L"\u0E01"));
  EXPECT_EQ(kAll, Everything());
  // A name that matches nothing changes nothing.
  EXPECT_EQ(StoreResult::kDone, store.DeleteAccountItem(L"水电"));
  EXPECT_EQ(StoreResult::kDone, store.DeleteTradePrice(L"张三", L"O'Brien's 茶"));
  EXPECT_EQ("O'Brien's 茶|可乐 / 李四|零散供应商|零售客户|批发客户|张三 / 可乐 / 可乐 / 房租", Everything());
  // Without a database the library refuses, and so does the store.
  pagekit::test::ForwardingDatavane forwarding(data());
  forwarding.FailWrite(1, -1);
  EXPECT_EQ(StoreResult::kNoDatabase, pagekit::RecordDeleteStore(forwarding).DeleteProduct(L"可乐"));
}

}  // namespace
