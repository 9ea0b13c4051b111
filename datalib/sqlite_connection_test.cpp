// The connection layer: error texts, column access, text conversion with the
// ANSI code page, texts of any length, and waiting for another connection's lock.
#include "sqlite_connection.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "page_cache_pool.h"
#include "test_support/test_database.h"
#include "text_encoding.h"

namespace {

TEST(SqliteErrors, CodeNamesAndMessages) {
  EXPECT_STREQ("SQLITE_OK", SqliteErrorCodeName(0));
  EXPECT_STREQ("SQLITE_BUSY", SqliteErrorCodeName(5));
  EXPECT_STREQ("SQLITE_RANGE", SqliteErrorCodeName(25));
  EXPECT_STREQ("SQLITE_ROW", SqliteErrorCodeName(100));
  EXPECT_STREQ("SQLITE_DONE", SqliteErrorCodeName(101));
  EXPECT_STREQ("CPPSQLITE_ERROR", SqliteErrorCodeName(1000));
  EXPECT_STREQ("UNKNOWN_ERROR", SqliteErrorCodeName(26));
  EXPECT_EQ("SQLITE_ERROR[1]: no such table: x", CppSQLite3Exception(1, "no such table: x").errorMessage());
}

TEST(TextEncoding, ChineseRoundTripsThroughTheAnsiCodePage) {
  const std::string gbk = "商品名称";  // GBK literal
  const std::string utf8 = "\xE5\x95\x86\xE5\x93\x81\xE5\x90\x8D\xE7\xA7\xB0";
  EXPECT_EQ(8u, gbk.size());
  EXPECT_EQ(utf8, AnsiToUtf8(gbk));
  EXPECT_EQ(gbk, Utf8ToAnsi(utf8));
  EXPECT_EQ("", AnsiToUtf8(""));
  std::string longText;
  for (int i = 0; i < 3000; ++i) longText += "库存";
  EXPECT_EQ(longText, Utf8ToAnsi(AnsiToUtf8(longText)));
}

class Connection : public DatabaseTest {};

// The page memory a closed connection read into is kept, and the next
// connection reads into it instead of taking fresh memory from the heap.
TEST_F(Connection, PageMemoryOfAClosedConnectionServesTheNextOne) {
  ASSERT_TRUE(PageCachePoolInstalled());
  {
    CppSQLite3DB db;
    db.open(data_->connectionSettings());
    db.execDML("create table filler (text)");
    db.execDML("insert into filler select hex(randomblob(2000)) from (with recursive n(i) as "
               "(select 1 union all select i + 1 from n where i < 300) select i from n)");
  }
  const size_t fileBytes = 300u * 4096u;
  size_t keptBefore = PageCachePoolKeptBytes();
  EXPECT_GE(keptBefore, fileBytes) << "the writing connection's pages were kept";
  for (int round = 0; round < 2; ++round) {
    CppSQLite3DB db;
    db.open(data_->connectionSettings());
    db.execQuery("select count(*), sum(length(text)) from filler");
    EXPECT_LE(PageCachePoolKeptBytes() + fileBytes, keptBefore) << "round " << round << ": pages read into kept memory";
    db.close();
    EXPECT_EQ(keptBefore, PageCachePoolKeptBytes()) << "round " << round << ": the pages came back";
  }
}

TEST_F(Connection, ColumnAccessAndErrors) {
  CppSQLite3DB db;
  db.open(data_->connectionSettings());
  {
    CppSQLite3Query q = db.execQuery("select '甲' as 名称, NULL as 空");
    ASSERT_FALSE(q.eof());
    EXPECT_EQ("甲", q.fieldValue("名称"));
    EXPECT_EQ("", q.fieldValue("空"));
    try {
      q.fieldValue("没有");
      ADD_FAILURE() << "no exception";
    } catch (const CppSQLite3Exception& e) {
      EXPECT_EQ("CPPSQLITE_ERROR[1000]: Invalid field name requested", e.errorMessage());
    }
    EXPECT_THROW(q.fieldValue(2), CppSQLite3Exception);
    q.nextRow();
    EXPECT_TRUE(q.eof());
  }
  try {
    db.execDML("insert into nowhere values(1)");
    ADD_FAILURE() << "no exception";
  } catch (const CppSQLite3Exception& e) {
    EXPECT_EQ("SQLITE_ERROR[1]: no such table: nowhere", e.errorMessage());
  }
  EXPECT_THROW(db.execQuery(""), CppSQLite3Exception);  // an empty statement is an error, not a success
  db.close();
  EXPECT_THROW(db.execDML("select 1"), CppSQLite3Exception);
}

TEST_F(Connection, ClosingUnderALiveStatementFailsWithoutLeaking) {
  auto db = std::make_unique<CppSQLite3DB>();
  db->open(data_->connectionSettings());
  CppSQLite3Query query = db->execQuery("select name from J4_Sys_User");
  EXPECT_THROW(db->close(), CppSQLite3Exception);
  db.reset();  // the handle goes once its last statement is finalized
  query.finalize();
  EXPECT_EQ(0, data_->AddUser("after", ""));  // the file is free again
}

TEST_F(Connection, LongTextsAreStoredAndReadWhole) {
  std::string name;
  for (int i = 0; i < 1500; ++i) name += "长";  // 3000 bytes GBK, 4500 bytes UTF-8
  std::vector<DataField> values = {MakeDataField("name", name), MakeDataField("image", std::string(4000, 'i'))};
  ASSERT_EQ(0, data_->InsertRecord("J4_Sys_SideBar_Item", &values));
  std::vector<DataField> record = {MakeDataField("name", name), MakeDataField("image", "")};
  std::vector<std::vector<DataField>> rows;
  ASSERT_EQ(0, data_->QueryRecords("J4_Sys_SideBar_Item", &record, &rows));
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ(name, rows[0][0].value);
  EXPECT_EQ(std::string(4000, 'i'), rows[0][1].value);
}

TEST_F(Connection, OperationWaitsForAnotherConnectionsWriteLock) {
  CppSQLite3DB holder;
  holder.open(data_->connectionSettings());
  holder.execDML("pragma locking_mode=normal; begin exclusive");
  std::atomic<bool> released{false};
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    released = true;
    holder.execDML("commit");
  });
  const int result = data_->AddUser("等待", "");
  const bool wasReleased = released;
  release.join();
  EXPECT_EQ(0, result);
  EXPECT_TRUE(wasReleased) << "the operation went ahead while the lock was held";
  EXPECT_EQ(0, data_->CheckUserPassword("等待", ""));
}

// The other connection is in the middle of a write: it holds the reserved lock and
// needs every reader gone to commit. An operation that wants to write must wait
// without keeping a lock of its own, or neither side can go on.
TEST_F(Connection, WriterWaitsForAnotherWriterToCommit) {
  KXPData writer(5000);
  ASSERT_EQ(0, writer.OpenDatabase(path_.c_str()));
  ConnectionSettings settings = data_->connectionSettings();
  settings.busyTimeoutMs = 5000;
  CppSQLite3DB holder;
  holder.open(settings);
  holder.execDML("pragma locking_mode=normal; begin immediate; insert into J4_Product_Unit values('箱')");
  std::atomic<int> commitResult{-1};
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    commitResult = sqlite3_exec(holder.handle(), "commit", nullptr, nullptr, nullptr);
  });
  const int results[] = {writer.AddProductUnit("个"), writer.SetSavePassword("u", true)};
  release.join();
  EXPECT_EQ(SQLITE_OK, commitResult.load());
  EXPECT_EQ(0, results[0]);
  EXPECT_EQ(0, results[1]);
  EXPECT_EQ("2", Value("select count(*) from J4_Product_Unit"));
}

}  // namespace
