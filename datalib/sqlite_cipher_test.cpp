// The SQLite build that Datavane links: a keyed database is encrypted on disk
// and opens only with its key.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string TempPath(const char* name) { return std::string(::testing::TempDir()) + name; }

int Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

TEST(SqliteCipher, KeyedFileIsEncryptedAndNeedsTheKey) {
  const std::string path = TempPath("cipher_test.db");
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
  ASSERT_EQ(SQLITE_OK, sqlite3_key(db, "secret", 6));
  ASSERT_EQ(SQLITE_OK, Exec(db, "create table t(a text); insert into t values('hello');"));
  sqlite3_close(db);

  FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(nullptr, f);
  char header[16] = {};
  ASSERT_EQ(16u, std::fread(header, 1, 16, f));
  std::fclose(f);
  EXPECT_NE(0, std::memcmp(header, "SQLite format 3", 15));

  ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
  EXPECT_NE(SQLITE_OK, Exec(db, "select * from t"));
  sqlite3_close(db);

  ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
  ASSERT_EQ(SQLITE_OK, sqlite3_key(db, "secret", 6));
  EXPECT_EQ(SQLITE_OK, Exec(db, "select * from t"));
  sqlite3_close(db);
  std::remove(path.c_str());
}

}  // namespace
