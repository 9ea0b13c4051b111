// Test support: the real Datavane.dll, loaded once per test program, and a fixture
// that points its data object at a fresh database file of the running test. No
// stand-in for the library: a store's test reads back what the library stored.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "kxp_data.h"

namespace pagekit {
namespace test {

// The library's one data object, or null when the DLL is not beside the program.
inline KXPDatavane* DatavaneFromDll() {
  static KXPDatavane* data = [] {
    HMODULE library = ::LoadLibraryW(L"Datavane.dll");
    auto get = library != nullptr
                   ? reinterpret_cast<GetKXPDataInstanceFunc>(::GetProcAddress(library, "GetKXPDataInstance"))
                   : nullptr;
    return get != nullptr ? get() : nullptr;
  }();
  return data;
}

// Each test on a database file of its own in the temp folder, with the library's
// tables and no rows of the test's making.
class DatavaneDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = DatavaneFromDll();
    ASSERT_NE(nullptr, data_) << "Datavane.dll beside the test program";
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("pagekit_") + info->test_suite_name() + "_" + info->name() + ".db";
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = ::testing::TempDir() + name;
    std::remove(path_.c_str());
    ASSERT_EQ(0, data_->OpenDatabase(path_.c_str()));
  }
  void TearDown() override { std::remove(path_.c_str()); }

  KXPDatavane& data() { return *data_; }

  KXPDatavane* data_ = nullptr;
  std::string path_;
};

}  // namespace test
}  // namespace pagekit
