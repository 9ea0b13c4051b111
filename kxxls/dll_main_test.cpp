// KXXls.dll as the program sees it: loaded by name, the undecorated export, one
// object whose wide strings cross the boundary by value.
#include <windows.h>

#include <gtest/gtest.h>

#include "xls_proc.h"

namespace {

TEST(KxxlsDll, ExportHandsOutOneObject) {
  HMODULE dll = LoadLibraryW(L"KXXls.dll");
  ASSERT_NE(nullptr, dll);
  auto get = reinterpret_cast<GetXlsProcInstanceFunc>(GetProcAddress(dll, "GetXlsProcInstance"));
  ASSERT_NE(nullptr, get);
  XlsProc* xls = get();
  ASSERT_NE(nullptr, xls);
  EXPECT_EQ(xls, get());
  // A book that was never opened has nothing to give.
  EXPECT_EQ(L"", xls->GetCellText(L"C:\\nowhere\\never.xls", L"A1"));
  EXPECT_EQ(0, xls->GetRowCount(L"C:\\nowhere\\never.xls"));
}

}  // namespace
