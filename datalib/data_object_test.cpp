// The result code of every slot: before a database is opened, while another
// connection locks the file, and on a read-only file.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "test_support/test_database.h"

namespace {

void NoRow(intptr_t, std::vector<DataField>*) {}
void NoType(intptr_t, const char*, const char*, const char*) {}

struct SlotCase {
  const char* slot;
  std::function<int(KXPData&)> call;
  int noDatabase;
  int locked;
  int readOnly;
};

std::vector<DataField> Rec(std::initializer_list<std::pair<const char*, const char*>> fields) {
  std::vector<DataField> record;
  for (const auto& f : fields) record.push_back(MakeDataField(f.first, f.second));
  return record;
}

const std::vector<SlotCase>& SlotCases() {
  static const std::vector<SlotCase> cases = {
      {"1 AddUser", [](KXPData& d) { return d.AddUser("新", ""); }, -1, 1, 1},
      {"2 DeleteUser", [](KXPData& d) { return d.DeleteUser("u", "p"); }, 1, 1, 1},
      {"3 CheckUserPassword", [](KXPData& d) { return d.CheckUserPassword("u", "p"); }, 1, 1, 0},
      {"4 GetUserNames",
       [](KXPData& d) {
         std::vector<std::string> v;
         return d.GetUserNames(&v);
       },
       1, 1, 0},
      {"5 GetUserPassword",
       [](KXPData& d) {
         char b[KXP_TEXT_BUFFER_SIZE];
         return d.GetUserPassword("u", b);
       },
       1, 1, 0},
      {"6 SetUserPassword", [](KXPData& d) { return d.SetUserPassword("u", "q", "", ""); }, 1, 1, 1},
      {"7 SetUserEmail", [](KXPData& d) { return d.SetUserEmail("u", "e"); }, 1, 1, 1},
      {"8 GetUserEmail",
       [](KXPData& d) {
         char b[KXP_TEXT_BUFFER_SIZE];
         return d.GetUserEmail("u", b);
       },
       1, 1, 0},
      {"9 SetSavePassword (insert)", [](KXPData& d) { return d.SetSavePassword("新", true); }, 1, 1, 3},
      {"9 SetSavePassword (update)", [](KXPData& d) { return d.SetSavePassword("u", false); }, 1, 1, 2},
      {"9 SetSavePassword (same)", [](KXPData& d) { return d.SetSavePassword("u", true); }, 1, 1, 0},
      {"10 GetSavePassword", [](KXPData& d) { return d.GetSavePassword("u"); }, 0, 0, 1},
      {"11 GetTableFields",
       [](KXPData& d) {
         std::vector<DataField> v;
         return d.GetTableFields("J4_Sys_User", &v);
       },
       1, 1, 0},
      {"12 GetTableColumnNames",
       [](KXPData& d) {
         std::vector<std::string> v;
         return d.GetTableColumnNames("J4_Sys_User", &v);
       },
       1, 1, 0},
      {"13 QueryRecords",
       [](KXPData& d) {
         auto r = Rec({{"name", ""}});
         std::vector<std::vector<DataField>> rows;
         return d.QueryRecords("J4_Sys_User", &r, &rows);
       },
       1, 1, 0},
      {"14 QueryRecordsCallback",
       [](KXPData& d) {
         auto r = Rec({{"name", ""}});
         return d.QueryRecordsCallback("J4_Sys_User", 0, &r, NoRow);
       },
       1, 1, 0},
      {"15 InsertRecord",
       [](KXPData& d) {
         auto r = Rec({{"", "箱"}});
         return d.InsertRecord("J4_Product_Unit", &r);
       },
       1, 1, 1},
      {"16 UpdateRecord",
       [](KXPData& d) {
         auto s = Rec({{"email", "x"}}), k = Rec({{"name", "u"}});
         return d.UpdateRecord("J4_Sys_User", &s, &k);
       },
       1, 1, 1},
      {"17 DeleteRecords",
       [](KXPData& d) {
         auto k = Rec({{"name", "u"}});
         return d.DeleteRecords("J4_Sys_User", &k);
       },
       1, 1, 1},
      {"18 RunReport",
       [](KXPData& d) {
         auto p = Rec({{"a", ""}});
         return d.RunReport("xstjbg", 0, &p, NoRow);
       },
       0, 0, 0},
      {"19 AddSideBarItem", [](KXPData& d) { return d.AddSideBarItem("n", "i", "t"); }, -1, 1, 1},
      {"20 DeleteSideBarItem", [](KXPData& d) { return d.DeleteSideBarItem("n"); }, 1, 1, 1},
      {"21 GetSideBarItems",
       [](KXPData& d) {
         std::vector<SideBarItem> v;
         return d.GetSideBarItems(&v, nullptr);
       },
       1, 1, 0},
      {"22 AddProductType", [](KXPData& d) { return d.AddProductType("类", "", 0); }, -1, 1, 1},
      {"23 DeleteProductType", [](KXPData& d) { return d.DeleteProductType("类"); }, 1, 1, 1},
      {"24 GetProductTypes", [](KXPData& d) { return d.GetProductTypes(0, NoType); }, 1, 1, 0},
      {"25 GetProductType",
       [](KXPData& d) {
         char b[KXP_TEXT_BUFFER_SIZE];
         int l;
         return d.GetProductType("类", b, &l);
       },
       1, 1, 2},
      {"26 AddProductUnit", [](KXPData& d) { return d.AddProductUnit("个"); }, -1, 1, 1},
      {"27 DeleteProductUnit", [](KXPData& d) { return d.DeleteProductUnit(nullptr); }, 1, 1, 1},
      {"28 AdjustStock",
       [](KXPData& d) {
         std::vector<std::vector<DataField>> lines = {Rec({{"商品名称", "甲"}, {"数量", "1"}})};
         return d.AdjustStock("XSD1", &lines, false);
       },
       1, 1, 1},
  };
  return cases;
}

class StatusCodes : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    ASSERT_EQ(0, data_->AddUser("u", "p"));
    ASSERT_EQ(0, data_->SetSavePassword("u", true));
    Exec("insert into J4_Product_Data (商品名称, 当前库存) values ('甲','5')");
  }
};

TEST_F(StatusCodes, BeforeOpenDatabase) {
  for (const SlotCase& c : SlotCases()) {
    KXPData fresh;
    EXPECT_EQ(c.noDatabase, c.call(fresh)) << c.slot;
  }
}

TEST_F(StatusCodes, WhileAnotherConnectionLocksTheFile) {
  KXPData impatient(20);
  ASSERT_EQ(0, impatient.OpenDatabase(path_.c_str()));
  CppSQLite3DB holder;
  holder.open(data_->connectionSettings());
  holder.execDML("pragma locking_mode=normal; begin exclusive");
  for (const SlotCase& c : SlotCases()) EXPECT_EQ(c.locked, c.call(impatient)) << c.slot;
  EXPECT_EQ(1, impatient.OpenDatabase(path_.c_str()));
  holder.execDML("commit");
  EXPECT_EQ(0, impatient.CheckUserPassword("u", "p"));
}

// Another program holds the file open and denies writing, so every connection can
// only read it. (A read-only attribute would do the same on Windows, but does not
// stop a Wine process that runs as root.)
TEST_F(StatusCodes, OnAFileThatCanOnlyBeRead) {
  {
    // SQLite retries a refused open for more than a second; one quick retry is enough here.
    CppSQLite3DB db;
    db.open(data_->connectionSettings());
    int retry[2] = {1, 1};
    sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_WIN32_AV_RETRY, retry);
  }
  HANDLE holder = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, holder);
  KXPData reader;
  EXPECT_EQ(0, reader.OpenDatabase(path_.c_str()));  // the schema is there already
  for (const SlotCase& c : SlotCases()) {
    int expected = c.readOnly;
    if (std::string(c.slot) == "10 GetSavePassword") expected = 1;  // the stored flag
    EXPECT_EQ(expected, c.call(reader)) << c.slot;
  }
  CloseHandle(holder);
  EXPECT_EQ(0, reader.CheckUserPassword("u", "p"));  // nothing was changed
  EXPECT_EQ("5", Value("select 当前库存 from J4_Product_Data"));
}

TEST(NullArguments, AnswerMinusOneAndTouchNothing) {
  KXPData data;
  std::vector<DataField> record = {MakeDataField("a", "")};
  EXPECT_EQ(-1, data.OpenDatabase(nullptr));
  EXPECT_EQ(-1, data.GetUserNames(nullptr));
  EXPECT_EQ(-1, data.GetUserPassword("u", nullptr));
  EXPECT_EQ(-1, data.QueryRecords("t", &record, nullptr));
  EXPECT_EQ(-1, data.QueryRecordsCallback("t", 0, &record, nullptr));
  EXPECT_EQ(-1, data.UpdateRecord("t", &record, nullptr));
  EXPECT_EQ(-1, data.DeleteRecords(nullptr, &record));
  EXPECT_EQ(-1, data.AdjustStock("XSD", nullptr, false));
  EXPECT_EQ(0, data.RunReport(nullptr, 0, nullptr, nullptr));
}

}  // namespace
