// Test support: a fresh database file per test, opened through a KXPData, and a
// raw connection for looking at what the operations stored.
#ifndef DATAVANE_TEST_DATABASE_H
#define DATAVANE_TEST_DATABASE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "data_object.h"
#include "test_support/data_fields.h"

// A path in the temp folder, unique to the running test.
inline std::string TestDatabasePath(const char* suffix = "") {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name() + suffix + ".db";
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  return ::testing::TempDir() + name;
}

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = TestDatabasePath();
    std::remove(path_.c_str());
    data_ = std::make_unique<KXPData>(busyTimeoutMs());
    ASSERT_EQ(0, data_->OpenDatabase(path_.c_str()));
  }
  void TearDown() override {
    data_.reset();
    std::remove(path_.c_str());
  }
  virtual int busyTimeoutMs() const { return kDefaultBusyTimeoutMs; }

  // Every row of a query on a connection of the test's own, each row's columns as ANSI texts.
  std::vector<std::vector<std::string>> Rows(const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    CppSQLite3DB db;
    db.open(data_->connectionSettings());
    for (CppSQLite3Query q = db.execQuery(sql); !q.eof(); q.nextRow()) {
      std::vector<std::string> row;
      for (int i = 0; i < q.numFields(); ++i) row.push_back(q.fieldValue(i));
      rows.push_back(row);
    }
    return rows;
  }
  std::string Value(const std::string& sql) {
    auto rows = Rows(sql);
    return rows.empty() || rows[0].empty() ? std::string("<no row>") : rows[0][0];
  }
  void Exec(const std::string& sql) {
    CppSQLite3DB db;
    db.open(data_->connectionSettings());
    db.execDML(sql);
  }

  std::string path_;
  std::unique_ptr<KXPData> data_;
};

#endif
