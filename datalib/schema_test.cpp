// The schema of a new file, its default rows, reopening and encryption.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "test_database.h"

namespace {

class Schema : public DatabaseTest {};

TEST_F(Schema, NewFileHasEveryTableViewAndDefaultParty) {
  const char* tables[] = {"J4_Sys_User", "J4_Sys_Setting", "J4_Sys_SideBar_Item", "J4_Product_Type",
                          "J4_Product_Unit", "J4_Product_Data", "J4_Customer_Data", "J4_Customer_TradePrice",
                          "J4_Supplier_ContractPrice", "J4_Account_Data", "J4_Bill_Items", "J4_Account_Item",
                          "J4_Product_CostPrice", "J4_Sales_Order", "tb_priority", "J4_Saler", "J4_LogicalUnit"};
  const char* views[] = {"J4_V_Product_Inventory", "J4_V_Customer_Receivable", "J4_V_Supplier_Payable",
                         "J4_V_Product_Account", "J4_V_Account_Data"};
  for (const char* t : tables)
    EXPECT_EQ("table", Value(std::string("select type from sqlite_master where name='") + t + "'")) << t;
  for (const char* v : views)
    EXPECT_EQ("view", Value(std::string("select type from sqlite_master where name='") + v + "'")) << v;
  EXPECT_EQ("17", Value("select count(*) from sqlite_master where type='table'"));
  EXPECT_EQ("5", Value("select count(*) from sqlite_master where type='view'"));

  auto parties = Rows("select 客户名称, 类型, 当前应收款 from J4_Customer_Data order by rowid");
  ASSERT_EQ(3u, parties.size());
  EXPECT_EQ((std::vector<std::string>{"零售客户", "客户", ""}), parties[0]);
  EXPECT_EQ((std::vector<std::string>{"批发客户", "客户", ""}), parties[1]);
  EXPECT_EQ((std::vector<std::string>{"零散供应商", "供应商", ""}), parties[2]);

  std::vector<DataField> columns;
  ASSERT_EQ(0, data_->GetTableFields("J4_Product_Data", &columns));
  ASSERT_EQ(13u, columns.size());
  EXPECT_EQ("商品名称", columns[0].name);
  EXPECT_EQ("操作人", columns[12].name);
  ASSERT_EQ(0, data_->GetTableFields("J4_V_Supplier_Payable", &columns));
  ASSERT_EQ(4u, columns.size());
  EXPECT_EQ("供应商名称", columns[0].name);
  EXPECT_EQ("应付款", columns[3].name);
}

TEST_F(Schema, ReopeningKeepsUserDataAndAddsNoDuplicates) {
  ASSERT_EQ(0, data_->AddUser("老板", "pw"));
  Exec("delete from J4_Customer_Data where 客户名称='批发客户'");
  KXPData again;
  EXPECT_EQ(0, again.OpenDatabase(path_.c_str()));
  EXPECT_EQ(0, again.CheckUserPassword("老板", "pw"));
  // The default parties come back only as a whole group: one deleted alone stays deleted.
  EXPECT_EQ("2", Value("select count(*) from J4_Customer_Data"));
  EXPECT_EQ("<no row>", Value("select 客户名称 from J4_Customer_Data where 客户名称='批发客户'"));
}

TEST_F(Schema, FileIsEncryptedAndNeedsTheKey) {
  FILE* f = std::fopen(path_.c_str(), "rb");
  ASSERT_NE(nullptr, f);
  char header[16] = {};
  ASSERT_EQ(16u, std::fread(header, 1, 16, f));
  std::fclose(f);
  EXPECT_NE(0, std::memcmp(header, "SQLite format 3", 15));

  for (const char* key : {"", "bramblecot_wev~?"}) {
    CppSQLite3DB db;
    ConnectionSettings settings = data_->connectionSettings();
    settings.key = key;
    db.open(settings);
    EXPECT_THROW(db.execQuery("select count(*) from J4_Sys_User"), CppSQLite3Exception) << key;
  }
  KXPData other;
  EXPECT_EQ(0, other.OpenDatabase(path_.c_str()));  // the library's own key opens it
}

// Every connection derives the key with one round; the same key with the cipher's
// default derivation is a different key and does not read the file.
TEST_F(Schema, KeyIsDerivedWithOneRound) {
  for (int rounds : {0, 1}) {
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(path_.c_str(), &db));
    if (rounds) sqlite3mc_config_cipher(db, "chacha20", "kdf_iter", rounds);
    sqlite3_key(db, kDatabaseKey, static_cast<int>(std::strlen(kDatabaseKey)));
    const int rc = sqlite3_exec(db, "select count(*) from J4_Sys_User", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(rounds ? SQLITE_OK : SQLITE_NOTADB, rc) << rounds;
  }
}

TEST(SchemaPaths, BadPathsAreRejected) {
  KXPData data;
  EXPECT_EQ(-1, data.OpenDatabase(nullptr));
  EXPECT_EQ(-1, data.OpenDatabase(std::string(260, 'a').c_str()));
  EXPECT_EQ(-1, data.AddUser("a", "b"));  // still no database
  EXPECT_EQ(1, data.OpenDatabase("Z:\\no\\such\\folder\\kx_jxc.db"));
  // The path is kept even when it cannot be opened; later operations fail the same way.
  EXPECT_EQ(1, data.AddUser("a", "b"));
}

}  // namespace
