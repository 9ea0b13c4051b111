// Database reads in blocks: fewer calls to the file, and never a stale page: a
// connection sees another's commit after its lock went, and its own writes,
// also those spilled to the file in the middle of a transaction.
#include "block_read_vfs.h"

#include <gtest/gtest.h>

#include "sqlite_connection.h"
#include "test_support/test_database.h"

namespace {

class BlockReads : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    // About 600 pages of rows, each row about 2 KB.
    Exec("create table filler (n integer, text)");
    Exec(
        "insert into filler select i, hex(randomblob(1000)) from (with recursive n(i) as "
        "(select 1 union all select i + 1 from n where i < 1200) select i from n)");
  }
  static std::string Sum(CppSQLite3DB& db) {
    CppSQLite3Query q = db.execQuery("select sum(n), count(*), sum(length(text)) from filler");
    return q.fieldValue(0) + "/" + q.fieldValue(1) + "/" + q.fieldValue(2);
  }
};

TEST_F(BlockReads, AScanReadsTheFileInBlocks) {
  ASSERT_TRUE(BlockReadVfsInstalled());
  const BlockReadCounts before = BlockReadCountsNow();
  CppSQLite3DB db;
  db.open(data_->connectionSettings());
  EXPECT_EQ("720600/1200/2400000", Sum(db));
  db.close();
  const BlockReadCounts after = BlockReadCountsNow();
  const size_t reads = after.fileReads - before.fileReads, served = after.pagesServed - before.pagesServed;
  EXPECT_GE(served, 500u) << "pages handed from blocks";
  EXPECT_LE(reads * 8, served) << reads << " calls to the file for " << served << " pages";
}

TEST_F(BlockReads, AConnectionKeptOpenSeesAnotherConnectionsCommit) {
  CppSQLite3DB reader;
  reader.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
  reader.execDML("pragma cache_size = 5");  // so that its pages come from the file again
  EXPECT_EQ("720600/1200/2400000", Sum(reader));
  {
    CppSQLite3DB writer;
    writer.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
    writer.execDML("update filler set n = n + 1, text = substr(text, 2)");
  }
  EXPECT_EQ("721800/1200/2398800", Sum(reader));
  reader.execDML("begin");
  EXPECT_EQ("721800/1200/2398800", Sum(reader));
  EXPECT_EQ("721800/1200/2398800", Sum(reader)) << "again inside one read transaction";
  reader.execDML("commit");
}

TEST_F(BlockReads, ATransactionReadsBackWhatItSpilledToTheFile) {
  CppSQLite3DB db;
  db.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
  db.execDML("pragma cache_size = 5");  // changes spill into the file before the commit
  db.execDML("begin");
  EXPECT_EQ("720600/1200/2400000", Sum(db));
  db.execDML("update filler set n = n * 2, text = text || 'x' where n % 3 = 0");
  EXPECT_EQ("961200/1200/2400400", Sum(db));
  db.execDML("delete from filler where n > 1000");
  EXPECT_EQ("416833/833/1666166", Sum(db));
  db.execDML("rollback");
  EXPECT_EQ("720600/1200/2400000", Sum(db));
  db.execDML("delete from filler where n > 100");
  db.execDML("vacuum");  // the file shrinks under the blocks read before
  EXPECT_EQ("5050/100/200000", Sum(db));
  EXPECT_EQ("ok", db.execQuery("pragma integrity_check").fieldValue(0));
}

// A file found in WAL mode keeps its lock while others checkpoint into it: its
// pages are read as asked, never from a block read before.
TEST_F(BlockReads, AFileInWalModeSeesAnotherConnectionsCheckpoint) {
  {
    CppSQLite3DB db;
    db.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
    ASSERT_EQ("wal", db.execQuery("pragma journal_mode=wal").fieldValue(0));
  }
  CppSQLite3DB reader;
  reader.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
  reader.execDML("pragma cache_size = 5");
  EXPECT_EQ("720600/1200/2400000", Sum(reader));
  {
    CppSQLite3DB writer;
    writer.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
    writer.execDML("update filler set n = n + 1, text = substr(text, 2)");
    writer.execQuery("pragma wal_checkpoint(truncate)");
  }
  EXPECT_EQ("721800/1200/2398800", Sum(reader));
  reader.close();
  CppSQLite3DB back;
  back.open(data_->connectionSettings(), CppSQLite3DB::Locking::kPerTransaction);
  back.execQuery("pragma journal_mode=delete");
}

}  // namespace
