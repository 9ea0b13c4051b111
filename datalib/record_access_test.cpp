// Generic record access over the real tables: insert, query, callback, update, delete.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "test_support/test_database.h"

namespace {

class Records : public DatabaseTest {
 protected:
  void AddProduct(const std::string& name, const std::string& stock, const std::string& type = "") {
    std::vector<DataField> values = {MakeDataField("商品名称", name), MakeDataField("商品类别", type)};
    for (int i = 2; i < 7; ++i) values.push_back(MakeDataField("", ""));
    values.push_back(MakeDataField("当前库存", stock));
    ASSERT_EQ(0, data_->InsertRecord("J4_Product_Data", &values)) << name;
  }
  std::vector<std::vector<DataField>> Query(std::vector<DataField> record, const char* table = "J4_Product_Data",
                                            int expected = 0) {
    std::vector<std::vector<DataField>> rows;
    EXPECT_EQ(expected, data_->QueryRecords(table, &record, &rows));
    return rows;
  }
};

TEST_F(Records, InsertPadsMissingColumnsAndRejectsDuplicatesAndExtraValues) {
  std::vector<DataField> two = {MakeDataField("a", "单号1"), MakeDataField("b", "甲")};
  EXPECT_EQ(0, data_->InsertRecord("J4_Bill_Items", &two));
  EXPECT_EQ((std::vector<std::string>{"单号1", "甲", "", "", "", ""}), Rows("select * from J4_Bill_Items")[0]);
  std::vector<DataField> unit = {MakeDataField("计量单位", "个")};
  EXPECT_EQ(0, data_->InsertRecord("J4_Product_Unit", &unit));
  EXPECT_EQ(1, data_->InsertRecord("J4_Product_Unit", &unit));
  std::vector<DataField> tooMany = {MakeDataField("", "箱"), MakeDataField("", "x")};
  EXPECT_EQ(1, data_->InsertRecord("J4_Product_Unit", &tooMany));
  EXPECT_EQ(1, data_->InsertRecord("J4_No_Such_Table", &unit));
  std::vector<DataField> empty;
  EXPECT_EQ(0, data_->InsertRecord("J4_Product_Unit", &empty));
}

TEST_F(Records, QueryAppendsRowsAndRewritesTheRecord) {
  AddProduct("苹果", "10", "水果");
  AddProduct("香蕉", "5", "水果");
  AddProduct("白菜", "7", "蔬菜");
  std::vector<DataField> record = {Field("商品名称"), Field("当前库存"), Field("商品类别", "水果", 0, 1)};
  std::vector<std::vector<DataField>> rows(1);  // appended to, never cleared
  ASSERT_EQ(0, data_->QueryRecords("J4_Product_Data", &record, &rows));
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ("苹果", rows[1][0].value);
  EXPECT_EQ("10", rows[1][1].value);
  EXPECT_EQ("香蕉", rows[2][0].value);
  EXPECT_EQ("水果", rows[2][2].value);  // hidden condition keeps its value
  EXPECT_EQ("香蕉", record[0].value);   // the caller's record holds the last row
}

TEST_F(Records, OrderingReturnsOnlyTheFirstRow) {
  AddProduct("b", "2");
  AddProduct("a", "1");
  AddProduct("c", "3");
  auto rows = Query({Field("商品名称", "", 5)});
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("a", rows[0][0].value);
  rows = Query({Field("商品名称", "", 4)});
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("c", rows[0][0].value);
}

TEST_F(Records, FailingQueriesAnswerOne) {
  Query({Field("没有这列")}, "J4_Product_Data", 1);
  Query({Field("商品名称", "", 0, 1)}, "J4_Product_Data", 1);                         // nothing selected
  Query({Field("商品名称", "", 4), Field("当前库存", "", 5)}, "J4_Product_Data", 1);  // two orderings
  Query({Field("a")}, "J4_No_Such_Table", 1);
  EXPECT_TRUE(Query({}).empty());
}

// A selected field is matched to the result column of its name while rows are read;
// "x as y" selects a column named y, so the field finds nothing to read.
TEST_F(Records, FieldWithoutAResultColumnFailsOnceARowIsRead) {
  const std::vector<DataField> renamed = {Field("商品名称 as 名称")};
  EXPECT_TRUE(Query(renamed, "J4_Product_Data", 0).empty());  // no row, nothing to read
  AddProduct("甲", "1");
  EXPECT_TRUE(Query(renamed, "J4_Product_Data", 1).empty());
  std::vector<DataField> record = renamed;
  EXPECT_EQ(1, data_->QueryRecordsCallback("J4_Product_Data", 0, &record, [](intptr_t, std::vector<DataField>*) {
    ADD_FAILURE() << "a row was delivered";
  }));
}

TEST_F(Records, QuotesEverywhere) {
  AddProduct("O'Brien's", "1");
  AddProduct("x", "2");
  auto rows = Query({Field("商品名称"), Field("商品名称", "O'Brien's", 0, 1)});
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("O'Brien's", rows[0][0].value);

  std::vector<DataField> set = {MakeDataField("备注", "it's \"fine\"")};
  std::vector<DataField> key = {MakeDataField("商品名称", "O'Brien's")};
  EXPECT_EQ(0, data_->UpdateRecord("J4_Product_Data", &set, &key));
  EXPECT_EQ("it's \"fine\"", Value("select 备注 from J4_Product_Data where 商品名称='O''Brien''s'"));

  std::vector<DataField> injection = {MakeDataField("商品名称", "x' or '1'='1")};
  EXPECT_EQ(0, data_->DeleteRecords("J4_Product_Data", &injection));
  EXPECT_EQ("2", Value("select count(*) from J4_Product_Data"));
  // A half double-byte character must not take the doubled quote with it.
  std::vector<DataField> halfCharacter = {MakeDataField("商品名称", "\x81' or 1=1 --")};
  EXPECT_EQ(0, data_->DeleteRecords("J4_Product_Data", &halfCharacter));
  EXPECT_EQ("2", Value("select count(*) from J4_Product_Data"));
  EXPECT_EQ(0, data_->DeleteRecords("J4_Product_Data", &key));
  EXPECT_EQ("1", Value("select count(*) from J4_Product_Data"));
}

TEST_F(Records, TextEndingInHalfACharacterIsStored) {
  AddProduct("甲\x81", "1");
  auto rows = Query({Field("商品名称")});
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("甲?", rows[0][0].value);
}

TEST_F(Records, UpdateAndDeleteWithEmptyLists) {
  AddProduct("a", "1");
  AddProduct("b", "2");
  std::vector<DataField> set = {MakeDataField("当前库存", "0")};
  std::vector<DataField> none;
  EXPECT_EQ(0, data_->UpdateRecord("J4_Product_Data", &set, &none));  // every row
  EXPECT_EQ("2", Value("select count(*) from J4_Product_Data where 当前库存='0'"));
  EXPECT_EQ(0, data_->UpdateRecord("J4_Product_Data", &none, &set));  // nothing to set
  EXPECT_EQ(0, data_->DeleteRecords("J4_Product_Data", &none));       // nothing deleted
  EXPECT_EQ("2", Value("select count(*) from J4_Product_Data"));
  std::vector<DataField> badColumn = {MakeDataField("没有这列", "1")};
  EXPECT_EQ(1, data_->UpdateRecord("J4_Product_Data", &set, &badColumn));
  EXPECT_EQ(1, data_->DeleteRecords("J4_Product_Data", &badColumn));
}

TEST_F(Records, ColumnLists) {
  std::vector<DataField> fields = {MakeDataField("old", "")};
  EXPECT_EQ(0, data_->GetTableFields("J4_Account_Item", &fields));
  ASSERT_EQ(2u, fields.size());
  EXPECT_EQ("项目名称", fields[0].name);
  EXPECT_EQ("=", fields[0].op);
  EXPECT_EQ(-1, fields[0].index);
  std::vector<std::string> names = {"old"};
  EXPECT_EQ(0, data_->GetTableColumnNames("J4_Account_Item", &names));
  EXPECT_EQ((std::vector<std::string>{"old", "项目名称", "项目类别"}), names);
  EXPECT_EQ(0, data_->GetTableFields("J4_No_Such_Table", &fields));
  EXPECT_TRUE(fields.empty());
}

struct Collected {
  std::vector<std::string> names;
  KXPData* data = nullptr;
  int nestedResult = -2;
};

void CollectName(intptr_t context, std::vector<DataField>* row) {
  auto* collected = reinterpret_cast<Collected*>(context);
  collected->names.push_back((*row)[0].value);
  if (collected->data) collected->nestedResult = collected->data->CheckUserPassword((*row)[0].value.c_str(), "");
}

void Throwing(intptr_t, std::vector<DataField>*) { throw std::runtime_error("list is gone"); }

TEST_F(Records, CallbackQueriesCanSearchByPinyin) {
  AddProduct("中国茶", "1");
  AddProduct("苹果", "1");
  AddProduct("中关村", "1");
  Collected collected;
  std::vector<DataField> record = {Field("商品名称"), RawCondition("Hanzi2Pinyin(商品名称) like 'zg%'")};
  EXPECT_EQ(
      0, data_->QueryRecordsCallback("J4_Product_Data", reinterpret_cast<intptr_t>(&collected), &record, CollectName));
  std::sort(collected.names.begin(), collected.names.end());
  EXPECT_EQ((std::vector<std::string>{"中关村", "中国茶"}), collected.names);
  // Other operations do not know the function.
  EXPECT_TRUE(Query(record, "J4_Product_Data", 1).empty());
}

TEST_F(Records, CallbackMayReadThroughTheDataObjectAgain) {
  AddProduct("甲", "1");
  ASSERT_EQ(0, data_->AddUser("甲", ""));
  Collected collected;
  collected.data = data_.get();
  std::vector<DataField> record = {Field("商品名称")};
  EXPECT_EQ(
      0, data_->QueryRecordsCallback("J4_Product_Data", reinterpret_cast<intptr_t>(&collected), &record, CollectName));
  EXPECT_EQ(0, collected.nestedResult);
}

// The callback holds the record itself; one that empties it gets the next rows in
// the record as it left it, and nothing is written past its end.
void TakeRow(intptr_t context, std::vector<DataField>* row) {
  auto* taken = reinterpret_cast<std::vector<std::vector<DataField>>*>(context);
  taken->push_back(std::move(*row));
  row->clear();
}

TEST_F(Records, CallbackMayTakeTheRecordApart) {
  AddProduct("甲", "1");
  AddProduct("乙", "2");
  std::vector<std::vector<DataField>> taken;
  std::vector<DataField> record = {Field("商品名称"), Field("当前库存")};
  EXPECT_EQ(0, data_->QueryRecordsCallback("J4_Product_Data", reinterpret_cast<intptr_t>(&taken), &record, TakeRow));
  ASSERT_EQ(2u, taken.size());
  ASSERT_EQ(2u, taken[0].size());
  EXPECT_EQ("甲", taken[0][0].value);
  EXPECT_EQ("1", taken[0][1].value);
  EXPECT_TRUE(taken[1].empty());
  EXPECT_TRUE(record.empty());
}

TEST_F(Records, ThrowingCallbackIsAnError) {
  AddProduct("甲", "1");
  std::vector<DataField> record = {Field("商品名称")};
  EXPECT_EQ(1, data_->QueryRecordsCallback("J4_Product_Data", 0, &record, Throwing));
  EXPECT_EQ(0, data_->AddProductUnit("个"));  // nothing left open or locked
}

}  // namespace
