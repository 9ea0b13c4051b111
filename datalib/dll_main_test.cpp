// Datavane.dll as the program sees it: loaded by name, the undecorated export,
// one object, and vectors filled inside the DLL and freed by the caller.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "kxp_data.h"

namespace {

TEST(DatavaneDll, ExportHandsOutOneObjectThatWorks) {
  HMODULE dll = LoadLibraryA("Datavane.dll");
  ASSERT_NE(nullptr, dll);
  auto get = reinterpret_cast<GetKXPDataInstanceFunc>(GetProcAddress(dll, "GetKXPDataInstance"));
  ASSERT_NE(nullptr, get);
  KXPDatavane* data = get();
  ASSERT_NE(nullptr, data);
  EXPECT_EQ(data, get());

  const std::string path = ::testing::TempDir() + "datavane_dll_test.db";
  std::remove(path.c_str());
  EXPECT_EQ(-1, data->AddUser("老板", ""));
  ASSERT_EQ(0, data->OpenDatabase(path.c_str()));
  EXPECT_EQ(0, data->AddUser("老板", ""));
  EXPECT_EQ(0, data->CheckUserPassword("老板", ""));

  {
    std::vector<std::vector<DataField>> rows;
    std::vector<DataField> record = {MakeDataField("客户名称", ""), MakeDataField("类型", "客户")};
    ASSERT_EQ(0, data->QueryRecords("J4_Customer_Data", &record, &rows));
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("零售客户", rows[0][0].value);
    rows.push_back(rows[0]);  // grown and freed on this side of the boundary
    std::vector<std::string> names;
    ASSERT_EQ(0, data->GetUserNames(&names));
    ASSERT_EQ(1u, names.size());
    names[0] += std::string(200, 'x');
  }
  std::remove(path.c_str());
}

}  // namespace
