// The schema of a new file, its default rows, reopening and encryption.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>

#include "test_support/test_database.h"

namespace {

class Schema : public DatabaseTest {};

TEST_F(Schema, NewFileHasEveryTableViewAndDefaultParty) {
  const char* tables[] = {"J4_Sys_User",
                          "J4_Sys_Setting",
                          "J4_Sys_SideBar_Item",
                          "J4_Product_Type",
                          "J4_Product_Unit",
                          "J4_Product_Data",
                          "J4_Customer_Data",
                          "J4_Customer_TradePrice",
                          "J4_Supplier_ContractPrice",
                          "J4_Account_Data",
                          "J4_Bill_Items",
                          "J4_Account_Item",
                          "J4_Product_CostPrice",
                          "J4_Sales_Order",
                          "tb_priority",
                          "J4_Saler",
                          "J4_LogicalUnit"};
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

// The columns that the program's field records and reports name, in stored order.
TEST_F(Schema, EveryTableAndViewHasItsColumnsInOrder) {
  struct Case {
    const char* table;
    const char* columns;
  };
  const Case cases[] = {
      {"J4_Sys_User", "name,pwd,email,question,answer"},
      {"J4_Sys_Setting", "name,savepwd"},
      {"J4_Sys_SideBar_Item", "name,image,tip"},
      {"J4_Product_Type", "商品类别,上级类别,级别"},
      {"J4_Product_Unit", "计量单位"},
      {"J4_Product_Data",
       "商品名称,商品类别,计量单位,进货价,零售价,批发价,客户批发价,当前库存,初始库存,最低库存,"
       "最高库存,备注,操作人"},
      {"J4_Customer_Data", "客户名称,类型,联系人,联系电话,传真,QQ,邮箱,地址,邮编,当前应收款,初始应收款,备注,操作人"},
      {"J4_Customer_TradePrice", "客户名称,商品名称,单位,客户批发价"},
      {"J4_Supplier_ContractPrice", "供应商名称,商品名称,单位,供应商合同价"},
      {"J4_Account_Data", "单据日期,单据编号,类型,客户名称,折扣率,收款金额,说明,收支项目,操作人,实际金额,业务员"},
      {"J4_Bill_Items", "单据编号,商品名称,数量,单价,金额,备注"},
      {"J4_Account_Item", "项目名称,项目类别"},
      {"J4_Product_CostPrice", "商品名称,单位成本"},
      {"J4_Sales_Order", "单据日期,单据编号,类型,客户名称,交货日期,订货数量,已发数量,折扣率,应收金额,说明,操作人"},
      {"tb_priority", "name,autorun,exit_min"},
      {"J4_Saler", "name"},
      {"J4_LogicalUnit", "name,name_basic,value,product"},
      {"J4_V_Product_Inventory", "商品名称,商品类别,单位,库存,进货价,批发价,零售价"},
      {"J4_V_Customer_Receivable", "客户名称,联系人,电话,应收款"},
      {"J4_V_Supplier_Payable", "供应商名称,联系人,电话,应付款"},
      {"J4_V_Product_Account", "单据日期,单据编号,类型,客户名称,折扣率,收款金额,说明,操作人,实际金额,业务员"},
      {"J4_V_Account_Data", "业务日期,业务编号,摘要,往来单位,收支项目,收入,支出,结余"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    ASSERT_EQ(0, data_->GetTableColumnNames(c.table, &names)) << c.table;
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ",") + name;
    EXPECT_EQ(c.columns, joined) << c.table;
  }
  // Keys: a second row with the same key is refused.
  EXPECT_EQ("1", Value("select pk from pragma_table_info('J4_Customer_TradePrice') where name='客户名称'"));
  EXPECT_EQ("2", Value("select pk from pragma_table_info('J4_Customer_TradePrice') where name='商品名称'"));
  EXPECT_EQ("0", Value("select count(*) from pragma_table_info('J4_Bill_Items') where pk>0"));
  // Foreign keys are declared for documentation only: a product may name a category
  // or unit that is not (or no longer) stored.
  std::vector<DataField> product = {MakeDataField("", "甲"), MakeDataField("", "没有的类别"),
                                    MakeDataField("", "没有的单位")};
  EXPECT_EQ(0, data_->InsertRecord("J4_Product_Data", &product));
  EXPECT_EQ("1",
            Value("select count(*) from pragma_foreign_key_list('J4_Product_Data') where \"table\"='J4_Product_Type'"));
  // The party views split the parties by their type.
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"零售客户"}, {"批发客户"}}),
            Rows("select 客户名称 from J4_V_Customer_Receivable"));
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"零散供应商"}}),
            Rows("select 供应商名称 from J4_V_Supplier_Payable"));
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

// The default parties are inserted in order until one of them exists already.
TEST_F(Schema, DefaultPartiesComeBackUpToTheFirstOneThatExists) {
  struct Case {
    std::set<std::string> deleted;
    std::set<std::string> afterReopening;
  };
  const Case cases[] = {
      {{"批发客户"}, {"零售客户", "零散供应商"}},
      {{"零售客户"}, {"零售客户", "批发客户", "零散供应商"}},
      {{"零售客户", "零散供应商"}, {"零售客户", "批发客户"}},
      {{"零售客户", "批发客户", "零散供应商"}, {"零售客户", "批发客户", "零散供应商"}},
  };
  for (const Case& c : cases) {
    Exec("delete from J4_Customer_Data");
    Exec("insert into J4_Customer_Data (客户名称) values ('零售客户'), ('批发客户'), ('零散供应商')");
    for (const std::string& party : c.deleted) Exec("delete from J4_Customer_Data where 客户名称='" + party + "'");
    ASSERT_EQ(0, data_->OpenDatabase(path_.c_str()));
    std::set<std::string> parties;
    for (const auto& row : Rows("select 客户名称 from J4_Customer_Data")) parties.insert(row[0]);
    EXPECT_EQ(c.afterReopening, parties) << c.deleted.size() << " deleted";
  }
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
  std::string wide;  // 180 bytes here, 270 bytes in UTF-8
  for (int i = 0; i < 90; ++i) wide += "库";
  EXPECT_EQ(-1, data.OpenDatabase(nullptr));
  EXPECT_EQ(-1, data.OpenDatabase(std::string(260, 'a').c_str()));
  EXPECT_EQ(-1, data.OpenDatabase(wide.c_str()));
  EXPECT_EQ(-1, data.AddUser("a", "b"));  // still no database
  EXPECT_EQ(1, data.OpenDatabase("Z:\\no\\such\\folder\\kx_jxc.db"));
  // The path is kept even when it cannot be opened; later operations fail the same way.
  EXPECT_EQ(1, data.AddUser("a", "b"));
}

TEST_F(Schema, RejectedPathsKeepTheOpenFileAndAnotherPathSwitchesToIt) {
  ASSERT_EQ(0, data_->AddUser("甲", ""));
  EXPECT_EQ(-1, data_->OpenDatabase(nullptr));
  EXPECT_EQ(-1, data_->OpenDatabase(std::string(300, 'a').c_str()));
  EXPECT_EQ(0, data_->CheckUserPassword("甲", ""));

  const std::string second = TestDatabasePath("_second");
  std::remove(second.c_str());
  ASSERT_EQ(0, data_->OpenDatabase(second.c_str()));
  EXPECT_EQ(2, data_->CheckUserPassword("甲", ""));  // a new file of its own
  EXPECT_EQ(0, data_->AddUser("乙", ""));
  ASSERT_EQ(0, data_->OpenDatabase(path_.c_str()));
  EXPECT_EQ(0, data_->CheckUserPassword("甲", ""));
  EXPECT_EQ(2, data_->CheckUserPassword("乙", ""));
  std::remove(second.c_str());
}

}  // namespace
