// Units of work on the data object: every write operation joins the unit and is
// undone by a rollback; reads inside see the unit's writes, other connections see
// the state before it; a failing call undoes only its own writes and leaves the
// unit open; a report inside reads through the unit; a unit whose transaction
// ends underneath stores nothing more; other
// threads wait for the unit's lock; a unit left open by its thread or its data
// object is rolled back.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "test_support/test_database.h"

namespace {

class WorkUnitTest : public DatabaseTest {
 protected:
  // Every table's rows, as another connection sees them.
  std::string Dump() {
    std::string dump;
    for (const auto& table : Rows("select name from sqlite_master where type='table' order by name")) {
      dump += "[" + table[0] + "]\n";
      for (const auto& row : Rows("select * from " + table[0] + " order by rowid")) {
        for (const std::string& value : row) dump += value + "|";
        dump += "\n";
      }
    }
    return dump;
  }
  std::string Stock(const std::string& product) {
    std::vector<DataField> record = {Field("当前库存"), Field("商品名称", product, 0, 1)};
    std::vector<std::vector<DataField>> rows;
    EXPECT_EQ(0, data_->QueryRecords("J4_Product_Data", &record, &rows));
    return rows.empty() ? "<no row>" : rows[0][0].value;
  }
  static std::vector<std::vector<DataField>> Lines(std::initializer_list<std::pair<const char*, const char*>> lines) {
    std::vector<std::vector<DataField>> rows;
    for (const auto& line : lines) rows.push_back({Field("商品名称", line.first), Field("数量", line.second)});
    return rows;
  }
  void AddProduct(const char* name, const char* stock) {
    std::vector<DataField> product = {Field("", name), Field("", ""),  Field("", "个"), Field("", "5"),
                                      Field("", "9"),  Field("", "8"), Field("", ""),   Field("", stock)};
    ASSERT_EQ(0, data_->InsertRecord("J4_Product_Data", &product));
  }
};

// Each write operation, called inside a unit: a rollback leaves every table as it
// was, and the same call committed does change them (so the rollback had
// something to undo).
TEST_F(WorkUnitTest, EveryWriteOperationJoinsTheUnit) {
  AddProduct("苹果", "10");
  ASSERT_EQ(0, data_->AddUser("老板", ""));
  ASSERT_EQ(0, data_->AddProductType("水果", "", 1));
  ASSERT_EQ(0, data_->AddSideBarItem("设置", "set.png", ""));
  ASSERT_EQ(0, data_->AddProductUnit("个"));
  // The cases run in turn on one file, each committed once.
  struct Case {
    const char* name;
    std::function<int(KXPData&)> write;
  };
  const Case cases[] = {
      {"AddUser", [](KXPData& d) { return d.AddUser("营业员", "x"); }},
      {"DeleteUser", [](KXPData& d) { return d.DeleteUser("老板", ""); }},
      {"SetUserPassword", [](KXPData& d) { return d.SetUserPassword("营业员", "p", "q", "a"); }},
      {"SetUserEmail", [](KXPData& d) { return d.SetUserEmail("营业员", "a@b"); }},
      {"SetSavePassword", [](KXPData& d) { return d.SetSavePassword("老板", true); }},
      {"InsertRecord",
       [](KXPData& d) {
         std::vector<DataField> values = {Field("", "箱")};
         return d.InsertRecord("J4_Product_Unit", &values);
       }},
      {"UpdateRecord",
       [](KXPData& d) {
         std::vector<DataField> values = {Field("当前库存", "3")};
         std::vector<DataField> keys = {Field("商品名称", "苹果")};
         return d.UpdateRecord("J4_Product_Data", &values, &keys);
       }},
      {"DeleteRecords",
       [](KXPData& d) {
         std::vector<DataField> keys = {Field("客户名称", "零售客户")};
         return d.DeleteRecords("J4_Customer_Data", &keys);
       }},
      {"AddSideBarItem", [](KXPData& d) { return d.AddSideBarItem("首页", "a.png", "tip"); }},
      {"DeleteSideBarItem", [](KXPData& d) { return d.DeleteSideBarItem("设置"); }},
      {"AddProductType", [](KXPData& d) { return d.AddProductType("水果", "食品", 2); }},
      {"DeleteProductType", [](KXPData& d) { return d.DeleteProductType("水果"); }},
      {"AddProductUnit", [](KXPData& d) { return d.AddProductUnit("件"); }},
      {"DeleteProductUnit", [](KXPData& d) { return d.DeleteProductUnit("个"); }},
      {"AdjustStock",
       [](KXPData& d) {
         auto lines = Lines({{"苹果", "4"}});
         return d.AdjustStock("XSD1", &lines, false);
       }},
  };
  for (const Case& c : cases) {
    const std::string before = Dump();
    ASSERT_EQ(0, data_->BeginWork()) << c.name;
    EXPECT_EQ(0, c.write(*data_)) << c.name;
    EXPECT_EQ(before, Dump()) << c.name << ": seen outside the unit before its commit";
    EXPECT_EQ(0, data_->RollbackWork()) << c.name;
    EXPECT_EQ(before, Dump()) << c.name << ": left behind by the rollback";

    ASSERT_EQ(0, data_->BeginWork()) << c.name;
    EXPECT_EQ(0, c.write(*data_)) << c.name;
    EXPECT_EQ(0, data_->CommitWork()) << c.name;
    EXPECT_NE(before, Dump()) << c.name << ": the committed call changed nothing";
  }
}

TEST_F(WorkUnitTest, ReadsInsideTheUnitSeeItsWrites) {
  ASSERT_EQ(0, data_->BeginWork());
  ASSERT_EQ(0, data_->AddUser("营业员", "pw"));
  ASSERT_EQ(0, data_->SetUserEmail("营业员", "a@b"));
  ASSERT_EQ(0, data_->SetSavePassword("营业员", true));
  ASSERT_EQ(0, data_->AddProductType("水果", "", 1));
  ASSERT_EQ(0, data_->AddSideBarItem("首页", "home.png", "tip"));
  AddProduct("苹果", "10");

  EXPECT_EQ(0, data_->CheckUserPassword("营业员", "pw"));
  std::vector<std::string> names;
  EXPECT_EQ(0, data_->GetUserNames(&names));
  EXPECT_EQ(std::vector<std::string>{"营业员"}, names);
  char email[KXP_TEXT_BUFFER_SIZE] = "";
  EXPECT_EQ(0, data_->GetUserEmail("营业员", email));
  EXPECT_STREQ("a@b", email);
  EXPECT_EQ(1, data_->GetSavePassword("营业员"));
  char parent[KXP_TEXT_BUFFER_SIZE] = "x";
  int level = 0;
  EXPECT_EQ(0, data_->GetProductType("水果", parent, &level));
  EXPECT_EQ(1, level);
  std::vector<SideBarItem> items;
  EXPECT_EQ(0, data_->GetSideBarItems(&items, nullptr));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ("home.png", items[0].image);
  EXPECT_EQ("10", Stock("苹果"));

  // A row callback that queries again, with the pinyin search, while the outer
  // query of the unit's connection is still being stepped.
  struct Nested {
    KXPData* data;
    std::vector<std::string> found;
  } nested{data_.get(), {}};
  std::vector<DataField> outer = {Field("商品名称")};
  EXPECT_EQ(0,
            data_->QueryRecordsCallback(
                "J4_Product_Data", reinterpret_cast<intptr_t>(&nested), &outer,
                [](intptr_t context, std::vector<DataField>* row) {
                  auto* n = reinterpret_cast<Nested*>(context);
                  std::vector<DataField> inner = {Field("商品名称"), RawCondition("Hanzi2Pinyin(商品名称) like 'pg%'")};
                  n->data->QueryRecordsCallback("J4_Product_Data", context, &inner,
                                                [](intptr_t c, std::vector<DataField>* r) {
                                                  reinterpret_cast<Nested*>(c)->found.push_back((*r)[0].value);
                                                });
                  (void)row;
                }));
  EXPECT_EQ(std::vector<std::string>{"苹果"}, nested.found);
  EXPECT_EQ(0, data_->CommitWork());
}

// A call that fails inside the unit answers as it would outside, takes back only
// its own writes, and the unit goes on to commit everything else.
TEST_F(WorkUnitTest, AFailingCallFailsAloneAndTheUnitCommitsTheRest) {
  AddProduct("苹果", "10");
  AddProduct("坏货", "5");
  ASSERT_EQ(0, data_->AddProductType("水果", "食品", 1));
  // Updates of 坏货's stock and inserts of the category 坏类 fail in the middle
  // of their calls.
  Exec(
      "create trigger no_bad_stock before update on J4_Product_Data when new.商品名称='坏货' "
      "begin select raise(abort, 'refused'); end");
  Exec(
      "create trigger no_bad_type before insert on J4_Product_Type when new.上级类别='坏类' "
      "begin select raise(abort, 'refused'); end");

  ASSERT_EQ(0, data_->BeginWork());
  std::vector<DataField> header = {Field("", "2026-12-10"), Field("", "XSD001")};
  ASSERT_EQ(0, data_->InsertRecord("J4_Account_Data", &header));

  // The posting's first line went through before its second failed: undone.
  auto failing = Lines({{"苹果", "3"}, {"坏货", "1"}});
  EXPECT_EQ(1, data_->AdjustStock("XSD001", &failing, false));
  EXPECT_EQ("10", Stock("苹果"));
  // An unknown product is no failure: the other lines are posted.
  auto unknown = Lines({{"没有这个", "2"}, {"苹果", "2"}});
  EXPECT_EQ(0, data_->AdjustStock("XSD001", &unknown, false));
  EXPECT_EQ("8", Stock("苹果"));

  // A key that exists: the insert fails, the unit stays.
  EXPECT_EQ(1, data_->InsertRecord("J4_Account_Data", &header));
  EXPECT_EQ(0, data_->AddProductUnit("个"));
  EXPECT_EQ(1, data_->AddProductUnit("个"));
  // The replace deleted the old row before its insert failed: the old row is back.
  EXPECT_EQ(1, data_->AddProductType("水果", "坏类", 2));
  char parent[KXP_TEXT_BUFFER_SIZE] = "";
  int level = 0;
  EXPECT_EQ(0, data_->GetProductType("水果", parent, &level));
  EXPECT_STREQ("食品", parent);

  EXPECT_EQ(0, data_->CommitWork());
  EXPECT_EQ("8", Value("select 当前库存 from J4_Product_Data where 商品名称='苹果'"));
  EXPECT_EQ("5", Value("select 当前库存 from J4_Product_Data where 商品名称='坏货'"));
  EXPECT_EQ("1", Value("select count(*) from J4_Account_Data where 单据编号='XSD001'"));
  EXPECT_EQ("1", Value("select count(*) from J4_Product_Unit"));
  EXPECT_EQ("食品", Value("select 上级类别 from J4_Product_Type where 商品类别='水果'"));
}

// A failure that ends the whole transaction (here a trigger's RAISE(ROLLBACK);
// a full disk or an I/O error do the same) must not leave the thread's later
// calls committing one by one: they fail, and the commit answers -1.
TEST_F(WorkUnitTest, AUnitWhoseTransactionEndedUnderneathStoresNothingMore) {
  Exec(
      "create trigger end_all before insert on J4_Product_Unit when new.计量单位='坏' "
      "begin select raise(rollback, 'ended'); end");
  const std::string before = Dump();
  ASSERT_EQ(0, data_->BeginWork());
  ASSERT_EQ(0, data_->AddProductUnit("箱"));
  EXPECT_EQ(1, data_->AddProductUnit("坏"));
  EXPECT_EQ(1, data_->AddProductUnit("件"));
  EXPECT_EQ(1, data_->AddUser("营业员", ""));
  std::vector<std::string> names;
  EXPECT_EQ(1, data_->GetUserNames(&names));
  EXPECT_EQ(-1, data_->CommitWork());
  EXPECT_EQ(before, Dump());
  // The unit is over: the thread works as before.
  EXPECT_EQ(-1, data_->RollbackWork());
  EXPECT_EQ(0, data_->AddProductUnit("件"));
  EXPECT_EQ("1", Value("select count(*) from J4_Product_Unit"));
}

TEST_F(WorkUnitTest, RefusedWithoutDatabaseAndOpenDatabaseRefusedInside) {
  KXPData fresh;
  EXPECT_EQ(-1, fresh.BeginWork());
  EXPECT_EQ(-1, fresh.CommitWork());
  EXPECT_EQ(-1, fresh.RollbackWork());

  const std::string other = TestDatabasePath("_other");
  std::remove(other.c_str());
  ASSERT_EQ(0, data_->BeginWork());
  EXPECT_EQ(-1, data_->OpenDatabase(other.c_str()));
  EXPECT_EQ(path_, data_->connectionSettings().path);
  EXPECT_EQ(0, data_->AddProductUnit("箱"));
  EXPECT_EQ(0, data_->CommitWork());
  EXPECT_EQ("1", Value("select count(*) from J4_Product_Unit"));
  // Units are per data object: a second object on the same thread has none.
  KXPData second(200);
  ASSERT_EQ(0, second.OpenDatabase(path_.c_str()));
  EXPECT_EQ(-1, second.CommitWork());
  std::remove(other.c_str());
}

// Another thread's write waits for the unit's lock and goes on after the commit;
// another thread's read does not wait and sees the state before the unit.
TEST_F(WorkUnitTest, OtherThreadsWaitToWriteAndReadTheOldState) {
  ASSERT_EQ(0, data_->BeginWork());
  ASSERT_EQ(0, data_->AddProductUnit("箱"));

  std::atomic<bool> writeDone{false};
  std::atomic<int> writeResult{-2};
  std::thread writer([&] {
    writeResult = data_->AddProductUnit("件");
    writeDone = true;
  });
  std::vector<std::vector<DataField>> seen;
  int readResult = -2;
  std::thread reader([&] {
    std::vector<DataField> record = {Field("计量单位")};
    readResult = data_->QueryRecords("J4_Product_Unit", &record, &seen);
  });
  reader.join();
  EXPECT_EQ(0, readResult);
  EXPECT_TRUE(seen.empty()) << "a reader saw the unit's write before its commit";

  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(writeDone) << "a writer went ahead while the unit held the lock";
  EXPECT_EQ(0, data_->CommitWork());
  writer.join();
  EXPECT_EQ(0, writeResult.load());
  EXPECT_EQ("2", Value("select count(*) from J4_Product_Unit"));
}

// A report inside a unit reads through the unit's connection: it sees the
// unit's documents (a page that saves and then reports within one unit shows
// what it saved), those of its functions too, while a report on another thread
// answers at once with what is committed. A rollback takes the documents out of
// the next report again.
TEST_F(WorkUnitTest, AReportInsideAUnitSeesTheUnitsWrites) {
  auto cashOpening = [this] {
    std::vector<DataField> params = {Field("sum(收入)"), Field("sum(支出)"), Field("业务日期 < '2099-01-01'")};
    EXPECT_EQ(0, data_->RunReport("zjls_qc", 0, &params, nullptr));
    return params[0].value;
  };
  auto otherThreadsCashOpening = [&] {
    std::string seen;
    std::thread reader([&] { seen = cashOpening(); });
    reader.join();
    return seen;
  };
  // Sales per customer: before discount (Discount2Actual), discount, charged.
  auto salesOfCustomers = [this] {
    std::vector<DataField> params(4, Field("列"));
    params.push_back(Field(""));
    params.push_back(Field("单据日期>='2026-01-01'"));
    std::vector<std::vector<DataField>> rows;
    EXPECT_EQ(0, data_->RunReport("xstjbg_kh", reinterpret_cast<intptr_t>(&rows), &params,
                                  [](intptr_t context, std::vector<DataField>* row) {
                                    reinterpret_cast<std::vector<std::vector<DataField>>*>(context)->push_back(*row);
                                  }));
    std::string text;
    for (const auto& row : rows) text += row[0].value + "|" + row[1].value + "|" + row[2].value + "|" + row[3].value + ";";
    return text;
  };
  for (bool commit : {false, true}) {
    SCOPED_TRACE(commit ? "committed" : "rolled back");
    ASSERT_EQ(0, data_->BeginWork());
    std::vector<DataField> item = {Field("", "利息"), Field("", "收入")};
    ASSERT_EQ(0, data_->InsertRecord("J4_Account_Item", &item));
    std::vector<DataField> document = {
        Field("", "2026-12-10"), Field("", "ZJD001"), Field("", "收支单"), Field("", ""), Field("", ""),
        Field("", ""),           Field("", ""),       Field("", "利息"),   Field("", ""), Field("", "12.5")};
    ASSERT_EQ(0, data_->InsertRecord("J4_Account_Data", &document));
    std::vector<DataField> sale = {
        Field("", "2026-12-10"), Field("", "XSD001"), Field("", "销售单"), Field("", "零售客户"), Field("", "90"),
        Field("", ""),           Field("", ""),       Field("", ""),       Field("", ""),         Field("", "90")};
    ASSERT_EQ(0, data_->InsertRecord("J4_Account_Data", &sale));
    EXPECT_EQ("12.50", cashOpening());
    EXPECT_EQ("零售客户|100.0|10.00|90;批发客户||0.00|;", salesOfCustomers());
    EXPECT_EQ("0.00", otherThreadsCashOpening());
    if (commit) {
      ASSERT_EQ(0, data_->CommitWork());
      EXPECT_EQ("12.50", cashOpening());
      EXPECT_EQ("12.50", otherThreadsCashOpening());
    } else {
      ASSERT_EQ(0, data_->RollbackWork());
      EXPECT_EQ("0.00", cashOpening());
      EXPECT_EQ("零售客户||0.00|;批发客户||0.00|;", salesOfCustomers());
    }
  }
}

class ShortWaitWorkUnitTest : public WorkUnitTest {
 protected:
  int busyTimeoutMs() const override { return 2000; }
};

// A unit left open is rolled back and its lock released when its thread ends or
// its data object goes: the writes after it do not wait.
TEST_F(ShortWaitWorkUnitTest, AUnitLeftOpenEndsWithItsThreadOrItsObject) {
  const std::string before = Dump();
  int begun = -2, written = -2;
  std::thread([&] {
    begun = data_->BeginWork();
    written = data_->AddProductUnit("箱");
  }).join();
  EXPECT_EQ(0, begun);
  EXPECT_EQ(0, written);
  EXPECT_EQ(before, Dump());
  EXPECT_EQ(0, data_->AddProductUnit("件"));

  {
    KXPData leaving(2000);
    ASSERT_EQ(0, leaving.OpenDatabase(path_.c_str()));
    ASSERT_EQ(0, leaving.BeginWork());
    ASSERT_EQ(0, leaving.AddProductUnit("盒"));
  }
  EXPECT_EQ(0, data_->AddProductUnit("袋"));
  EXPECT_EQ("件|袋|", [&] {
    std::string units;
    for (const auto& row : Rows("select 计量单位 from J4_Product_Unit order by rowid")) units += row[0] + "|";
    return units;
  }());
}

}  // namespace
